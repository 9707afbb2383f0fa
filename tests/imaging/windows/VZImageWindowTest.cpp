// The image window on real windows over a synthetic colour image: the tool
// bar the switches give, the zoom buttons, the zoom selector chosen from by
// mouse and keys, the adjustments and printer dialogs, the time resolution.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "domain/camera/VCamera.h"
#include "domain/charts/VZoom.h"
#include "domain/timing/VRaceTime.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagePaneTest.h"
#include "imaging/support/ModalTestSupport.h"
#include "imaging/views/VImageView.h"
#include "imaging/printer/VZPrinter.h"
#include "imaging/windows/VZAdjustmentsDialog.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/fields/KZSlider.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "support/SystemDialogCloser.h"
#include "shell/toolkit/bars/KZTBSpace.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "shell/support/ListTestSupport.h"

namespace {

const wchar_t *const kSwitches[] = { L"IdMethod", L"ZoomInOut", L"ZoomSelector", L"Crop", L"AutoCrop",
                                     L"FindObject", L"Enhance", L"Print", L"Maximize" };

class ImageWindow : public ImagePaneTest
{
protected:
    void SetUp() override
    {
        ImagePaneTest::SetUp();
        VZImageWindow::Startup();
    }
    void TearDown() override
    {
        RemoveFromHost(window);
        VZImageWindow::Shutdown();
        ImagePaneTest::TearDown();
    }
    void SetSwitch(const wchar_t *name, int32_t value)
    {
        SetInt((std::wstring(kKeyImageToolBar) + name).c_str(), value);
    }
    VZImageWindow *MakeWindow()
    {
        window = ShowImageWindow(nullptr);
        return window;
    }
    // The tool bar's items: 'B' button (with its command), 'S' space, 'I' id pane, 'Z' zoom selector.
    std::vector<std::string> Items()
    {
        std::vector<std::string> items;
        for (ZafElement *element = window->ToolBar()->FirstChild(); element; element = element->Next()) {
            auto *item = static_cast<ZafWindowObject *>(element);
            if (auto *button = dynamic_cast<KZTBButton *>(item))
                items.push_back("B" + std::to_string(button->Value()));
            else if (dynamic_cast<KZTBSpace *>(item))
                items.push_back("S");
            else if (dynamic_cast<VZIdPane *>(item))
                items.push_back("I");
            else if (dynamic_cast<VZZoomSelector *>(item))
                items.push_back("Z");
            else
                items.push_back("?");
        }
        return items;
    }
    ZafWindowObject *ItemAt(int index)
    {
        ZafElement *element = window->ToolBar()->FirstChild();
        for (int i = 0; element && i < index; ++i)
            element = element->Next();
        return static_cast<ZafWindowObject *>(element);
    }
    // The commands of the crop, enhance and maximise buttons, each followed
    // by '?' when the button's picture is not that command's own.
    std::string Toggles()
    {
        // Commands and their pictures' places in the window's bitmap list.
        static const std::map<int32_t, int> pictures = { { 10250, 6 },  { 10251, 7 },  { 10255, 10 },
                                                         { 10256, 11 }, { 10364, 13 }, { 10365, 14 } };
        std::string text;
        for (int index : { 7, 10, 12 }) {
            auto *button = dynamic_cast<KZTBButton *>(ItemAt(index));
            if (!button)
                return "no button at " + std::to_string(index);
            const auto picture = pictures.find(button->Value());
            const bool own = picture != pictures.end() &&
                             button->BitmapData() == VZImageWindow::Bitmaps().At(picture->second);
            text += std::to_string(button->Value()) + (own ? " " : "? ");
        }
        return text;
    }
    void Select(int32_t left, int32_t right)
    {
        view->SetFirstRect(KRect(left, 0, right, 40));
        view->SetShowFirstRect(true);
    }

    VZImageWindow *window = nullptr;
};

TEST_F(ImageWindow, DefaultSwitchesGiveThirteenItemsInOrder)
{
    MakeWindow();
    // With no selection shown, the enhance button offers to undo an enhancement.
    const std::vector<std::string> expected = { "B10249", "S", "I", "B10245", "S", "B10241", "B10242", "B10250",
                                                "B10252", "B10253", "B10256", "B10363", "B10364" };
    EXPECT_EQ(expected, Items());
    EXPECT_EQ(window, view->Window());
}

TEST_F(ImageWindow, AllSwitchesOffLeaveTheEnterButtonTheIdPaneAndTwoSpaces)
{
    for (const wchar_t *name : kSwitches)
        SetSwitch(name, 0);
    MakeWindow();
    EXPECT_EQ((std::vector<std::string>{ "B10249", "S", "I", "S" }), Items());
}

TEST_F(ImageWindow, WithoutASelectionCropAndEnhanceButtonsUndoAndMaximisedOffersRestore)
{
    MakeWindow();
    ASSERT_NE(nullptr, VZImageWindow::Bitmaps().At(7));
    EXPECT_EQ("10250 10256 10364 ", Toggles()) << "nothing cut, no selection";
    Select(10, 29);
    EXPECT_EQ("10250 10255 10364 ", Toggles()) << "selection shown";
    window->Event(ZafEventStruct(kEvtImageCrop, 0));
    EXPECT_EQ("10251 10256 10364 ", Toggles()) << "cropped";
    Select(0, 20);
    EXPECT_EQ("10250 10255 10364 ", Toggles()) << "cut frames, selection shown";
    window->Event(ZafEventStruct(kEvtImageEnhance, 0));
    ASSERT_FALSE(image->DisplayIsIdentity());
    EXPECT_EQ("10251 10256 10364 ", Toggles()) << "enhanced";
    window->SetImageMaximized(true);
    EXPECT_EQ("10251 10256 10365 ", Toggles()) << "maximised";
    window->SetImageMaximized(false);
    EXPECT_EQ("10251 10256 10364 ", Toggles()) << "restored";

    // A click on the buttons undoes the enhancement, then (after its question) the crop.
    ListHand(ItemAt(10)).Click(5, 5);
    EXPECT_EQ(std::vector<int32_t>{ 10256 }, DeliverCommandsTo(window));
    EXPECT_TRUE(image->DisplayIsIdentity());
    boxAnswer = kDialogYes;
    ListHand(ItemAt(7)).Click(5, 5);
    EXPECT_EQ(std::vector<int32_t>{ 10251 }, DeliverCommandsTo(window));
    EXPECT_EQ(1u, boxes.size());
    EXPECT_FALSE(image->HasGaps());
    EXPECT_EQ("10250 10256 10364 ", Toggles()) << "uncropped";
}

TEST_F(ImageWindow, ZoomButtonsFromFullSizeSetTheZoomAndTheSelectorShowsIt)
{
    SetSwitch(L"ZoomSelector", 1);
    MakeWindow();
    ASSERT_NE(nullptr, window->ZoomSelector());
    EXPECT_STREQ(L"100", window->ZoomSelector()->Text());
    window->Event(ZafEventStruct(kEvtImageZoomIn, 0));
    EXPECT_STREQ(L"200", window->ZoomSelector()->Text());
    window->Event(ZafEventStruct(kEvtImageZoomOut, 0));
    window->Event(ZafEventStruct(kEvtImageZoomOut, 0));
    EXPECT_STREQ(L"50", window->ZoomSelector()->Text());
}

namespace {

// The zoom selector of a low window (the image scrolls up and down), the
// cursor shown on row 30, chosen from by the box's own messages.
class ZoomChoice : public ImageWindow
{
protected:
    void SetUp() override
    {
        ImageWindow::SetUp();
        SetSwitch(L"ZoomSelector", 1);
        window = ShowImageWindow(nullptr, 90);
        window->Pane()->MoveCursorTo(KPoint(20, 30));
        box = static_cast<HWND>(window->ZoomSelector()->OSWindow());
    }
    // Shows percent as the zoom (without choosing it) and gives the box the focus.
    void StartAt(int32_t percent)
    {
        view->Zoom().SetBoth(percent, 100, true);
        window->Update(true);
        SetFocus(box);
        Pump();
    }
    // Posts a key's press and release to the box.
    void PostKey(WPARAM key)
    {
        PostMessageW(box, WM_KEYDOWN, key, 1);
        PostMessageW(box, WM_KEYUP, key, LPARAM(0xC0000001));
    }
    // The zoom is 125 % both ways, the selector shows it, and the pane is
    // centred (up and down) on the cursor.
    void ExpectChosen125(const char *how)
    {
        EXPECT_EQ(125, view->Zoom().HorizontalPercent()) << how;
        EXPECT_EQ(125 * view->Zoom().VerticalDenominator(), 100 * view->Zoom().VerticalNumerator()) << how;
        EXPECT_STREQ(L"125", window->ZoomSelector()->Text()) << how;
        EXPECT_EQ(KPoint(100, 80), window->Pane()->Extent()) << how;
        KZScroller *pane = window->Pane();
        ASSERT_LT(pane->VisibleRows(), 70) << how << ": the image must scroll";
        const int32_t middle = pane->ScrollPosition().y + pane->VisibleRows() / 2;
        EXPECT_NEAR(view->TimeTrackPoint().y, middle, 1) << how;
    }
    bool KeysWaiting()
    {
        MSG message;
        return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) != 0;
    }

    HWND box = nullptr;
};

} // namespace

TEST_F(ZoomChoice, AnEntryClickedInTheDroppedListSetsBothRatiosAndRecentres)
{
    StartAt(100);
    SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info;
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(box, &info));
    RECT item;
    SendMessageW(info.hwndList, LB_GETITEMRECT, 8, LPARAM(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
    RunLoopFor(window);
    ExpectChosen125("mouse");
}

TEST_F(ZoomChoice, ADigitOrAnArrowOnTheFocusedBoxChoosesAndDropsTheKeysTypedAhead)
{
    // "1" after "150" comes to "125"; the arrow up from "100" too.
    const struct
    {
        int32_t from;
        const char *how;
        std::function<void()> choose;
    } cases[] = {
        { 150, "digit", [this] { PostMessageW(box, WM_CHAR, '1', 1); } },
        { 100, "arrow", [this] { PostKey(VK_UP); } },
    };
    for (const auto &c : cases) {
        StartAt(c.from);
        c.choose();
        // Typed before the zoom was shown: they would choose again.
        PostKey(VK_DOWN);
        PostMessageW(box, WM_CHAR, '5', 1);
        RunLoopFor(window);
        ExpectChosen125(c.how);
        EXPECT_FALSE(KeysWaiting()) << c.how;
    }
}

TEST_F(ImageWindow, AdjustmentsOpenOverTheWindowAndOnlyOkKeepsTheMovedSliders)
{
    MakeWindow();
    for (int32_t answer : { kDialogCancel, kDialogOk }) {
        image->SetBrightness(0.2);
        image->SetContrast(0.0);
        image->SetGamma(1.0);
        ZafWindow *owner = nullptr;
        double contrastWhileOpen = 0;
        WhileModal([&] {
            if (auto *dialog = FrontWindowAs<VZAdjustmentsDialog>()) {
                owner = dialog->Owner();
                // A step left on the contrast slider, one right on the gamma slider.
                SendMessageW(static_cast<HWND>(dialog->ContrastSlider()->OSHandle(2)), WM_KEYDOWN, VK_LEFT, 1);
                SendMessageW(static_cast<HWND>(dialog->GammaSlider()->OSHandle(2)), WM_KEYDOWN, VK_RIGHT, 1);
                contrastWhileOpen = image->Contrast();
            }
            QueueEvent(answer);
        });
        window->Event(ZafEventStruct(kEvtImageAdjustments, 0));
        ASSERT_EQ(static_cast<ZafWindow *>(host), owner) << answer;
        EXPECT_DOUBLE_EQ(-0.01, contrastWhileOpen) << answer;
        const bool kept = answer == kDialogOk;
        EXPECT_DOUBLE_EQ(0.2, image->Brightness()) << answer;
        EXPECT_DOUBLE_EQ(kept ? -0.01 : 0.0, image->Contrast()) << answer;
        EXPECT_DOUBLE_EQ(kept ? 1.01 : 1.0, image->Gamma()) << answer;
    }
}

// What the user sees of it: with the dialog up and moved aside, the pane
// repaints as the slider moves, and after Cancel it shows the old picture.
TEST_F(ImageWindow, ThePaneShowsEachSliderMoveWhileTheDialogIsUpAndTheOldPictureAfterCancel)
{
    MakeWindow();
    VZImagePane *shown = window->Pane();
    // A pixel neither black nor white, which full brightness lightens.
    KPoint unit(0, 10);
    auto level = [&](KPoint at) {
        const uint16_t word = frames.pixels.at(size_t(at.x)).at(size_t(at.y));
        return (word >> 10 & 31) + (word >> 5 & 31) + (word & 31);
    };
    while (unit.x + 1 < int32_t(frames.pixels.size()) && (level(unit) < 10 || level(unit) > 70))
        ++unit.x;
    Pump();
    const COLORREF before = UnitPixel(unit, shown);
    ASSERT_TRUE(Near(ImageColour(unit), before));
    COLORREF whileUp = before;
    double brightnessWhileUp = 0;
    WhileModal([&] {
        auto *dialog = FrontWindowAs<VZAdjustmentsDialog>();
        if (!dialog) {
            QueueEvent(kDialogCancel);
            return;
        }
        HWND frame = GetAncestor(static_cast<HWND>(dialog->OSWindow()), GA_ROOT);
        SetWindowPos(frame, nullptr, 700, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(static_cast<HWND>(dialog->BrightnessSlider()->OSHandle(2)), WM_KEYDOWN, VK_END, 1);
        // Read once the dialog's loop has run on.
        WhileModal([&] {
            whileUp = UnitPixel(unit, shown);
            brightnessWhileUp = image->Brightness();
            QueueEvent(kDialogCancel);
        });
    });
    window->Event(ZafEventStruct(kEvtImageAdjustments, 0));
    EXPECT_DOUBLE_EQ(1.0, brightnessWhileUp);
    EXPECT_FALSE(Near(before, whileUp));
    Pump();
    EXPECT_TRUE(Near(before, UnitPixel(unit, shown)));
}

TEST_F(ImageWindow, PageSetupAndPrinterChoiceOpenTheImagePrintersDialogsOverTheWindow)
{
    MakeWindow();
    ASSERT_NE(nullptr, VZImagePane::Printer());
    ZafWindow *owner = nullptr;
    WhileModal([&] {
        ZafWindow *dialog = FrontWindow();
        std::vector<KZReal *> margins = FieldsOf<KZReal>(dialog);
        owner = dialog ? dialog->Owner() : nullptr;
        if (margins.size() == 4)
            margins[0]->SetValue(1.5);
        QueueEvent(kDialogOk);
    });
    window->Event(ZafEventStruct(kEvtImagePageSetup, 0));
    EXPECT_EQ(static_cast<ZafWindow *>(host), owner);
    EXPECT_EQ(1500, VZImagePane::Printer()->Margins().left);

    SystemDialogCloser closer;
    window->Event(ZafEventStruct(kEvtImageChoosePrinter, 0));
    EXPECT_TRUE(closer.Closed());
    EXPECT_EQ(GetAncestor(static_cast<HWND>(host->OSWindow()), GA_ROOT), closer.Owner());
}

TEST_F(ImageWindow, ResolutionCommandsSetTheirTicks)
{
    MakeWindow();
    EXPECT_EQ(0, window->TimeResolution());
    const int64_t ticks[] = { 80000, 16000, 8000, 800, 80, 8 };
    for (int i = 0; i < 6; ++i) {
        window->Event(ZafEventStruct(kEvtImageResolutionFirst + i, 0));
        EXPECT_EQ(ticks[i], window->TimeResolution()) << i;
    }
}

TEST_F(ImageWindow, CursorKeysGoToThePane)
{
    MakeWindow();
    window->Pane()->MoveCursorTo(KPoint(10, 10));
    window->Event(ZafEventStruct(ZAF_L_RIGHT, 0));
    EXPECT_EQ(KPoint(11, 10), view->TimeTrackPoint());
    window->IdPane()->Event(ZafEventStruct(ZAF_L_DOWN, 0));
    EXPECT_EQ(KPoint(11, 11), view->TimeTrackPoint());
}

TEST_F(ImageWindow, IdMethodStepsThroughFourAndTheButtonCarriesItsCommand)
{
    MakeWindow();
    for (int method : { 1, 2, 3, 0, 1 }) {
        window->Event(ZafEventStruct(kEvtImageIdMethod, 0));
        EXPECT_EQ(method, image->Camera().Parameter(VCamera::kIdMethod));
    }
    EXPECT_EQ("B10246", Items()[3]);
}

TEST_F(ImageWindow, EnterWithoutACursorSaysNoTimeAndWithAnEmptyIdSaysNoValue)
{
    MakeWindow();
    window->Event(ZafEventStruct(kEvtImageEnterResult, 0));
    EXPECT_EQ(1u, boxes.size());
    // With a time at the cursor only the empty field is left to refuse.
    window->Pane()->MoveCursorTo(KPoint(10, 10));
    ASSERT_TRUE(image->TimeAt(*view, view->TimeTrackPoint(), false).IsValid());
    image->Camera().SetParameter(VCamera::kIdMethod, 0);
    EXPECT_FALSE(window->EnterResult());
    EXPECT_EQ(1u, boxes.size());
    image->Camera().SetParameter(VCamera::kIdMethod, 1);
    window->IdPane()->Event(ZafEventStruct(ZAF_L_SELECT, 0));
    EXPECT_EQ(2u, boxes.size());
}

} // namespace

namespace {

// The window's entries of a main menu bar; each entry reads 'E' enabled or
// '-' disabled, then 'X' checked or ' ' not.
class ImageWindowMenu : public ImageWindow
{
protected:
    void SetUp() override
    {
        ImageWindow::SetUp();
        menuBar = new KZPullDownMenu(0);
        auto *image = new KZPullDownItem(L"&Image");
        for (int32_t code : kCodes)
            KZAddToMenu(image, new KZPopUpItem(code, L"x", 0));
        menuBar->Add(image);
        for (KZPopUpItem *entry = image->NextEntry(nullptr); entry; entry = image->NextEntry(entry))
            entries[entry->Value()] = entry;
        KZSetMainMenuBar(menuBar);
        MakeWindow();
    }
    void TearDown() override
    {
        KZSetMainMenuBar(nullptr);
        delete menuBar;
        ImageWindow::TearDown();
    }
    std::string Open()
    {
        for (int32_t code : kCodes) {
            menuBar->EnableItem(code, false);
            menuBar->CheckItem(code, false);
        }
        window->Event(ZafEventStruct(kEvtMenuOpening, 0));
        std::string states;
        for (int32_t code : kCodes) {
            states += entries[code]->IsDisabled(true) ? '-' : 'E';
            states += entries[code]->Selected() ? 'X' : ' ';
        }
        return states;
    }

    // Zoom out, in, smooth; crop, uncrop, auto-crop, find, enhance, unenhance,
    // white balance; 10366; the resolutions 1 s to 1/10000 s.
    static constexpr int32_t kCodes[] = { 10241, 10242, 10244, 10250, 10251, 10252, 10253, 10255,
                                          10256, 10257, 10366, 10367, 10368, 10369, 10370, 10371, 10372 };
    KZPullDownMenu *menuBar = nullptr;
    std::map<int32_t, KZPopUpItem *> entries;
};

} // namespace

TEST_F(ImageWindowMenu, EntriesFollowSelectionCutsEnhancementSmoothingAndResolution)
{
    // Entries: out in sm | crop uncrop auto find enhance unenhance white | 10366 | 1 s ... 1/10000 s.
    EXPECT_EQ(std::string("E E E - - E E - - - E E E E EXE E "), Open()) << "plain";
    view->Zoom().SetSmooth(true);
    window->Event(ZafEventStruct(kEvtImageResolutionFirst + 4, 0));
    EXPECT_EQ(std::string("E E EX- - E E - - - E E E E E EXE "), Open()) << "smooth, 1/1000 s";
    Select(10, 29);
    EXPECT_EQ(std::string("E E EXE - E E E - E E E E E E EXE "), Open()) << "selection";
    window->Event(ZafEventStruct(kEvtImageCropButton, 0));
    EXPECT_EQ(std::string("E E EX- E E E - - - E E E E E EXE "), Open()) << "cropped";
    Select(0, 20);
    window->Event(ZafEventStruct(kEvtImageEnhanceButton, 0));
    EXPECT_EQ(std::string("E E EX- E E E - E - E E E E E EXE "), Open()) << "enhanced";
}

TEST_F(ImageWindow, CropCutsTheSelectedColumnsOnlyWhileASelectionIsShownAndUncropAsksFirst)
{
    MakeWindow();
    const int32_t width = view->Width();
    window->Event(ZafEventStruct(kEvtImageCropButton, 0));
    EXPECT_EQ(width, view->Width());
    EXPECT_FALSE(image->HasGaps());
    view->SetFirstRect(KRect(10, 0, 29, 40));
    view->SetShowFirstRect(true);
    window->Event(ZafEventStruct(kEvtImageCrop, 0));
    EXPECT_TRUE(image->HasGaps());
    EXPECT_LT(view->Width(), width);
    EXPECT_FALSE(view->ShowFirstRect());

    boxAnswer = kDialogNo;
    window->Event(ZafEventStruct(kEvtImageUncrop, 0));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_TRUE(image->HasGaps());
    boxAnswer = kDialogYes;
    window->Event(ZafEventStruct(kEvtImageUncrop, 0));
    EXPECT_FALSE(image->HasGaps());
    EXPECT_EQ(width, view->Width());
    window->Event(ZafEventStruct(kEvtImageUncrop, 0));
    EXPECT_EQ(2u, boxes.size());   // nothing cut: no question
}

TEST_F(ImageWindow, EnhanceNeedsASelectionAndUnenhanceResetsTheDisplayMap)
{
    MakeWindow();
    window->Event(ZafEventStruct(kEvtImageEnhanceButton, 0));
    EXPECT_TRUE(image->DisplayIsIdentity());
    view->SetFirstRect(KRect(5, 5, 40, 40));
    view->SetShowFirstRect(true);
    window->Event(ZafEventStruct(kEvtImageEnhance, 0));
    EXPECT_FALSE(image->DisplayIsIdentity());
    EXPECT_FALSE(view->ShowFirstRect());
    window->Event(ZafEventStruct(kEvtImageUnenhance, 0));
    EXPECT_TRUE(image->DisplayIsIdentity());
}

TEST_F(ImageWindow, FindObjectClearsTheSelectionAndPutsTheCursorOnTheObjectsLeftEdge)
{
    MakeWindow();
    view->SetFirstRect(KRect(5, 5, 40, 40));
    view->SetShowFirstRect(true);
    image->Camera().SetParameter(16, 0);
    window->Event(ZafEventStruct(kEvtImageFindObject, 0));
    EXPECT_FALSE(view->ShowFirstRect());
    ASSERT_TRUE(view->ObjectFound());
    const KRect &found = view->ObjectRect();
    EXPECT_TRUE(view->ShowTimeTrack());
    EXPECT_EQ(KPoint(found.left, (found.top + found.bottom) / 2), view->TimeTrackPoint());
    EXPECT_TRUE(window->Pane()->CursorDrawn());
}
