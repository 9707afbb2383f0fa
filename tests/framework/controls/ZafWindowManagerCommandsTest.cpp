// The window manager opening stored windows by name and forgetting deleted
// objects, and the event manager dropping input while a device is off.
#include "ZafControlTestSupport.h"

#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/text/ZafStrings.h"


namespace {

ZafEventStruct OpenCommand(const wchar_t *text)
{
    ZafEventStruct command(ZAF_EV_OPEN_BY_NAME, 0);
    command.text = ZafStrDup(text);
    return command;
}

} // namespace

class ZafWindowManagerOpenByName : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        storage.MkDir(L"windows");
        storage.ChDir(L"windows");
        ZafWindow stored(20, 20, 120, 60);
        stored.SetCoordinateType(ZAF_PIXEL);
        stored.SetStringID(L"Stored");
        stored.AddFrameObjects(L"From storage");
        stored.Write(persistence);
        storage.ChDir(L"~");
        previous = ZafObjectPersistence::SetDefaultPersistence(&persistence);
    }
    void TearDown() override
    {
        ZafObjectPersistence::SetDefaultPersistence(previous);
        ControlTest::TearDown();
    }
    ZafStorage storage;
    ZafObjectPersistence persistence{ &storage };
    ZafObjectPersistence *previous = nullptr;
};

TEST_F(ZafWindowManagerOpenByName, AStoredWindowIsReadAndShownWhenNoneIsOpen)
{
    EXPECT_EQ(ZAF_EV_OPEN_BY_NAME, manager->Event(OpenCommand(L"windows~Stored")));
    ZafWindow *shown = manager->FrontWindow();
    ASSERT_NE(nullptr, shown);
    EXPECT_STREQ(L"Stored", shown->StringID());
    EXPECT_TRUE(shown->Registered());
    EXPECT_EQ(L"From storage", WindowText(static_cast<HWND>(shown->OSHandle(2))));
    // The storage is left where it was.
    ZafIChar current[64] = {};
    storage.GetCWD(current, 64);
    EXPECT_STREQ(L"~", current);
    // Asked again, the open window comes to the front; nothing more is read.
    EXPECT_EQ(ZAF_EV_OPEN_BY_NAME, manager->Event(OpenCommand(L"windows~Stored")));
    EXPECT_EQ(1, manager->ZafList::Count());
}

TEST_F(ZafWindowManagerOpenByName, ANameThatOpensNothingIsNotHandled)
{
    EXPECT_EQ(ZAF_NOT_HANDLED, manager->Event(OpenCommand(L"windows~Missing")));
    EXPECT_EQ(ZAF_NOT_HANDLED, manager->Event(OpenCommand(L"nowhere~Stored")));
    EXPECT_EQ(ZAF_NOT_HANDLED, manager->Event(OpenCommand(L"Stored")));
    EXPECT_EQ(nullptr, manager->FrontWindow());
}

using ZafWindowManagerForgetting = ControlTest;

TEST_F(ZafWindowManagerForgetting, DeletedObjectsAreNoLongerRemembered)
{
    ZafWindowObject *status = new ZafWindowObject(0, 0, 10, 1);
    ZafWindowObject *dragged = new ZafWindowObject(0, 0, 10, 1);
    ZafWindowObject *kept = new ZafWindowObject(0, 0, 10, 1);
    manager->statusObject = status;
    manager->dragObject = dragged;
    manager->previousFocusObject = kept;
    delete status;
    delete dragged;
    EXPECT_EQ(nullptr, manager->statusObject);
    EXPECT_EQ(nullptr, manager->dragObject);
    EXPECT_EQ(kept, manager->previousFocusObject);
    delete kept;
    EXPECT_EQ(nullptr, manager->previousFocusObject);
}

using ZafEventManagerInputOff = ControlTest;

TEST_F(ZafEventManagerInputOff, OnlyInputOfTheSwitchedOffDeviceIsDropped)
{
    ZafOSEventStruct key = {};
    key.message = WM_KEYDOWN;
    key.wParam = 'A';
    events->Put(ZafEventStruct(ZAF_INPUT_USER + 1, 7), ZAF_QUEUE_BACK);
    events->Put(ZafEventStruct(ZAF_EVENT_OS, key), ZAF_QUEUE_BACK);
    // A user event at the front stays; a key at the front goes.
    EXPECT_FALSE(events->DropFrontInput(ZAF_INPUT_KEYBOARD));
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY));
    EXPECT_EQ(ZAF_INPUT_USER + 1, event.type);
    EXPECT_FALSE(events->DropFrontInput(ZAF_INPUT_MOUSE));
    EXPECT_TRUE(events->DropFrontInput(ZAF_INPUT_KEYBOARD));
    EXPECT_TRUE(events->QueueEmpty());
}
