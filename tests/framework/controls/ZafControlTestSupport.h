#pragma once
// Helpers of the control tests: the OS windows of the test thread, a
// window's class name, and the event queue read without running it.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/events/ZafEventTestSupport.h"
#include "framework/windows/ZafScreenDisplay.h"

// The event test's platform object, event manager and window manager, with
// the screen display that controls measure and draw with.
class ControlTest : public EventTest
{
protected:
    void SetUp() override
    {
        EventTest::SetUp();
        display = std::make_unique<ZafScreenDisplay>();
    }
    void TearDown() override
    {
        EventTest::TearDown();
        display.reset();
    }
    std::unique_ptr<ZafScreenDisplay> display;
};

// Top-level windows of the calling thread whose class name is className.
std::vector<HWND> ThreadWindowsOfClass(const wchar_t *className);
std::wstring WindowClassName(HWND window);
std::wstring WindowText(HWND window);

// Takes every queued framework event (the OS queue read first) and answers
// them in order; nothing is routed.
std::vector<ZafEventStruct> TakeQueuedEvents(ZafEventManager &events);
// How many of the events have the type.
int CountType(const std::vector<ZafEventStruct> &events, ZafEventType type);

// Dispatches the thread's OS messages for a while (timers included), without
// reading the framework queue.
void DispatchFor(int milliseconds);
