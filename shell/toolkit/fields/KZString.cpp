#include "shell/toolkit/fields/KZString.h"

#include <windows.h>

#include "domain/timing/VRaceTime.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr int kTimeTextLength = 31;

} // namespace

KZString::KZString(int left, int top, int width, const wchar_t *text, int maxLength)
    : ZafString(left, top, width, text, maxLength), KZWindowObjectLeech(this)
{
}

KZString::KZString(int left, int top, int width, ZafStringData *text)
    : ZafString(left, top, width, text), KZWindowObjectLeech(this)
{
}

KZString::KZString(const KRect &rect, const wchar_t *text, int maxLength)
    : ZafString(rect.left, rect.top, rect.Width(), text, maxLength), KZWindowObjectLeech(this), fromRect(true),
      rect(rect)
{
    ZafRegionStruct cover = Region();
    cover.bottom = rect.bottom;
    SetRegion(cover);
}

ZafEventType KZString::Event(const ZafEventStruct &event)
{
    // Ctrl+A takes the whole text, as in every Windows field; the edit
    // control itself does not know the key everywhere.
    if (event.osEvent.message == WM_KEYDOWN && event.osEvent.wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) &&
        !(GetKeyState(VK_MENU) & 0x8000) && OSWindow()) {
        SelectAll();
        return 0;
    }
    return KZLeechThenBase<ZafString>(*this, event);
}

bool KZString::GetTime(int32_t &milliseconds)
{
    const wchar_t *text = Text();
    if (!text)
        return false;
    int length = 0;
    while (length < kTimeTextLength && text[length])
        ++length;
    VRaceTime time;
    if (!time.Parse(text, length) || !time.IsValid())
        return false;
    milliseconds = time.Milliseconds();
    return true;
}

void KZString::SetTime(int32_t milliseconds, int64_t resolution)
{
    const VRaceTime time(milliseconds, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
    KString text;
    time.Format(text, resolution ? resolution : VRaceTime::kTenth);
    SetText(text.CStr());
}

void KZString::SelectAll()
{
    HWND edit = static_cast<HWND>(OSWindow());
    if (!edit || !OwnOSWindow())
        return;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}
