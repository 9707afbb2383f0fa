#include "ZafEventTestSupport.h"

namespace {

ZafEventType answerTwelve(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    return code == ZAF_EV_MAY_LEAVE ? 12 : 0;
}

ZafEventType answerFive(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    return code == ZAF_EV_MAY_LEAVE ? 5 : 0;
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

} // namespace

class ZafWindowObjectEvents : public EventTest
{
protected:
    // A top-level window on screen holding the given child.
    ZafWindow *Show(ZafWindowObject *child)
    {
        ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
        child->SetCoordinateType(ZAF_PIXEL);
        window->Add(child);
        manager->Add(window);
        Pump(50);
        return window;
    }
    // What target answers to a drop event while source is being dragged.
    ZafEventType DropFrom(ZafWindowObject &source, ZafWindowObject &target, ZafEventType event)
    {
        manager->dragObject = &source;
        const ZafEventType answer = target.DragDropEvent(ZafEventStruct(event, 0));
        manager->dragObject = nullptr;
        return answer;
    }
};

TEST_F(ZafWindowObjectEvents, ADragStartsAfterFourPixelsAndNotAfterThree)
{
    TextObject *source = new TextObject(10, 10, 60, 20, L"abc");
    source->SetDragShift(true);
    Show(source);
    HWND handle = static_cast<HWND>(source->OSWindow());
    ASSERT_NE(nullptr, handle);
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(8, 5));
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(5, 8));
    EXPECT_EQ(nullptr, manager->dragObject);
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(9, 5));
    EXPECT_EQ(source, manager->dragObject);
    SendMessageW(handle, WM_LBUTTONUP, 0, Point(9, 5));
    EXPECT_EQ(nullptr, manager->dragObject);
    EXPECT_NE(handle, GetCapture());
}

TEST_F(ZafWindowObjectEvents, AnObjectThatCannotBeDraggedStartsNoDrag)
{
    TextObject *source = new TextObject(10, 10, 60, 20, L"abc");
    Show(source);
    HWND handle = static_cast<HWND>(source->OSWindow());
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(30, 5));
    EXPECT_EQ(nullptr, manager->dragObject);
    SendMessageW(handle, WM_LBUTTONUP, 0, Point(30, 5));
}

TEST_F(ZafWindowObjectEvents, AShiftDropMovesTheTextAndACtrlDropCopiesIt)
{
    TextObject source(0, 0, 10, 10, L"moved"), target(0, 0, 10, 10, L""), copyTarget(0, 0, 10, 10, L"");
    source.SetDragShift(true);
    target.SetDropTarget(true);
    copyTarget.SetDropTarget(true);
    EXPECT_EQ(-405, DropFrom(source, target, -412));
    EXPECT_EQ(L"moved", target.text);
    EXPECT_EQ(L"", source.text);

    source.text = L"copied";
    source.SetDragShift(false);
    source.SetDragCtrl(true);
    EXPECT_EQ(-406, DropFrom(source, copyTarget, -412));
    EXPECT_EQ(L"copied", copyTarget.text);
    EXPECT_EQ(L"copied", source.text);
}

TEST_F(ZafWindowObjectEvents, DropsAreRefusedByNonTargetsDisabledTargetsAndTheSourceItself)
{
    TextObject source(0, 0, 10, 10, L"text"), plain(0, 0, 10, 10, L""), disabled(0, 0, 10, 10, L"");
    source.SetDragShift(true);
    disabled.SetDropTarget(true);
    disabled.SetDisabled(true);
    for (TextObject *target : {&plain, &disabled, &source})
        EXPECT_EQ(ZAF_REFUSED, DropFrom(source, *target, -405));
    EXPECT_EQ(L"text", source.text);
    EXPECT_EQ(L"", disabled.text);
}

TEST_F(ZafWindowObjectEvents, TheFocusLeavesOnlyWhenTheUserFunctionLetsItGo)
{
    ZafWindowObject letsGo(0, 0, 10, 10), keeps(0, 0, 10, 10);
    letsGo.SetUserFunction(answerTwelve);
    keeps.SetUserFunction(answerFive);
    letsGo.SetFocus(true);
    keeps.SetFocus(true);
    EXPECT_EQ(nullptr, letsGo.NotifyFocus(nullptr, false));
    EXPECT_FALSE(letsGo.Focus());
    EXPECT_EQ(&keeps, keeps.NotifyFocus(nullptr, false));
    EXPECT_TRUE(keeps.Focus());
}

TEST_F(ZafWindowObjectEvents, ADisabledOrFocusBlockedObjectNeverTakesTheFocus)
{
    ZafWindowObject disabled(0, 0, 10, 10), blocked(0, 0, 10, 10);
    disabled.SetDisabled(true);
    blocked.SetFocusBlocked(true);
    EXPECT_FALSE(disabled.SetFocus(true));
    EXPECT_FALSE(blocked.SetFocus(true));
}

TEST_F(ZafWindowObjectEvents, SettlingGivesIdsFromTheRootAndFieldNames)
{
    ZafWindow window(0, 0, 50, 50);
    EventLog *first = new EventLog(0, 0, 5, 1);
    EventLog *second = new EventLog(0, 2, 5, 1);
    second->SetStringID(L"named");
    window.Add(first);
    window.Add(second);
    window.Event(ZafEventStruct(ZAF_EV_SETTLE, 0));
    EXPECT_NE(0, window.NumberID());
    EXPECT_NE(0, first->NumberID());
    EXPECT_NE(first->NumberID(), second->NumberID());
    EXPECT_EQ(L"FIELD_" + std::to_wstring(first->NumberID()), std::wstring(first->StringID()));
    EXPECT_STREQ(L"named", second->StringID());
    // The root's number id counts on as its children take theirs.
    EXPECT_EQ(0u, std::wstring(window.StringID()).find(L"ZafWindow"));
    EXPECT_GT(window.NumberID(), second->NumberID());
    EXPECT_EQ(ZAF_PIXEL, first->Region().coordinateType);
}

TEST_F(ZafWindowObjectEvents, ActivationIsQueuedNamingTheObjectInTheDataWord)
{
    ZafWindowObject object(0, 0, 10, 10);
    object.Event(ZafEventStruct(ZAF_EV_ACTIVATE, 0));
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY));
    EXPECT_EQ(ZAF_EV_ACTIVATE, event.type);
    EXPECT_EQ(&object, event.dataObject);
    EXPECT_EQ(nullptr, event.windowObject);
}

TEST_F(ZafWindowObjectEvents, EraseBackgroundAnswersOneAndDrawsNothing)
{
    ZafOSEventStruct os = {};
    os.message = WM_ERASEBKGND;
    ZafWindowObject object(0, 0, 10, 10);
    EXPECT_EQ(1, object.Event(ZafEventStruct(ZAF_EVENT_OS, os)));
}
