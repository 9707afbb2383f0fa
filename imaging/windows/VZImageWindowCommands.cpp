// The image window: the main menu's states and the crop, auto-crop,
// find-object and enhance commands.
#include "imaging/windows/VZImageWindow.h"

#include <windows.h>

#include <vector>

#include "domain/camera/VCamera.h"
#include "domain/charts/VZoom.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZMessageBeep.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr int kOrientationParameter = 16;

} // namespace

void VZImageWindow::MenuOpening()
{
    KZPullDownMenu *menu = KZMainMenuBar();
    if (!menu || !view)
        return;
    for (int32_t code : { kEvtImageZoomOut, kEvtImageZoomIn, kEvtImageSmooth, kEvtImageAutoCrop,
                          kEvtImageFindObject })
        menu->EnableItem(code, true);
    menu->CheckItem(kEvtImageSmooth, view->Zoom().IsSmooth());
    const bool selection = view->ShowFirstRect();
    for (int32_t code : { kEvtImageCropButton, kEvtImageEnhanceButton, kEvtImageWhiteBalance })
        menu->EnableItem(code, selection);
    menu->EnableItem(kEvtImageUncrop, image->HasGaps());
    menu->EnableItem(kEvtImageUnenhance, (image->Flags() & VImage::kFlagEnhanced) != 0);
    const int64_t resolution = EffectiveTimeResolution();
    for (int32_t i = 0; i < kImageResolutionCount; ++i) {
        menu->EnableItem(kEvtImageResolutionFirst + i, true);
        menu->CheckItem(kEvtImageResolutionFirst + i, kImageResolutions[i] == resolution);
    }
    menu->EnableItem(kEvtImageResolutionFirst - 1, true);
}

void VZImageWindow::Crop()
{
    if (!view || !view->ShowFirstRect())
        return;
    const KRect rect = view->FirstRect();
    pane->ClearSelection();
    image->CutFrames(rect.left, rect.right, *view, true);
    Update(true);
}

void VZImageWindow::Uncrop()
{
    if (!view || !image->HasGaps())
        return;
    VZApplication *application = VZApplication::Instance();
    if (!application || !application->Ask(VImagingText(kTextUncropTitle), VImagingText(kTextUncropText),
                                          kButtonYes | kButtonNo, kButtonNo, kIconQuestion))
        return;
    image->RestoreFrames();
    if (view->ShowTimeTrack())
        pane->CenterOn(view->TimeTrackPoint(), false);
    Update(true);
}

void VZImageWindow::AutoCrop()
{
    if (!view)
        return;
    if (pane->HasSelection())
        pane->ClearSelection();
    image->AutoCrop((GetKeyState(VK_SHIFT) & 0x8000) != 0);
    if (view->ShowTimeTrack())
        pane->CenterOn(view->TimeTrackPoint(), false);
    Update(true);
}

void VZImageWindow::FindObject()
{
    if (!view)
        return;
    if (pane->HasSelection())
        pane->ClearSelection();
    pane->EraseCursor();
    view->SetShowTimeTrack(false);
    if (!view->FindNextObject()) {
        KZMessageBeep(0);
        return;
    }
    const KRect &found = view->ObjectRect();
    const bool rightEdge = image->Camera().Parameter(kOrientationParameter) != 0;
    const KPoint at(rightEdge ? found.right : found.left, (found.top + found.bottom) / 2);
    view->SetTimeTrackPoint(at);
    view->SetShowTimeTrack(true);
    pane->DrawCursor();
    if (!pane->IsUnitVisible(at, true))
        pane->CenterOn(at, false);
}

void VZImageWindow::Enhance()
{
    if (!view || !view->ShowFirstRect())
        return;
    const KRect rect = image->ViewToImage(view->FirstRect(), view->Zoom());
    pane->ClearSelection();
    image->EqualiseLevels(std::vector<KRect>{ rect });
    pane->RedrawClient(kEvtRedisplayNow);
    Update(false);
}

void VZImageWindow::Unenhance()
{
    if (!image)
        return;
    image->ResetDisplayMap();
    pane->RedrawClient(kEvtRedisplayNow);
    Update(false);
}
