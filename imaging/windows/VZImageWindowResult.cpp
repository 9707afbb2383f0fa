// The image window: the identification method and entering a result.
#include "imaging/windows/VZImageWindow.h"

#include "domain/camera/VCamera.h"
#include "domain/fdm/VFDM.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/timing/VLeg.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/KZMessageBeep.h"
#include "shell/toolkit/bars/KZTBButton.h"

namespace {

constexpr int32_t kIdMethods = 4;

void Refuse(const wchar_t *textKey)
{
    KZMessageBeep(0);
    if (VZApplication *app = VZApplication::Instance())
        app->ShowAlert(VImagingText(kTextEnterResultTitle), VImagingText(textKey));
}

// Ok goes on; Cancel, or no application to ask, stops.
bool Confirm(const wchar_t *textKey)
{
    VZApplication *app = VZApplication::Instance();
    return app && app->Ask(VImagingText(kTextEnterResultTitle), VImagingText(textKey), kButtonOk | kButtonCancel,
                           kButtonOk, kIconQuestion);
}

} // namespace

VLeg *VZImageWindow::Leg() const
{
    return pane ? pane->Leg() : nullptr;
}

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

bool VZImageWindow::EnterResult(QVResult *chosen)
{
    VRaceTime time;
    if (view && view->ShowTimeTrack())
        time = image->TimeAt(*view, view->TimeTrackPoint(), false);
    if (!time.IsValid()) {
        Refuse(kTextEnterResultNoTime);
        return false;
    }
    const int32_t field = image->IdMethodField();
    const KString text(idPane->Text() ? idPane->Text() : L"");
    if (!chosen && field >= 0 && text.IsEmpty()) {
        Refuse(kTextEnterResultNoValue);
        return false;
    }
    VLeg *leg = Leg();
    if (!leg) {
        KZMessageBeep(0);
        return false;
    }
    QVResults *results = leg->Results() ? leg->Results() : leg->CreateResults();
    QVResult *result = chosen;
    if (!result && field >= 0)
        result = results->FindByField(field, text);

    if (result && result->FinishTime().IsValid() && !Confirm(kTextEnterResultHasTime))
        return false;
    if (result && result->ResultCode() != QVResult::kCodeNone && !Confirm(kTextEnterResultInvalid))
        return false;
    if (results->IsNearTimed(time, result) && !Confirm(kTextEnterResultCloseToAnother))
        return false;
    if (!result) {
        const bool askFirst = (results->OptionFlags() & kResultsAskNotInList) != 0;
        if (field >= 0 && askFirst && !Confirm(kTextEnterResultNotInList))
            return false;
        result = results->NewResult();
        if (field >= 0)
            result->SetTextField(field, text);
        if (field == QVResult::kIdentity && !askFirst)
            if (QVSchedule *schedule = QVSchedule::Instance())
                schedule->FillResult(*result);
    }

    // The time keeps the precision it was measured with when the window's
    // resolution is finer.
    time.SetResolution(EffectiveTimeResolution(), false);
    result->SetResultCode(QVResult::kCodeNone);
    result->SetFinishTime(time);
    if (VFDM *fdm = VFDM::Instance())
        fdm->SendResult(*result);
    results->ShowInViews(result);
    view->BroadcastShowLines(1);
    return true;
}

void VZImageWindow::EnterPopUpChoice(int32_t n)
{
    VLeg *leg = Leg();
    QVResults *results = leg ? leg->Results() : nullptr;
    if (!results)
        return;
    QVResult *result = results->NextUntimed(nullptr);
    for (int32_t i = 0; i < n && result; ++i)
        result = results->NextUntimed(result);
    if (result)
        EnterResult(result);
}
