#ifndef ZAF_GUI_TEST_SUPPORT_H
#define ZAF_GUI_TEST_SUPPORT_H

// Helpers of the display tests: a plain top-level window, window objects that
// adopt it or record their events, a 32-bit DIB section to draw on, and a
// fixture that registers objects as children of a host object.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "support/DibSurface.h"

// A plain top-level window of a test class (not a framework window), shared
// by the tests of the program; each user's child windows go at its end.
class TopLevelWindow
{
public:
    TopLevelWindow(int width = 300, int height = 200);
    ~TopLevelWindow();
    HWND Handle() const { return window; }

private:
    HWND window;
};

// A window object that stands for an existing OS window (the test's
// top-level window), so that children register into it.
class HostObject : public ZafWindowObject
{
public:
    explicit HostObject(HWND window, int width = 300, int height = 200);
    ~HostObject() override;
    ZafEventType Event(const ZafEventStruct &event) override;

    std::vector<UINT> messages;   // raw messages that reached it
};

// A window object that records every framework event it is given and
// answers a chosen value for raw messages of one number.
class RecordingObject : public ZafWindowObject
{
public:
    RecordingObject(int left, int top, int width, int height) : ZafWindowObject(left, top, width, height) { }
    ZafEventType Event(const ZafEventStruct &event) override;

    std::vector<ZafEventType> types;
    std::vector<UINT> messages;
    std::vector<WPARAM> wParams;      // beside messages
    UINT answeredMessage = 0;
    ZafEventType answer = 0;
};

// The address a function pointer finally jumps to (import thunks resolved).
const void *CallTarget(const void *function);

// Pumps the thread's waiting messages.
void PumpMessages();

// The platform object, a plain top-level window and a host object adopting
// it; Register makes an object a registered, placed child of the host.
class HostedObjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
        top = std::make_unique<TopLevelWindow>();
        host = std::make_unique<HostObject>(top->Handle());
    }
    void TearDown() override
    {
        host.reset();
        top.reset();
        app.reset();
    }
    template <typename Object>
    Object *Register(Object *object)
    {
        object->SetCoordinateType(ZAF_PIXEL);
        object->SetParent(host.get());
        object->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
        object->ApplyPosition();
        return object;
    }

    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<TopLevelWindow> top;
    std::unique_ptr<HostObject> host;
};

#endif
