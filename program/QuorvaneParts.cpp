#include "program/QuorvaneParts.h"

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/event/QVEvent.h"
#include "domain/hardware/QVSerialPort.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResultsView.h"
#include "domain/resultslink/QVResultsLink.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/timing/VGray15.h"
#include "domain/timing/VLeg.h"
#include "domain/timing/VRaceTime.h"
#include "domain/timing/VWind.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KSocket.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "imaging/image/VImage.h"
#include "imaging/startup/VZWindowModules.h"
#include "imaging/store/VImageFrame.h"
#include "shell/app/VZApplication.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZEventWindow.h"
#include "ui/main/QVZAudioDialog.h"
#include "ui/main/QVZControl.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"

void QuorvaneParts::StartModules()
{
    VBuildGray15Table();
    KSerialPort::EnumeratePorts();
    KSocketStartup();
    VRaceTime::LoadSeparators();
    QVEvent::Startup();
    QVBlockSensors::Startup();
    VWind::Startup();
    QVResult::Startup();
    VImageFrame::Startup();
    VImage::Startup();
    QVSchedule::Startup();
    QVScoreboards::ListScripts();
    QVSerialPort::Startup();
    QVResultsView::Startup();
    QVZEventWindow::Startup();
    QVZResultsWindow::Startup();
    QVZResultsPane::Startup();
    QVZChartWindow::Startup();
    QVZChartPane::Startup();
    VZWindowModules::Startup();
    QVZEventMDI::Startup();
    QVZAudioDialog::Startup();
}

void QuorvaneParts::StopModules()
{
    QVZAudioDialog::Shutdown();
    QVZEventMDI::Shutdown();
    VZWindowModules::Shutdown();
    QVZChartPane::Shutdown();
    QVZChartWindow::Shutdown();
    QVZResultsPane::Shutdown();
    QVZResultsWindow::Shutdown();
    QVZEventWindow::Shutdown();
    QVResultsView::Shutdown();
    QVSerialPort::Shutdown();
    QVScoreboards::ForgetScripts();
    QVSchedule::Shutdown();
    QVResultsLink::Shutdown();
    VImage::Shutdown();
    VImageFrame::Shutdown();
    QVResult::Shutdown();
    VWind::Shutdown();
    QVBlockSensors::Shutdown();
    QVEvent::Shutdown();
    KSocketCleanup();
    KSerialPort::ForgetPorts();
}

void QuorvaneParts::ShowMainWindow(ZafWindowManager *manager)
{
    auto *control = new QVZControl;
    if (manager) {
        manager->Add(control);
        manager->SetMainWindow(control->OSWindow());
    }
}

void QuorvaneParts::CloseMainWindow(ZafWindowManager *manager)
{
    QVZControl *control = VZApplication::MainControl();
    if (!control)
        return;
    // The window manager deletes the main window when it closes it; one
    // still standing goes now, before the objects it shows.
    if (manager && manager->Holds(control))
        manager->Subtract(control);
    delete control;
}

void QuorvaneParts::OpenEventFile(const KString &path)
{
    KString file(path);
    if (QVZControl *control = VZApplication::MainControl())
        if (QVZEventMDI *window = control->OpenEvent(&file))
            if (QVEvent *event = window->Event())
                if (VLeg *leg = event->Leg(0))
                    leg->SelectNone();
}
