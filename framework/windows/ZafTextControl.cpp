// Helpers shared by the text-bearing controls on Windows.
#include "framework/windows/ZafTextControl.h"

#include <vector>

#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

} // namespace

void ZafTextControlSetFont(ZafWindowObject *object)
{
    ZafPaletteStruct text = object->ResolvePalette(ZAF_PT_TEXT, ZAF_PS_ENABLED | ZAF_PS_ROOT_CURRENT);
    ZafGdiDisplay *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display)
        return;
    HFONT font = display->FontAt(ZafDisplay::ValidFontIndex(text.font) ? text.font : 1);
    Send(object->OSWindow(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void ZafTextControlSetLimit(ZafOSWindow control, int maximumLength)
{
    Send(control, EM_LIMITTEXT, WPARAM(maximumLength < 0 ? 0 : maximumLength));
}

void ZafTextControlWrite(ZafOSWindow control, const ZafStringData *data, const ZafIChar *text)
{
    if (!text)
        text = data && data->Text() ? data->Text() : L"";
    if (ZafMSWindowsApp::Ansi())
    {
        char *local = ZafNewLocalText(text);
        Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(local ? local : ""));
        delete[] local;
    }
    else
        Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void ZafTextControlRead(ZafOSWindow control, ZafStringData *data)
{
    int length = int(Send(control, WM_GETTEXTLENGTH));
    if (length < 0)
        length = 0;
    if (ZafMSWindowsApp::Ansi())
    {
        std::vector<char> buffer(size_t(length) + 1, 0);
        Send(control, WM_GETTEXT, WPARAM(length + 1), reinterpret_cast<LPARAM>(buffer.data()));
        ZafIChar *wide = ZafNewWideText(buffer.data());
        if (!data->Text() || data->Compare(wide ? wide : L"") != 0)
            data->SetLocalText(buffer.data());
        delete[] wide;
        return;
    }
    std::vector<ZafIChar> buffer(size_t(length) + 1, 0);
    Send(control, WM_GETTEXT, WPARAM(length + 1), reinterpret_cast<LPARAM>(buffer.data()));
    if (!data->Text() || data->Compare(buffer.data()) != 0)
        data->SetText(buffer.data());
}

void ZafTextControlReadField(ZafWindowObject *field, ZafOSWindow control, ZafStringData *data)
{
    data->SetNotificationValue(field, 0);
    ZafTextControlRead(control, data);
    data->SetNotificationValue(field, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
}

bool ZafTextControlKeepsKey(WPARAM key)
{
    const UINT character = MapVirtualKeyW(UINT(key), 2) & 0xFFFF;
    return (character >= L'0' && character <= L'9') || (character >= L'A' && character <= L'Z')
        || (key >= VK_NUMPAD0 && key <= VK_DIVIDE) || (key >= VK_SPACE && key <= VK_DOWN) || key == VK_BACK;
}

ZafEventType ZafTextControlKey(ZafWindowObject *object, const ZafEventStruct &event)
{
    if (event.osEvent.wParam == VK_TAB)
        return ZAF_NOT_HANDLED;
    ZafEventType answer = object->ZafWindowObject::OSEvent(event);
    if (answer != ZAF_NOT_HANDLED)
        return answer;
    return ZafTextControlKeepsKey(event.osEvent.wParam) ? 0 : ZAF_NOT_HANDLED;
}

void ZafTextControlSelect(ZafOSWindow control, int start, int end)
{
    Send(control, EM_SETSEL, WPARAM(start), LPARAM(end));
    Send(control, EM_SCROLLCARET);
}

void ZafTextControlAutoSelect(ZafWindowObject *object, ZafOSWindow control)
{
    ZafWindowManager *manager = ZafWindowManager::Shared();
    if (manager && manager->inactiveFocusObject == object)
        return;
    ZafTextControlSelect(control, 0, -1);
}

void ZafTextControlClipboard(ZafOSWindow control, ZafEventType type)
{
    Send(control, type == ZAF_EV_CUT ? WM_CUT : type == ZAF_EV_COPY ? WM_COPY : WM_PASTE);
}

int ZafTextControlPasteAsTyping(ZafOSWindow control, int maximumLength)
{
    const bool ansi = ZafMSWindowsApp::Ansi();
    int room = -1;
    if (maximumLength >= 0)
    {
        DWORD start = 0, end = 0;
        Send(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        int length = int(Send(control, WM_GETTEXTLENGTH));
        int selection = end > start ? int(end - start) : 0;
        room = maximumLength - (length - selection);
        if (room <= 0)
            return 0;
    }
    if (!OpenClipboard(Handle(control)))
        return 0;
    int fed = 0;
    HANDLE data = GetClipboardData(ansi ? CF_TEXT : CF_UNICODETEXT);
    if (const void *locked = data ? GlobalLock(data) : nullptr)
    {
        // A whole copy first: typing may reach code that uses the clipboard.
        std::vector<ZafIChar> characters;
        if (ansi)
            for (const unsigned char *c = static_cast<const unsigned char *>(locked); *c; ++c)
                characters.push_back(*c);
        else
            for (const ZafIChar *c = static_cast<const ZafIChar *>(locked); *c; ++c)
                characters.push_back(*c);
        GlobalUnlock(data);
        CloseClipboard();
        for (ZafIChar c : characters)
        {
            if (room >= 0 && fed >= room)
                break;
            if (c < 0x20)
                continue;
            Send(control, WM_CHAR, WPARAM(c), 1);
            ++fed;
        }
        return fed;
    }
    CloseClipboard();
    return fed;
}
