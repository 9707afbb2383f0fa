// The dialog layout builder and its modal run on real windows: the standard
// button row and the dialog's size in cells, field widths and the cursor,
// radio groups, column alignment, notebooks, the result codes, Browse
// buttons answered through the file-dialog hook, and the message window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "foundation/streams/KFile.h"
#include "framework/controls/ZafIcon.h"
#include "framework/controls/ZafNotebook.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/menus/KZAnchoredPopUpMenu.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/toolkit/dialogs/KZMessageWindow.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

void Queue(ZafEventType type)
{
    ZafEventManager::Shared()->Put(ZafEventStruct(type, 0));
}

std::vector<KZButton *> StandardButtons(KZDialog &dialog)
{
    std::vector<KZButton *> buttons;
    for (ZafWindowObject *child = dialog.FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        if (auto *button = dynamic_cast<KZButton *>(child))
            if (button->Value() >= kDialogEndFirst && button->Value() <= kDialogEndLast)
                buttons.push_back(button);
    return buttons;
}

ZafRegionStruct Cells(const ZafWindowObject *object)
{
    ZafRegionStruct region = object->Region();
    region.ConvertCoordinates(kCoordCells);
    return region;
}

class Dialog : public ToolkitTest
{
protected:
    void TearDown() override
    {
        KFile::SetDialogHook({});
        ToolkitTest::TearDown();
    }
    // Lays the dialog out and shows it without a modal loop.
    void Open(KZDialog &dialog)
    {
        dialog.Prepare();
        app->WindowManager()->Add(&dialog);
        Pump();
    }
    void Close(KZDialog &dialog)
    {
        if (app->WindowManager()->Holds(&dialog))
            app->WindowManager()->Subtract(&dialog);
    }
    // A window's place in cells of its parent's client area: left column,
    // the row of its bottom edge (push buttons keep the system's height and
    // sit on the bottom of their row), width in cells.
    static RECT CellRect(HWND window)
    {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT *>(&rect), 2);
        const ZafDisplay &display = ZafDisplay::SharedOrDefault();
        return { rect.left / display.cellWidth, (rect.bottom - 1) / display.cellHeight,
                 (rect.right - rect.left) / display.cellWidth, 0 };
    }
};

} // namespace

TEST_F(Dialog, OkCancelWithoutFieldsIs33By4CellsWithTwelveCellButtons)
{
    KZDialog dialog(L"Plain", kButtonOk | kButtonCancel, kButtonOk);
    Open(dialog);
    const std::vector<KZButton *> buttons = StandardButtons(dialog);
    ASSERT_EQ(2u, buttons.size());
    const RECT ok = CellRect(static_cast<HWND>(buttons[0]->OSWindow()));
    const RECT cancel = CellRect(static_cast<HWND>(buttons[1]->OSWindow()));
    EXPECT_EQ(3, ok.left);       // left, top, width and height in cells
    EXPECT_EQ(1, ok.top);
    EXPECT_EQ(12, ok.right);
    EXPECT_EQ(17, cancel.left);
    EXPECT_EQ(1, cancel.top);
    EXPECT_EQ(12, cancel.right);
    // The dialog's window, frame included, is 33 x 4 cells.
    RECT frame;
    GetWindowRect(static_cast<HWND>(dialog.OSHandle(2)), &frame);
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    EXPECT_EQ(33 * display.cellWidth, frame.right - frame.left);
    EXPECT_EQ(4 * display.cellHeight, frame.bottom - frame.top);
    EXPECT_EQ(buttons[0], dialog.DefaultButton(true));
    EXPECT_EQ(kDialogOk, buttons[0]->Value());
    EXPECT_EQ(kDialogCancel, buttons[1]->Value());
    EXPECT_STREQ(L"Ok", buttons[0]->Text());
    EXPECT_STREQ(L"Cancel", buttons[1]->Text());
    Close(dialog);
}

TEST_F(Dialog, TheButtonRowLeavesAGapRowUnlessTheScreenIsTooLow)
{
    ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const ZafInt32 screenLines = display.lines;
    struct Case
    {
        ZafInt32 lines;
        int buttonRow;
        int height;
    };
    // Fields end on row 5: rows 0-5 and four more rows need 10 rows of screen.
    const Case cases[] = { { screenLines, 7, 10 }, { 10 * display.cellHeight - 1, 6, 8 } };
    for (const Case &test : cases) {
        display.lines = test.lines;
        KZDialog dialog(L"Rows", kButtonOk, kButtonOk);
        dialog.Move(0, 5);
        dialog.AddPrompt(L"Last row");
        dialog.Prepare();
        display.lines = screenLines;
        ASSERT_EQ(1u, StandardButtons(dialog).size());
        EXPECT_EQ(test.buttonRow, Cells(StandardButtons(dialog)[0]).top) << test.lines;
        EXPECT_EQ(test.height * display.cellHeight, dialog.Region().Height()) << test.lines;
        // Centred, then moved up by half the space above it.
        const int centredTop = (screenLines - dialog.Region().Height()) / 2;
        EXPECT_EQ(centredTop - centredTop / 2, dialog.Region().top);
    }
}

TEST_F(Dialog, FieldsTakeTheirAllowancesAndMoveTheCursorPastTheGap)
{
    KZDialog dialog(L"Fields", kButtonOk, kButtonOk);
    EXPECT_EQ(0, dialog.CursorRow());
    EXPECT_EQ(2, dialog.CursorColumn());
    const int label = dialog.TextCells(L"Apply");
    KZButton *apply = dialog.AddButton(L"Apply", 10001, -1);
    EXPECT_EQ(label + 4 + 2, Cells(apply).Width());
    EXPECT_EQ(2 + label + 7, dialog.CursorColumn());
    KZString *text = dialog.AddString(L"abc", 10, 20);
    EXPECT_EQ(11, Cells(text).Width());
    EXPECT_EQ(Cells(apply).right + 2, Cells(text).left);
    dialog.NewLine();
    EXPECT_EQ(1, dialog.CursorRow());
    EXPECT_EQ(2, dialog.CursorColumn());
    KZButton *check = dialog.AddCheckBox(L"On", true, 0, 5);
    EXPECT_EQ(7, Cells(check).Width());
    EXPECT_TRUE(check->Selected());

    // The menu button sits 4 pixels above the bottom of row 1.
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int column = dialog.CursorColumn();
    KZAnchoredPopUpMenu *menu = dialog.AddMenuButton();
    const ZafRegionStruct place = menu->Region();
    EXPECT_EQ(column * display.cellWidth, place.left);
    EXPECT_EQ(2 * display.cellHeight - 1 - 4, place.bottom);
    EXPECT_EQ(17, place.Width());
    EXPECT_EQ(16, place.Height());
    EXPECT_EQ(column + (display.cellWidth + 16) / display.cellWidth + 1, dialog.CursorColumn());
}

TEST_F(Dialog, RadioButtonsOfFourFiveAndSixCellsMakeA26CellGroup)
{
    KZDialog dialog(L"Radio", kButtonOk, kButtonOk);
    dialog.Move(3, 1);
    dialog.BeginRadioGroup();
    dialog.AddRadioButton(L"a", 0, 4);
    dialog.AddRadioButton(L"b", 0, 5);
    dialog.AddRadioButton(L"c", 0, 6);
    EXPECT_EQ(5, dialog.CursorColumn());   // the dialog's cursor waits for the group
    KZRadioGroup *group = dialog.EndRadioGroup(1);
    EXPECT_EQ(26, Cells(group).Width());
    EXPECT_EQ(5, Cells(group).left);
    EXPECT_EQ(5 + 26 + 1, dialog.CursorColumn());
    std::vector<int> lefts;
    for (ZafWindowObject *child = group->FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        lefts.push_back(Cells(child).left);
    EXPECT_EQ((std::vector<int>{ 0, 8, 17 }), lefts);
    EXPECT_EQ(1, group->Selection());
}

TEST_F(Dialog, AlignColumnLinesFieldsUpBehindTheWidestPrompt)
{
    KZDialog dialog(L"Align", kButtonOk, kButtonOk);
    dialog.AddPrompt(L"x", 3);
    KZString *first = dialog.AddString(L"", 5, 5);
    dialog.NewLine();
    dialog.AddPrompt(L"y", 9);
    KZString *second = dialog.AddString(L"", 5, 5);
    KZString *third = dialog.AddString(L"", 5, 5);
    dialog.NewLine();
    dialog.AddPrompt(L"lonely", 1);   // a row without a second field stays
    dialog.AlignColumn(1, 0);
    EXPECT_EQ(12, Cells(first).left);
    EXPECT_EQ(12, Cells(second).left);
    EXPECT_EQ(12 + 6 + 1, Cells(third).left);
}

TEST_F(Dialog, ANotebookHoldsItsPagesAndOpensTheLastOnMinusOne)
{
    KZDialog dialog(L"Book", kButtonOk, kButtonOk);
    dialog.BeginNotebook(10, 3);
    dialog.BeginPage(L"One");
    EXPECT_EQ(1, dialog.CursorRow());
    dialog.AddString(L"", 20, 20);
    dialog.EndPage();
    dialog.BeginPage(L"Two");
    dialog.AddPrompt(L"p", 4);
    dialog.EndPage();
    ZafNotebook *notebook = dialog.EndNotebook(-1);
    // The widest page reaches column 2 + 21 and is as wide again as its left
    // margin: 25 + 1 cells; the rows: the minimum 3 and the page allowance.
    EXPECT_EQ(26, Cells(notebook).Width());
    EXPECT_EQ(5, Cells(notebook).Height());
    EXPECT_EQ(5, dialog.CursorRow());
    EXPECT_EQ(2, dialog.CursorColumn());
    Open(dialog);
    EXPECT_EQ(1, notebook->CurrentPageIndex());
    Close(dialog);
}

TEST_F(Dialog, CodesFromMinus2999ToMinus2000EndTheModalRun)
{
    {
        KZDialog dialog(L"End", kButtonOk | kButtonCancel, kButtonOk);
        Queue(-2000);
        EXPECT_EQ(-2000, dialog.DoModal());
    }
    {
        KZDialog dialog(L"Not yet", kButtonOk | kButtonCancel, kButtonOk);
        Queue(-1999);
        Queue(kDialogYes);
        EXPECT_EQ(kDialogYes, dialog.DoModal());
    }
}

TEST_F(Dialog, PressingAStandardButtonEndsWithItsResult)
{
    const std::pair<uint32_t, int32_t> cases[] = { { kButtonCancel, kDialogCancel }, { kButtonOk, kDialogOk },
                                                    { kButtonYes, kDialogYes } };
    for (const auto &test : cases) {
        KZDialog dialog(L"Press", kButtonOk | kButtonYes | kButtonCancel, kButtonOk);
        WhileModal([&] {
            for (KZButton *button : StandardButtons(dialog))
                if (button->Value() == test.second)
                    PostMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
        });
        EXPECT_EQ(test.second, dialog.DoModal());
    }
}

TEST_F(Dialog, ClosingTheDialogFromItsFrameEndsWithMinus3AndFinishSeesIt)
{
    struct Recording : KZDialog
    {
        Recording() : KZDialog(L"Closed", kButtonOk, kButtonOk) {}
        void Finish(int32_t result) override { finished = result; }
        int32_t finished = 0;
    } dialog;
    WhileModal([&] { DestroyWindow(static_cast<HWND>(dialog.OSWindow())); });
    EXPECT_EQ(kEvtWindowGone, dialog.DoModal());
    EXPECT_EQ(kEvtWindowGone, dialog.finished);
}

// Owned, a dialog stays above the window it opens over wherever the user
// clicks (a desktop's window manager keeps an owned window above its owner
// too), and a box opened over the dialog stays above the dialog.
TEST_F(Dialog, ADialogIsOwnedByTheWindowItOpensOverAndABoxOverItByTheDialog)
{
    HWND dialogOwner = nullptr, dialogFrame = nullptr, boxOwner = nullptr;
    KZDialog dialog(L"Outer", kButtonOk, kButtonOk);
    WhileModal([&] {
        dialogFrame = static_cast<HWND>(dialog.OSHandle(2));
        dialogOwner = GetWindow(dialogFrame, GW_OWNER);
        KZMessageWindow box(L"Inner", L"Sure?", kButtonOk, kButtonOk, 0);
        WhileModal([&] {
            boxOwner = GetWindow(static_cast<HWND>(box.OSHandle(2)), GW_OWNER);
            Queue(kDialogOk);
        });
        box.DoModal();
        Queue(kDialogOk);
    });
    EXPECT_EQ(kDialogOk, dialog.DoModal());
    EXPECT_EQ(static_cast<HWND>(host->OSHandle(2)), dialogOwner);
    ASSERT_NE(nullptr, dialogFrame);
    EXPECT_EQ(dialogFrame, boxOwner);
}

TEST_F(Dialog, BrowseButtonsFillTheirFieldOnlyWhenSomethingIsChosen)
{
    KZDialog dialog(L"Browse", kButtonOk, kButtonOk);
    KZString *file = dialog.AddFile(L"C:\\old.qvw", L"qvw,qve", 20, 100);
    dialog.NewLine();
    KZString *folder = dialog.AddDirectory(L"C:\\old", 20, 100);
    Open(dialog);
    std::vector<KZButton *> browse;
    for (ZafWindowObject *child = dialog.FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        if (auto *button = dynamic_cast<KZButton *>(child))
            if (button->Text() && std::wstring(button->Text()) == L"Browse")
                browse.push_back(button);
    ASSERT_EQ(2u, browse.size());

    std::wstring answer;
    std::vector<std::wstring> asked;
    KFile::SetDialogHook([&](int kind, KFile &chosen, const KString &extensions, const KString &) {
        asked.push_back(std::to_wstring(kind) + L":" + extensions.CStr() + L":" + chosen.FullName().CStr());
        if (answer.empty())
            return -1;
        if (kind == KFile::kDialogFolder)
            chosen.SetFolderPath(KString(answer.c_str()));
        else
            chosen.SetFullName(answer.c_str());
        return 0;
    });
    auto press = [&](KZButton *button) {
        SendMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
        Pump();
    };
    press(browse[0]);   // cancelled
    EXPECT_STREQ(L"C:\\old.qvw", file->Text());
    answer = L"C:\\x\\y.qvw";
    press(browse[0]);
    EXPECT_STREQ(L"C:\\x\\y.qvw", file->Text());
    answer = L"D:\\data";
    press(browse[1]);
    EXPECT_STREQ(L"D:\\data", folder->Text());
    ASSERT_EQ(3u, asked.size());
    EXPECT_EQ(L"0:qvw,qve:C:\\old.qvw", asked[0]);
    EXPECT_EQ(L"2::C:\\old\\", asked[2]);
    Close(dialog);
}

TEST_F(Dialog, AMessageWindowShowsItsIconMessageAndButtons)
{
    KZMessageWindow box(L"Question", L"Delete the trial?", kButtonYes | kButtonNo, kButtonYes, kIconQuestion);
    ASSERT_NE(nullptr, box.Icon());
    EXPECT_EQ(2, Cells(box.Icon()).left);
    EXPECT_EQ(1, Cells(box.Icon()).top);
    EXPECT_EQ(1, Cells(box.Message()).top);
    EXPECT_GT(Cells(box.Message()).left, Cells(box.Icon()).right + 1);
    EXPECT_STREQ(L"Delete the trial?", box.Message()->Text());
    WhileModal([&] {
        for (KZButton *button : StandardButtons(box))
            if (button->Value() == kDialogNo)
                PostMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(kDialogNo, box.DoModal());
    std::vector<std::wstring> labels;
    for (KZButton *button : StandardButtons(box))
        labels.push_back(button->Text());
    EXPECT_EQ((std::vector<std::wstring>{ L"Yes", L"No" }), labels);
    // Message on row 1, the blank row 2: the buttons sit on row 4.
    EXPECT_EQ(4, Cells(StandardButtons(box)[0]).top);

    KZMessageWindow plain(L"Note", L"Done", kButtonOk, kButtonOk, 0);
    EXPECT_EQ(nullptr, plain.Icon());
    EXPECT_EQ(4, Cells(plain.Message()).left);
}

TEST_F(Dialog, AMessageWindowOpensWithTheFocusOnItsDefaultButton)
{
    const std::pair<uint32_t, int32_t> cases[] = { { kButtonNo, kDialogNo }, { kButtonYes, kDialogYes } };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.second);
        KZMessageWindow box(L"Question", L"Delete all trials?", kButtonYes | kButtonNo, test.first, kIconQuestion);
        int32_t focused = 0;
        WhileModal([&] {
            HWND focus = GetFocus();
            for (KZButton *button : StandardButtons(box))
                if (static_cast<HWND>(button->OSWindow()) == focus)
                    focused = button->Value();
            Queue(kDialogCancel);
        });
        box.DoModal();
        EXPECT_EQ(test.second, focused) << "the button that holds the focus when the window opens";
    }
}
