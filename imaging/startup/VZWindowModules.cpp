#include "imaging/startup/VZWindowModules.h"

#include "imaging/hardware/VZHardwareBar.h"
#include "imaging/windows/VZAlignWindow.h"
#include "imaging/windows/VZCameraDialog.h"
#include "imaging/windows/VZHardwareWindow.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "imaging/windows/VZRemotePane.h"
#include "imaging/windows/VZRemoteWindow.h"

void VZWindowModules::Startup()
{
    VZImageWindow::Startup();
    VZImagePane::Startup();
    VZHardwareWindow::Startup();
    VZAlignWindow::Startup();
    VZRemoteWindow::Startup();
    VZRemotePane::Startup();
    VZHardwareBar::Startup();
    VZCameraDialog::Startup();
}

void VZWindowModules::Shutdown()
{
    VZCameraDialog::Shutdown();
    VZHardwareBar::Shutdown();
    VZRemotePane::Shutdown();
    VZRemoteWindow::Shutdown();
    VZAlignWindow::Shutdown();
    VZHardwareWindow::Shutdown();
    VZImagePane::Shutdown();
    VZImageWindow::Shutdown();
}
