// The main window's About box and help file.
#include <windows.h>

#include "foundation/comm/KZOSText.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/app/VZSettingKeys.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "ui/main/QVZControl.h"

namespace {

constexpr uint32_t kHelpQuit = 2;       // HELP_QUIT
constexpr uint32_t kHelpContents = 3;   // HELP_CONTENTS

QVZControl::HelpCall &InstalledHelpCall()
{
    static QVZControl::HelpCall call;
    return call;
}

// The help engine's own report of a missing file may not come at all (no
// engine installed), so the program says which file it looked for.
void ReportMissingHelpFile(const KString &file)
{
    VZApplication *app = VZApplication::Instance();
    if (!app)
        return;
    KString text(KZSettingText(kKeyAlertNoHelpFile));
    text.Append(L"\r\n").Append(file);
    app->ShowAlert(KZSettingText(kKeyAlertMessage), text);
}

bool SystemHelp(HWND frame, const KString &file, uint32_t command)
{
    if (command == kHelpContents && !KFile(file.CStr()).Exists()) {
        ReportMissingHelpFile(file);
        return false;
    }
    KZOSText ansi(file);
    if (ansi.GetText())
        return WinHelpA(frame, ansi.GetText(), command, 0) != FALSE;
    return WinHelpW(frame, file.CStr(), command, 0) != FALSE;
}

} // namespace

void QVZControl::SetHelpCall(HelpCall call)
{
    InstalledHelpCall() = std::move(call);
}

void QVZControl::HelpFile(KString &out)
{
    KFile file;
    if (KZApplication *app = KZApplication::Instance())
        file = app->GetProgramFile();
    file.SetName(KString(L"Quorvane_Help.hlp"), true);
    out.Append(file.FullName());
}

bool QVZControl::ShowHelp(int command)
{
    uint32_t helpCommand;
    if (command == 0)
        helpCommand = kHelpContents;
    else if (command == 1)
        helpCommand = kHelpQuit;
    else
        return false;
    KString file;
    HelpFile(file);
    if (InstalledHelpCall())
        return InstalledHelpCall()(file, helpCommand);
    return SystemHelp(static_cast<HWND>(OSHandle(2)), file, helpCommand);
}

void QVZControl::AboutText(KString &out)
{
    out.Append(L"\r\n");
    out.Append(KZSettingText(L"\\Strings\\About\\Version")).Append(L"  ").Append(VZApplication::VersionString());
    out.Append(L"\r\n");
    out.Append(KZSettingText(L"\\Strings\\About\\Released")).Append(L"  ").Append(VZApplication::ReleaseDateString());
    out.Append(L"\r\n");
}

void QVZControl::ShowAbout()
{
    KString caption;
    caption.Append(KZSettingText(L"\\Strings\\About\\Title")).Append(L" ").Append(VZApplication::kProgramTitle);
    KString text;
    AboutText(text);
    KZDialog about(caption.CStr(), kButtonOk, kButtonOk);
    about.AddText(text.CStr());
    about.DoModal();
}
