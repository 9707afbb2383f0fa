// The frame buttons, portable half: their settings, the commands they
// accept, the system button's menu and storage.
#include "framework/controls/ZafFrameButtons.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/storage/ZafStorage.h"

// ---- Shared -----------------------------------------------------------------

ZafFrameButton::ZafFrameButton(ZafNumberID id, const ZafIChar *name, bool blocked, bool sends, ZafInt32 command)
    : ZafButton(0, 0, 0, 0, static_cast<const ZafIChar *>(nullptr), nullptr, 0)
{
    numberID = id;
    SetStringID(name);
    border = false;
    focusBlocked = blocked;
    useParentFrameHandle = true;
    ownOSWindow = false;
    regionMode = 2;
    ZafButton::SetToggle(false);
    ZafButton::SetSendMessage(sends);
    ZafButton::SetValue(command);
    ZafButton::SetButtonType(3);
    ZafButton::SetHorizontalPlacement(2);
    ZafButton::SetDepth(1);
    ZafButton::SetAutoSize(true);
}

ZafFrameButton::ZafFrameButton(const ZafIChar *name, ZafObjectPersistence &persistence,
    const RecordExtensionReader &reader)
    : ZafButton(name, persistence, reader)
{
    border = false;
    useParentFrameHandle = true;
    ownOSWindow = false;
    regionMode = 2;
}

ZafFrameButton::ZafFrameButton(const ZafFrameButton &copy) : ZafButton(copy)
{
    ownOSWindow = false;
    useParentFrameHandle = true;
}

ZafFrameButton::~ZafFrameButton()
{
    osWindow = nullptr;   // the window's frame, which is not the button's
}

void ZafFrameButton::WriteEmpty(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, ClassName(), ClassID());
    persistence.AddObjectConstructor(ClassName(), ClassID(), NewFunction());
    if (ZafFile *file = persistence.OpenObjectFile(StringID(), ZAF_PERSIST_WRITE, ClassName(), ClassID()))
        (void)file;
    if (persistence.Error())
        SetError(persistence.Error());
    ZafObjectPersistence::PopLevel(persistence);
}

// ---- Maximize and minimize ----------------------------------------------------

ZafInt32 ZafFrameButton::SetSizeCommand(ZafInt32 command, ZafInt32 size, ZafInt32 mdiSize)
{
    if (command == size || command == ZAF_EV_RESTORE || command == mdiSize || command == ZAF_EV_MDI_RESTORE)
        return ZafButton::SetValue(command);
    return Value();
}

ZafMaximizeButton::ZafMaximizeButton()
    : ZafFrameButton(-2, L"ZAF_NUMID_MAXIMIZE", true, true, ZAF_EV_MAXIMIZE)
{
}

ZafInt32 ZafMaximizeButton::SetValue(ZafInt32 command)
{
    return SetSizeCommand(command, ZAF_EV_MAXIMIZE, ZAF_EV_MDI_MAXIMIZE);
}

ZafMinimizeButton::ZafMinimizeButton()
    : ZafFrameButton(-3, L"ZAF_NUMID_MINIMIZE", true, true, ZAF_EV_MINIMIZE)
{
}

ZafInt32 ZafMinimizeButton::SetValue(ZafInt32 command)
{
    return SetSizeCommand(command, ZAF_EV_MINIMIZE, ZAF_EV_MDI_MINIMIZE);
}

// ---- System button ----------------------------------------------------------

ZafSystemButton::ZafSystemButton(int menuType)
    : ZafFrameButton(-4, L"ZAF_NUMID_SYSTEM", false, false, 0)
{
    SetSystemMenuType(menuType);
    SetUp();
}

void ZafSystemButton::SetUp()
{
    systemMenu.SetParent(this);
    systemMenu.SetDestroyable(false);
    systemMenu.SetNumberID(-12);
    systemMenu.SetStringID(L"ZAF_NUMID_SYSTEM_BUTTON_MENU");
}

void ZafSystemButton::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafButton::Write(persistence); });
}

void ZafSystemButton::WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence)
{
    file.WriteUInt16(ZafUInt16(systemMenuType));
    if (systemMenuType != 0)
        ZafWriteSubMenu(file, systemMenu, persistence);
}

ZafSystemButton::ZafSystemButton(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafSystemButton(name, persistence, std::make_shared<ZafStoredMenu>())
{
}

ZafSystemButton::ZafSystemButton(const ZafIChar *name, ZafObjectPersistence &persistence,
    std::shared_ptr<ZafStoredMenu> stored)
    : ZafFrameButton(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [stored](ZafFile &file, ZafObjectPersistence &from) {
              ZafUInt16 type = 0;
              file.ReadUInt16(type);
              stored->type = ZafInt16(type);
              if (!file.Error() && type != 0)
                  ZafReadSubMenu(file, from, *stored);
          })
{
    ZafObjectPersistence::PopLevel(persistence);
    numberID = -4;
    systemMenuType = stored->type;
    SetUp();
    ZafTakeSubMenuEntries(*stored, systemMenu);
    systemMenu.SetStringID(L"ZAF_NUMID_SYSTEM_BUTTON_MENU");
    ZafTakeStorageError(*this, persistence);
}

ZafSystemButton::ZafSystemButton(const ZafSystemButton &copy)
    : ZafFrameButton(copy), systemMenu(copy.systemMenu), systemMenuType(copy.systemMenuType)
{
    systemMenu.SetParent(this);
}

ZafSystemButton::~ZafSystemButton() = default;

ZafWindowObject *ZafSystemButton::AddMenuItem(ZafWindowObject *item, ZafWindowObject *position)
{
    return systemMenu.ZafWindow::Add(item, position);
}

ZafWindowObject *ZafSystemButton::GetObjectByNumberID(ZafNumberID id)
{
    return ZafMenuOwnerByNumberID(*this, systemMenu, id);
}

ZafWindowObject *ZafSystemButton::GetObjectByStringID(const ZafIChar *id)
{
    return ZafMenuOwnerByStringID(*this, systemMenu, id);
}
