#include "ZafEventTestSupport.h"


namespace {

int exitCalls = 0;
ZafInt32 allowExit(ZafDisplay *, ZafEventManager *, ZafWindowManager *) { ++exitCalls; return 0; }
ZafInt32 refuseExit(ZafDisplay *, ZafEventManager *, ZafWindowManager *) { ++exitCalls; return 1; }

ZafIChar *NewText(const wchar_t *text)
{
    ZafIChar *copy = new ZafIChar[std::wcslen(text) + 1];
    std::wcscpy(copy, text);
    return copy;
}

// A window that takes window command -3600 (and keeps its text).
class CommandWindow : public ZafWindow
{
public:
    CommandWindow() : ZafWindow(0, 0, 50, 20) { SetCoordinateType(ZAF_PIXEL); }
    ~CommandWindow() override { delete[] kept; }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == -3600)
        {
            delete[] kept;
            kept = event.text;
            return event.type;
        }
        return ZafWindow::Event(event);
    }
    ZafIChar *kept = nullptr;
};

} // namespace

using ZafWindowManagerTest = EventTest;

TEST_F(ZafWindowManagerTest, AddingANormalWindowClosesTheTemporaryWindowsInFront)
{
    ZafWindow *normal = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(normal);
    ZafWindow *first = NewTopLevel(60, 30, {});
    first->SetTemporary(true);
    ZafWindow *second = NewTopLevel(60, 30, {});
    second->SetTemporary(true);
    manager->Add(first);
    manager->Add(second);
    EXPECT_EQ(3, manager->Count());
    EXPECT_EQ(second, manager->FrontWindow());
    ZafWindow *another = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(another);
    EXPECT_EQ(2, manager->Count());
    EXPECT_EQ(another, manager->FrontWindow());
}

TEST_F(ZafWindowManagerTest, ClosingAWindowAlsoClosesTheTemporaryWindowsInFrontOfIt)
{
    ZafWindow *back = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(back);
    ZafWindow *normal = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(normal);
    ZafWindow *popUp = NewTopLevel(60, 30, {});
    popUp->SetTemporary(true);
    manager->Add(popUp);
    ZafEventStruct close(ZAF_EV_CLOSE, 0);
    close.dataObject = normal;
    EXPECT_EQ(ZAF_EV_CLOSE, manager->Event(close));
    EXPECT_EQ(1, manager->Count());
    EXPECT_EQ(back, manager->FrontWindow());
}

TEST_F(ZafWindowManagerTest, TheExitQueryClearsAnExitFunctionThatAllowed)
{
    exitCalls = 0;
    manager->SetExitFunction(refuseExit);
    EXPECT_EQ(1, manager->Event(ZafEventStruct(ZAF_EV_EXIT_QUERY, 0)));
    EXPECT_EQ(refuseExit, manager->ExitFunction());
    manager->SetExitFunction(allowExit);
    EXPECT_EQ(0, manager->Event(ZafEventStruct(ZAF_EV_EXIT_QUERY, 0)));
    EXPECT_EQ(0, manager->Event(ZafEventStruct(ZAF_EV_EXIT_QUERY, 0)));
    EXPECT_EQ(2, exitCalls);
}

TEST_F(ZafWindowManagerTest, AQuitMessageEndsTheLoopOnlyWhenTheExitQueryAllows)
{
    manager->SetExitFunction(refuseExit);
    PostQuitMessage(0);
    EXPECT_EQ(0, RunLoop(200));
    manager->SetExitFunction(nullptr);
    PostQuitMessage(0);
    EXPECT_EQ(ZAF_EV_EXIT, RunLoop(1000));
}

TEST_F(ZafWindowManagerTest, ASubtractedWindowTakesEveryObjectRememberedInItAlong)
{
    ZafWindow *kept = NewTopLevel(100, 50, { -1, -5 });
    ZafWindow *leaving = NewTopLevel(100, 50, { -1, -5 });
    ZafWindowObject *inside = leaving->Add(new ZafWindowObject(0, 0, 5, 1));
    ZafWindowObject *outside = kept->Add(new ZafWindowObject(0, 0, 5, 1));
    manager->Add(kept);
    manager->Add(leaving);
    // (The focus fields follow the focus, which moves to the window left.)
    ZafWindowObject **fields[] = { &manager->grabObject, &manager->dragObject, &manager->statusObject,
                                   &manager->captureObject, &manager->tipObject };
    for (ZafWindowObject **field : fields)
    {
        *field = inside;
        manager->Subtract(leaving);
        EXPECT_EQ(nullptr, *field);
        manager->Add(leaving);
        *field = outside;
        manager->Subtract(leaving);
        EXPECT_EQ(outside, *field);
        *field = nullptr;
        manager->Add(leaving);
    }
    manager->Subtract(leaving);
    manager->Subtract(kept);
    delete leaving;
    delete kept;
}

TEST_F(ZafWindowManagerTest, RemovingTheLastWindowQueuesTheEndWhichTheLoopAnswersWithMinusThree)
{
    ZafWindow *window = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(window);
    manager->Subtract(window);
    delete window;
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY));
    EXPECT_EQ(ZAF_EV_LAST_WINDOW_GONE, event.type);
    EXPECT_EQ(ZAF_MODAL_GONE, manager->Event(event));
}

TEST_F(ZafWindowManagerTest, SubtractingAModalWindowEnablesTheWindowsBehindUpToTheNextModal)
{
    ZafWindow *distant = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(distant);
    ZafWindow *firstModal = NewTopLevel(100, 50, { -1, -5 });
    firstModal->SetModal(true);
    manager->Add(firstModal);
    ZafWindow *nearer = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(nearer);
    ZafWindow *secondModal = NewTopLevel(100, 50, { -1, -5 });
    secondModal->SetModal(true);
    manager->Add(secondModal);
    HWND distantHandle = static_cast<HWND>(distant->OSHandle(2));
    HWND nearerHandle = static_cast<HWND>(nearer->OSHandle(2));
    EXPECT_FALSE(IsWindowEnabled(distantHandle));
    EXPECT_FALSE(IsWindowEnabled(nearerHandle));
    manager->Remove(secondModal);
    EXPECT_TRUE(IsWindowEnabled(nearerHandle));
    EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(firstModal->OSHandle(2))));
    EXPECT_FALSE(IsWindowEnabled(distantHandle));
}

TEST_F(ZafWindowManagerTest, CenteringAWindowLargerThanTheScreenGivesItTheScreen)
{
    ZafRegionStruct screen = manager->Region();
    ZafWindow window(0, 0, screen.Width() + 300, screen.Height() + 200);
    window.SetCoordinateType(ZAF_PIXEL);
    manager->Center(&window);
    ZafRegionStruct region = window.Region();
    EXPECT_EQ(0, region.left);
    EXPECT_EQ(0, region.top);
    EXPECT_EQ(screen.right, region.right);
    EXPECT_EQ(screen.bottom, region.bottom);

    ZafWindow small(0, 0, 100, 50);
    small.SetCoordinateType(ZAF_PIXEL);
    manager->Center(&small);
    EXPECT_EQ((screen.Width() - 100) / 2, small.Region().left);
    EXPECT_EQ(99, small.Region().right - small.Region().left);
}

TEST_F(ZafWindowManagerTest, ALeadingTildeFindsOnlyATopLevelWindowOfThatName)
{
    ZafWindow *outer = NewTopLevel(100, 50, { -1, -5 });
    outer->SetStringID(L"main");
    ZafWindowObject *inner = outer->Add(new ZafWindowObject(0, 0, 5, 5));
    inner->SetStringID(L"field");
    manager->Add(outer);
    EXPECT_EQ(outer, manager->GetObjectByStringID(L"~main"));
    EXPECT_EQ(nullptr, manager->GetObjectByStringID(L"~field"));
    EXPECT_EQ(inner, manager->GetObjectByStringID(L"field"));
    EXPECT_EQ(inner, manager->GetObjectByStringID(L"main~field"));
    // A window object hands a tilde path to the window manager.
    EXPECT_EQ(outer, inner->GetObjectByStringID(L"~main"));
}

TEST_F(ZafWindowManagerTest, CloseByNameClosesTheWindowsOfThatName)
{
    ZafWindow *keep = NewTopLevel(100, 50, { -1, -5 });
    keep->SetStringID(L"keep");
    ZafWindow *go = NewTopLevel(100, 50, { -1, -5 });
    go->SetStringID(L"go");
    manager->Add(keep);
    manager->Add(go);
    ZafEventStruct command(-3603, 0);
    command.text = NewText(L"go");
    EXPECT_EQ(-3603, manager->Event(command));
    EXPECT_EQ(1, manager->Count());
    EXPECT_EQ(keep, manager->FrontWindow());
}

TEST_F(ZafWindowManagerTest, WhoeverHandlesAWindowCommandOwnsItsText)
{
    CommandWindow *window = new CommandWindow;
    manager->Add(window);
    ZafEventStruct command(-3600, 0);
    command.text = NewText(L"taken");
    EXPECT_EQ(-3600, manager->Event(command));
    ASSERT_NE(nullptr, window->kept);
    EXPECT_STREQ(L"taken", window->kept);
    // A command without a text does nothing and answers its code.
    EXPECT_EQ(-3602, manager->Event(ZafEventStruct(-3602, 0)));
}

TEST_F(ZafWindowManagerTest, OpenByNameBringsAnExistingWindowToTheFront)
{
    ZafWindow *back = NewTopLevel(100, 50, { -1, -5 });
    back->SetStringID(L"back");
    manager->Add(back);
    ZafWindow *front = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(front);
    ASSERT_TRUE(Activate(front));
    ZafEventStruct command(-3602, 0);
    command.text = NewText(L"files~back");
    EXPECT_EQ(-3602, manager->Event(command));
    Pump(50);
    EXPECT_EQ(back, manager->FrontWindow());
}

TEST_F(ZafWindowManagerTest, ThePinnedSettingsStayWhateverIsAsked)
{
    EXPECT_EQ(2, manager->SetRegionMode(0));
    EXPECT_EQ(0, manager->SetSelectionType(3));
    EXPECT_FALSE(manager->SetTemporary(true));
    EXPECT_TRUE(manager->SetAutomaticUpdate(false));
    EXPECT_EQ(nullptr, manager->Duplicate());
    EXPECT_EQ(ZafWindowManager::Shared(), manager.get());
}

TEST_F(ZafWindowManagerTest, AQueuedCloseOrActivationOfAWindowThatIsGoneIsIgnored)
{
    ZafWindow *stays = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(stays);
    ZafWindow *goes = NewTopLevel(100, 50, { -1, -5 });
    manager->Add(goes);
    ZafEventStruct close(ZAF_EV_CLOSE, 0);
    close.dataObject = goes;
    ZafEventStruct activate(ZAF_EV_ACTIVATE, 0);
    activate.dataObject = goes;
    events->Put(close, ZAF_QUEUE_BACK);
    events->Put(activate, ZAF_QUEUE_BACK);
    EXPECT_FALSE(manager->Holds(nullptr));
    EXPECT_TRUE(manager->Holds(goes));
    manager->Remove(goes);
    EXPECT_FALSE(manager->Holds(goes));
    Pump(100);
    EXPECT_EQ(1, manager->Count());
    EXPECT_EQ(stays, manager->FrontWindow());
}
