#ifndef ZAF_EVENT_TEST_SUPPORT_H
#define ZAF_EVENT_TEST_SUPPORT_H

// Helpers of the event and window tests: a fixture with the platform object,
// a shared event manager and a window manager; test-only frame parts
// (support objects standing for the border and the title); a window object
// with a text; the real loop (Get, then the window manager's Event); and
// raw events of OS messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafMSWindowsApp.h"

// The object's own OS window.
inline HWND Handle(ZafWindowObject *object) { return static_cast<HWND>(object->OSWindow()); }

// A support object without an OS window of its own: a frame style of its
// window (number id -1 border, -2 maximize, -3 minimize, -4 system button,
// -5 title).
class FramePart : public ZafWindowObject
{
public:
    explicit FramePart(ZafNumberID id) : ZafWindowObject(0, 0, 1, 1)
    {
        numberID = id;
        useParentFrameHandle = true;
        ownOSWindow = false;
    }
};

// A window object that keeps a text (drag and drop moves it).
class TextObject : public ZafWindowObject
{
public:
    TextObject(int left, int top, int width, int height, const wchar_t *text = L"")
        : ZafWindowObject(left, top, width, height), text(text) { }
    const ZafIChar *Text() override { return text.c_str(); }
    ZafError SetText(const ZafIChar *newText) override { text = newText ? newText : L""; return 0; }
    using ZafWindowObject::SetText;

    std::wstring text;
};

// A window object that records the framework events it is given.
class EventLog : public ZafWindowObject
{
public:
    EventLog(int left, int top, int width, int height) : ZafWindowObject(left, top, width, height) { }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        types.push_back(event.type);
        if (event.type == ZAF_EVENT_OS)
            messages.push_back(event.osEvent.message);
        if (event.type == ZAF_EV_HOT_KEY)
            keys.push_back(ZafIChar(event.key));
        return ZafWindowObject::Event(event);
    }
    int Count(ZafEventType type) const;
    int CountMessage(UINT message) const;

    std::vector<ZafEventType> types;
    std::vector<UINT> messages;
    std::vector<ZafIChar> keys;
};

// A window that records the framework events it is given.
class LoggingWindow : public ZafWindow
{
public:
    LoggingWindow(int left, int top, int width, int height) : ZafWindow(left, top, width, height) { }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        types.push_back(event.type);
        return ZafWindow::Event(event);
    }
    int Count(ZafEventType type) const;

    std::vector<ZafEventType> types;
};

// The platform object, a shared event manager (with keyboard and mouse)
// and a window manager, made for each test and removed after it.
class EventTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A top-level window in pixel coordinates whose client area is
    // width x height, with the given frame parts.
    ZafWindow *NewTopLevel(int width, int height, std::initializer_list<ZafNumberID> parts,
        int left = 40, int top = 40);
    // Runs the loop (no-wait Get, then the window manager's Event) until it
    // answers -3 or -32, or the time is up; answers the last answer (0 when
    // the time ran out).
    ZafEventType RunLoop(int milliseconds);
    // Runs the loop for a while without caring for the answers.
    void Pump(int milliseconds = 100);
    // Drops everything queued (framework and OS).
    void Drain();
    // Makes the window's frame the active foreground window (other test
    // programs on the same display may hold the foreground); true when it is.
    bool Activate(ZafWindow *window);

    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<ZafEventManager> events;
    std::unique_ptr<ZafWindowManager> manager;
};

// A raw event of an OS message for the given window.
ZafEventStruct RawMessage(ZafOSWindow window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

#endif
