// ZafString on Windows: the "EDIT" control, the text travelling between it
// and the string data, the field's events and raw messages, and drawing
// when the framework draws the field itself.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/ZafString.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafCharacters.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafTextControl.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafSystemColors.h"

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

// ---- The control --------------------------------------------------------------

void ZafString::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | ZafControlStateStyle(this);
    DWORD exStyle = 0;
    if (border && systemDrawn)
        ZafAddControlBorder(ZafMSWindowsApp::NativeThreeDControls(), style, exStyle);
    if (!systemDrawn)
    {
        osWindow = CreateOSWindow(this, nullptr, style, nullptr, nullptr, exStyle);
        UpdateOSListItem();
        return;
    }
    if (password)
        style |= ES_PASSWORD;
    if (upperCase)
        style |= ES_UPPERCASE;
    else if (lowerCase)
        style |= ES_LOWERCASE;
    if (justification == 1)
        style |= ES_RIGHT | ES_MULTILINE;
    else if (justification == 2)
        style |= ES_CENTER | ES_MULTILINE;
    if (viewOnly)
        style |= ES_READONLY;
    osWindow = CreateOSWindow(this, L"EDIT", style, nullptr, nullptr, exStyle);
    if (!osWindow)
        return;
    ZafTextControlSetLimit(osWindow, stringData->MaxLength());
    ZafTextControlSetFont(this);
    UpdateOSListItem();
}

ZafEventType ZafString::UpdateOSListItem()
{
    if (Registered() && parent && parent->IsAClassID(ZAF_ID_LIST) && parent->SystemDrawn())
        return ZafWindowObject::UpdateOSListItem();
    if (underscoreBlanks)
    {
        const ZafIChar *text = stringData->Text();
        for (int i = 0; text && text[i]; ++i)
            if (ZafIsSpace(text[i]))
                stringData->SetChar(i, L'_', true);
    }
    if (Registered() && ownOSWindow && systemDrawn)
        ZafTextControlWrite(osWindow, stringData);
    else
        Event(ZafEventStruct(ZAF_EV_REDRAW_DATA, 0));
    return 0;
}

void ZafString::GetOSText()
{
    if (!Registered() || !ownOSWindow || !systemDrawn)
        return;
    ZafTextControlReadField(this, osWindow, stringData);
}

ZafError ZafString::SetCursorPosition(int position)
{
    if (!Registered() || !ownOSWindow || !systemDrawn)
        return 8;
    ZafTextControlSelect(osWindow, position, position);
    return 0;
}

// ---- Framework events -------------------------------------------------------

ZafEventType ZafString::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);

    case ZAF_EV_RESTORE_FOCUS:
        if (!invalid)
            return -38;
        return (!errorChoice || changedValue) ? ZAF_REFUSED : -49;

    case ZAF_EV_SHARE_VALUE:
    {
        ZafWindowObject *other = event.dataObject;
        if (!other)
            SetStringData(new ZafStringData(*stringData));
        else if (other->IsAClassID(ZAF_ID_STRING) && other != this)
            SetStringData(static_cast<ZafString *>(other)->StringData());
        return type;
    }

    case ZAF_EV_COPY_VALUE:
        if (ZafWindowObject *other = event.dataObject)
            if (other->IsAClassID(ZAF_ID_STRING) && other != this)
            {
                ZafString *field = static_cast<ZafString *>(other);
                field->GetOSText();
                stringData->SetText(*field->StringData());
            }
        return type;

    case ZAF_EV_SIZED:
        if (!(ownOSWindow && systemDrawn) && Registered())
        {
            // Redraw what the size change uncovered and the right and bottom
            // strips where the border was drawn.
            int width = region.Width(), height = region.Height();
            ZafRegionStruct areas[4];
            areas[0].Assign(0, 0, lastRegion.Width() - 1, lastRegion.Height() - 1, ZAF_PIXEL);
            areas[1].Assign(0, 0, width - 1, height - 1, ZAF_PIXEL);
            areas[2].Assign(width - 3, 0, width - 1, height - 1, ZAF_PIXEL);
            areas[3].Assign(0, height - 3, width - 1, height - 1, ZAF_PIXEL);
            for (const ZafRegionStruct &area : areas)
                ZafWindowObject::Event(ZafEventStruct(ZAF_EV_REDRAW_AREA, 0, area));
        }
        return type;

    case ZAF_EV_FOCUS_GAINED:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        if (autoSelect && ownOSWindow && systemDrawn && Registered())
            ZafTextControlAutoSelect(this, osWindow);
        return answer;
    }

    case ZAF_EV_CUT:
    case ZAF_EV_COPY:
    case ZAF_EV_PASTE:
        if (Registered())
            ZafTextControlClipboard(osWindow, type);
        return type;

    case ZAF_EV_FOCUS_LOST:
        GetOSText();
        return ZafWindowObject::Event(event);

    case ZAF_L_SELECT:
    case ZAF_EV_MAY_LEAVE:
    {
        GetOSText();
        ZafEventType answer = ZafWindowObject::Event(event);
        const ZafIChar *text = stringData->Text();
        unanswered = !text || !*text;
        invalid = (answer == 12);
        return answer;
    }

    default:
        return ZafWindowObject::Event(event);
    }
}

// ---- Raw messages -----------------------------------------------------------

ZafEventType ZafString::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    if (designMode && event.InputClass() == ZAF_INPUT_MOUSE)
        return ZafWindowObject::Event(event);

    switch (message)
    {
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE)
            SetSelectionChanged(true);
        return ZafEventType(message);

    case WM_PAINT:
    case WM_ERASEBKGND:
        if (systemDrawn)
            return ZafCallClassProcedure(event);
        return ZafWindowObject::OSEvent(event);

    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wParam == VK_RETURN)
            return message == WM_KEYDOWN ? Event(ZafEventStruct(ZAF_L_SELECT, 0)) : 0;
        // One line has no pages to move by: Page Up and Page Down are left
        // to the window around the field (a notebook turns its pages).
        if (wParam == VK_PRIOR || wParam == VK_NEXT)
            return ZAF_NOT_HANDLED;
        return ZafTextControlKey(this, event);

    case WM_CHAR:
        if (underscoreBlanks && wParam == L' ')
        {
            ZafEventStruct underscore = event;
            underscore.osEvent.wParam = L'_';
            return ZafCallClassProcedure(underscore);
        }
        return ZafCallClassProcedure(event);

    case WM_PASTE:
        if (underscoreBlanks && Registered())
        {
            GetOSText();
            ZafTextControlPasteAsTyping(osWindow, stringData->MaxLength());
            return 0;
        }
        return ZafCallClassProcedure(event);

    case WM_LBUTTONDOWN:
        if (!systemDrawn)
            SetFocus(true);
        return ZafWindowObject::OSEvent(event);

    default:
        return ZafWindowObject::OSEvent(event);
    }
}

// ---- Drawing by the framework -------------------------------------------------

ZafEventType ZafString::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    if (code == ZAF_EV_REDRAW_DATA || code == ZAF_L_SELECT)
        code = ZAF_EV_REDRAW;
    ZafRegionStruct drawRegion = BeginDraw();
    if (border)
        DrawBorder(drawRegion, code);
    DrawBackground(drawRegion, code);
    ZafGdiDisplay *display = DrawDisplay();
    if (display && (code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA))
    {
        ZafRegionStruct textRegion = drawRegion;
        if (border)
        {
            ++textRegion.top;
            if (justification == 0)
                ++textRegion.left;
            else if (justification == 1)
                --textRegion.right;
        }
        display->SetPalette(ResolvePalette(ZAF_PT_TEXT, PaletteState()));
        const ZafIChar *text = stringData->Text();
        std::wstring shown = text ? text : L"";
        if (password)
            shown.assign(shown.size(), L'*');
        display->Text(textRegion.left, textRegion.top, textRegion.right, textRegion.bottom,
            shown.c_str(), -1, justification, 2, -1, false);
    }
    if (focusByParent)
        DrawFocus(drawRegion, code);
    EndDraw();
    return code;
}

void ZafString::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (!ZafFillFieldBackground(palette, type, state))
        ZafWindowObject::ResolveSystemColors(palette, type, state);
}
