// ZafHelpTips, portable half: construction, the object the tips follow and
// the saved status text.
#include "framework/core/events/ZafHelpTips.h"

#include "framework/core/objects/ZafWindowManager.h"

#include <cwchar>

ZafUInt8 ZafHelpTips::tipsActive = 0;

ZafHelpTips::ZafHelpTips(ZafDeviceState state, int tipStyle)
    : ZafDevice(ZAF_HELP_TIPS, state), style(tipStyle), tipPalette(ZafPaletteStruct::Default())
{
    tipRegion.Assign(0, 0, 0, 0, ZAF_PIXEL);
}

ZafHelpTips::~ZafHelpTips()
{
    HideTip();
    ForgetStatusText();
}

void ZafHelpTips::FollowObject(ZafWindowObject *object)
{
    if (ZafWindowManager *manager = ZafWindowManager::Shared())
        manager->tipObject = object;
}

void ZafHelpTips::SaveStatusText(const ZafIChar *text)
{
    ForgetStatusText();
    if (text)
    {
        size_t length = std::wcslen(text);
        savedStatusText = new ZafIChar[length + 1];
        std::wmemcpy(savedStatusText, text, length + 1);
    }
    statusSaved = true;
}

void ZafHelpTips::ForgetStatusText()
{
    delete[] savedStatusText;
    savedStatusText = nullptr;
    statusSaved = false;
}
