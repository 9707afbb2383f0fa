#pragma once
// VZHardwareBar: the main window's tool bar: New, Open and Save buttons for
// event documents, and the stop of a running capture after the user agreed.
// It is the hub view's tool bar while it lives (the view tells it when the
// hub changes). Its bitmaps are read by the module's start-up and deleted by
// its shut-down. Made by the main window and owned by it once added; GUI
// thread only.

#include <cstdint>

#include "domain/ui/QVWindowHooks.h"
#include "imaging/VZHardwareViewPlace.h"
#include "imaging/VZWindowCodes.h"
#include "shell/toolkit/window/VZModuleBitmaps.h"
#include "shell/toolkit/bars/KZToolBar.h"

class KZTBButton;
class QVEvent;
class VHardware;
class VHardwareView;
class VZMainWindowHook;

class VZHardwareBar : public KZToolBar,
                      public QVHardwareWindowHook,
                      public VZModuleBitmaps<kHardwareBarBitmaps> // "New", "Open" and "Save"
{
public:
    // Buttons New (kEvtNewEvent), Open (kEvtOpenEvent) and Save
    // (kEvtSaveEvent), left to right.
    VZHardwareBar(VZMainWindowHook *mainWindow, VHardwareView *view);

    // The idle tick (status at most every 100 ms), New, Open and the stop
    // of a capture; everything else as the tool bar.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The bar shows no state of its own: nothing to draw again.
    void Redisplay() override {}
    using KZToolBar::Redisplay;

    void UpdateStatus() {}
    void Refresh() { Redisplay(); }
    void SetEvent(QVEvent *) { Redisplay(); }
    void Select(QVEvent *) {}
    void HardwareChanged() override { Refresh(); }
    // Starts capture for event (none: the armed event with the latest date
    // and time, the earlier entry on equal times) when no capture runs, the
    // keyboard button is not in use and the event is armed. Nothing happens
    // without an event.
    void StartNewestArmed(QVEvent *event);


private:
    void NewEvent();
    void OpenEvent();
    // False when the user did not agree to stop the running capture.
    bool StopCapture();

    int32_t lastUpdate = 0;
    VZMainWindowHook *mainWindow;
    VHardware *hardware;
    KZTBButton *newButton;
    KZTBButton *openButton;
    KZTBButton *saveButton;
    VZHardwareViewPlace<QVHardwareWindowHook> place{ &VHardwareView::ToolBar, &VHardwareView::SetToolBar };
};
