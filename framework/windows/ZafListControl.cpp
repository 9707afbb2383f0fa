// The list and combo box items in their OS controls.
#include "framework/windows/ZafListControl.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafSystemColors.h"

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

void ZafInsertOSListItem(ZafOSWindow control, UINT message, int index, ZafWindowObject *item, bool systemDrawn)
{
    if (!systemDrawn)
    {
        Send(control, message, WPARAM(index), reinterpret_cast<LPARAM>(item));
        return;
    }
    const ZafIChar *text = item->Text();
    if (ZafMSWindowsApp::Ansi())
    {
        char *local = ZafNewLocalText(text ? text : L"");
        ZafMSWindowsApp::Entry().sendMessage(Handle(control), message, WPARAM(index),
            reinterpret_cast<LPARAM>(local ? local : ""));
        delete[] local;
    }
    else
        Send(control, message, WPARAM(index), reinterpret_cast<LPARAM>(text ? text : L""));
}

void ZafCallItemFunction(ZafWindowObject *item, const ZafEventStruct &event, ZafEventType code)
{
    if (ZafMemberUserFunction function = item->MemberUserFunction())
        (item->*function)(event, code);
}

void ZafChooseListItem(ZafWindowObject *item, const ZafEventStruct &event)
{
    item->NotifyFocus(item, true);
    item->SetSelected(true);
    ZafCallItemFunction(item, event, ZAF_L_SELECT);
}

SIZE ZafListItemSize(ZafWindowObject *item)
{
    item->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    ZafRegionStruct size = item->Region();
    item->ConvertRegion(size, ZAF_PIXEL);
    return { size.Width(), size.Height() };
}

bool ZafResolveListItemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state,
    bool greyDisabled)
{
    if (type != ZAF_PT_TEXT && type != ZAF_PT_FACE_TEXT && type != ZAF_PT_BACKGROUND)
        return false;
    const bool selectedState = (state & ZAF_PS_SELECTED) != 0;
    const int background = selectedState ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    const int foreground = type == ZAF_PT_BACKGROUND ? background
        : (greyDisabled && (state & ZAF_PS_DISABLED)) ? COLOR_GRAYTEXT
        : selectedState ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    ZafFillSystemColors(palette, GetSysColor(foreground), GetSysColor(background));
    return true;
}
