#pragma once
// Driving a modal dialog from a test: an action that runs once from inside
// the next modal loop, events queued for the loop, and the dialog the loop
// is running.

#include "framework/core/base/ZafTypes.h"
#include "shell/support/DialogTestSupport.h"   // WhileModal, FrontWindow

// Puts an event of type into the framework's event queue.
void QueueEvent(ZafEventType type);
// The front window of the window manager as a T, none when it is not one.
template <typename T> T *FrontWindowAs();

template <typename T> T *FrontWindowAs()
{
    return dynamic_cast<T *>(FrontWindow());
}
