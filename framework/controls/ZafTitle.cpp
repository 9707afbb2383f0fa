#include "framework/controls/ZafTitle.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/objects/ZafWindow.h"


namespace {

constexpr ZafInt8 STY = ZafInt8(ZAF_SYSTEM_STYLE);
constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);

} // namespace

const ZafPaletteMap ZafTitle::defaultPaletteMap[] = {
    { ZAF_PT_ANY, 0, { STY, ZAF_SYSTEM_STYLE, SYS, SYS, SYS, SYS, STY, 0, 0 } },
    { 0, 0, {} },
};

ZafTitle::ZafTitle(const ZafIChar *text) : ZafButton(0, 0, 0, 0, text, nullptr, ZAF_FLAT_BUTTON)
{
    ApplySettings();
}

ZafTitle::ZafTitle(ZafStringData *text) : ZafButton(0, 0, 0, 0, text, nullptr, ZAF_FLAT_BUTTON)
{
    ApplySettings();
}

ZafTitle::ZafTitle(const ZafTitle &copy) : ZafButton(copy)
{
    ApplySettings();
}

ZafTitle::ZafTitle(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafButton(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ZafObjectPersistence::PopLevel(persistence);
    ApplySettings();
    ZafTakeStorageError(*this, persistence);
}

void ZafTitle::ApplySettings()
{
    border = false;
    toggle = false;
    useParentFrameHandle = true;
    ownOSWindow = false;
    regionMode = 2;
    focusBlocked = true;
    depth = 0;
    buttonType = ZAF_FLAT_BUTTON;
    selectOnDoubleClick = true;
    selectOnPress = true;
    allowDefault = false;
    autoRepeat = false;
    hotKeyChar = 0;
    hotKeyIndex = -1;
    userFunction = nullptr;
    delete[] messageText;
    messageText = nullptr;
    if (bitmapData)
        ZafButton::SetBitmap(nullptr);
    if (value != ZAF_EV_MAXIMIZE && value != ZAF_EV_RESTORE && value != ZAF_EV_MDI_MAXIMIZE
        && value != ZAF_EV_MDI_RESTORE)
        value = 0;
    sendMessage = true;
    memberFunction = static_cast<ZafMemberUserFunction>(&ZafButton::SendMessageRoutine);
    SetNumberID(ZAF_NUMID_TITLE);
    SetStringID(ZAF_STRID_TITLE);
}

void ZafTitle::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafButton::Write(persistence); });
}

ZafError ZafTitle::SetBitmap(ZafBitmapData *)
{
    ZafButton::SetBitmap(nullptr);
    return 1;
}

ZafInt32 ZafTitle::SetValue(ZafInt32 newValue)
{
    if (newValue == ZAF_EV_MAXIMIZE || newValue == ZAF_EV_RESTORE || newValue == ZAF_EV_MDI_MAXIMIZE
        || newValue == ZAF_EV_MDI_RESTORE)
        value = newValue;
    return value;
}

const ZafPaletteStruct *ZafTitle::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *palette = FindPalette(defaultPaletteMap, type, state))
        return palette;
    return ZafButton::MapPalette(type, state);
}

ZafTitle *ZafWindow::Title() const
{
    return dynamic_cast<ZafTitle *>(SupportObject(ZAF_NUMID_TITLE));
}
