#include "imaging/windows/VZHardwareMDI.h"

#include "domain/hardware/VHardwareView.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/windows/VZAlignWindow.h"
#include "imaging/windows/VZHardwareWindow.h"
#include "imaging/windows/VZRemoteWindow.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

bool Within(ZafEventType code, int32_t first, int32_t last)
{
    return code >= first && code <= last;
}

// Hands the event to a window that exists; true when there was one.
template <class Window>
bool Route(Window *window, const ZafEventStruct &event, ZafEventType &answer)
{
    if (!window)
        return false;
    answer = window->Event(event);
    return true;
}

} // namespace

VZHardwareMDI::VZHardwareMDI(VHardwareView *hardwareView)
    : KZMDIChild(0, 0, 500, 350), VZViewedHardware(hardwareView)
{
    SetCoordinateType(kCoordPixels);
    SetTitle(VImagingText(kTextHardwareTitle).CStr());
    alignWindow = new VZAlignWindow(this, hardwareView);
    hardwareWindow = new VZHardwareWindow(this, hardwareView);
    Add(hardwareWindow);
    geometry = new KZGeomMgr;
    geometry->Add(new KZGeomRC(hardwareWindow, kGeomBottom | kGeomOpposite, 28, -2));
    geometry->Add(new KZGeomRC(hardwareWindow, kGeomRight | kGeomOpposite, 100, -1));
    geometry->Add(new KZGeomRC(hardwareWindow, kGeomTop, 0, 0));
    geometry->Add(new KZGeomRC(hardwareWindow, kGeomLeft, 0, 0));
    Add(geometry);
}

VZHardwareMDI::~VZHardwareMDI()
{
    delete alignWindow;
}

ZafEventType VZHardwareMDI::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafEventType code = ZafMDIWindow::MapEvent(mapped);
    ZafEventType answer = code;
    if (Within(code, kEvtHardwareFirst, kEvtHardwareLast) || code == kEvtHardwareRefresh) {
        Route(hardwareWindow, event, answer);
        return answer;
    }
    if (Within(code, kEvtRemoteFirst, kEvtRemoteLast)) {
        Route(remoteWindow, event, answer);
        return answer;
    }
    if (Within(code, kEvtAlignFirst, kEvtAlignLast)) {
        Route(alignWindow, event, answer);
        return answer;
    }
    if (code == kEvtCloseQuery)
        return 0;
    if (code == kEvtMenuOpening) {
        Route(hardwareWindow, event, answer);
        Route(remoteWindow, event, answer);
        Route(alignWindow, event, answer);
        return answer;
    }
    if (code == kEvtIdle) {
        Route(alignWindow, event, answer);
        Route(hardwareWindow, event, answer);
        Route(remoteWindow, event, answer);
        return answer;
    }
    return KZMDIChild::Event(event);
}
