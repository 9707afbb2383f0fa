#include "framework/windows/ZafErrorReporter.h"

#include <windows.h>

#include "framework/controls/ZafMessageWindow.h"

namespace {

void SystemBeep()
{
    MessageBeep(0);
}

ZafBeepFunction beepFunction = &SystemBeep;

} // namespace

ZafBeepFunction ZafErrorReporter::SetBeep(ZafBeepFunction beep)
{
    ZafBeepFunction previous = beepFunction;
    beepFunction = beep ? beep : &SystemBeep;
    return previous;
}

ZafInt32 ZafErrorReporter::ReportError(ZafWindowManager *, const ZafIChar *title, ZafUInt32 options,
    const ZafIChar *message)
{
    beepFunction();
    // The text is the argument of "%s": a per-cent sign in it stays as it is.
    ZafMessageWindow window(title ? title : L"", HAND_ICON, ZafUInt16(options), ZAF_MESSAGE_OK, L"%s",
        message ? message : L"");
    return window.DoModal(0);
}
