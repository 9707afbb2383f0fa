#pragma once
// QVZControl: the program's main window, "Quorvane Training  v1.32", the
// MDI frame that holds one event window (QVZEventMDI) per open event or
// workout document, with the menu bar of every command, the hardware tool
// bar and the status bar. Its event handler is the first stop of every
// command: it serves the program-wide ones (new and open, block-sensor
// maintenance, scoreboard switches, About and help) and hands the rest to
// the frame, which passes them to the active event window. Made once by the
// start-up after the domain objects; it publishes itself with its menu bar
// and status bar and withdraws when it goes. Owned by the window manager
// once added; GUI thread only.

#include <cstdint>
#include <functional>
#include <memory>

#include "foundation/strings/KString.h"
#include "foundation/values/KRect.h"
#include "imaging/hardware/VZMainWindowHook.h"
#include "shell/toolkit/window/KZControl.h"
#include "ui/event/QVZEventHost.h"
#include "ui/main/QVZScoreboardMessage.h"

// The system headers' OpenEvent macro would rename the operation below.
#undef OpenEvent

class KRInt;
class KSerialPort;
class KZPullDownItem;
class KZPullDownMenu;
class QVZEventMDI;
class QVZStatusBar;
class VZHardwareBar;

class QVZControl : public KZControl, public VZMainWindowHook, public QVZEventHost
{
public:
    QVZControl();
    ~QVZControl() override;

    ZafEventType Event(const ZafEventStruct &event) override;

    // ---- Documents (QVZControlDocuments.cpp) ----
    // A new workout in a new event window; none when refused or failed.
    QVZEventMDI *NewEvent();
    // The window showing the file (none: the user picks one); an open file's
    // window comes to the front. None when cancelled or failed.
    QVZEventMDI *OpenEvent(const KString *fileName);
    // The hardware tool bar's New and Open: the event of the window made or opened.
    QVEvent *NewEventDocument() override;
    QVEvent *OpenEventDocument(const wchar_t *fileName) override;
    // With "\Event\SingleEvent" set, closes every event window after its
    // close query; false when one refused.
    bool CloseEventWindowsIfSingle();
    // An event of the start-list schedule into window (none: a new one);
    // direction 0 asks with the Goto dialog (again, with the typed numbers,
    // while the schedule does not hold them), others step through the list.
    QVZEventMDI *LoadScheduledEvent(int direction, QVZEventMDI *window, int flag);
    // QVZEventHost: LoadScheduledEvent into window with the flag 0; the
    // hardware tool bar's status after a save.
    bool LoadScheduledInto(QVZEventMDI &window, int direction) override;
    void EventSaved(QVZEventMDI &window) override;
    // Leg 0 of every event window's document: selection cleared, results
    // changed, options changed.
    void RefreshCharts();
    void RefreshResults();
    void RefreshOptions();

    // The event window after window (the first with none), skipping other
    // children; the active child when it is an event window.
    QVZEventMDI *NextEventWindow(QVZEventMDI *after) const;
    QVZEventMDI *ActiveEventWindow() const;

    // ---- Options (QVZControlOptions.cpp) ---- Commands kCmdFileOptions to
    // kCmdOptionsPage4: the options dialog on the page of the code (the
    // settings editor for kCmdFileOptions with Ctrl and Shift held), again on
    // the Chart page while the chart's time range is empty, then the refreshes.
    void RunOptions(int32_t code);
    // The scoreboards' free text, kept while the program runs.
    QVZScoreboardMessage &ScoreboardMessage() { return scoreboardMessage; }

    // ---- About and help (QVZControlHelp.cpp) ----
    void ShowAbout();
    // 0 shows the help file's contents, 1 closes the help window; other
    // commands answer false without a call. True when the help system
    // accepted the call.
    bool ShowHelp(int command);
    // The about box's text block.
    static void AboutText(KString &out);
    // "<program folder>\Quorvane_Help.hlp".
    static void HelpFile(KString &out);
    // Makes the given call in place of WinHelp; an empty one
    // restores the system's.
    using HelpCall = std::function<bool(const KString &file, uint32_t command)>;
    static void SetHelpCall(HelpCall call);

    // "Quorvane Training  v" and the version.
    static void Title(KString &out);
    // The window's first place on a screen of that size, before it is
    // maximised: (10, 10), at least 600 x 320, else 3/4 x 3/5 of the screen.
    static KRect InitialRect(int screenWidth, int screenHeight);

    KZPullDownMenu *MenuBar() const { return menuBar; }
    QVZStatusBar *StatusBar() const { return statusBar; }
    KZPullDownItem *WindowMenuItem() const { return windowMenuItem; }
    VZHardwareBar *HardwareBar() const { return hardwareBar; }

private:
    // QVZControlDocuments.cpp: a window for event, made, read or loaded with
    // result; on failure (nonzero) the error is shown, the event deleted and
    // the answer null.
    QVZEventMDI *AddEventWindow(QVEvent *event, int result);
    // The document load makes of window's (none: after the single-event
    // close), shown in window or in a new one; none when nothing came.
    QVZEventMDI *LoadScheduled(QVZEventMDI *window, const std::function<QVEvent *(QVEvent *)> &load);
    // QVZControlMenus.cpp
    void BuildMenus();
    void MenuOpening();
    // QVZControlCommands.cpp
    ZafEventType HardwareBarEvent(const ZafEventStruct &event, ZafEventType code);
    ZafEventType Idle(const ZafEventStruct &event);
    // QVZControlMaintenance.cpp
    void FirmwareLoop();
    void SoundLoop();
    int32_t DeleteAllTrials();
    // The developer chart commands: display modes, the local algorithm's
    // dialog and switch (QVZControlChart.cpp).
    void ChartCommand(int32_t code);
    bool OpenMaintenancePort(const KString &description);

    KZPullDownItem *windowMenuItem = nullptr;
    VZHardwareBar *hardwareBar = nullptr;
    KRInt *singleEvent = nullptr;
    KZPullDownMenu *menuBar = nullptr;
    QVZStatusBar *statusBar = nullptr;
    QVZScoreboardMessage scoreboardMessage;
    std::unique_ptr<KSerialPort> maintenancePort;
};
