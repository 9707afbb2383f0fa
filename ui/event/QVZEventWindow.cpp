#include "ui/event/QVZEventWindow.h"

#include <iterator>

#include "domain/event/QVEvent.h"
#include "domain/event/QVEventView.h"
#include "shell/toolkit/window/VZNamedBitmaps.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/window/KZSwitchView.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/bars/KZTBSpace.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/event/QVZEventPane.h"
#include "ui/common/QVZCommands.h"

namespace {

const wchar_t *const kBitmapNames[] = { L"GetInfo", L"ArmedOn", L"ArmedOff", L"CaptureModeOn", L"CaptureModeOff" };
enum { kGetInfo, kArmedOn, kArmedOff, kCaptureOn, kCaptureOff };
constexpr int kIndicatorType = 4;   // drawn without depth

VZNamedBitmaps g_bitmaps;

} // namespace

void QVZEventWindow::Startup()
{
    g_bitmaps.Load(kBitmapNames, int(std::size(kBitmapNames)));
}

void QVZEventWindow::Shutdown()
{
    g_bitmaps.Free();
}

QVZEventWindow::QVZEventWindow(QVZEventMDI *owner, QVEventView *view) : KZWindow(0, 0, 0, 0), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    toolBar = new KZToolBar(0, -1);
    getInfo = new KZTBButton(kCmdSummaryGetInfo, g_bitmaps.At(kGetInfo), 0, 0);
    armed = new KZTBButton(0, g_bitmaps.At(kArmedOff), 0, 0);
    capture = new KZTBButton(0, g_bitmaps.At(kCaptureOff), 0, 0);
    armed->SetButtonType(kIndicatorType);
    capture->SetButtonType(kIndicatorType);
    toolBar->Add(getInfo);
    toolBar->Add(new KZTBSpace(4));
    toolBar->Add(armed);
    toolBar->Add(new KZTBSpace(4));
    toolBar->Add(capture);
    pane = new QVZEventPane(this, nullptr);
    Add(toolBar);
    Add(pane);
    Add(KZGeomFill(pane));
    SetView(view);
}

QVZEventWindow::~QVZEventWindow()
{
    SetView(nullptr);
}

void QVZEventWindow::SetView(QVEventView *newView)
{
    KZSwitchView(view, newView, [this](QVEventView &old) {
        if (old.Pane() == this)
            old.SetPane(nullptr);
        pane->SetView(nullptr);
        event = nullptr;
    }, [this](QVEventView &shown) {
        event = shown.Event();
        shown.SetPane(this);
        pane->SetView(&shown);
        Update();
    });
}

ZafEventType QVZEventWindow::Event(const ZafEventStruct &zafEvent)
{
    ZafEventStruct mapped = zafEvent;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code == kEvtMenuOpening || (code >= kCmdSummaryFirst && code <= kCmdSummaryLast))
        return pane->Event(zafEvent);
    return KZWindow::Event(zafEvent);
}

void QVZEventWindow::Update()
{
    pane->Redisplay();
}
