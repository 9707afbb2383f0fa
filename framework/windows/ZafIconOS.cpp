// The Windows half of ZafIcon: the system icons, the image completed at
// registration, the minimize icon as the frame's icon, a transparent OS
// window for other icons, natural size, drawing and the mouse.
#include <windows.h>

#include "framework/controls/ZafIcon.h"
#include "framework/core/base/ZafStaticData.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafWindowsShared.h"

namespace {

using ZafOSCalls::Handle;

struct SystemIconEntry { const wchar_t *name; WORD resource; };
const SystemIconEntry systemIconTable[ZAF_SYSTEM_ICONS] = {
    { L"APPLICATION", 0x7F00 }, { L"ASTERISK", 0x7F04 }, { L"EXCLAMATION", 0x7F03 },
    { L"HAND", 0x7F01 }, { L"QUESTION", 0x7F02 },
};

// Null-terminated, as the framework hands the table out.
ZafIconData *systemIcons[ZAF_SYSTEM_ICONS + 1] = {};

void ReleaseSystemIcons(bool release)
{
    ZafReleaseTable(release, systemIcons);
}

} // namespace

void ZafIcon::CreateSystemIcons()
{
    if (systemIcons[0])
        return;
    for (int id = 0; id < ZAF_SYSTEM_ICONS; ++id)
    {
        ZafIconStruct description(32, 32, nullptr, false);
        description.osIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(systemIconTable[id].resource));
        description.staticHandle = 1;   // shared icons are never destroyed
        ZafIconData *icon = new ZafIconData(description);
        icon->SetDestroyable(false);
        icon->SetNumberID(ZafNumberID(id));
        icon->SetStringID(systemIconTable[id].name);
        systemIcons[id] = icon;
    }
    ZafRegisterStaticData(&ReleaseSystemIcons);
}

ZafIconData *ZafIcon::SystemIcon(ZafNumberID id)
{
    CreateSystemIcons();
    return id >= 0 && id < ZAF_SYSTEM_ICONS ? systemIcons[id] : nullptr;
}

// An image with only an OS icon gets its pixels, one with only pixels an OS
// icon.
void ZafIcon::CompleteImage()
{
    ZafGdiDisplay *display = DrawDisplay();
    if (!iconData || !display)
        return;
    ZafIconStruct &icon = iconData->Icon();
    if (icon.osIcon && !icon.array)
        display->ConvertToZafIcon(icon);
    else if (icon.array && !icon.osIcon)
        display->ConvertToOSIcon(icon);
}

void ZafIcon::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible)
        style |= WS_VISIBLE;
    osWindow = CreateOSWindow(this, nullptr, style, nullptr, nullptr, WS_EX_TRANSPARENT);
}

ZafEventType ZafIcon::NaturalSize(const ZafEventStruct &event)
{
    ZafWindowObject::Event(event);
    ConvertCoordinates(ZAF_PIXEL);
    ZafRegionStruct text = MeasureText();
    const int width = iconData ? iconData->Width() : 0, height = iconData ? iconData->Height() : 0;
    region.right = region.left - 1;
    region.bottom = region.top - 1;
    ZafPlaceButtonContents(region, width, height, text.Width(), text.Height(), horizontalPlacement,
        verticalPlacement);
    savedRegion = region;
    return event.type;
}

ZafEventType ZafIcon::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_COMPUTE_REGION:
        return NaturalSize(event);
    case ZAF_EV_REGISTER:
        CompleteImage();
        if (iconType != ZAF_ICON_MINIMIZE)
            return ZafWindowObject::Event(event);
        ownOSWindow = false;
        osWindow = parent ? parent->OSHandle(2) : nullptr;
        if (osWindow && iconData && iconData->Icon().osIcon)
        {
            const LPARAM icon = reinterpret_cast<LPARAM>(iconData->Icon().osIcon);
            ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), WM_SETICON, ICON_BIG, icon);
            ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), WM_SETICON, ICON_SMALL, icon);
        }
        return type;
    case ZAF_EV_REDRAW:
    case ZAF_EV_REDRAW_AREA:
        if (Registered() && AutomaticUpdate(true) && parent && iconType != ZAF_ICON_MINIMIZE)
        {
            // The icon is transparent: the parent repaints what lies under it.
            ZafRedrawByParent(this, event);
            return type;
        }
        return ZafWindowObject::Event(event);
    case ZAF_EV_FOCUS_GAINED:
    case ZAF_EV_FOCUS_LOST:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        if (ownOSWindow && Registered())
            Redisplay(event, answer);
        return answer;
    }
    case ZAF_L_SELECT:
    case ZAF_L_DOUBLE_CLICK:
        return memberFunction ? (this->*memberFunction)(event, type) : 0;
    default:
        if (iconType == ZAF_ICON_MINIMIZE && (type == ZAF_EV_UNREGISTER || type == ZAF_EV_OS_WINDOW_GONE))
        {
            osWindow = nullptr;
            return type;
        }
        return ZafButton::Event(event);
    }
}

ZafEventType ZafIcon::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    if (designMode && event.InputClass() == ZAF_INPUT_MOUSE)
        return ZafWindowObject::Event(event);
    auto call = [&](ZafEventType code) { return memberFunction ? (this->*memberFunction)(event, code) : 0; };
    switch (message)
    {
    case WM_LBUTTONDOWN:
    {
        ZafEventType answer = ZafWindowObject::OSEvent(event);
        if (!IsDisabled(true) && !FocusBlocked())
            SetFocus(true);
        if (selectOnPress)
            call(ZAF_L_SELECT);
        return answer;
    }
    case WM_LBUTTONUP:
    {
        ZafWindowManager *manager = ZafWindowManager::Shared();
        if (!selectOnPress && !(manager && manager->dragObject))
            call(ZAF_L_SELECT);
        return ZafWindowObject::OSEvent(event);
    }
    case WM_LBUTTONDBLCLK:
    {
        ZafEventType answer = ZafWindowObject::OSEvent(event);
        if (selectOnDoubleClick)
            call(ZAF_L_DOUBLE_CLICK);
        else if (selectOnPress)
            call(ZAF_L_SELECT);
        return answer;
    }
    default:
        return ZafWindowObject::OSEvent(event);
    }
}

ZafEventType ZafIcon::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    ZafGdiDisplay *display = DrawDisplay();
    ZafRegionStruct drawRegion = BeginDraw();
    if (!display)
    {
        EndDraw();
        return code;
    }
    ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, PaletteState());
    const ZafRegionStruct text = MeasureText();
    const int width = iconData ? iconData->Width() : 0, height = iconData ? iconData->Height() : 0;
    ZafButtonPlacement place = ZafPlaceButtonContents(drawRegion, width, height, text.Width(), text.Height(),
        horizontalPlacement, verticalPlacement);
    const bool drawing = code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA || code == ZAF_EV_REDRAW_DATA
        || code == ZAF_L_SELECT;
    if (drawing)
    {
        if (iconData && code != ZAF_L_SELECT)
            display->Icon(place.bitmap.left, place.bitmap.top, iconData->Icon());
        if (Text() && *Text())
        {
            ZafRegionStruct caption = place.text;
            DrawBackground(caption, code == ZAF_L_SELECT ? ZAF_EV_REDRAW : code);
            DrawText(place.text, palette);
        }
    }
    ZafRegionStruct focusArea = place.text;
    DrawFocus(focusArea, code);
    EndDraw();
    return code;
}
