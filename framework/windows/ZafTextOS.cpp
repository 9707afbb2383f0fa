// ZafText on Windows: the multi-line "EDIT" control (or a framework window
// that draws the text word-wrapped), the caret, the text travelling between
// the control and the data, and the field's events and raw messages.
#include <windows.h>

#include <algorithm>

#include "framework/controls/ZafText.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafTextControl.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafSystemColors.h"

namespace {

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

} // namespace

void ZafText::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN
        | ZafControlStateStyle(this);
    DWORD exStyle = 0;
    if (HorizontalScrollBar())
        style |= WS_HSCROLL;
    if (VerticalScrollBar())
        style |= WS_VSCROLL;
    if (border && systemDrawn)
        ZafAddControlBorder(ZafMSWindowsApp::NativeThreeDControls(), style, exStyle);
    if (!systemDrawn)
    {
        osWindow = CreateOSWindow(this, nullptr, style, nullptr, nullptr, exStyle);
        return;
    }
    if (!wordWrap)
        style |= ES_AUTOHSCROLL;
    if (justification == 1)
        style |= ES_RIGHT;
    else if (justification == 2)
        style |= ES_CENTER;
    if (viewOnly)
        style |= ES_READONLY;
    osWindow = CreateOSWindow(this, L"EDIT", style, nullptr, nullptr, exStyle);
    if (!osWindow)
        return;
    ZafTextControlSetFont(this);
    ZafTextControlSetLimit(osWindow, stringData->MaxLength());
    // Filling the control is no change by the user.
    bool changed = selectionChanged;
    UpdateOSListItem();
    selectionChanged = changed;
}

ZafEventType ZafText::UpdateOSListItem()
{
    if (unanswered && stringData->Length() > 0)
        stringData->Clear();
    if (!RealControl())
        Event(ZafEventStruct(ZAF_EV_REDRAW_DATA, 0));
    else
        ZafTextControlWrite(osWindow, stringData);
    return 0;
}

void ZafText::GetOSText()
{
    if (!RealControl())
        return;
    ZafTextControlReadField(this, osWindow, stringData);
}

// ---- The caret ----------------------------------------------------------------

int ZafText::CursorPosition() const
{
    if (!RealControl())
        return 0;
    DWORD start = 0, end = 0;
    Send(osWindow, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return int(start);
}

ZafTextPosition ZafText::CursorRowColumn() const
{
    ZafTextPosition position = { 0, 0, 0 };
    if (!RealControl())
        return position;
    int start = CursorPosition();
    position.line = int(Send(osWindow, EM_LINEFROMCHAR, WPARAM(start)));
    position.column = start - int(Send(osWindow, EM_LINEINDEX, WPARAM(position.line)));
    return position;
}

ZafError ZafText::SetCursorPosition(int position)
{
    if (!RealControl())
        return 8;
    ZafTextControlSelect(osWindow, position, position);
    return 0;
}

ZafError ZafText::SetCursorRowColumn(int column, int line)
{
    if (!RealControl())
        return 8;
    int lines = int(Send(osWindow, EM_GETLINECOUNT));
    int position;
    if (line < 0 || line >= lines)
        position = int(Send(osWindow, WM_GETTEXTLENGTH));
    else
    {
        int first = int(Send(osWindow, EM_LINEINDEX, WPARAM(line)));
        int length = int(Send(osWindow, EM_LINELENGTH, WPARAM(first)));
        position = first + std::max(0, std::min(column, length));
    }
    return SetCursorPosition(position);
}

bool ZafText::SetWordWrap(bool value)
{
    wordWrap = value;
    if (!Registered())
        return wordWrap;
    GetOSText();   // what the user typed survives the new control
    ZafOSWindow parentWindow = parent ? parent->OSWindow() : nullptr;
    if (parentWindow)
    {
        UpdateWindow(Handle(parentWindow));
        Send(parentWindow, WM_SETREDRAW, FALSE);
    }
    Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    if (parentWindow && parent->AutomaticUpdate(true))
        Send(parentWindow, WM_SETREDRAW, TRUE);
    Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return wordWrap;
}

// ---- Events -------------------------------------------------------------------

ZafEventType ZafText::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_CUT:
    case ZAF_EV_PASTE:
    case ZAF_EV_COPY:
        if (RealControl())
            ZafTextControlClipboard(osWindow, type);
        return type;
    case ZAF_EV_FOCUS_LOST:
        GetOSText();
        return ZafWindowObject::Event(event);
    case ZAF_EV_FOCUS_GAINED:
        if (autoSelect && RealControl())
            ZafTextControlAutoSelect(this, osWindow);
        return ZafWindowObject::Event(event);
    case ZAF_EV_MAY_LEAVE:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        if (answer == 0 || answer == 12)
            unanswered = false;
        if (answer == 12)
            invalid = true;
        return answer;
    }
    case ZAF_EV_ADD_OBJECT:
    case ZAF_EV_SUBTRACT_OBJECT:
        return ZafWindow::Event(event);
    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafText::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    if (designMode && event.InputClass() == ZAF_INPUT_MOUSE)
        return ZafWindowObject::Event(event);
    switch (message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
        if (RealControl())
            return ZafCallClassProcedure(event);
        return ZafWindowObject::OSEvent(event);
    case WM_WINDOWPOSCHANGED:
        return ZafWindow::OSEvent(event);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return ZafTextControlKey(this, event);
    case WM_CHAR:
        return ZafCallClassProcedure(event);
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE)
        {
            SetSelectionChanged(true);
            SetUnanswered(false);
        }
        return ZafEventType(message);
    default:
        return ZafWindowObject::OSEvent(event);
    }
}

// ---- Drawing by the framework -------------------------------------------------

ZafEventType ZafText::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    if (code == ZAF_EV_REDRAW_DATA)
        code = ZAF_EV_REDRAW;
    ZafRegionStruct drawRegion = BeginDraw();
    ZafGdiDisplay *display = DrawDisplay();
    if (border)
        DrawBorder(drawRegion, code);
    DrawBackground(drawRegion, code);
    if (display && display->DeviceContext() && (code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA))
    {
        display->SetPalette(ResolvePalette(ZAF_PT_TEXT, PaletteState()));
        HDC context = display->DeviceContext();
        int oldMode = SetBkMode(context, TRANSPARENT);
        RECT rect = { drawRegion.left + 1, drawRegion.top + 1, drawRegion.right + 1, drawRegion.bottom + 1 };
        const ZafIChar *text = stringData->Text() ? stringData->Text() : L"";
        if (ZafMSWindowsApp::Ansi())
        {
            char *local = ZafNewLocalText(text);
            DrawTextA(context, local ? local : "", -1, &rect, DT_WORDBREAK);
            delete[] local;
        }
        else
            DrawTextW(context, text, -1, &rect, DT_WORDBREAK);
        SetBkMode(context, oldMode);
    }
    EndDraw();
    return code;
}

void ZafText::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (type != ZAF_PT_BACKGROUND)
    {
        ZafWindowObject::ResolveSystemColors(palette, type, state);
        return;
    }
    ZafFillSystemColors(palette, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW));
}
