// The main window's menu bar and the states of its own entries.
#include <iterator>

#include "domain/schedule/QVSchedule.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"

namespace {

constexpr int32_t kSeparator = 0;

// One entry: its command (kSeparator for a separator) and its key in the
// menu's settings group, or the literal label of a developer entry.
struct Entry
{
    int32_t command;
    const wchar_t *key;
};

struct Menu
{
    const wchar_t *group;
    const Entry *entries;
    size_t count;
};

const Entry kFile[] = {
    { kCmdFileNew, L"New" }, { kCmdFileOpen, L"Open" }, { kEvtCloseWindow, L"CloseWindow" },
    { kCmdFileSave, L"Save" }, { kCmdFileSaveAs, L"SaveAs" }, { kCmdFileSaveQit, L"SaveQIT" },
    { kSeparator, nullptr }, { kCmdSchedulePrevious, L"SchedulePrev" }, { kCmdScheduleGoto, L"ScheduleGoto" },
    { kCmdScheduleNext, L"ScheduleNext" },
    { kSeparator, nullptr }, { kCmdFileOptions, L"Options" }, { kSeparator, nullptr }, { kEvtExit, L"Exit" },
};
const Entry kChart[] = {
    { kCmdOverlayMode, L"OverlayMode" }, { kCmdOverlayClear, L"OverlayClear" }, { kSeparator, nullptr },
    { kCmdChartOptions, L"Options" }, { kSeparator, nullptr }, { kCmdChartPrinterSetup, L"PrinterSetup" },
    { kCmdChartPrint, L"Print" }, { kCmdChartExportBitmap, L"ExportBitmap" },
};
const Entry kChartDevel[] = {
    { kSeparator, nullptr },
    { kCmdChartShowData, L"Show Data..." },
    { kSeparator, nullptr },
    { kCmdChartRawX, L"Raw X Only" },
    { kCmdChartRawY, L"Raw Y Only" },
    { kCmdChartFilteredX, L"Filtered X Only" },
    { kCmdChartFilteredY, L"Filtered Y Only" },
    { kCmdChartSummedXY, L"Summed X and Y" },
    { kSeparator, nullptr },
    { kCmdChartLocalAlgorithmSettings, L"Modify Local Algorithm Settings..." },
    { kCmdChartLocalAlgorithmShow, L"Show Local Algorithm Reaction Time" },
};
const Entry kResults[] = {
    { kCmdResultsAddTimes, L"AddQuorvanes" }, { kCmdResultsDownloadTraces, L"DownloadTraces" },
    { kCmdResultsDeleteTrial, L"DeleteTrial" }, { kSeparator, nullptr },
    { kCmdResultsPrinterSetup, L"PrinterSetup" }, { kCmdResultsPrint, L"Print" },
};
const Entry kHardware[] = {
    { kCmdHardwareDeleteTrials, L"Delete" }, { kSeparator, nullptr },
    { kCmdHardwareUpdateFirmware, L"UpdateFirmware" }, { kCmdHardwareLoadAudio, L"LoadAudio" },
    { kSeparator, nullptr }, { kCmdHardwareOptions, L"Options" },
};
const Entry kScoreboard[] = {
    { kCmdScoreboardInitialize, L"Initialize" }, { kCmdScoreboardRefresh, L"Refresh" }, { kSeparator, nullptr },
    { kCmdScoreboardTimeOfDay, L"TimeOfDay" }, { kCmdScoreboardTimeOfDay24Hour, L"TimeOfDay24Hour" },
    { kCmdScoreboardEditMessage, L"EditMessage" }, { kCmdScoreboardSendMessage, L"SendMessage" },
    { kSeparator, nullptr }, { kCmdScoreboardOptions, L"Options" },
};
const Entry kWindow[] = {
    { kCmdWindowCascade, L"Cascade" }, { kCmdWindowTileHoriz, L"TileHoriz" }, { kCmdWindowTileVert, L"TileVert" },
    { kSeparator, nullptr },
};
const Entry kHelp[] = {
    { kCmdHelpContents, L"Contents" }, { kSeparator, nullptr }, { kCmdHelpAbout, L"About" },
};

const Menu kMenus[] = {
    { L"File", kFile, std::size(kFile) },
    { L"Chart", kChart, std::size(kChart) },
    { L"Results", kResults, std::size(kResults) },
    { L"Hardware", kHardware, std::size(kHardware) },
    { L"Scoreboard", kScoreboard, std::size(kScoreboard) },
    { L"Window", kWindow, std::size(kWindow) },
    { L"Help", kHelp, std::size(kHelp) },
};

// The program's own entries, enabled whenever a menu opens.
const int32_t kAlwaysEnabled[] = {
    kCmdHardwareUpdateFirmware, kCmdHardwareLoadAudio, kCmdHardwareOptions, kCmdHardwareDeleteTrials,
    kCmdChartOptions, kCmdFileNew, kCmdFileOpen, kCmdHelpAbout, kCmdHelpContents, kCmdFileOptions,
    kCmdOptionsPage4, kCmdScoreboardOptions,
};
// ... and these while there are scoreboards.
const int32_t kScoreboardEntries[] = {
    kCmdScoreboardInitialize, kCmdScoreboardRefresh, kCmdScoreboardTimeOfDay, kCmdScoreboardTimeOfDay24Hour,
    kCmdScoreboardEditMessage, kCmdScoreboardSendMessage,
};

// The text of "\Strings\MenuBar\<group>\<key>".
const wchar_t *MenuText(const wchar_t *group, const wchar_t *key)
{
    KString path(L"\\Strings\\MenuBar\\");
    path.Append(group).Append(L"\\").Append(key);
    return KZSettingText(path.CStr()).CStr();
}

void AddEntries(KZPullDownItem *menu, const Menu &table, const Entry *entries, size_t count, bool literal)
{
    for (size_t i = 0; i < count; ++i) {
        const Entry &entry = entries[i];
        if (entry.command == kSeparator)
            KZAddToMenu(menu, new KZPopUpItem(KZPopUpItem::kSeparator));
        else if (literal)
            KZAddToMenu(menu, new KZPopUpItem(entry.command, entry.key, 0));
        else
            KZAddToMenu(menu, new KZPopUpItem(entry.command, MenuText(table.group, entry.key), 0));
    }
}

bool DeveloperMode()
{
    KZApplication *app = KZApplication::Instance();
    return app && app->FindOption(L"-devel");
}

} // namespace

void QVZControl::BuildMenus()
{
    for (const Menu &table : kMenus) {
        auto *menu = new KZPullDownItem(MenuText(table.group, L"Title"));
        AddEntries(menu, table, table.entries, table.count, false);
        if (table.entries == kChart && DeveloperMode())
            AddEntries(menu, table, kChartDevel, std::size(kChartDevel), true);
        menuBar->Add(menu);
        if (table.entries == kWindow)
            windowMenuItem = menu;
    }
    SetWindowMenu(windowMenuItem);
}

void QVZControl::MenuOpening()
{
    if (!menuBar)
        return;
    for (int32_t code : kAlwaysEnabled)
        menuBar->EnableItem(code, true);
    if (const QVSchedule *schedule = QVSchedule::Instance()) {
        menuBar->EnableItem(kCmdSchedulePrevious, schedule->Offers(-1));
        menuBar->EnableItem(kCmdScheduleGoto, schedule->Offers(0));
        menuBar->EnableItem(kCmdScheduleNext, schedule->Offers(1));
    }
    QVScoreboards *scoreboards = VZApplication::Scoreboards();
    if (!scoreboards)
        return;
    for (int32_t code : kScoreboardEntries)
        menuBar->EnableItem(code, true);
    menuBar->CheckItem(kCmdScoreboardTimeOfDay, scoreboards->TimeOfDay());
    menuBar->CheckItem(kCmdScoreboardTimeOfDay24Hour, scoreboards->Use24Hour());
}
