// The portable half of ZafWindow: children and support objects, lookups,
// selection, the focus chain and the default buttons.
#include "framework/core/objects/ZafWindow.h"
#include "framework/controls/ZafFrameObjects.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafStrings.h"
#include "framework/core/objects/ZafChildObjects.h"

#include <cwchar>

ZafFrameObjectFactory ZafWindow::frameObjectFactory = &ZafAddStandardFrameObjects;

const ZafInputMap ZafWindow::defaultInputMap[] = {
    { ZAF_L_DOWN, ZAF_INPUT_KEYBOARD, 40, ZAF_KEY_PRESS },
    { ZAF_L_LEFT, ZAF_INPUT_KEYBOARD, 37, ZAF_KEY_PRESS },
    { ZAF_L_NEXT, ZAF_INPUT_KEYBOARD, 9, ZAF_KEY_PRESS },
    { ZAF_L_PAGE_DOWN, ZAF_INPUT_KEYBOARD, 34, ZAF_KEY_PRESS },
    { ZAF_L_PAGE_UP, ZAF_INPUT_KEYBOARD, 33, ZAF_KEY_PRESS },
    { ZAF_L_PREVIOUS, ZAF_INPUT_KEYBOARD, 9, ZAF_KEY_PRESS | ZAF_SHIFT },
    { ZAF_L_RIGHT, ZAF_INPUT_KEYBOARD, 39, ZAF_KEY_PRESS },
    { ZAF_L_UP, ZAF_INPUT_KEYBOARD, 38, ZAF_KEY_PRESS },
    { ZAF_L_SELECT, ZAF_INPUT_KEYBOARD, 13, ZAF_KEY_PRESS },
    { ZAF_NO_EVENT, 0, 0, 0 },
};

namespace {

using ZafChildObjects::AsObject;

// The first object that find answers for the objects of a list, in order;
// null when it answers null for all.
template <class Find>
ZafWindowObject *FirstFound(ZafElement *first, Find find)
{
    for (ZafElement *e = first; e; e = e->Next())
        if (ZafWindowObject *found = find(AsObject(e)))
            return found;
    return nullptr;
}

} // namespace

ZafWindow::ZafWindow(int left, int top, int width, int height)
    : ZafWindowObject(left, top, width, height)
{
    clientSize.Assign(0, 0, width - 1, height - 1, ZAF_CELL);
    restoreRegion.Assign(0, 0, 0, 0, ZAF_CELL);
}

ZafWindow::ZafWindow(const ZafWindow &copy)
    : ZafWindowObject(copy), ZafList(copy.compareFunction),
      destroyable(copy.destroyable), locked(copy.locked), maximized(copy.maximized),
      minimized(copy.minimized), modal(copy.modal), moveable(copy.moveable),
      altFreeHotKeys(copy.altFreeHotKeys), selectionType(copy.selectionType),
      sizeable(copy.sizeable), temporary(copy.temporary), clientSize(copy.clientSize),
      restoreRegion(copy.restoreRegion)
{
    for (ZafElement *e = copy.supportList.First(); e; e = e->Next())
        if (ZafWindowObject *duplicate = AsObject(e)->Duplicate())
            Add(duplicate);
    for (ZafElement *e = copy.ZafList::First(); e; e = e->Next())
        if (ZafWindowObject *duplicate = AsObject(e)->Duplicate())
            Add(duplicate);
    if (copy.permanentDefault && copy.permanentDefault->StringID())
    {
        ZafWindowObject *button = GetObjectByStringID(copy.permanentDefault->StringID());
        if (button && button->IsAClassID(ZAF_ID_BUTTON))
            SetDefaultButton(button, true);
    }
}

ZafWindow::~ZafWindow()
{
    // A window deleted while on screen takes its OS windows (and its
    // children's) down first, while the objects they name still exist.
    if (Registered() || frameWindow)
        ZafWindow::Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    // The support list and then the child list delete their objects; the
    // objects still name this window as parent, so clear that first.
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        AsObject(e)->SetParent(nullptr);
    supportList.Destroy();
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->SetParent(nullptr);
    ZafList::Destroy();
}

// ---- Children and support objects ------------------------------------------

ZafWindowObject *ZafWindow::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    if (!object || object->Parent() || object == this)
        return object;
    const bool support = object->UseParentFrameHandle();
    const EnteredState state = EnterList(support ? supportList : static_cast<ZafList &>(*this), object, position);
    if (Registered())
    {
        if (!support)
            object->Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
        else if (!object->OwnOSWindow())
            FrameStyleChanged();
        else
        {
            bool wasVisible = object->IsVisible(false);
            object->SetVisible(false);
            object->Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
            object->SetVisible(wasVisible);
            RelayoutFrame();
        }
    }
    SettleEntered(object, state, !support);
    return object;
}

ZafWindow::EnteredState ZafWindow::EnterList(ZafList &list, ZafWindowObject *object, ZafWindowObject *position)
{
    if (position && list.Contains(position))
        list.AddBefore(object, position);
    else
        list.Add(object);
    const EnteredState state = { object->Focus(), object->Selected() };
    object->SetFocus(false);
    object->SetSelected(false);
    object->SetParent(this);
    return state;
}

void ZafWindow::SettleEntered(ZafWindowObject *object, EnteredState state, bool mayBeCurrent)
{
    if (state.hadFocus)
    {
        if (!focus && mayBeCurrent)
            SetCurrent(object);
        else
            object->SetFocus(true);
    }
    if (state.wasSelected)
        object->SetSelected(true);
}

ZafWindowObject *ZafWindow::Subtract(ZafWindowObject *object)
{
    if (!object)
        return object;
    const bool support = supportList.Contains(object);
    if (support)
        supportList.Subtract(object);
    else if (Contains(object))
        ZafList::Subtract(object);
    else
        return object;
    if (currentDefault == object)
        currentDefault = nullptr;
    if (permanentDefault == object)
        permanentDefault = nullptr;
    if (support && Registered())
    {
        if (!object->OwnOSWindow())
        {
            object->SetParent(nullptr);
            FrameStyleChanged();
            return object;
        }
        RelayoutFrame();
    }
    if (object->Registered())
        object->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    object->SetParent(nullptr);
    return object;
}

void ZafWindow::NotifyChildrenDestroy()
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
}

void ZafWindow::DestroyChildren()
{
    NotifyChildrenDestroy();
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->SetParent(nullptr);
    ZafList::Destroy();
}

ZafFrameObjectFactory ZafWindow::SetFrameObjectFactory(ZafFrameObjectFactory factory)
{
    ZafFrameObjectFactory previous = frameObjectFactory;
    frameObjectFactory = factory;
    return previous;
}

ZafWindow *ZafWindow::AddFrameObjects(ZafStringData *title, ZafWindowObject *extra)
{
    if (frameObjectFactory)
        frameObjectFactory(this, title);
    else if (title && title->Destroyable() && title->NotificationCount() == 0)
        delete title;   // nobody took it
    if (extra)
        Add(extra);
    return this;
}

ZafWindow *ZafWindow::AddFrameObjects(const ZafIChar *title, ZafWindowObject *extra)
{
    return AddFrameObjects(new ZafStringData(title ? title : L"", -1, false), extra);
}

ZafEventType ZafWindow::BroadcastEvent(const ZafEventStruct &event, int depth)
{
    ZafEventType answer = ZAF_NOT_HANDLED;
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        answer = AsObject(e)->Event(event);
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        answer = AsObject(e)->Event(event);
    if (depth == -1 || depth > 0)
    {
        int lower = depth == -1 ? -1 : depth - 1;
        for (ZafElement *e = supportList.First(); e; e = e->Next())
            if (AsObject(e)->IsAClassID(ZAF_ID_WINDOW))
                static_cast<ZafWindow *>(AsObject(e))->BroadcastEvent(event, lower);
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (AsObject(e)->IsAClassID(ZAF_ID_WINDOW))
                static_cast<ZafWindow *>(AsObject(e))->BroadcastEvent(event, lower);
    }
    return answer;
}

// ---- Lookups ----------------------------------------------------------------

ZafWindowObject *ZafWindow::GetObjectByNumberID(ZafNumberID id)
{
    if (numberID == id)
        return this;
    auto find = [id](ZafWindowObject *object) { return object->GetObjectByNumberID(id); };
    if (ZafWindowObject *found = FirstFound(supportList.First(), find))
        return found;
    // A negative id is looked for among the support objects only.
    return id < 0 ? nullptr : FirstFound(ZafList::First(), find);
}

ZafWindowObject *ZafWindow::GetObjectByStringID(const ZafIChar *path)
{
    if (!path)
        return nullptr;
    if (stringID && std::wcscmp(stringID, path) == 0)
        return this;
    if (path[0] == L'~')
        return ZafWindowObject::GetObjectByStringID(path);
    const ZafIChar *tilde = std::wcschr(path, L'~');
    if (!tilde)
    {
        auto find = [path](ZafWindowObject *object) { return object->GetObjectByStringID(path); };
        ZafWindowObject *found = FirstFound(supportList.First(), find);
        return found ? found : FirstFound(ZafList::First(), find);
    }
    const size_t length = size_t(tilde - path);
    const ZafIChar *rest = tilde + 1;
    auto matches = [&](ZafWindowObject *object) {
        const ZafIChar *id = object->StringID();
        return id && std::wcslen(id) == length && std::wcsncmp(id, path, length) == 0;
    };
    for (int pass = 0; pass < 2; ++pass)
        for (ZafElement *e = pass ? ZafList::First() : supportList.First(); e; e = e->Next())
            if (matches(AsObject(e)))
                return *rest ? AsObject(e)->GetObjectByStringID(rest) : AsObject(e);
    return nullptr;
}

ZafWindowObject *ZafWindow::GetObjectByStringID(const char *path)
{
    if (!path)
        return nullptr;
    ZafStringData wide(path);
    return GetObjectByStringID(wide.Text());
}

ZafWindowObject *ZafWindow::SupportObject(ZafNumberID id) const
{
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        if (e->NumberID() == id)
            return AsObject(e);
    return nullptr;
}

ZafWindowObject *ZafWindow::FocusObject() const
{
    ZafWindowObject *child = CurrentChild();
    if (child && child->Focus())
        return child->FocusObject();
    return focus ? const_cast<ZafWindow *>(this) : nullptr;
}

const ZafIChar *ZafWindow::Text()
{
    ZafWindowObject *title = SupportObject(ZAF_NUMID_TITLE);
    return title ? title->Text() : nullptr;
}

ZafError ZafWindow::SetText(const ZafIChar *text)
{
    ZafWindowObject *title = SupportObject(ZAF_NUMID_TITLE);
    return title ? title->SetText(text) : 1;
}

// ---- Flags ------------------------------------------------------------------

bool ZafWindow::SelectionChanged() const
{
    if (selectionChanged)
        return true;
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        if (AsObject(e)->SelectionChanged())
            return true;
    return false;
}

bool ZafWindow::SetSelectionChanged(bool value)
{
    selectionChanged = value;
    if (!selectionChanged)
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            AsObject(e)->SetSelectionChanged(false);
    return selectionChanged;
}

bool ZafWindow::SetDragCtrl(bool) { return dragCtrl = false; }
bool ZafWindow::SetDragCtrlShift(bool) { return dragCtrlShift = false; }
bool ZafWindow::SetDragShift(bool) { return dragShift = false; }
bool ZafWindow::SetBorderByParent(bool) { return borderByParent = false; }
bool ZafWindow::SetFocusByParent(bool) { return focusByParent = false; }
bool ZafWindow::SetSelected(bool) { return selected = false; }

ZafCoordinateType ZafWindow::SetCoordinateType(ZafCoordinateType type)
{
    if (!Registered())
    {
        ZafWindowObject::SetCoordinateType(type);
        clientSize.coordinateType = type;
    }
    return coordinateType;
}

ZafRegionStruct ZafWindow::SetRegion(const ZafRegionStruct &newRegion)
{
    fitToClient = false;
    return ZafWindowObject::SetRegion(newRegion);
}

ZafWindow *ZafWindow::SetOwner(ZafWindow *window)
{
    if (!Registered() && !parent && window != this)
        owner = window;
    return owner;
}

int ZafWindow::SetSelectionType(int type)
{
    if (Registered())
        return selectionType;
    selectionType = type;
    if (type == 0)
    {
        ZafWindowObject *keep = CurrentChild();
        if (!keep || !keep->Selected())
        {
            keep = nullptr;
            for (ZafElement *e = ZafList::First(); e && !keep; e = e->Next())
                if (AsObject(e)->Selected())
                    keep = AsObject(e);
        }
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (AsObject(e) != keep && AsObject(e)->Selected())
                AsObject(e)->SetSelected(false);
    }
    return selectionType;
}

void ZafWindow::NotifySelection(ZafWindowObject *object, bool selectedValue)
{
    if (!object || !Contains(object) || selectionType != 0)
        return;
    if (selectedValue)
    {
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (AsObject(e) != object && AsObject(e)->Selected())
                AsObject(e)->SetSelected(false);
        SetCurrent(object);
        return;
    }
    bool other = false;
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        if (AsObject(e) != object && AsObject(e)->Selected())
            other = true;
    if (!other)
        object->SetSelected(true);
}

ZafLogicalEvent ZafWindow::MapEvent(ZafEventStruct &event)
{
    ZafLogicalEvent logical = MapInputTable(defaultInputMap, event);
    return logical == ZAF_NO_EVENT ? ZafWindowObject::MapEvent(event) : logical;
}

// ---- Focus and default buttons ----------------------------------------------

ZafWindowObject *ZafWindow::NotifyFocus(ZafWindowObject *object, bool gained)
{
    if (object == this)
        return ZafWindowObject::NotifyFocus(object, gained);
    ZafWindowObject *child = CurrentChild();
    if (!gained)
    {
        if (child && child != object)
            if (ZafWindowObject *refused = child->NotifyFocus(object, false))
                return refused;
        return ZafWindowObject::NotifyFocus(object, false);
    }
    ZafWindowObject *refused = nullptr;
    if (!focus)
    {
        refused = ZafWindowObject::NotifyFocus(object, true);
        if (!refused && child && child != object && child->Event(ZafEventStruct(ZAF_EV_RESTORE_FOCUS, 0)) == ZAF_REFUSED)
        {
            Event(ZafEventStruct(ZAF_EV_ACTIVATE, 0));
            refused = this;
        }
    }
    else if (child && child != object)
        refused = child->NotifyFocus(this, false);
    if (refused)
        return refused;
    ZafWindowObject *direct = DirectChildOf(object);
    if (direct && !supportList.Contains(direct))
        SetCurrent(direct);

    ZafWindow *root = dynamic_cast<ZafWindow *>(RootObject());
    if (root && root->permanentDefault)
    {
        if (object->IsAClassID(ZAF_ID_BUTTON) && object->AllowDefault())
        {
            ZafWindowObject *old = root->currentDefault;
            root->currentDefault = object;
            if (old == root->permanentDefault && old != object)
                root->permanentDefault->Event(ZafEventStruct(ZAF_EV_DEFAULT_BUTTON, 0));
        }
        else
            root->SetDefaultButton(root->permanentDefault, false);
    }
    return nullptr;
}

ZafWindowObject *ZafWindow::DirectChildOf(ZafWindowObject *object) const
{
    for (ZafWindowObject *o = object; o; o = o->Parent())
        if (o->Parent() == this)
            return o;
    return nullptr;
}

ZafWindowObject *ZafWindow::DefaultButton(bool permanent) const
{
    const ZafWindow *root = dynamic_cast<const ZafWindow *>(RootObject());
    if (!root)
        root = this;
    return permanent ? root->permanentDefault : root->currentDefault;
}

ZafWindowObject *ZafWindow::SetDefaultButton(ZafWindowObject *button, bool permanent)
{
    ZafWindow *root = dynamic_cast<ZafWindow *>(RootObject());
    if (!root)
        root = this;
    if (!permanent)
    {
        if (button != root->currentDefault)
        {
            ZafWindowObject *old = root->currentDefault;
            root->currentDefault = button;
            if (old && old == root->permanentDefault)
                old->Event(ZafEventStruct(ZAF_EV_DEFAULT_BUTTON, 0));
            if (button && button == root->permanentDefault)
                button->Event(ZafEventStruct(ZAF_EV_DEFAULT_BUTTON, 0));
        }
        return root->currentDefault;
    }
    if (button != root->permanentDefault)
    {
        ZafWindowObject *current = root->currentDefault;
        if (!current || (current == root->permanentDefault && !current->Focus()))
        {
            root->currentDefault = button;
            if (current)
                current->Event(ZafEventStruct(ZAF_EV_DEFAULT_BUTTON, 0));
            if (button)
                button->Event(ZafEventStruct(ZAF_EV_DEFAULT_BUTTON, 0));
        }
        root->permanentDefault = button;
    }
    return root->permanentDefault;
}

bool ZafWindow::IsFocusable(const ZafWindowObject *object) const
{
    return object && !object->IsDisabled(true) && !object->FocusBlocked();
}

// ---- Compare functions ------------------------------------------------------

int ZafWindow::CompareAscending(ZafElement *a, ZafElement *b)
{
    const ZafIChar *ta = AsObject(a)->Text(), *tb = AsObject(b)->Text();
    if (!ta || !tb)
        return (ta ? 1 : 0) - (tb ? 1 : 0);
    return ZafStrColl(ta, tb);
}

int ZafWindow::CompareDescending(ZafElement *a, ZafElement *b)
{
    const ZafIChar *ta = AsObject(a)->Text(), *tb = AsObject(b)->Text();
    if (!ta || !tb)
        return (tb ? 1 : 0) - (ta ? 1 : 0);
    return -ZafStrColl(ta, tb);
}
