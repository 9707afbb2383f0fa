// The image window: the identification method and entering a result.
#include "imaging/windows/VZImageWindow.h"

#include <windows.h>

#include "domain/camera/VCamera.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/views/VImageView.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/KZBitmap.h"
#include "shell/toolkit/KZTBButton.h"

namespace {

constexpr int32_t kIdMethods = 4;

void Refuse(const wchar_t *textKey)
{
    MessageBeep(0);
    if (VZApplication *app = VZApplication::Instance())
        app->ShowAlert(VImagingText(kTextEnterResultTitle), VImagingText(textKey));
}

} // namespace

int32_t VZImageWindow::IdMethod() const
{
    return image ? image->Camera().Parameter(VCamera::kIdMethod) : 0;
}

void VZImageWindow::StepIdMethod()
{
    if (!image)
        return;
    image->Camera().SetParameter(VCamera::kIdMethod, (IdMethod() + 1) % kIdMethods, true);
    Update(false);
}

void VZImageWindow::UpdateIdMethodButton()
{
    if (!idMethodButton)
        return;
    const int32_t method = IdMethod();
    if (method < 0 || method >= kIdMethods)
        return;
    // The button keeps a picture that is already the right one.
    idMethodButton->SetBitmap(Bitmaps().At(method));
    idMethodButton->SetValue(kEvtImageIdMethod + method);
}

bool VZImageWindow::EnterResult()
{
    if (!view || !view->ShowTimeTrack() || !image->TimeAt(*view, view->TimeTrackPoint(), false).IsValid()) {
        Refuse(kTextEnterResultNoTime);
        return false;
    }
    const ZafIChar *text = idPane->Text();
    if (IdMethod() != 0 && (!text || !*text)) {
        Refuse(kTextEnterResultNoValue);
        return false;
    }
    // The results of the image's leg belong to the window's owner.
    return false;
}
