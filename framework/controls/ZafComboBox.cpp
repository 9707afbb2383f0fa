// The portable half of ZafComboBox: construction and the owned list,
// lookups, settings passed on to the list, drag and drop, and storage.
#include "framework/controls/ZafComboBox.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/controls/ZafString.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/storage/ZafFile.h"
#include "framework/core/objects/ZafChildObjects.h"

#include <cwchar>
#include <memory>
#include <vector>

namespace {

using ZafChildObjects::AsObject;

constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);
constexpr ZafUInt32 UNSET = ZAF_UNSET_OS_COLOR;

// True when id is exactly the first length characters of path.
bool SamePrefix(const ZafIChar *id, const ZafIChar *path, size_t length)
{
    return id && std::wcslen(id) == length && std::wcsncmp(id, path, length) == 0;
}

} // namespace

const ZafPaletteMap ZafComboBox::defaultPaletteMap[] = {
    { ZAF_PT_TEXT, ZAF_PS_SELECTED, { 0, 0, SYS, SYS, 0, 2, 1, UNSET, UNSET } },
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 0, 2, 3, UNSET, UNSET } },
    { ZAF_PT_FOCUS, 0, { 0, 0, 15, 0, 2, 0, 3, UNSET, UNSET } },
    { 0, 0, { 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
};

const ZafInputMap ZafComboBox::defaultInputMap[] = {
    { ZAF_NO_EVENT, 0, 0, 0 },
};

// ---- Construction -------------------------------------------------------------------

ZafComboBox::ZafComboBox(int left, int top, int width, int height) : ZafFramelessWindow(left, top, width, 1)
{
    border = true;
    destroyable = false;
    moveable = false;
    list = new ZafVtList(0, 0, width, height);
    AdoptList();
    list->SetStringID(L"list");
    SetSelectionType(0);
    sizeable = false;
}

ZafComboBox::ZafComboBox(const ZafComboBox &copy) : ZafFramelessWindow(copy), viewOnly(copy.viewOnly)
{
    list = new ZafVtList(*copy.list);
    AdoptList();
    ZafList::Destroy();
}

ZafComboBox::~ZafComboBox()
{
    delete list;
}

void ZafComboBox::AdoptList()
{
    list->SetParent(this);
    list->SetDestroyable(false);
    list->SetTemporary(true);
    list->SetPaletteFromParent(true);
}

const ZafPaletteStruct *ZafComboBox::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *own = FindPalette(defaultPaletteMap, type, state))
        return own;
    return ZafWindow::MapPalette(type, state);
}

// ---- Lookups ---------------------------------------------------------------------------

ZafWindowObject *ZafComboBox::GetObjectByNumberID(ZafNumberID id)
{
    if (ZafWindowObject *found = ZafWindow::GetObjectByNumberID(id))
        return found;
    return list->GetObjectByNumberID(id);
}

ZafWindowObject *ZafComboBox::GetObjectByStringID(const ZafIChar *path)
{
    if (!path)
        return nullptr;
    if (ZafWindowObject *found = ZafWindow::GetObjectByStringID(path))
        return found;
    const ZafIChar *tilde = std::wcschr(path, L'~');
    const size_t length = tilde ? size_t(tilde - path) : std::wcslen(path);
    const ZafIChar *rest = tilde ? tilde + 1 : nullptr;
    if (SamePrefix(list->StringID(), path, length))
        return rest ? list->GetObjectByStringID(rest) : list;
    for (ZafElement *e = list->ZafList::First(); e; e = e->Next())
    {
        ZafWindowObject *item = AsObject(e);
        if (SamePrefix(item->StringID(), path, length))
            return rest ? item->GetObjectByStringID(rest) : item;
    }
    return nullptr;
}

ZafWindowObject *ZafComboBox::GetObjectByStringID(const char *path)
{
    ZafStringData wide(path ? path : "");
    return GetObjectByStringID(wide.Text());
}

ZafWindowObject *ZafComboBox::FocusObject() const
{
    if (list->Focus())
        return list->CurrentChild() ? list->CurrentChild() : list;
    return focus ? const_cast<ZafComboBox *>(this) : nullptr;
}

// ---- Text and settings -------------------------------------------------------------------

const ZafIChar *ZafComboBox::Text()
{
    ReadOSText();
    return stringData.Text();
}

ZafError ZafComboBox::SetText(const ZafIChar *text)
{
    if (viewOnly)
        return 0;
    stringData.SetText(text ? text : L"");
    UpdateOSListItem();
    return 0;
}

const ZafIChar *ZafComboBox::SetTipText2(const ZafIChar *text)
{
    const ZafIChar *answer = ZafWindowObject::SetTipText2(text);
    if (ZafWindowObject *first = FirstChild())
        first->SetTipText2(text);
    return answer;
}

const ZafIChar *ZafComboBox::SetHelpTopic(const ZafIChar *topic)
{
    const ZafIChar *answer = ZafWindowObject::SetHelpTopic(topic);
    if (ZafWindowObject *first = FirstChild())
        first->SetHelpTopic(topic);
    return answer;
}

const ZafIChar *ZafComboBox::SetTipText(const ZafIChar *text)
{
    const ZafIChar *answer = ZafWindowObject::SetTipText(text);
    if (ZafWindowObject *first = FirstChild())
        first->SetTipText(text);
    return answer;
}

bool ZafComboBox::SelectionChanged() const
{
    if (selectionChanged || list->SelectionChanged())
        return true;
    for (ZafElement *e = list->ZafList::First(); e; e = e->Next())
        if (AsObject(e)->SelectionChanged())
            return true;
    return false;
}

bool ZafComboBox::SetAutomaticUpdate(bool value)
{
    bool answer = ZafWindowObject::SetAutomaticUpdate(value);
    list->SetAutomaticUpdate(answer);
    return answer;
}

bool ZafComboBox::SetSelectionChanged(bool value)
{
    bool answer = ZafWindow::SetSelectionChanged(value);
    list->SetSelectionChanged(answer);
    return answer;
}

bool ZafComboBox::SetDragFlag(bool value, bool (ZafWindowObject::*setter)(bool), bool &own)
{
    bool answer = FirstChild() ? (FirstChild()->*setter)(value) : (own = value);
    (list->*setter)(answer);
    return answer;
}

bool ZafComboBox::SetDragCtrl(bool value)
{
    return SetDragFlag(value, &ZafWindowObject::SetDragCtrl, dragCtrl);
}

bool ZafComboBox::SetDragCtrlShift(bool value)
{
    return SetDragFlag(value, &ZafWindowObject::SetDragCtrlShift, dragCtrlShift);
}

bool ZafComboBox::SetDragShift(bool value)
{
    return SetDragFlag(value, &ZafWindowObject::SetDragShift, dragShift);
}

bool ZafComboBox::SetFocusBlocked(bool value)
{
    bool answer = ZafWindowObject::SetFocusBlocked(value);
    if (ZafWindowObject *first = FirstChild())
        first->SetFocusBlocked(answer);
    return answer;
}

bool ZafComboBox::SetSystemDrawn(bool value)
{
    if (!Registered() && value != systemDrawn)
        systemDrawn = list->SetSystemDrawn(value);
    return systemDrawn;
}

ZafCoordinateType ZafComboBox::SetCoordinateType(ZafCoordinateType type)
{
    if (Registered() || type == coordinateType)
        return coordinateType;
    // A one-line combo box keeps the height of one line.
    const bool oneLine = coordinateType == ZAF_CELL && region.top == region.bottom;
    ZafRegionStruct converted = region;
    ZafWindow::SetCoordinateType(type);
    // The drop-down height was given in the combo box's units.
    list->SetCoordinateType(type);
    if (oneLine)
    {
        ConvertRegion(converted, type);
        region.bottom = region.top + (converted.bottom - converted.top);
    }
    return coordinateType;
}

int ZafComboBox::SetSelectionType(int)
{
    selectionType = 0;
    list->SetSelectionType(0);
    return 0;
}

bool ZafComboBox::SetSorted(bool value)
{
    bool answer = list->SetSorted(value);
    RefillOSList();
    return answer;
}

bool ZafComboBox::SetViewOnly(bool value)
{
    if (Registered() || value == viewOnly)
        return viewOnly;
    ZafWindowObject *first = FirstChild();
    if (first && first->IsAClassID(ZAF_ID_STRING))
        viewOnly = static_cast<ZafString *>(first)->SetViewOnly(value);
    else
        viewOnly = value;
    return viewOnly;
}

void ZafComboBox::Sort()
{
    list->ZafList::Sort();
    RefillOSList();
}

void ZafComboBox::DestroyChildren()
{
    NotifyChildrenDestroy();
    list->ZafList::Destroy();
}

ZafEventType ZafComboBox::BroadcastEvent(const ZafEventStruct &event, int)
{
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        AsObject(e)->Event(event);
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->Event(event);
    return event.type;
}

ZafRegionStruct ZafComboBox::OSRegion(ZafWindowObject *reference, const ZafRegionStruct *given)
{
    if (!reference || reference == this)
        return ZafWindowObject::OSRegion(reference, given);
    if (!given)
        return reference->Region();
    ZafRegionStruct moved = *given;
    const ZafRegionStruct own = reference->Region();
    moved.left += own.left;
    moved.right += own.left;
    moved.top += own.top;
    moved.bottom += own.top;
    return moved;
}

// ---- Drag and drop ---------------------------------------------------------------------

ZafEventType ZafComboBox::DragDropEvent(const ZafEventStruct &event)
{
    ZafWindowObject *source = nullptr;
    ZafEventType code = 0;
    if (!ZafListDrop(event, source, code))
        return ZafWindowObject::DragDropEvent(event);
    if (code == ZAF_REFUSED || IsDisabled(true))
        return ZAF_REFUSED;
    if (!dropTarget || !source || source == this)
        return code;
    return TakeDrop(source, code);
}

ZafEventType ZafComboBox::TakeDrop(ZafWindowObject *source, ZafEventType code)
{
    const bool combo = source->IsAClassID(ZAF_ID_COMBO_BOX);
    if (!combo && !source->IsAClassID(ZAF_ID_VT_LIST) && !source->IsAClassID(ZAF_ID_LIST))
        return ZafListDropText(*this, source, code);
    ZafWindow *from = combo ? static_cast<ZafComboBox *>(source)->List() : static_cast<ZafWindow *>(source);
    for (ZafWindowObject *item : ZafSelectedChildren(*from))
    {
        if (code != ZAF_EV_DROP_MOVE)
            Add(item->Duplicate());
        else if (combo)
            Add(static_cast<ZafComboBox *>(source)->Subtract(item));
        else
            Add(from->Subtract(item));
    }
    return code;
}

// ---- Storage -----------------------------------------------------------------------------
// After the window's record, in the same record file: u16 flags (bit 0
// view-only). The list is stored as a window of its own named "list".

ZafComboBox::ZafComboBox(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafComboBox(name, persistence, std::make_shared<bool>(false))
{
}

// The flag is read inside the window's constructor, before this object's
// own members exist; it waits in storedViewOnly until they do.
ZafComboBox::ZafComboBox(const ZafIChar *name, ZafObjectPersistence &persistence,
    std::shared_ptr<bool> storedViewOnly)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          ZafFlagBitReader(storedViewOnly)),
      viewOnly(*storedViewOnly)
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        if (AsObject(e)->IsAClassID(ZAF_ID_VT_LIST))
        {
            list = static_cast<ZafVtList *>(AsObject(e));
            ZafWindow::Subtract(list);
            break;
        }
    if (!list)
        list = new ZafVtList(0, 0, region.right - region.left, region.bottom - region.top);
    AdoptList();
    SetSelectionType(0);
    ZafPopObjectLevel(*this, persistence);
}

void ZafComboBox::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafWindow::Write(persistence); });
}

void ZafComboBox::WriteRecordExtension(ZafFile &file)
{
    file.WriteUInt16(viewOnly ? 1 : 0);
}

void ZafComboBox::WriteSupportObjects(ZafObjectPersistence &persistence)
{
    ZafWindow::WriteSupportObjects(persistence);
    if (!list->StringID() || !*list->StringID())
        list->SetStringID(L"list");
    ZafObjectPersistence::PushLevel(persistence, list->ClassName(), list->ClassID());
    list->Write(persistence);
    ZafObjectPersistence::PopLevel(persistence);
    if (list->Error())
        SetError(list->Error());
}
