// The camera dialog over a camera description: what Cancel and Ok leave in
// the camera, the brightness pair, the model 101 density and frame-mode
// rule on screen, time fields, the frame-rate range and the frequency list
// chosen from on screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "domain/camera/VCamera.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/events/ZafEventManager.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/support/ImagingWindowTest.h"
#include "imaging/support/ModalTestSupport.h"
#include "imaging/windows/VZCameraDialog.h"
#include "shell/app/KZAppCodes.h"
#include "framework/controls/ZafNotebook.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

class CameraDialog : public ImagingWindowTest
{
protected:
    // Runs the dialog over the camera: change runs on the open dialog, then answer ends it.
    int32_t Run(VCamera &camera, std::function<void(VZCameraDialog &)> change, int32_t answer)
    {
        WhileModal([change, answer] {
            if (auto *dialog = FrontWindowAs<VZCameraDialog>())
                change(*dialog);
            QueueEvent(answer);
        });
        VZCameraDialog dialog(&camera);
        return dialog.DoModal();
    }
    static VCamera Model(int32_t model)
    {
        VCamera camera;
        camera.SetParameter(VCamera::kModel, model);
        if (model == 102)
            camera.SetParameter(VCamera::kDensity, 512);
        camera.SetParameter(VCamera::kFrameRate, 1500);
        return camera;
    }
    static void Choose(VZCameraDialog &dialog, KZRadioGroup *group, int entry, int32_t code)
    {
        group->SetSelection(entry);
        dialog.Event(ZafEventStruct(code, 0));
    }
    static bool OnScreen(ZafWindowObject *object)
    {
        return IsWindowEnabled(static_cast<HWND>(object->OSHandle(2))) != FALSE;
    }
};

} // namespace

TEST_F(CameraDialog, CancelLeavesTheLoweredFrameRateAndWritesNoControl)
{
    for (int32_t model : { 101, 102 }) {
        VCamera camera = Model(model);
        camera.SetName(KString(L"Finish"));
        EXPECT_EQ(kDialogCancel, Run(camera, [](VZCameraDialog &dialog) {
            dialog.nameField->SetText(L"Other");
        }, kDialogCancel));
        EXPECT_EQ(camera.MinimumValue(VCamera::kFrameRate), camera.Parameter(VCamera::kFrameRate)) << model;
        if (model == 102) {
            EXPECT_EQ(camera.MinimumValue(VCamera::kDensity), camera.Parameter(VCamera::kDensity));
        }
        EXPECT_EQ(std::wstring(L"Finish"), camera.Name().CStr()) << model;
    }
}

TEST_F(CameraDialog, OkWritesTheRememberedFrameRateBackForEveryModel)
{
    for (int32_t model : { 100, 101, 102 }) {
        VCamera camera = Model(model);
        const int32_t density = camera.Parameter(VCamera::kDensity);
        EXPECT_EQ(kDialogOk, Run(camera, [](VZCameraDialog &) {}, kDialogOk));
        EXPECT_EQ(1500, camera.Parameter(VCamera::kFrameRate)) << model;
        EXPECT_EQ(density, camera.Parameter(VCamera::kDensity)) << model;
    }
}

TEST_F(CameraDialog, BrightnessKeepsItsSecondChannelThreeAboveUpToItsMaximum)
{
    const struct
    {
        const wchar_t *typed;
        int32_t brightness;
        int32_t second;
    } cases[] = { { L"100", 100, 103 }, { L"254", 254, 255 } };
    for (const auto &c : cases) {
        VCamera camera = Model(101);
        Run(camera, [&](VZCameraDialog &dialog) { dialog.brightnessField->SetText(c.typed); }, kDialogOk);
        EXPECT_EQ(c.brightness, camera.Parameter(VZCameraDialog::kBrightness)) << c.typed;
        EXPECT_EQ(c.second, camera.Parameter(VZCameraDialog::kBrightnessLimit)) << c.typed;
    }
}

TEST_F(CameraDialog, LowDensityAndPartFramesExcludeEachOtherOnScreen)
{
    VCamera camera = Model(101);
    bool topWithLow = true, bottomWithLow = true, lowWithTop = true, topAfter = false, lowAfter = false;
    Run(camera, [&](VZCameraDialog &dialog) {
        dialog.notebook->SetCurrentPage(1);
        Choose(dialog, dialog.densityGroup, 2, kEvtCameraDensity);
        topWithLow = OnScreen(dialog.modeTop);
        bottomWithLow = OnScreen(dialog.modeBottom);
        Choose(dialog, dialog.densityGroup, 0, kEvtCameraDensity);
        topAfter = OnScreen(dialog.modeTop);
        Choose(dialog, dialog.frameModeGroup, 1, kEvtCameraFrameMode);
        lowWithTop = OnScreen(dialog.densityLow);
        Choose(dialog, dialog.frameModeGroup, 0, kEvtCameraFrameMode);
        lowAfter = OnScreen(dialog.densityLow);
    }, kDialogCancel);
    EXPECT_FALSE(topWithLow);
    EXPECT_FALSE(bottomWithLow);
    EXPECT_TRUE(topAfter);
    EXPECT_FALSE(lowWithTop);
    EXPECT_TRUE(lowAfter);
}

TEST_F(CameraDialog, TimeFieldsWriteOnlyATimeAndTheRangeShowsTheFrameRateLimits)
{
    VCamera camera = Model(101);
    camera.SetParameter(VZCameraDialog::kGunDebounce, 250);
    camera.SetParameter(VZCameraDialog::kPhotoEyeDebounce, 250);
    std::wstring range;
    Run(camera, [&](VZCameraDialog &dialog) {
        range = dialog.frameRateRange->Text();
        dialog.gunSensorDebounceField->SetText(L"");
        dialog.photoEyeDebounceField->SetText(L"1.5");
    }, kDialogOk);
    EXPECT_EQ(L"(1 - 20000)", range);
    EXPECT_EQ(250, camera.Parameter(VZCameraDialog::kGunDebounce));
    EXPECT_EQ(1500, camera.Parameter(VZCameraDialog::kPhotoEyeDebounce));
}

// Each entry chosen as the box's own notification reports a choice leaves no
// event behind for anyone to take; Ok writes the last one chosen.
TEST_F(CameraDialog, ChoosingAnyFrequencyOnScreenQueuesNothingAndOkWritesTheChoice)
{
    VCamera camera = Model(101);
    std::vector<std::vector<ZafEventType>> queued;
    Run(camera, [&](VZCameraDialog &dialog) {
        dialog.notebook->SetCurrentPage(1);
        Pump();
        HWND box = static_cast<HWND>(dialog.frequencyBox->OSWindow());
        ZafEventManager *events = ZafEventManager::Shared();
        ZafEventStruct event;
        while (events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
            ;
        const int entries = int(SendMessageW(box, CB_GETCOUNT, 0, 0));
        for (int index = 0; index < entries; ++index) {
            SendMessageW(box, CB_SETCURSEL, WPARAM(index), 0);
            SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), LPARAM(box));
            Pump();
            queued.emplace_back();
            while (events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
                queued.back().push_back(event.type);
        }
    }, kDialogOk);
    ASSERT_EQ(8u, queued.size());
    for (size_t index = 0; index < queued.size(); ++index)
        EXPECT_EQ(std::vector<ZafEventType>{}, queued[index]) << "entry " << index;
    EXPECT_EQ(7, camera.Parameter(VZCameraDialog::kFrequency));
}
