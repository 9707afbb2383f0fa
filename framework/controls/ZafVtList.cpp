// The portable half of ZafVtList: construction, the class maps, sorting,
// colours and fonts, drag and drop, and storage.
#include "framework/controls/ZafVtList.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/controls/ZafString.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/storage/ZafFile.h"
#include "framework/core/text/ZafStrings.h"
#include "framework/core/objects/ZafChildObjects.h"

#include <memory>
#include <vector>

namespace {

using ZafChildObjects::AsObject;

constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);
constexpr ZafUInt32 UNSET = ZAF_UNSET_OS_COLOR;

// The collation key of a text.
std::vector<wchar_t> CollationKey(const ZafIChar *text)
{
    int length = ZafStrXfrm(nullptr, text, 0);
    std::vector<wchar_t> key(size_t(length) + 1, 0);
    ZafStrXfrm(key.data(), text, length + 1);
    return key;
}

} // namespace

const ZafPaletteMap ZafVtList::defaultPaletteMap[] = {
    { ZAF_PT_TEXT, ZAF_PS_DISABLED, { 0, 0, SYS, SYS, 0, 2, 1, UNSET, UNSET } },
    { ZAF_PT_TEXT, ZAF_PS_SELECTED, { 0, 0, SYS, SYS, 0, 2, 1, UNSET, UNSET } },
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 0, 2, 3, UNSET, UNSET } },
    { ZAF_PT_FOCUS, 0, { 0, 0, 15, 0, 2, 0, 3, UNSET, UNSET } },
    { 0, 0, { 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
};

// Each entry stands twice, as the framework's class maps always have it.
const ZafInputMap ZafVtList::defaultInputMap[] = {
    { 1056, ZAF_INPUT_KEYBOARD, 36, ZAF_KEY_PRESS }, { 1056, ZAF_INPUT_KEYBOARD, 36, ZAF_KEY_PRESS },
    { 1057, ZAF_INPUT_KEYBOARD, 35, ZAF_KEY_PRESS }, { 1057, ZAF_INPUT_KEYBOARD, 35, ZAF_KEY_PRESS },
    { ZAF_L_PAGE_DOWN, ZAF_INPUT_KEYBOARD, 34, ZAF_KEY_PRESS }, { ZAF_L_PAGE_DOWN, ZAF_INPUT_KEYBOARD, 34, ZAF_KEY_PRESS },
    { ZAF_L_PAGE_UP, ZAF_INPUT_KEYBOARD, 33, ZAF_KEY_PRESS }, { ZAF_L_PAGE_UP, ZAF_INPUT_KEYBOARD, 33, ZAF_KEY_PRESS },
    { ZAF_L_SELECT, ZAF_INPUT_KEYBOARD, 32, ZAF_KEY_PRESS }, { ZAF_L_SELECT, ZAF_INPUT_KEYBOARD, 32, ZAF_KEY_PRESS },
    { ZAF_NO_EVENT, 0, 0, 0 },
};

// ---- Construction ---------------------------------------------------------------

ZafVtList::ZafVtList(int left, int top, int width, int height) : ZafFramelessWindow(left, top, width, height)
{
    SetBorder(true);
    SetDestroyable(false);
    SetMoveable(false);
    SetSizeable(false);
}

ZafVtList::ZafVtList(const ZafVtList &copy) : ZafFramelessWindow(copy), sorted(copy.sorted)
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
    {
        AsObject(e)->SetOwnOSWindow(false);
        AsObject(e)->SetPaletteFromParent(true);
    }
    compareFunction = copy.compareFunction;
}

ZafVtList::~ZafVtList() = default;

ZafLogicalEvent ZafVtList::MapEvent(ZafEventStruct &event)
{
    ZafLogicalEvent logical = MapInputTable(defaultInputMap, event);
    return logical == ZAF_NO_EVENT ? ZafWindow::MapEvent(event) : logical;
}

const ZafPaletteStruct *ZafVtList::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *own = FindPalette(defaultPaletteMap, type, state))
        return own;
    return ZafWindow::MapPalette(type, state);
}

// ---- Drag flags inside a combo box ------------------------------------------------

bool ZafVtList::DragCtrl() const { return temporary && parent ? parent->DragCtrl() : dragCtrl; }
bool ZafVtList::Draggable() const
{
    return temporary && parent ? parent->Draggable() : ZafWindowObject::Draggable();
}
bool ZafVtList::DragCtrlShift() const { return temporary && parent ? parent->DragCtrlShift() : dragCtrlShift; }
bool ZafVtList::DragShift() const { return temporary && parent ? parent->DragShift() : dragShift; }

// ---- Colours and fonts ---------------------------------------------------------------

namespace {

ZafInt8 SetPaletteByte(ZafWindowObject *object, ZafPaletteType type, ZafPaletteState state, int field,
    ZafInt8 value, ZafInt8 mono)
{
    if (!object->PaletteData())
        object->SetPaletteData(new ZafPaletteData(false));
    ZafPaletteData *data = object->PaletteData();
    ZafPaletteStruct entry = data->GetPalette(type, state);
    switch (field)
    {
    case 0: entry.colorForeground = value; entry.monoForeground = mono; break;
    case 1: entry.colorBackground = value; entry.monoBackground = mono; break;
    default: entry.font = value; break;
    }
    data->AddPalette(type, state, entry);
    return value;
}

} // namespace

ZafInt8 ZafSetListBackgroundColor(ZafWindowObject *object, ZafInt8 color, ZafInt8 mono)
{
    SetPaletteByte(object, ZAF_PT_BACKGROUND, ZAF_PS_NOT_SELECTED, 1, color, mono);
    return SetPaletteByte(object, ZAF_PT_TEXT, ZAF_PS_ENABLED | ZAF_PS_SELECTED, 0, color, mono);
}

ZafInt8 ZafSetListTextColor(ZafWindowObject *object, ZafInt8 color, ZafInt8 mono)
{
    SetPaletteByte(object, ZAF_PT_TEXT, ZAF_PS_ENABLED | ZAF_PS_NOT_SELECTED, 0, color, mono);
    return SetPaletteByte(object, ZAF_PT_BACKGROUND, ZAF_PS_SELECTED, 1, color, mono);
}

ZafInt8 ZafSetListFont(ZafWindowObject *object, ZafInt8 font)
{
    for (ZafPaletteState state : { ZafPaletteState(0x60), ZafPaletteState(0x28), ZafPaletteState(0) })
        SetPaletteByte(object, ZAF_PT_TEXT, state, 2, font, 0);
    return font;
}

ZafInt8 ZafVtList::SetBackgroundColor(ZafInt8 color, ZafInt8 mono) { return ZafSetListBackgroundColor(this, color, mono); }
ZafInt8 ZafVtList::SetTextColor(ZafInt8 color, ZafInt8 mono) { return ZafSetListTextColor(this, color, mono); }
ZafInt8 ZafVtList::SetFont(ZafInt8 font) { return ZafSetListFont(this, font); }

// ---- Sorting ---------------------------------------------------------------------------

int ZafVtList::CompareText(ZafElement *a, ZafElement *b)
{
    const ZafIChar *textA = AsObject(a)->Text();
    const ZafIChar *textB = AsObject(b)->Text();
    if (!textA)
        return textB ? -1 : 0;
    if (!textB)
        return 1;
    std::vector<wchar_t> keyA = CollationKey(textA), keyB = CollationKey(textB);
    for (size_t i = 0;; ++i)
    {
        if (keyA[i] != keyB[i])
            return int(ZafUInt16(keyA[i])) - int(ZafUInt16(keyB[i]));
        if (!keyA[i])
            return 0;
    }
}

bool ZafVtList::SetSorted(bool value)
{
    if (value == sorted)
        return sorted;
    sorted = value;
    if (sorted)
    {
        compareFunction = &ZafVtList::CompareText;
        Sort();
    }
    else if (compareFunction == &ZafVtList::CompareText)
        compareFunction = nullptr;
    return sorted;
}

void ZafVtList::Sort()
{
    ZafList::Sort();
    RefillOSList();
}

void ZafVtList::DestroyChildren()
{
    NotifyChildrenDestroy();
    ZafList::Destroy();
}

// ---- Drag and drop --------------------------------------------------------------------

ZafEventType ZafListDropCode(const ZafWindowObject *dragObject)
{
    if (!dragObject)
        return ZAF_REFUSED;
    if (dragObject->DragShift())
        return ZAF_EV_DROP_MOVE;
    if (dragObject->DragCtrl())
        return ZAF_EV_DROP_COPY;
    return ZAF_REFUSED;
}

bool ZafListDrop(const ZafEventStruct &event, ZafWindowObject *&source, ZafEventType &code)
{
    code = event.type;
    if (code != ZAF_EV_DROP_DEFAULT && code != ZAF_EV_DROP_COPY && code != ZAF_EV_DROP_MOVE)
        return false;
    ZafWindowManager *manager = ZafWindowManager::Shared();
    source = manager ? manager->dragObject : nullptr;
    if (code == ZAF_EV_DROP_DEFAULT)
        code = ZafListDropCode(source);
    return true;
}

ZafEventType ZafListDropText(ZafWindow &list, ZafWindowObject *source, ZafEventType code)
{
    const ZafIChar *text = source->Text();
    if (!text || !*text)
        return ZAF_REFUSED;
    auto *item = new ZafString(0, 0, list.Region().Width(), new ZafStringData(text));
    item->SetBorder(false);
    list.Add(item);
    if (code == ZAF_EV_DROP_MOVE)
        source->SetText(L"");
    return code;
}

std::vector<ZafWindowObject *> ZafSelectedChildren(ZafWindow &window)
{
    std::vector<ZafWindowObject *> chosen;
    for (ZafElement *e = window.ZafList::First(); e; e = e->Next())
        if (AsObject(e)->Selected())
            chosen.push_back(AsObject(e));
    return chosen;
}

ZafEventType ZafVtList::DragDropEvent(const ZafEventStruct &event)
{
    ZafWindowObject *source = nullptr;
    ZafEventType code = 0;
    if (!ZafListDrop(event, source, code))
        return ZafWindowObject::DragDropEvent(event);
    if (code == ZAF_REFUSED || IsDisabled(true) || !dropTarget || !source || source == this)
        return ZAF_REFUSED;
    if (selectionType == 2)
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            AsObject(e)->SetSelected(false);
    return TakeDrop(source, code);
}

ZafEventType ZafVtList::TakeDrop(ZafWindowObject *source, ZafEventType code)
{
    if (!source->IsAClassID(ZAF_ID_LIST))
        return ZafListDropText(*this, source, code);
    // A combo box keeps its items in its own list: its drop is its own.
    if (!source->IsAClassID(ZAF_ID_WINDOW) || source->IsAClassID(ZAF_ID_COMBO_BOX))
        return code;
    ZafWindow *list = static_cast<ZafWindow *>(source);
    const bool sourceUpdate = list->AutomaticUpdate(true), ownUpdate = automaticUpdate;
    if (code == ZAF_EV_DROP_MOVE)
        list->SetAutomaticUpdate(false);
    SetAutomaticUpdate(false);
    for (ZafWindowObject *item : ZafSelectedChildren(*list))
    {
        if (code == ZAF_EV_DROP_MOVE)
            Add(list->Subtract(item));
        else
            Add(item->Duplicate());
    }
    if (code == ZAF_EV_DROP_MOVE)
        list->SetAutomaticUpdate(sourceUpdate);
    SetAutomaticUpdate(ownUpdate);
    return code;
}

// ---- Storage -----------------------------------------------------------------------------
// After the window's record, in the same record file: u16 flags (bit 0
// sorted); the items are the stored children.

ZafVtList::ZafVtList(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafVtList(name, persistence, std::make_shared<bool>(false))
{
}

// The flag is read inside the window's constructor, before this object's
// own members exist; it waits in storedSorted until they do.
ZafVtList::ZafVtList(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<bool> storedSorted)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          ZafFlagBitReader(storedSorted)),
      sorted(*storedSorted)
{
    if (sorted)
        compareFunction = &ZafVtList::CompareText;
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
    {
        AsObject(e)->SetOwnOSWindow(false);
        AsObject(e)->SetPaletteFromParent(true);
    }
    ZafPopObjectLevel(*this, persistence);
}

void ZafVtList::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafWindow::Write(persistence); });
}

void ZafVtList::WriteRecordExtension(ZafFile &file)
{
    file.WriteUInt16(sorted ? 1 : 0);
}
