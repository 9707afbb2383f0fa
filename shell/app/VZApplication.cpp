// The application object's construction, static texts, program-wide
// objects, splash font and loop overrides.
#include "shell/app/VZApplication.h"

#include <windows.h>

#include <cmath>

#include "domain/scoreboards/QVScoreboards.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/bars/KZStatusBar.h"

const wchar_t *const VZApplication::kProgramTitle = L"Quorvane Training";

VZApplication *VZApplication::application = nullptr;
KRegistry *VZApplication::registry = nullptr;
QVScoreboards *VZApplication::scoreboards = nullptr;
QVZControl *VZApplication::mainControl = nullptr;

namespace {

KZPullDownMenu *gMainMenuBar = nullptr;
KZStatusBar *gMainStatusBar = nullptr;

} // namespace

KZPullDownMenu *KZMainMenuBar() { return gMainMenuBar; }
KZStatusBar *KZMainStatusBar() { return gMainStatusBar; }
KZStatusLine *KZMainStatusLine() { return gMainStatusBar; }
void KZSetMainMenuBar(KZPullDownMenu *menu) { gMainMenuBar = menu; }
void KZSetMainStatusBar(KZStatusBar *bar) { gMainStatusBar = bar; }

VZApplication::VZApplication(int argc, wchar_t **argv, const wchar_t *instanceName)
    : KZApplication(argc, argv),
      operationFailedText(L"Operation failed"),
      errorCaption(L"Error"),
      messageCaption(L"Message")
{
    application = this;
    RegisterSplashFont();
    CountInstance(instanceName);
}

VZApplication::~VZApplication()
{
    StopDdeServer();
    ReleaseSplashFont();
    if (application == this)
        application = nullptr;
}

const KString &VZApplication::VersionString()
{
    static const KString text(L"1.32");
    return text;
}

const KString &VZApplication::VersionSuffixString()
{
    static const KString text;
    return text;
}

const KString &VZApplication::ReleaseDateString()
{
    static const KString text(L"Apr 10 2020");
    return text;
}

const KString &VZApplication::NoticeString()
{
    static const KString text(L"Reaction-time training for sprint starts. All rights reserved.");
    return text;
}

void VZApplication::PublishMainControl(QVZControl *control, ZafWindow *window)
{
    mainControl = control;
    SetMainWindow(window);
    if (!control) {
        KZSetMainMenuBar(nullptr);
        KZSetMainStatusBar(nullptr);
    }
}

// The splash font: Arial at about 10 pixels whatever the display's density.
void VZApplication::RegisterSplashFont()
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display)
        return;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const int pointSize = int(std::ceil(720.0 / (dpi > 0 ? dpi : 96)));
    splashFont = display->CreateOSFont(-1, L"Arial", pointSize, 0, 0);
}

void VZApplication::ReleaseSplashFont()
{
    if (splashFont < 0)
        return;
    if (auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()))
        display->DestroyOSFont(splashFont);
    splashFont = -1;
}

bool VZApplication::GetEvent(ZafEventStruct &event, uint32_t flags)
{
    if (!KZApplication::GetEvent(event, flags))
        return false;
    if (event.type < kCmdScoreboardInitialize || event.type > kCmdScoreboardRefresh)
        return true;
    if (scoreboards) {
        if (event.type == kCmdScoreboardInitialize)
            scoreboards->RequestUpdate();
        else if (event.type == kCmdScoreboardRefresh)
            scoreboards->ReinitializeAll();
    }
    return false;
}

void VZApplication::OperationIdle()
{
    if (ZafWindow *window = MainWindow())
        window->Event(ZafEventStruct(kEvtOperationIdle, 0));
}

bool VZApplication::Idle(int32_t count)
{
    // A command that arrives while a modal window is up waits for the main
    // loop: opening a document behind a dialog (or during the exit query)
    // would act on windows that are being used or closed.
    if (InMainLoopOnly())
        ServePendingCommand();
    return KZApplication::Idle(count);
}
