// The dialog: its fixed settings, result codes, the modal loop and its
// OS dialog frame.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafDialogWindow.h"
#include "framework/core/objects/ZafWindowManager.h"

namespace {

// A dialog with a border and a title.
ZafDialogWindow *NewDialog()
{
    ZafDialogWindow *dialog = new ZafDialogWindow(60, 60, 200, 100);
    dialog->SetCoordinateType(ZAF_PIXEL);
    dialog->AddFrameObjects(L"Dialog");
    return dialog;
}

ZafDialogWindow *dialogToBreak = nullptr;

void CALLBACK DestroyDialogClient(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (dialogToBreak && dialogToBreak->OSWindow())
        DestroyWindow(static_cast<HWND>(dialogToBreak->OSWindow()));
}

} // namespace

using ZafDialogWindowTest = EventTest;

TEST_F(ZafDialogWindowTest, TheSettingsItFixesStayOffAndResultCodesAnswerThemselvesAndNothingElse)
{
    ZafDialogWindow dialog(0, 0, 20, 5);
    EXPECT_FALSE(dialog.SetSizeable(true));
    EXPECT_FALSE(dialog.SetTemporary(true));
    EXPECT_FALSE(dialog.SetDisabled(true));
    EXPECT_FALSE(dialog.SetBorder(true));
    EXPECT_FALSE(dialog.SetDropTarget(true));
    EXPECT_FALSE(dialog.Sizeable());
    EXPECT_FALSE(dialog.IsDisabled(false));
    // Given by the constructor, still changeable.
    EXPECT_TRUE(dialog.Modal());
    EXPECT_FALSE(dialog.Destroyable());
    EXPECT_TRUE(dialog.SetDestroyable(true));
    for (ZafEventType code = ZAF_DIALOG_OK; code <= ZAF_DIALOG_CANCEL; ++code)
        EXPECT_EQ(code, dialog.Event(ZafEventStruct(code, 0)));
    EXPECT_NE(-2992, dialog.Event(ZafEventStruct(-2992, 0)));
}

TEST_F(ZafDialogWindowTest, DoModalAnswersAQueuedResultAndTakesTheFrameAway)
{
    std::unique_ptr<ZafDialogWindow> dialog(NewDialog());
    events->Put(ZafEventStruct(ZAF_DIALOG_CANCEL, 0));
    EXPECT_EQ(ZAF_DIALOG_CANCEL, dialog->DoModal(0));
    EXPECT_EQ(nullptr, dialog->OSWindow());
    EXPECT_EQ(nullptr, dialog->FrameWindow());
    EXPECT_TRUE(ThreadWindowsOfClass(L"#32770").empty());
    EXPECT_EQ(nullptr, dialog->Parent());
}

TEST_F(ZafDialogWindowTest, ADestroyableDialogIsNotShownAndAnswersRefused)
{
    std::unique_ptr<ZafDialogWindow> dialog(NewDialog());
    dialog->SetDestroyable(true);
    events->Put(ZafEventStruct(ZAF_DIALOG_OK, 0));
    EXPECT_EQ(ZAF_REFUSED, dialog->DoModal(0));
    EXPECT_TRUE(ThreadWindowsOfClass(L"#32770").empty());
}

TEST_F(ZafDialogWindowTest, LosingTheOSWindowEndsDoModalWithModalGone)
{
    std::unique_ptr<ZafDialogWindow> dialog(NewDialog());
    dialogToBreak = dialog.get();
    SetTimer(nullptr, 0, 50, DestroyDialogClient);
    EXPECT_EQ(ZAF_MODAL_GONE, dialog->DoModal(0));
    dialogToBreak = nullptr;
    EXPECT_TRUE(ThreadWindowsOfClass(L"#32770").empty());
}

TEST_F(ZafDialogWindowTest, TheExitEventIsRoutedAndEndsDoModal)
{
    std::unique_ptr<ZafDialogWindow> dialog(NewDialog());
    events->Put(ZafEventStruct(ZAF_EV_EXIT, 0));
    EXPECT_EQ(ZAF_MODAL_GONE, dialog->DoModal(0));
}

TEST_F(ZafDialogWindowTest, TheFrameIsAModalDialogFrameWithTheStylesOfItsParts)
{
    ZafDialogWindow *dialog = NewDialog();
    manager->Add(dialog);
    HWND frame = static_cast<HWND>(dialog->FrameWindow());
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(L"#32770", WindowClassName(frame));
    const LONG style = GetWindowLongW(frame, GWL_STYLE);
    EXPECT_TRUE(GetWindowLongW(frame, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(LONG(WS_DLGFRAME), style & WS_DLGFRAME);
    EXPECT_EQ(LONG(WS_CAPTION), style & WS_CAPTION);
    EXPECT_EQ(L"Dialog", WindowText(frame));
    HWND client = static_cast<HWND>(dialog->OSWindow());
    EXPECT_EQ(L"ZafWindow", WindowClassName(client));
    EXPECT_EQ(frame, GetParent(client));
    manager->Subtract(dialog);
    delete dialog;
}

TEST_F(ZafDialogWindowTest, AModalDialogDisablesTheOtherWindowsUntilItGoes)
{
    ZafWindow *main = NewTopLevel(200, 100, { -1, -5 });
    manager->Add(main);
    HWND mainFrame = static_cast<HWND>(main->OSHandle(2));
    ZafDialogWindow *dialog = NewDialog();
    manager->Add(dialog);
    EXPECT_FALSE(IsWindowEnabled(mainFrame));
    manager->Subtract(dialog);
    EXPECT_TRUE(IsWindowEnabled(mainFrame));
    delete dialog;
}
