#include "imaging/hardware/VZHardwareBar.h"

#include <windows.h>
#undef OpenEvent  // the bar's own member, not the kernel call

#include <algorithm>

#include "domain/event/QVEvent.h"
#include "domain/hardware/VHardware.h"
#include "domain/hardware/VHardwareView.h"
#include "domain/timing/VLeg.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/hardware/VZMainWindowHook.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/bars/KZTBButton.h"

namespace {

constexpr int32_t kStatusInterval = 100;   // ms between two status updates
constexpr int kButtonFrame = 6;            // pixels a button adds around its bitmap

KZBitmap *Bitmap(int index)
{
    return VZHardwareBar::Bitmaps().At(index);
}

int BitmapHeight(int index)
{
    KZBitmap *bitmap = Bitmap(index);
    return bitmap ? bitmap->Height() : 0;
}

void SelectNoneOnFirstLeg(QVEvent *event)
{
    if (VLeg *leg = event->Leg(0))
        leg->SelectNone();
}

void SetPointer(int32_t image)
{
    if (KZApplication *application = KZApplication::Instance())
        application->SetMousePointer(image);
}

} // namespace

VZHardwareBar::VZHardwareBar(VZMainWindowHook *mainWindow, VHardwareView *view)
    : KZToolBar(0, -1), mainWindow(mainWindow), hardware(view ? view->Hardware() : nullptr)
{
    // Buttons at least as tall as two lines of the bar's font.
    const int widen = std::max(0, (2 * KZFontHeight(1) + 4) - (BitmapHeight(1) + kButtonFrame));
    newButton = new KZTBButton(kEvtNewEvent, Bitmap(0), widen, 0);
    openButton = new KZTBButton(kEvtOpenEvent, Bitmap(1), widen, 0);
    saveButton = new KZTBButton(kEvtSaveEvent, Bitmap(2), widen, 0);
    Add(newButton);
    Add(openButton);
    Add(saveButton);
    place.Take(view, this);
}

ZafEventType VZHardwareBar::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = ZafWindow::MapEvent(mapped);
    switch (code) {
    case kEvtIdle: {
        const int32_t now = int32_t(GetTickCount());
        if (now - lastUpdate > kStatusInterval) {
            UpdateStatus();
            lastUpdate = now;
        }
        return code;
    }
    case kEvtNewEvent:
        NewEvent();
        return code;
    case kEvtOpenEvent:
        OpenEvent();
        return code;
    case kEvtStopCapture:
        StopCapture();
        return code;
    default:
        return KZToolBar::Event(event);
    }
}

void VZHardwareBar::NewEvent()
{
    QVEvent *event = mainWindow ? mainWindow->NewEventDocument() : nullptr;
    if (!event)
        return;
    SetEvent(event);
    SelectNoneOnFirstLeg(event);
}

void VZHardwareBar::OpenEvent()
{
    QVEvent *event = mainWindow ? mainWindow->OpenEventDocument(nullptr) : nullptr;
    if (!event)
        return;
    SetPointer(kPointerBusy);
    SelectNoneOnFirstLeg(event);
    SetPointer(kPointerArrow);
}

bool VZHardwareBar::StopCapture()
{
    if (!hardware)
        return false;
    if (hardware->IsCaptureRunning()) {
        KZApplication *application = KZApplication::Instance();
        if (!application ||
            !application->Ask(VImagingText(kTextStopCaptureTitle), VImagingText(kTextStopCaptureText), kButtonOk | kButtonCancel,
                              kButtonCancel, kIconQuestion))
            return false;
    }
    SetPointer(kPointerBusy);
    hardware->StopCapture();
    SetPointer(kPointerArrow);
    UpdateStatus();
    Redisplay();
    return true;
}

void VZHardwareBar::StartNewestArmed(QVEvent *event)
{
    if (!hardware)
        return;
    if (!event) {
        const KList &armed = hardware->ArmedList();
        for (KListItem *item = armed.First(); item; item = armed.Next(item)) {
            auto *candidate = static_cast<QVEvent *>(item);
            if (!event || candidate->DateTime().Compare(event->DateTime()) > 0)
                event = candidate;
        }
    }
    if (!event)
        return;
    if (!hardware->IsCapturing() && !hardware->UsesKeyboardButton() && hardware->IsArmed(event)) {
        hardware->StartCapture(event, 0);
        UpdateStatus();
        Redisplay();
    }
}

