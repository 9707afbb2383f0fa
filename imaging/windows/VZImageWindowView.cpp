// The image window: its tool bar, view and events.
#include "imaging/windows/VZImageWindow.h"

#include <cwchar>

#include <windows.h>

#include "domain/charts/VZoom.h"
#include "domain/timing/VLeg.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/strings/KString.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafStringData.h"
#include "imaging/VImagingSettings.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/window/KZSwitchView.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/bars/KZTBSpace.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

enum Bitmap { kIdMethodNone, kIdMethodId, kIdMethodLane, kIdMethodLicense, kZoomOut, kZoomIn, kCrop, kUncrop,
              kAutoCrop, kFindObject, kEnhance, kUnenhance, kPrint, kMaximize, kRestore };

constexpr int kIdLength = 31;
// The zoom selector's width in cells and its dropped-down height in rows.
constexpr int kZoomSelectorWidth = 6;
constexpr int kZoomSelectorHeight = 14;

// A two-state tool-bar button: its picture and command follow the state.
void ShowState(KZTBButton *button, bool second, int firstBitmap, int32_t firstCode, int secondBitmap,
               int32_t secondCode)
{
    if (!button)
        return;
    button->SetBitmap(VZImageWindow::Bitmaps().At(second ? secondBitmap : firstBitmap));
    button->SetValue(second ? secondCode : firstCode);
}

bool Switch(const wchar_t *name, int32_t builtIn)
{
    KString key(kKeyImageToolBar);
    key.Append(name);
    return VImagingSetting(key.CStr(), builtIn) != 0;
}

} // namespace

const wchar_t *const VZZoomSelector::kPercents[kEntries] = {
    L"1600", L"1200", L"800", L"600", L"400", L"300", L"200", L"150", L"125", L"100", L"75", L"50", L"25", L"10",
};

VZIdPane::VZIdPane(VZImageWindow *owner) : KZTBString(new ZafStringData(L"", kIdLength), 8), owner(owner)
{
}

ZafEventType VZIdPane::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code == ZAF_L_SELECT)
        return owner->Event(ZafEventStruct(kEvtImageEnterResult, 0));
    if (code >= ZAF_L_UP && code <= ZAF_L_RIGHT)
        return owner->Event(event);
    return KZTBString::Event(event);
}

VZZoomSelector::VZZoomSelector(VZImageWindow *owner)
    : KZTBComboBox(kZoomSelectorWidth, kZoomSelectorHeight, false), owner(owner)
{
    for (const wchar_t *percent : kPercents)
        Add(new KZButton(0, 0, kZoomSelectorWidth, 1, percent, nullptr, KZButton::kPush, kEvtImageZoomChoice));
}

ZafEventType VZZoomSelector::Event(const ZafEventStruct &event)
{
    if (event.type != ZAF_EVENT_OS)
        return KZTBComboBox::Event(event);
    const unsigned message = event.osEvent.message;
    if (message == WM_COMMAND && HIWORD(event.osEvent.wParam) == CBN_SELCHANGE)
        keyboardChoice = handlingKey;
    if (message != WM_KEYDOWN && message != WM_CHAR && message != WM_SYSKEYDOWN)
        return KZTBComboBox::Event(event);
    // The control changes its choice inside its own handling of the key.
    const bool outer = handlingKey;
    handlingKey = true;
    const ZafEventType answer = KZTBComboBox::Event(event);
    handlingKey = outer;
    return answer;
}

bool VZZoomSelector::TakeKeyboardChoice()
{
    const bool keyboard = keyboardChoice;
    keyboardChoice = false;
    return keyboard;
}

int32_t VZZoomSelector::ChosenPercent()
{
    const ZafIChar *text = Text();
    return text ? int32_t(std::wcstol(text, nullptr, 10)) : 0;
}

VZImageWindow::VZImageWindow(KMessageObject *owner, VImageView *newView) : KZWindow(0, 0, 0, 0), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    BuildToolBar();
    pane = new VZImagePane(this, nullptr);
    Add(toolBar);
    Add(pane);
    Add(KZGeomFill(pane));
    SetView(newView);
}

VZImageWindow::~VZImageWindow()
{
    SetView(nullptr);
}

KZTBButton *VZImageWindow::AddButton(int32_t code, int bitmap)
{
    auto *button = new KZTBButton(code, Bitmaps().At(bitmap), 0, 0);
    toolBar->Add(button);
    return button;
}

void VZImageWindow::BuildToolBar()
{
    toolBar = new KZToolBar(0, -1);
    enterButton = new KZTBButton(kEvtImageEnterResult, L"", 4);
    toolBar->Add(enterButton);
    toolBar->Add(new KZTBSpace(4));
    idPane = new VZIdPane(this);
    toolBar->Add(idPane);
    if (Switch(L"IdMethod", 1))
        idMethodButton = AddButton(kEvtImageIdMethod, kIdMethodNone);
    toolBar->Add(new KZTBSpace(4));
    if (Switch(L"ZoomInOut", 1)) {
        zoomOutButton = AddButton(kEvtImageZoomOut, kZoomOut);
        zoomInButton = AddButton(kEvtImageZoomIn, kZoomIn);
    }
    if (Switch(L"ZoomSelector", 0)) {
        zoomSelector = new VZZoomSelector(this);
        toolBar->Add(zoomSelector);
    }
    // The single buttons after the zoom selector, each shown unless its
    // switch is off: switch name, field, command, bitmap.
    static const struct {
        const wchar_t *name;
        KZTBButton *VZImageWindow::*field;
        int32_t code;
        int bitmap;
    } kSwitchedButtons[] = {
        { L"Crop", &VZImageWindow::cropButton, kEvtImageCropButton, kCrop },
        { L"AutoCrop", &VZImageWindow::autoCropButton, kEvtImageAutoCrop, kAutoCrop },
        { L"FindObject", &VZImageWindow::findObjectButton, kEvtImageFindObject, kFindObject },
        { L"Enhance", &VZImageWindow::enhanceButton, kEvtImageEnhanceButton, kEnhance },
        { L"Print", &VZImageWindow::printButton, kEvtImagePrint, kPrint },
        { L"Maximize", &VZImageWindow::maximizeButton, kEvtImageMaximize, kMaximize },
    };
    for (const auto &button : kSwitchedButtons)
        if (Switch(button.name, 1))
            this->*button.field = AddButton(button.code, button.bitmap);
}

void VZImageWindow::SetView(VImageView *newView)
{
    KZSwitchView(view, newView, [this](VImageView &old) {
        if (old.Window() == this)
            old.SetWindow(nullptr);
        pane->SetView(nullptr);
        image = nullptr;
    }, [this](VImageView &shown) {
        image = shown.Image();
        shown.SetWindow(this);
        pane->SetView(&shown);
        Update(false);
    });
}

int64_t VZImageWindow::EffectiveTimeResolution() const
{
    if (timeResolution)
        return timeResolution;
    const VLeg *leg = Leg();
    return leg && leg->Start().IsManual() ? VRaceTime::kTenth : VRaceTime::kHundredth;
}

void VZImageWindow::Update(bool fullRepaint)
{
    if (!view)
        return;
    if (fullRepaint)
        pane->Redisplay();
    toolBar->SetText(image->CameraName());
    UpdateIdMethodButton();
    if (zoomSelector) {
        wchar_t percent[16];
        std::swprintf(percent, 16, L"%d", int(view->Zoom().HorizontalPercent()));
        zoomSelector->SetValue(percent);
    }
    // Without a selection shown the crop and enhance buttons undo what was done.
    const bool selection = view->ShowFirstRect();
    ShowState(cropButton, image->HasGaps() && !selection, kCrop, kEvtImageCropButton, kUncrop, kEvtImageUncrop);
    ShowState(enhanceButton, !selection, kEnhance, kEvtImageEnhanceButton, kUnenhance, kEvtImageUnenhance);
    ShowState(maximizeButton, maximized, kMaximize, kEvtImageMaximize, kRestore, kEvtImageRestore);
}

void VZImageWindow::SetImageMaximized(bool on)
{
    maximized = on;
    Update(false);
}

void VZImageWindow::Recentre()
{
    if (view->ShowTimeTrack())
        pane->CenterOn(view->TimeTrackPoint(), false);
    else if (view->ShowFirstRect()) {
        const KRect &rect = view->FirstRect();
        pane->CenterOn(KPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2), false);
    }
}

void VZImageWindow::ChooseZoom()
{
    const int32_t percent = zoomSelector ? zoomSelector->ChosenPercent() : 0;
    if (!view || percent <= 0)
        return;
    view->Zoom().SetBoth(percent, 100, true);
    Recentre();
    Update(true);
    // Keys typed while a keyboard choice redrew the image would choose again.
    if (zoomSelector->TakeKeyboardChoice())
        if (KZApplication *application = KZApplication::Instance())
            application->FlushKeys();
}

void VZImageWindow::LanesChanged()
{
    pane->Redisplay();
}

void VZImageWindow::BlockAdded()
{
    pane->ImageGrown();
}

void VZImageWindow::MoveTimeTrack(const VRaceTime &time, int32_t y)
{
    pane->MoveCursorToTime(time, y);
}

void VZImageWindow::ShowLines(bool)
{
    pane->RedrawClient(kEvtRedisplayNow);
}

ZafEventType VZImageWindow::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code >= kEvtImageResolutionFirst && code < kEvtImageResolutionFirst + 6) {
        timeResolution = kImageResolutions[code - kEvtImageResolutionFirst];
        return code;
    }
    if (code >= kEvtImageResultFirst && code < kEvtImageResultFirst + kImageResultPopUpCount) {
        EnterPopUpChoice(code - kEvtImageResultFirst);
        return code;
    }
    switch (code) {
    case ZAF_L_UP:
    case ZAF_L_DOWN:
    case ZAF_L_LEFT:
    case ZAF_L_RIGHT:
        // The zoom selector with the focus takes its keys to move its choice.
        if (zoomSelector && event.type == ZAF_EVENT_OS && event.windowObject == zoomSelector)
            return KZWindow::Event(event);
        return pane->Event(event);
    case ZAF_L_PREVIOUS:
    case ZAF_L_NEXT:
        return code;
    case kEvtImageZoomOut:
    case kEvtImageZoomIn:
        if (view) {
            if (code == kEvtImageZoomIn)
                view->Zoom().ZoomIn(true);
            else
                view->Zoom().ZoomOut(true);
            Recentre();
            Update(true);
        }
        return code;
    case kEvtImageIdMethod:
    case kEvtImageIdMethod + 1:
    case kEvtImageIdMethod + 2:
    case kEvtImageIdMethod + 3:
        StepIdMethod();
        return code;
    case kEvtImageEnterResult:
        EnterResult();
        return code;
    case kEvtImageZoomChoice:
        ChooseZoom();
        return code;
    case kEvtImageSmooth:
        if (view)
            view->Zoom().SetSmooth(!view->Zoom().IsSmooth());
        return code;
    case kEvtImageCropButton:
    case kEvtImageCrop:
        Crop();
        return code;
    case kEvtImageUncrop:
        Uncrop();
        return code;
    case kEvtImageAutoCrop:
        AutoCrop();
        return code;
    case kEvtImageFindObject:
        FindObject();
        return code;
    case kEvtImageEnhanceButton:
    case kEvtImageEnhance:
        Enhance();
        return code;
    case kEvtImageUnenhance:
        Unenhance();
        return code;
    case kEvtMenuOpening:
        MenuOpening();
        return pane->Event(event);
    default:
        if (code == kEvtMenuOpening || (code >= kEvtImageAdjustments && code <= kEvtImagePrintPopup &&
                                            code != kEvtImageCropButton && code != kEvtImageCrop &&
                                            code != kEvtImageEnhance))
            return pane->Event(event);
        return KZWindow::Event(event);
    }
}
