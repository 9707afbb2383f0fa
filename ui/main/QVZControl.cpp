// The main window: construction, title and first place.
#include "ui/main/QVZControl.h"

#include <windows.h>

#include <algorithm>

#include "domain/hardware/VHardware.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/registry/KRegistry.h"
#include "imaging/hardware/VZHardwareBar.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/main/QVZStatusBar.h"

namespace {

KRect ScreenRect()
{
    return QVZControl::InitialRect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

int32_t MenuTimeOut()
{
    KRegistry *settings = VZApplication::Registry();
    KRInt *setting = settings ? settings->GetInt(L"\\Hardware\\MenuTimeOut") : nullptr;
    return setting ? setting->Value() : 5000;
}

} // namespace

QVZControl::QVZControl()
    : KZControl(ScreenRect().left, ScreenRect().top, ScreenRect().Width(), ScreenRect().Height()),
      maintenancePort(new KSerialPort(1024, 1024))
{
    SetCoordinateType(kCoordPixels);
    SetMaximized(true);
    if (KRegistry *settings = VZApplication::Registry())
        singleEvent = settings->GetInt(L"\\Event\\SingleEvent");
    KString title;
    Title(title);
    SetText(title.CStr());
    menuBar = new KZPullDownMenu(MenuTimeOut());
    Add(menuBar);
    BuildMenus();
    KZSetMainMenuBar(menuBar);
    VHardware *hub = VHardware::Instance();
    hardwareBar = new VZHardwareBar(this, hub ? hub->MessageInterface() : nullptr);
    Add(hardwareBar);
    statusBar = new QVZStatusBar;
    KZSetMainStatusBar(statusBar);
    Add(statusBar);
    VZApplication::PublishMainControl(this, this);
}

QVZControl::~QVZControl()
{
    if (VZApplication::MainControl() == this)
        VZApplication::PublishMainControl(nullptr, nullptr);
    if (KZMainMenuBar() == menuBar)
        KZSetMainMenuBar(nullptr);
    if (KZMainStatusBar() == statusBar)
        KZSetMainStatusBar(nullptr);
}

void QVZControl::Title(KString &out)
{
    out.Append(VZApplication::kProgramTitle).Append(L"  v").Append(VZApplication::VersionString());
    out.Append(VZApplication::VersionSuffixString());
}

KRect QVZControl::InitialRect(int screenWidth, int screenHeight)
{
    const int width = std::max(600, screenWidth * 3 / 4);
    const int height = std::max(320, screenHeight * 3 / 5);
    return KRect(10, 10, 10 + width - 1, 10 + height - 1);
}
