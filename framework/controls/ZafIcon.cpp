// The portable half of ZafIcon: construction, the icon data, fixed
// settings, drag and drop and storage (after the button record: u16 icon
// type, the name of the icon data).
#include "framework/controls/ZafIcon.h"
#include "framework/core/storage/ZafObjectLevel.h"
#include "framework/core/data/ZafDataLink.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"

#include <cwchar>
#include <memory>
#include <string>

namespace {

constexpr ZafInt8 PAR = ZafInt8(ZAF_PARENT_COLOR);

} // namespace

const ZafPaletteMap ZafIcon::defaultPaletteMap[] = {
    { ZAF_PT_ANY, 0, { 0, 0, PAR, PAR, 0, 2, 0, 0, 0 } },
    { 0, 0, {} },
};

ZafIcon::ZafIcon(int left, int top, const ZafIChar *text, ZafIconData *data, int type)
    : ZafButton(left, top, 0, 0, text, nullptr, ZAF_FLAT_BUTTON)
{
    Initialise(data, type);
}

ZafIcon::ZafIcon(int left, int top, ZafStringData *text, ZafIconData *data, int type)
    : ZafButton(left, top, 0, 0, text, nullptr, ZAF_FLAT_BUTTON)
{
    Initialise(data, type);
}

void ZafIcon::Initialise(ZafIconData *data, int type)
{
    depth = 0;
    buttonType = ZAF_FLAT_BUTTON;
    selectOnDoubleClick = true;
    SetIconType(type);
    CreateSystemIcons();
    if (data)
        SetIconData(data);
}

ZafIcon::ZafIcon(const ZafIcon &copy) : ZafButton(copy)
{
    SetIconType(copy.iconType);
    if (copy.iconData)
        SetIconData(ZafCopiedData(copy.iconData));
}

ZafIcon::~ZafIcon()
{
    LetGoIcon();
}

void ZafIcon::LetGoIcon()
{
    ZafLetGoData(iconData, this);
}

ZafError ZafIcon::IconChanged(ZafElement *observer, ZafUpdateCode code)
{
    return ZafFollowChange(code, [observer] { static_cast<ZafIcon *>(observer)->UpdateSize(); });
}

void ZafIcon::SetIconData(ZafIconData *data)
{
    ZafReplaceData(iconData, data, this, &ZafIcon::IconChanged, ZAF_NOTIFY_CHANGED);
    UpdateSize();
}

ZafIconData *ZafIcon::SetSystemIcon(ZafNumberID id)
{
    if (ZafIconData *system = SystemIcon(id))
        SetIconData(system);
    return iconData;
}

int ZafIcon::SetIconType(int type)
{
    if (Registered())
        return iconType;
    iconType = type == ZAF_ICON_MINIMIZE ? ZAF_ICON_MINIMIZE : ZAF_ICON_ORDINARY;
    if (iconType == ZAF_ICON_MINIMIZE)
    {
        SetNumberID(ZAF_NUMID_MIN_ICON);
        SetStringID(ZAF_STRID_MIN_ICON);
        SetUseParentFrameHandle(true);
    }
    return iconType;
}

bool ZafIcon::SetUseParentFrameHandle(bool value)
{
    if (!parent)
        useParentFrameHandle = value;
    return useParentFrameHandle;
}

void ZafIcon::ClearBitmap()
{
    if (iconData)
        SetIconData(nullptr);
}

ZafError ZafIcon::SetBitmap(ZafBitmapData *)
{
    ZafButton::SetBitmap(nullptr);
    return 1;
}

ZafIChar ZafIcon::SetHotKey(ZafIChar, int)
{
    hotKeyIndex = -1;
    return hotKeyChar = 0;
}

ZafError ZafIcon::UpdateSize()
{
    if (Registered() && !useParentFrameHandle)
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return 0;
}

ZafEventType ZafIcon::UpdateOSListItem()
{
    if (!Registered())
        return 0;
    if (parent && parent->IsAClassID(ZAF_ID_LIST) && parent->SystemDrawn())
        return ZafWindowObject::UpdateOSListItem();
    if (!useParentFrameHandle)
    {
        Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ApplyPosition();
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    }
    return 0;
}

ZafEventType ZafIcon::ApplyOSFont()
{
    if (Registered())
    {
        Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ApplyPosition();
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    }
    return 0;
}

bool ZafIcon::SetDisabled(bool value)
{
    ZafWindowObject::SetDisabled(value);
    Event(ZafEventStruct(ZAF_EV_REDRAW_DATA, 0));
    return disabled;
}

const ZafPaletteStruct *ZafIcon::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *palette = FindPalette(defaultPaletteMap, type, state))
        return palette;
    return ZafButton::MapPalette(type, state);
}

ZafEventType ZafIcon::DragDropEvent(const ZafEventStruct &event)
{
    ZafEventType type = event.type;
    if (type != ZAF_EV_DROP_DEFAULT && type != ZAF_EV_DROP_COPY && type != ZAF_EV_DROP_MOVE)
        return ZafWindowObject::DragDropEvent(event);
    if (IsDisabled(true))
        return ZAF_REFUSED;
    ZafWindowManager *manager = ZafWindowManager::Shared();
    ZafIcon *other = manager ? dynamic_cast<ZafIcon *>(manager->dragObject) : nullptr;
    if (dropTarget && other && other != this)
    {
        if (other->iconData && other->iconData != iconData)
            SetIconData(other->iconData);
        const ZafIChar *text = other->Text();
        if (text && (!Text() || std::wcscmp(text, Text()) != 0))
            SetText(text);
    }
    return type;
}

ZafIcon *ZafWindow::MinimizeIcon() const
{
    return dynamic_cast<ZafIcon *>(SupportObject(ZAF_NUMID_MIN_ICON));
}

// ---- Storage ----------------------------------------------------------------------

ZafIcon::ZafIcon(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafIcon(name, persistence, std::make_shared<StoredIcon>())
{
}

// The icon's fields are read inside the button's constructor, before this
// object's own members exist; they wait in stored until they do.
ZafIcon::ZafIcon(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<StoredIcon> stored)
    : ZafButton(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [stored](ZafFile &file, ZafObjectPersistence &from) {
              ZafUInt16 type = 0;
              file.ReadUInt16(type);
              ZafIChar *dataName = file.ReadNewString();
              if (!file.Error())
              {
                  stored->type = type & 0x0F;
                  if (dataName && *dataName)
                  {
                      CreateSystemIcons();
                      for (ZafNumberID id = 0; id < ZAF_SYSTEM_ICONS && !stored->data; ++id)
                          if (SystemIcon(id) && SystemIcon(id)->StringID()
                              && std::wcscmp(SystemIcon(id)->StringID(), dataName) == 0)
                              stored->data = SystemIcon(id);
                      if (!stored->data)
                          stored->data = new ZafIconData(dataName, from);
                  }
              }
              delete[] dataName;
          })
{
    ZafObjectPersistence::PopLevel(persistence);
    depth = 0;
    buttonType = ZAF_FLAT_BUTTON;
    CreateSystemIcons();
    SetIconType(stored->type);
    if (stored->data)
        SetIconData(stored->data);
    ZafTakeStorageError(*this, persistence);
}

void ZafIcon::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafButton::Write(persistence); });
}

void ZafIcon::WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence)
{
    if (iconData && (!iconData->StringID() || !*iconData->StringID()))
        iconData->SetStringID((std::wstring(StringID() ? StringID() : L"FIELD") + L"_ICON").c_str());
    file.WriteUInt16(ZafUInt16(iconType & 0x0F));
    file.WriteString(iconData ? iconData->StringID() : nullptr);
    bool system = false;
    for (ZafNumberID id = 0; id < ZAF_SYSTEM_ICONS; ++id)
        system = system || (iconData && iconData == SystemIcon(id));
    if (iconData && !system)
        iconData->Write(persistence);
}
