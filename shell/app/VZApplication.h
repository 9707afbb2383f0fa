#pragma once
// VZApplication: the program's application object. Run performs the whole
// start-up (log, priorities, DDE server, settings and language, framework
// data file, second-copy prompt, module start-ups, domain objects, file
// types, main window), runs the main loop until the user exits and shuts
// down in reverse. It holds the settings and language files' handling, the
// error and alert display and the DDE command server, and publishes the
// program-wide objects. One per process, on the GUI thread; made by the
// entry point, which deletes it after Run.

#include <cstdint>

#include "foundation/streams/KFile.h"
#include "foundation/strings/KString.h"
#include "shell/app/KZApplication.h"

class KRegistry;
class KRString;
class KX;
class KZPullDownMenu;
class KZStatusBar;
class KZStatusLine;
class QVScoreboards;
class QVZControl;
class VZProgramParts;

class VZApplication : public KZApplication
{
public:
    // The program's title: the name of its instance count and DDE service.
    static const wchar_t *const kProgramTitle;   // "Quorvane Training"

    // instanceName names the instance count; programs under another name
    // are counted apart.
    VZApplication(int argc, wchar_t **argv, const wchar_t *instanceName = kProgramTitle);
    ~VZApplication() override;

    static VZApplication *Instance() { return application; }

    // The start-up, the main loop and the shut-down. Answers the exit code:
    // 0 after a normal end or a declined second copy, -1 when the framework
    // data file cannot be opened.
    int Run();

    // Loop overrides: the idle step serves a pending DDE command first (only
    // from the main loop); the event step takes the scoreboard commands.
    bool Idle(int32_t count) override;
    // Between a long operation's steps the main window gets
    // kEvtOperationIdle (a held DDE command still waits for the main loop).
    void OperationIdle() override;
    bool GetEvent(ZafEventStruct &event, uint32_t flags) override;
    // The session ends for good: the settings file is written as at the
    // program's end (not with -noregistry); no document is saved here.
    void SessionEnding() override;

    // Static texts.
    static const KString &VersionString();        // "1.32"
    static const KString &VersionSuffixString();  // shown right after the version
    static const KString &ReleaseDateString();    // "Apr 10 2020"
    static const KString &NoticeString();         // one line for the splash and printouts
    // The display font slot of the splash texts; -1 when none could be made.
    int SplashFont() const { return splashFont; }

    // Overlay mode of the chart (switched by the results window).
    bool IsOverlayMode() const { return overlayMode; }
    void SetOverlayMode(bool on) { overlayMode = on; }

    // ---- Settings, language files and locale (VZApplicationSettings.cpp) ----
    static const wchar_t *const *DefaultsTable();
    static int DefaultsCount();
    // Applies the defaults table and points both data folders at the program folder.
    bool LoadDefaults();
    // Reads the settings file ("cfg" beside the program) when it exists.
    // Throws KXStream when it exists but cannot be read.
    bool LoadSettingsFile();
    // Fills "\Language\Choices\" from the "*.lng" files of the program folder.
    bool ListLanguages();
    // Loads the chosen language file; its unreadable lines are skipped
    // (each logged with the file's name, its line number and why).
    bool LoadLanguageFile();
    // When the language file had unreadable lines: a warning naming the file
    // and the first of them, shown once.
    void WarnAboutLanguageFile();
    // Writes the settings file, without "\Strings\" and "\Language\Choices\".
    // Throws KXStream; the old file then stays whole.
    bool SaveSettingsFile();
    // Rewrites the chosen language file from the texts in memory.
    bool WriteLanguageFile();
    KRString *FindLanguage() const;
    int LanguageIndex() const;
    void SetLanguage(int index);
    bool SettingsLoaded() const { return settingsLoaded != 0; }
    // Set when a settings file exists but could not be read: it is then not
    // overwritten at exit.
    bool SettingsUnreadable() const { return settingsUnreadable; }
    const KFile &DataInFolder() const { return dataInFolder; }
    const KFile &DataOutFolder() const { return dataOutFolder; }
    static bool DataInDirChanged(KRString &node, const KString &text, void *context);
    static bool DataOutDirChanged(KRString &node, const KString &text, void *context);

    // ---- Error and alert display (VZApplicationErrors.cpp) ----
    // The sentence of an error code: its text (or its thousand group's, or
    // the fallback), then " (code[,extra])." (extra < 0: none).
    void ErrorText(int32_t code, int32_t extra, KString &out) const;
    void ShowErrorCode(int32_t code, int32_t extra = -1);
    // The same sentence, then on lines of their own what the error is about
    // (a file, a port and unit) and why, each left out when empty.
    void ShowErrorCode(int32_t code, int32_t extra, const KString &about, const KString &why);
    // An error met on a file: the sentence, the file's full name and the
    // reason when it is known: from the system error in extra (missing, in
    // use, denied, a folder in the way, disk full), else for an open that
    // failed from what stands at the path.
    void ShowFileError(int32_t code, int32_t extra, const KString &file);
    void ShowError(const KString &text);
    void ShowAlert(const KString &caption, const KString &text);
    void ShowMessage(const KString &text);
    void ShowInfo(const KString &caption, const KString &text);
    // Answer the pressed button's result (kDialogAbort, kDialogRetry or
    // kDialogIgnore).
    int32_t AskAbortRetry(const KString &caption, const KString &text);
    int32_t AskAbortRetryIgnore(const KString &caption, const KString &text);
    // Takes the alert texts from the settings.
    void LoadAlertTexts();
    // The caption of error boxes ("Error" until the settings give another).
    const KString &ErrorCaption() const { return errorCaption; }

    // ---- DDE command server (VZApplicationDde.cpp) ----
    // False only when DDE could not start.
    bool StartDdeServer();
    void StopDdeServer();
    bool DdeServing() const { return ddeInstance != 0; }
    // The server's execute step for data of count bytes (wide text, or
    // 8-bit text in the system code page), the text ending at its first NUL
    // or with the data: answers kDdeTaken, kDdeBusy while a command waits,
    // or kDdeRefused (with a log line) for a text over kDdeCommandLimit
    // bytes or an OpenEvent whose file name is over kDdeLongestPath
    // characters, which must not be carried out in part.
    uint32_t AcceptCommand(const void *data, int32_t count, bool wide);
    const KString &PendingCommand() const { return pendingCommand; }
    // Carries out the pending command when the main window exists. The
    // command is taken before it runs, so that one acknowledged while it
    // runs (behind its error box) waits for the next idle pass.
    void ServePendingCommand();

    // ---- Program-wide objects ----
    static KRegistry *Registry() { return registry; }
    // Publishes the settings registry (none withdraws it; the caller owns it).
    static void PublishRegistry(KRegistry *settings) { registry = settings; }
    static QVScoreboards *Scoreboards() { return scoreboards; }
    // Publishes scoreboards made elsewhere (none withdraws them; the caller owns them).
    static void PublishScoreboards(QVScoreboards *boards) { scoreboards = boards; }
    static QVZControl *MainControl() { return mainControl; }
    // The main window publishes and withdraws itself (with its menu and status bars).
    static void PublishMainControl(QVZControl *control, ZafWindow *window);
    // The program's parts for the run (borrowed; none: the application's
    // own steps only).
    void SetParts(VZProgramParts *programParts) { parts = programParts; }

protected:
    void ShowLoopError() override;

private:
    static void RaisePriority();
    int RunSteps();
    unsigned long StartServices();
    bool ConfirmFurtherCopy();
    void InstallSeams();
    void ShutDown();
    void LoadSettings();
    void SaveSettings();
    // SaveSettings unless -noregistry keeps the settings file out.
    void KeepSettings();
    void StartModules();
    void StopModules();
    void CreateDomainObjects();
    void DeleteDomainObjects();
    void RegisterFileTypes();
    void ShowMainWindow();
    int EndRun(int exitCode);
    void RegisterSplashFont();
    void ReleaseSplashFont();
    static bool FolderChanged(KFile &folder, KRString &node, const KString &text);
    static uint32_t RefuseCommand(const KString &why);

    static VZApplication *application;
    static KRegistry *registry;
    static QVScoreboards *scoreboards;
    static QVZControl *mainControl;

    VZProgramParts *parts = nullptr;
    KFile dataInFolder;
    KFile dataOutFolder;
    KString operationFailedText;
    KString errorCaption;
    KString messageCaption;
    uint32_t ddeInstance = 0;
    void *serviceName = nullptr;
    void *topicName = nullptr;
    KString511 pendingCommand;
    uint8_t settingsLoaded = 0;
    int settingsEncoding = 3;
    int languageEncoding = 3;
    KString languageFile;            // the loaded language file's path
    int languageFirstBadLine = 0;    // its first skipped line until warned about; 0: none
    bool settingsUnreadable = false;
    bool overlayMode = false;
    int splashFont = -1;
    bool seamsInstalled = false;
};

// The main window's menu bar and status bar; none before the main window
// exists and after it went.
KZPullDownMenu *KZMainMenuBar();
KZStatusBar *KZMainStatusBar();
// The same status bar as the toolkit's windows and fields reach it.
KZStatusLine *KZMainStatusLine();
void KZSetMainMenuBar(KZPullDownMenu *menu);
void KZSetMainStatusBar(KZStatusBar *bar);
