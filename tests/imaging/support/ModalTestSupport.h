#pragma once
// Driving a modal dialog from a test: an action that runs once from inside
// the next modal loop, events queued for the loop, and the dialog the loop
// is running.

#include <functional>

#include "framework/core/base/ZafTypes.h"

class ZafWindow;

// Runs action once, about 30 ms into the next modal loop (a thread timer,
// which the loop dispatches like any message).
void WhileModal(std::function<void()> action);
// Puts an event of type into the framework's event queue.
void QueueEvent(ZafEventType type);
// The front window of the window manager as a T, none when it is not one.
template <typename T> T *FrontWindowAs();
ZafWindow *FrontWindow();

template <typename T> T *FrontWindowAs()
{
    return dynamic_cast<T *>(FrontWindow());
}
