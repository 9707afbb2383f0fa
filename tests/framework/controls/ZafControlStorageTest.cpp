// Dialogs, MDI windows, buttons, icons and the frame objects written to a
// storage and read back.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafDialogWindow.h"
#include "framework/controls/ZafIcon.h"
#include "framework/controls/ZafMDIWindow.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafStorage.h"

namespace {

std::vector<ZafInt8> pixels(8 * 6, 9);

} // namespace

class ZafControlStorage : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        persistence.AddObjectConstructor(L"ZafButton", ZafButton::classID, ZafButton::New);
        persistence.AddObjectConstructor(L"ZafIcon", ZafIcon::classID, ZafIcon::New);
        persistence.AddObjectConstructor(L"ZafBorder", ZafBorder::classID, ZafBorder::New);
        persistence.AddObjectConstructor(L"ZafTitle", ZafTitle::classID, ZafTitle::New);
        persistence.AddObjectConstructor(L"ZafMDIWindow", ZafMDIWindow::classID, ZafMDIWindow::New);
    }
    ZafStorage storage;
    ZafObjectPersistence persistence{ &storage };
};

TEST_F(ZafControlStorage, AButtonWithEveryFieldSetReadsBackEqual)
{
    ZafBitmapData *bitmap = new ZafBitmapData(ZafBitmapStruct(8, 6, pixels.data(), true));
    ZafButton button(3, 4, 20, 2, L"Start", bitmap, ZAF_CHECK_BOX);
    button.SetStringID(L"start");
    button.SetValue(10100);
    button.SetMessageText(L"message");
    button.SetDepth(3);
    button.SetAllowDefault(true);
    button.SetToggle(true);
    button.SetAutoRepeat(true);
    button.SetAutoSize(false);
    button.SetSelectOnDoubleClick(true);
    button.SetSelectOnPress(true);
    button.SetSendMessage(true);
    button.SetHorizontalPlacement(ZAF_PLACE_RIGHT);
    button.SetVerticalPlacement(ZAF_PLACE_LEFT);
    button.SetHotKey(L't', 1);
    button.Write(persistence);
    ASSERT_EQ(0, button.Error());

    ZafButton read(L"start", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_EQ(10100, read.Value());
    EXPECT_STREQ(L"message", read.MessageText());
    EXPECT_STREQ(L"Start", read.Text());
    EXPECT_EQ(3, read.Depth());
    EXPECT_TRUE(read.AllowDefault());
    EXPECT_TRUE(read.Toggle());
    EXPECT_TRUE(read.AutoRepeat());
    EXPECT_FALSE(read.AutoSize());
    EXPECT_TRUE(read.SelectOnDoubleClick());
    EXPECT_TRUE(read.SelectOnPress());
    EXPECT_TRUE(read.SendMessage());
    EXPECT_EQ(ZAF_CHECK_BOX, read.ButtonType());
    EXPECT_EQ(ZAF_PLACE_RIGHT, read.HorizontalPlacement());
    EXPECT_EQ(ZAF_PLACE_LEFT, read.VerticalPlacement());
    EXPECT_EQ(L'T', read.HotKeyChar());
    EXPECT_EQ(1, read.HotKeyIndex());
    ASSERT_NE(nullptr, read.BitmapData());
    EXPECT_EQ(8, read.BitmapData()->Width());
    EXPECT_EQ(6, read.BitmapData()->Height());
    EXPECT_EQ(9, read.BitmapData()->Bitmap().array[0]);
    EXPECT_EQ(button.Region().bottom, read.Region().bottom);
}

TEST_F(ZafControlStorage, AnIconShowingASystemIconReadsBackSharingIt)
{
    ZafIcon icon(5, 6, L"Stop", ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_HAND));
    icon.SetStringID(L"stop");
    icon.Write(persistence);
    ASSERT_EQ(0, icon.Error());
    ZafIcon read(L"stop", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_EQ(ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_HAND), read.IconData());
    EXPECT_STREQ(L"Stop", read.Text());
    EXPECT_EQ(ZAF_ICON_ORDINARY, read.IconType());
}

TEST_F(ZafControlStorage, ADialogWithItsFrameAndButtonsReadsBackEqual)
{
    ZafDialogWindow dialog(2, 3, 40, 10);
    dialog.SetStringID(L"ask");
    dialog.AddFrameObjects(L"Question");
    ZafButton *ok = new ZafButton(1, 1, 10, 1, L"OK");
    ok->SetStringID(L"ok");
    ok->SetValue(ZAF_DIALOG_OK);
    dialog.Add(ok);
    dialog.SetDefaultButton(ok, true);
    dialog.Write(persistence);
    ASSERT_EQ(0, dialog.Error());

    ZafDialogWindow read(L"ask", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_TRUE(read.Modal());
    EXPECT_FALSE(read.Destroyable());
    ASSERT_NE(nullptr, read.Border());
    ASSERT_NE(nullptr, read.Title());
    EXPECT_STREQ(L"Question", read.Text());
    ZafButton *readOk = dynamic_cast<ZafButton *>(read.GetObjectByStringID(L"ok"));
    ASSERT_NE(nullptr, readOk);
    EXPECT_EQ(ZAF_DIALOG_OK, readOk->Value());
    EXPECT_EQ(readOk, read.DefaultButton(true));
}

TEST_F(ZafControlStorage, AnMDIWindowKeepsItsKindAndItsDocuments)
{
    ZafMDIWindow frame(0, 0, 60, 20);
    frame.SetStringID(L"main");
    ZafMDIWindow *document = new ZafMDIWindow(1, 1, 20, 8, ZAF_MDI_CHILD);
    document->SetStringID(L"doc");
    frame.Add(document);
    frame.Write(persistence);
    ASSERT_EQ(0, frame.Error());

    ZafMDIWindow read(L"main", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_EQ(ZAF_MDI_FRAME, read.MDIType());
    ZafMDIWindow *readDocument = dynamic_cast<ZafMDIWindow *>(read.GetObjectByStringID(L"doc"));
    ASSERT_NE(nullptr, readDocument);
    EXPECT_EQ(ZAF_MDI_CHILD, readDocument->MDIType());
}
