#include "imaging/support/ImageWindowLegTest.h"

#include "domain/camera/VCamera.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/registry/KRegistry.h"
#include "framework/core/events/ZafEventManager.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "shell/toolkit/window/KZMessageBeep.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindowHelpers.h"

void ImageOwningLeg::Handle(const KMessage &message)
{
    VLeg::Handle(message);
    if (image)
        image->Handle(message);
}

int ImageWindowLegTest::beeps = 0;

void ImageWindowLegTest::CountBeep(uint32_t) { ++beeps; }

namespace {

// Each text is its key's last name, so that a box shows which text it holds.
const wchar_t *const kTexts[] = {
    L"Strings\\Event\\Image\\EnterResultDlg\\Title:String=Title",
    L"Strings\\Event\\Image\\EnterResultDlg\\NoTime:String=NoTime",
    L"Strings\\Event\\Image\\EnterResultDlg\\NoValue:String=NoValue",
    L"Strings\\Event\\Image\\EnterResultDlg\\HasTime:String=HasTime",
    L"Strings\\Event\\Image\\EnterResultDlg\\Invalid:String=Invalid",
    L"Strings\\Event\\Image\\EnterResultDlg\\CloseToAnother:String=CloseToAnother",
    L"Strings\\Event\\Image\\EnterResultDlg\\NotInList:String=NotInList",
    L"Strings\\Event\\Image\\SelectionPopup\\Crop:String=&Crop",
    L"Strings\\Event\\Image\\SelectionPopup\\Enhance:String=&Enhance",
    L"Strings\\Event\\Image\\SelectionPopup\\ExportBitmap:String=E&xport bitmap",
    L"Strings\\Event\\Image\\SelectionPopup\\Print:String=&Print",
};

} // namespace

void ImageWindowLegTest::SetUp()
{
    ImagePaneTest::SetUp();
    VZImageWindow::Startup();
    for (const wchar_t *line : kTexts)
        registry->Parse(line);
    beeps = 0;
    KZSetMessageBeep(&ImageWindowLegTest::CountBeep);

    menuBar = new KZPullDownMenu(0);
    auto *entries = new KZPullDownItem(L"&Image");
    for (int32_t i = 0; i < kImageResolutionCount; ++i) {
        auto *entry = new KZPopUpItem(kEvtImageResolutionFirst + i, L"x", 0);
        KZAddToMenu(entries, entry);
        resolutionEntries[kEvtImageResolutionFirst + i] = entry;
    }
    menuBar->Add(entries);
    KZSetMainMenuBar(menuBar);

    leg = std::make_unique<ImageOwningLeg>();
    results = leg->CreateResults();
    image->SetParent(leg.get());
    leg->image = image.get();
    image->Camera().SetParameter(VCamera::kIdMethod, 1);
    window = ShowImageWindow(leg.get());
}

void ImageWindowLegTest::TearDown()
{
    RemoveFromHost(window);
    image->SetParent(nullptr);
    leg.reset();
    KZSetMainMenuBar(nullptr);
    delete menuBar;
    KZSetMessageBeep(nullptr);
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->ClearQueue();
    VZImageWindow::Shutdown();
    ImagePaneTest::TearDown();
}

QVResult *ImageWindowLegTest::AddResult(const wchar_t *lane, const wchar_t *affiliation, int32_t ms)
{
    QVResult *result = results->NewResult();
    result->SetTextField(QVResult::kLane, KString(lane));
    result->SetTextField(QVResult::kAffiliation, KString(affiliation));
    if (ms >= 0)
        result->SetFinishTime(VRaceTime::FromMilliseconds(ms));
    return result;
}

VRaceTime ImageWindowLegTest::PlaceCursor(KPoint unit)
{
    window->Pane()->MoveCursorTo(unit);
    return image->TimeAt(*view, view->TimeTrackPoint(), false);
}

void ImageWindowLegTest::EnterId(const wchar_t *text)
{
    window->IdPane()->SetText(text);
    window->IdPane()->Event(ZafEventStruct(ZAF_L_SELECT, 0));
}

std::vector<int32_t> ImageWindowLegTest::DeliverCommands()
{
    return DeliverCommandsTo(window);
}

int32_t ImageWindowLegTest::CheckedResolution()
{
    for (auto &entry : resolutionEntries) {
        menuBar->EnableItem(entry.first, false);
        menuBar->CheckItem(entry.first, false);
    }
    window->Event(ZafEventStruct(kEvtMenuOpening, 0));
    int32_t checked = 0;
    for (auto &entry : resolutionEntries)
        if (entry.second->Selected())
            checked = checked ? -1 : entry.first;
    return checked;
}
