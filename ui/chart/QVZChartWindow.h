#pragma once
// QVZChartWindow: the chart pane's frame inside an event window: a tool bar
// with the trial's caption, Print, Maximize/Restore and the five line
// toggles (Set, Gun, Legal, Reaction, Power), above the chart pane. The
// leg's chart view calls its QVChartWindowHook operations when the results
// selection or the data change. The thirteen tool-bar bitmaps are made by
// Startup and deleted by Shutdown. Owned by its event window; GUI thread only.

#include "domain/ui/QVWindowHooks.h"
#include "shell/toolkit/window/KZWindow.h"

class KZGeomMgr;
class KZTBButton;
class KZToolBar;
class QVChart;
class QVChartView;
class QVZChartHost;
class QVZChartPane;
class QVZChartTrials;
class ZafBitmapData;

class QVZChartWindow : public KZWindow, public QVChartWindowHook
{
public:
    // host: the window that holds this one (none: no host); view may be none.
    QVZChartWindow(QVZChartHost *host, QVChartView *view);
    ~QVZChartWindow() override;

    // Line toggles, Maximize/Restore; menu opening and the pane's commands
    // (kCmdChartExportBitmap .. kCmdChartPrint) go to the pane.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Makes this window its host's current chart window.
    virtual void RegisterWithEventWindow();

    // Attaches a chart view (none detaches) to the window and its pane.
    void SetView(QVChartView *view);
    QVChartView *View() const { return view; }

    // QVChartWindowHook
    void UpdateButtons(bool redisplay) override;
    void Update(const KPoint &selection) override;
    void ShowChartData() override;
    void Clear() override;
    void RefreshFrame() override;

    // Where the pane finds its trials: the one set here, else the host's.
    QVZChartTrials *Trials() const;
    void SetTrials(QVZChartTrials *source) { trials = source; }

    QVZChartPane *Pane() const { return pane; }
    KZToolBar *ToolBar() const { return toolBar; }
    bool IsMaximized() const { return maximized != 0; }
    // The tool-bar button that sends code; none when it is not on the bar.
    KZTBButton *Button(int code) const;

    // The named tool-bar bitmap ("Print", "MaximizeChart", "HideGunLine" ...);
    // none for another name or outside Startup..Shutdown.
    static ZafBitmapData *Bitmap(const wchar_t *name);

    static void Startup();
    static void Shutdown();

private:
    void ToggleLine(int code);
    bool SetLineAllowed();
    void Replot();
    void ResizeInEventWindow(bool maximize);

    QVZChartHost *host;   // not owned; outlives this window
    QVZChartTrials *trials = nullptr;   // not owned; before the host's
    QVChart *chart = nullptr;
    QVChartView *view = nullptr;
    QVZChartPane *pane = nullptr;
    KZToolBar *toolBar = nullptr;
    KZGeomMgr *geometry = nullptr;
    unsigned char maximized = 0;
    KZTBButton *printButton = nullptr;
    KZTBButton *sizeButton = nullptr;
    KZTBButton *lineButtons[5] = {};
};
