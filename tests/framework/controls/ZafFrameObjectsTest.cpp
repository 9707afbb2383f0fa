// The border and the title of a window, and the frame objects a window gets
// from AddFrameObjects.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafDialogWindow.h"
#include "framework/controls/ZafTitle.h"

namespace {

HWND Frame(ZafWindow *window) { return static_cast<HWND>(window->OSHandle(2)); }

} // namespace

using ZafBorderTest = ControlTest;
using ZafTitleTest = ControlTest;

TEST_F(ZafBorderTest, WidthIsTheFrameOfItsKindOfWindowAndCannotBeSet)
{
    ZafWindow sizeable(0, 0, 100, 50);
    ZafBorder *border = static_cast<ZafBorder *>(sizeable.Add(new ZafBorder));
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), border->Width());
    EXPECT_EQ(border->Width(), border->SetWidth(0));
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), border->SetWidth(40));
    ZafDialogWindow dialog(0, 0, 100, 50);
    ZafBorder *dialogBorder = static_cast<ZafBorder *>(dialog.Add(new ZafBorder));
    EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), dialogBorder->Width());
    ZafWindow fixed(0, 0, 100, 50);
    fixed.SetSizeable(false);
    ZafBorder *thin = static_cast<ZafBorder *>(fixed.Add(new ZafBorder));
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), thin->Width());
}

TEST_F(ZafBorderTest, SettingsStayFixed)
{
    ZafBorder border;
    EXPECT_FALSE(border.SetFocus(true));
    EXPECT_FALSE(border.SetDisabled(true));
    EXPECT_TRUE(border.SetFocusBlocked(false));
    EXPECT_EQ(1, border.SetRegionMode(0));
    EXPECT_EQ(nullptr, border.SetHelpTopic(L"x"));
    EXPECT_EQ(nullptr, border.HelpTopic());
}

TEST_F(ZafTitleTest, OnlyWindowCommandsAreAcceptedAsValue)
{
    ZafTitle title(L"T");
    EXPECT_EQ(0, title.SetValue(ZAF_L_SELECT));
    EXPECT_EQ(ZAF_EV_MDI_MAXIMIZE, title.SetValue(ZAF_EV_MDI_MAXIMIZE));
    EXPECT_EQ(ZAF_EV_MDI_MAXIMIZE, title.SetValue(1002));
    EXPECT_EQ(ZAF_EV_RESTORE, title.SetValue(ZAF_EV_RESTORE));
}

TEST_F(ZafTitleTest, AddFrameObjectsGivesABorderAndATitleInThatOrderWhoseCaptionFollowsTheText)
{
    ZafWindow *window = NewTopLevel(200, 100, {});
    window->AddFrameObjects(L"Caption");
    ASSERT_NE(nullptr, window->Border());
    ASSERT_NE(nullptr, window->Title());
    EXPECT_EQ(window->Border(), window->FirstSupport());
    EXPECT_LT(window->SupportList().Index(window->Border()), window->SupportList().Index(window->Title()));
    manager->Add(window);
    const LONG style = GetWindowLongW(Frame(window), GWL_STYLE);
    EXPECT_EQ(LONG(WS_CAPTION), style & WS_CAPTION);
    EXPECT_EQ(LONG(WS_THICKFRAME), style & WS_THICKFRAME);
    EXPECT_EQ(L"Caption", WindowText(Frame(window)));
    // Setting the window text changes the caption at once.
    window->SetText(L"Abc");
    EXPECT_EQ(L"Abc", WindowText(Frame(window)));
    EXPECT_STREQ(L"Abc", window->Text());
}

TEST_F(ZafTitleTest, AWindowWithoutFrameObjectsHasNoTitle)
{
    ZafWindow window(0, 0, 10, 10);
    window.Add(new FramePart(ZAF_NUMID_TITLE));
    EXPECT_EQ(nullptr, window.Title());
    EXPECT_EQ(nullptr, window.Border());
    EXPECT_EQ(nullptr, window.Text());
}
