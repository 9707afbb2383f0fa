// The start-up sequence, the main loop and the shut-down sequence.
#include "shell/app/VZApplication.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/hardware/VHardware.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/ui/QVSettings.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileExtension.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLocaleName.h"
#include "shell/app/KZSplash.h"
#include "shell/app/VZFieldErrors.h"
#include "shell/app/VZProgramParts.h"
#include "shell/app/VZSettingKeys.h"
#include "shell/app/VZUserInterface.h"
#include "shell/toolkit/window/KZFontCache.h"

namespace {

constexpr DWORD kSplashMinimum = 3000;   // ms the start-up lasts at least, from the splash's first paint

// The start-up benchmark measures the start-up work without that fixed
// wait: it sets this variable to the floor it wants (in ms).
DWORD SplashMinimum()
{
    wchar_t text[16] = {};
    if (GetEnvironmentVariableW(L"QUORVANE_SPLASH_FLOOR", text, 16) - 1u < 15u)
        return DWORD(_wtoi(text));
    return kSplashMinimum;
}

std::unique_ptr<VZUserInterface> gUserInterface;
// Tells the user why a field refused an entry (a beep and a message window).
VZFieldErrors gFieldErrors;
KZSplash *gSplash = nullptr;

void ShowSplash(ZafWindowManager *manager)
{
    gSplash = new KZSplash;
    if (manager)
        manager->Add(gSplash);
}

void RemoveSplash(ZafWindowManager *manager)
{
    if (!gSplash)
        return;
    if (manager && manager->Holds(gSplash))
        manager->Subtract(gSplash);
    delete gSplash;
    gSplash = nullptr;
}

// The file beside the program with its name and that extension.
KString ProgramFile(const KFile &program, const wchar_t *extension)
{
    KFile file(program);
    file.SetExtension(extension);
    return file.FullName();
}

} // namespace

int VZApplication::Run()
{
    try {
        return RunSteps();
    } catch (const KX &error) {
        // A failure no step handled itself still ends through the one clean-up.
        ShowErrorCode(error.Code(), error.Extra());
        return EndRun(-1);
    }
}

int VZApplication::RunSteps()
{
    const DWORD started = StartServices();
    KRegistry::InitPrototypes();
    registry = new KRegistry;
    LoadDefaults();
    if (!FindOption(L"-noregistry"))
        LoadSettings();
    LoadAlertTexts();
    if (!OpenDataFile()) {
        ShowFileError(kErrAppResources, -1, ProgramFile(GetProgramFile(), L"zaf"));
        return EndRun(-1);
    }
    WarnAboutLanguageFile();
    if (!ConfirmFurtherCopy())
        return EndRun(0);

    InstallSeams();
    StartModules();
    CreateDomainObjects();
    RegisterFileTypes();
    const DWORD elapsed = GetTickCount() - started;
    const DWORD floor = SplashMinimum();
    if (elapsed < floor)
        Sleep(floor - elapsed);
    RemoveSplash(WindowManager());
    ShowMainWindow();
    // The main loop: runs until the window manager ends the program (kEvtExit).
    Control(nullptr, false);

    ShutDown();
    return EndRun(0);
}

// The log, the priorities, the DDE server, the font cache and the splash; answers the tick count from
// which the start-up's minimum length counts.
DWORD VZApplication::StartServices()
{
    // The foundation names the log and the settings after the program path it asks here.
    KSetApplicationHooks(this);
    KSetProgramLog(new KLog);
    RaisePriority();
    if (!StartDdeServer())
        ShowErrorCode(kErrDdeInit);
    KZInitFontCache();
    ShowSplash(WindowManager());
    Control(nullptr, true);
    return GetTickCount();
}

// A later copy asks whether to go on; true for the first copy or Ok.
bool VZApplication::ConfirmFurtherCopy()
{
    if (InstanceNumber() <= 1)
        return true;
    KString caption(registry->GetText(kKeyAlertCopyTitle));
    caption.AppendChar(L' ').AppendInt(InstanceNumber());
    return Ask(caption, registry->GetText(kKeyAlertCopyText), kButtonOk | kButtonCancel, kButtonCancel,
               kIconQuestion);
}

// The settings, the user interface and the program path as the domain and
// the foundation reach them.
void VZApplication::InstallSeams()
{
    QVSetSettings(registry);
    gUserInterface = std::make_unique<VZUserInterface>(*this);
    QVUserInterface::Install(gUserInterface.get());
    ZafErrorSystem::SetShared(&gFieldErrors);
    seamsInstalled = true;
}

void VZApplication::ShutDown()
{
    if (parts)
        parts->CloseMainWindow(WindowManager());
    DeleteDomainObjects();
    StopModules();
    if ((GetKeyState(VK_CONTROL) & 0x8000) && (GetKeyState(VK_SHIFT) & 0x8000)) {
        try {
            WriteLanguageFile();
        } catch (const KX &error) {
            ShowFileError(error.Code(), error.Extra(), languageFile);
        }
    }
    KeepSettings();
}

void VZApplication::SessionEnding()
{
    KeepSettings();
}

void VZApplication::KeepSettings()
{
    if (!FindOption(L"-noregistry"))
        SaveSettings();
}

void VZApplication::RaisePriority()
{
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

void VZApplication::LoadSettings()
{
    try {
        LoadSettingsFile();
    } catch (const KX &) {
        // The file is there but cannot be read: keep it as it is at the end.
        settingsUnreadable = true;
        ShowFileError(kErrConfigLoad, -1, ProgramFile(GetProgramFile(), L"cfg"));
    }
    ListLanguages();
    if (!SettingsLoaded())
        if (KRString *choice = registry->GetString(kKeyLanguageChoice))
            choice->SetValue(LocaleName());
    LoadLanguageFile();
}

void VZApplication::SaveSettings()
{
    if (settingsUnreadable) {
        if (KLog *log = KProgramLog())
            log->Warning(KString(L"VZApplication::Run: the unreadable settings file is left as it was"));
        return;
    }
    try {
        SaveSettingsFile();
    } catch (const KX &) {
        ShowFileError(kErrConfigSave, -1, ProgramFile(GetProgramFile(), L"cfg"));
    }
}

// The program's modules, in the order its composition gives.
void VZApplication::StartModules()
{
    if (parts)
        parts->StartModules();
}

void VZApplication::StopModules()
{
    if (parts)
        parts->StopModules();
}

void VZApplication::CreateDomainObjects()
{
    new VHardware;
    auto *schedule = new QVSchedule;
    QVSchedule::SetInstance(schedule);
    schedule->ApplySettings();
    QVBlockSensors::SetGlobal(new QVBlockSensors);
    scoreboards = QVScoreboards::Create();
}

void VZApplication::DeleteDomainObjects()
{
    delete scoreboards;
    scoreboards = nullptr;
    QVSchedule *schedule = QVSchedule::Instance();
    QVSchedule::SetInstance(nullptr);
    delete schedule;
    delete VHardware::Instance();
    QVBlockSensors *link = QVBlockSensors::Global();
    QVBlockSensors::SetGlobal(nullptr);
    delete link;
}

void VZApplication::RegisterFileTypes()
{
    static const struct
    {
        const wchar_t *extension;
        const wchar_t *key;
    } kTypes[] = {
        { L"jpg", L"\\Strings\\FileTypes\\JPEG" },    { L"tga", L"\\Strings\\FileTypes\\Targa" },
        { L"wav", L"\\Strings\\FileTypes\\Sound" },   { L"img", L"\\Strings\\FileTypes\\ROMImage" },
        { L"txt", L"\\Strings\\FileTypes\\Text" },    { L"qve", L"\\Strings\\FileTypes\\Event" },
        { L"qvw", L"\\Strings\\FileTypes\\Workout" },
    };
    // Added in the reverse order: the workout type comes first in the list.
    for (int i = int(sizeof kTypes / sizeof kTypes[0]) - 1; i >= 0; --i)
        if (!KFileExtension::Find(KString(kTypes[i].extension)))
            new KFileExtension(KString(kTypes[i].extension), registry->GetText(kTypes[i].key));
}

void VZApplication::ShowMainWindow()
{
    if (parts)
        parts->ShowMainWindow(WindowManager());
}

// The one way out of Run, whatever the step it ends at.
int VZApplication::EndRun(int exitCode)
{
    RemoveSplash(WindowManager());
    KZFreeFontCache();
    if (seamsInstalled) {
        ZafErrorSystem::SetShared(nullptr);
        QVUserInterface::Install(nullptr);
        gUserInterface.reset();
        QVSetSettings(nullptr);
        seamsInstalled = false;
    }
    delete registry;
    registry = nullptr;
    KRegistry::FreePrototypes();
    KZSetMainStatusBar(nullptr);
    KLog *log = KProgramLog();
    KSetProgramLog(nullptr);
    delete log;
    KSetApplicationHooks(nullptr);
    return exitCode;
}
