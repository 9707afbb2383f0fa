#include "ZafEventTestSupport.h"

namespace {

// A button that may (or may not) become the current default.
class TestButton : public EventLog
{
public:
    TestButton(int left, int top, bool allowDefault) : EventLog(left, top, 10, 1), allowDefault(allowDefault) { }
    ZafClassID ClassID() const override { return ZAF_ID_BUTTON; }
    bool IsAClassID(ZafClassID id) const override { return id == ZAF_ID_BUTTON || EventLog::IsAClassID(id); }
    bool AllowDefault() const override { return allowDefault; }
    bool allowDefault;
};

ZafWindowObject *Named(const wchar_t *name, ZafWindowObject *object)
{
    object->SetStringID(name);
    return object;
}

} // namespace

using ZafWindowContainer = EventTest;

TEST_F(ZafWindowContainer, AddingAnObjectThatHasAParentChangesNothingAndSubtractHandsItBackWithoutParent)
{
    ZafWindow first(0, 0, 40, 10), second(0, 0, 40, 10);
    ZafWindowObject *child = first.Add(new ZafWindowObject(0, 0, 5, 1));
    EXPECT_EQ(child, second.Add(child));
    EXPECT_EQ(&first, child->Parent());
    EXPECT_EQ(1, first.Count());
    EXPECT_EQ(0, second.Count());
    EXPECT_EQ(child, first.Subtract(child));
    EXPECT_EQ(nullptr, child->Parent());
    EXPECT_EQ(0, first.Count());
    delete child;
}

TEST_F(ZafWindowContainer, SupportObjectsGoToTheSupportListAndChildrenToTheChildList)
{
    ZafWindow window(0, 0, 40, 10);
    window.Add(new FramePart(-5));
    window.Add(new ZafWindowObject(0, 0, 5, 1));
    EXPECT_EQ(1, window.SupportList().Count());
    EXPECT_EQ(1, window.Count());
    EXPECT_NE(nullptr, window.SupportObject(-5));
    EXPECT_EQ(window.SupportObject(-5), window.GetObjectByNumberID(-5));
    // Children are searched for other ids only; a negative one stays with
    // the support objects.
    ZafWindowObject *child = window.FirstChild();
    child->SetNumberID(7);
    EXPECT_EQ(child, window.GetObjectByNumberID(7));
    child->SetNumberID(-6);
    EXPECT_EQ(nullptr, window.GetObjectByNumberID(-6));
    EXPECT_EQ(nullptr, window.GetObjectByNumberID(8));
}

TEST_F(ZafWindowContainer, AddBeforeAPositionKeepsTheTabOrder)
{
    ZafWindow window(0, 0, 40, 10);
    ZafWindowObject *a = window.Add(Named(L"a", new ZafWindowObject(0, 0, 5, 1)));
    ZafWindowObject *c = window.Add(Named(L"c", new ZafWindowObject(0, 0, 5, 1)));
    ZafWindowObject *b = window.Add(Named(L"b", new ZafWindowObject(0, 0, 5, 1)), c);
    EXPECT_EQ(0, window.Index(a));
    EXPECT_EQ(1, window.Index(b));
    EXPECT_EQ(2, window.Index(c));
}

TEST_F(ZafWindowContainer, APathWithATildeLooksInsideTheObjectNamedByTheFirstSegment)
{
    ZafWindow window(0, 0, 40, 10);
    ZafWindow *a = static_cast<ZafWindow *>(window.Add(Named(L"a", new ZafWindow(0, 0, 20, 5))));
    ZafWindow *other = static_cast<ZafWindow *>(window.Add(Named(L"ab", new ZafWindow(0, 0, 20, 5))));
    ZafWindowObject *bInOther = other->Add(Named(L"b", new ZafWindowObject(0, 0, 5, 1)));
    ZafWindowObject *bInA = a->Add(Named(L"b", new ZafWindowObject(0, 0, 5, 1)));
    EXPECT_EQ(bInA, window.GetObjectByStringID(L"a~b"));
    EXPECT_EQ(bInOther, window.GetObjectByStringID(L"ab~b"));
    EXPECT_EQ(nullptr, window.GetObjectByStringID(L"a~c"));
    EXPECT_EQ(nullptr, window.GetObjectByStringID(L"x~b"));
    // Without a tilde the whole tree is searched, first match first.
    EXPECT_EQ(bInA, window.GetObjectByStringID(L"b"));
    EXPECT_EQ(bInA, window.GetObjectByStringID("a~b"));
}

TEST_F(ZafWindowContainer, BroadcastDepthZeroReachesOnlyTheDirectObjects)
{
    ZafWindow window(0, 0, 40, 10);
    EventLog *direct = new EventLog(0, 0, 5, 1);
    LoggingWindow *inner = new LoggingWindow(0, 0, 20, 5);
    EventLog *deep = new EventLog(0, 0, 5, 1);
    LoggingWindow *innermost = new LoggingWindow(0, 0, 10, 3);
    EventLog *deepest = new EventLog(0, 0, 5, 1);
    window.Add(direct);
    window.Add(inner);
    inner->Add(deep);
    inner->Add(innermost);
    innermost->Add(deepest);
    const ZafEventType probe = -6001;
    window.BroadcastEvent(ZafEventStruct(probe, 0), 0);
    EXPECT_EQ(1, direct->Count(probe));
    EXPECT_EQ(1, inner->Count(probe));
    EXPECT_EQ(0, deep->Count(probe));
    window.BroadcastEvent(ZafEventStruct(probe, 0), 1);
    EXPECT_EQ(1, deep->Count(probe));
    EXPECT_EQ(0, deepest->Count(probe));
    window.BroadcastEvent(ZafEventStruct(probe, 0), -1);
    EXPECT_EQ(3, direct->Count(probe));
    EXPECT_EQ(2, deep->Count(probe));
    EXPECT_EQ(1, deepest->Count(probe));
}

TEST_F(ZafWindowContainer, SingleSelectionKeepsOneSelectedChild)
{
    ZafWindow window(0, 0, 40, 10);
    window.SetSelectionType(1);
    ZafWindowObject *a = window.Add(new ZafWindowObject(0, 0, 5, 1));
    ZafWindowObject *b = window.Add(new ZafWindowObject(0, 1, 5, 1));
    ZafWindowObject *c = window.Add(new ZafWindowObject(0, 2, 5, 1));
    a->SetSelected(true);
    b->SetSelected(true);
    c->SetSelected(true);
    window.SetCurrent(b);
    window.SetSelectionType(0);
    EXPECT_FALSE(a->Selected());
    EXPECT_TRUE(b->Selected());
    EXPECT_FALSE(c->Selected());
    // Selecting another moves the selection; deselecting the only one keeps it.
    c->SetSelected(true);
    EXPECT_FALSE(b->Selected());
    EXPECT_EQ(c, window.CurrentChild());
    c->SetSelected(false);
    EXPECT_TRUE(c->Selected());
}

TEST_F(ZafWindowContainer, ThePermanentDefaultWaitsWhileTheCurrentDefaultHoldsTheFocus)
{
    ZafWindow window(0, 0, 40, 10);
    TestButton *ok = new TestButton(0, 0, true);
    TestButton *other = new TestButton(0, 2, true);
    window.Add(ok);
    window.Add(other);
    EXPECT_EQ(ok, window.SetDefaultButton(ok, true));
    EXPECT_EQ(ok, window.DefaultButton(false));
    ok->SetFocus(true);
    EXPECT_EQ(other, window.SetDefaultButton(other, true));
    EXPECT_EQ(ok, window.DefaultButton(false));
    EXPECT_EQ(other, window.DefaultButton(true));
}

TEST_F(ZafWindowContainer, FocusOnAButtonThatCannotBeDefaultGivesTheDefaultBack)
{
    ZafWindow window(0, 0, 40, 10);
    TestButton *ok = new TestButton(0, 0, true);
    TestButton *plain = new TestButton(0, 2, false);
    TestButton *another = new TestButton(0, 4, true);
    window.Add(ok);
    window.Add(plain);
    window.Add(another);
    window.SetDefaultButton(ok, true);
    window.NotifyFocus(another, true);
    EXPECT_EQ(another, window.DefaultButton(false));
    EXPECT_GE(ok->Count(ZAF_EV_DEFAULT_BUTTON), 1);
    window.NotifyFocus(plain, true);
    EXPECT_EQ(ok, window.DefaultButton(false));
    EXPECT_EQ(plain, window.CurrentChild());
}

TEST_F(ZafWindowContainer, AWindowIsNeverSelectedNorDraggedAndItsTitleGivesItsText)
{
    ZafWindow window(0, 0, 40, 10);
    EXPECT_FALSE(window.SetSelected(true));
    EXPECT_FALSE(window.SetDragShift(true));
    EXPECT_EQ(nullptr, window.Text());
    EXPECT_EQ(1, window.SetText(L"x"));
    EXPECT_EQ(0, window.Event(ZafEventStruct(ZAF_EV_CLOSE_QUERY, 0)));
    window.SetLocked(true);
    EXPECT_EQ(ZAF_REFUSED, window.Event(ZafEventStruct(ZAF_EV_CLOSE_QUERY, 0)));
}

TEST_F(ZafWindowContainer, ACopyDuplicatesSupportObjectsAndChildren)
{
    ZafWindow window(0, 0, 40, 10);
    window.Add(new FramePart(-1));
    window.Add(Named(L"a", new ZafWindowObject(0, 0, 5, 1)));
    window.SetTemporary(true);
    std::unique_ptr<ZafWindowObject> copy(window.Duplicate());
    ZafWindow *duplicate = static_cast<ZafWindow *>(copy.get());
    EXPECT_EQ(1, duplicate->Count());
    EXPECT_EQ(1, duplicate->SupportList().Count());
    EXPECT_TRUE(duplicate->Temporary());
    EXPECT_NE(window.GetObjectByStringID(L"a"), duplicate->GetObjectByStringID(L"a"));
    EXPECT_NE(nullptr, duplicate->GetObjectByStringID(L"a"));
}
