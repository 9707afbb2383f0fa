#include "ZafLayoutTestSupport.h"

#include "framework/controls/ZafStatusBar.h"
#include "framework/controls/ZafToolBar.h"

// What the status bar and the tool bar have alike on screen: a child window
// of their own, and a click on either brings the window they sit in to the
// front.
class ZafBarTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        window = NewTopLevel(200, 120, { -1 });
        statusBar = new ZafStatusBar(0, 0, 10, 24);
        statusBar->SetCoordinateType(ZAF_PIXEL);
        toolBar = new ZafToolBar(0, 0, 10, 10);
        toolBar->SetCoordinateType(ZAF_PIXEL);
        window->Add(statusBar);
        window->Add(toolBar);
        manager->Add(window);
        other = NewTopLevel(120, 80, { -1 }, 300, 200);
        manager->Add(other);
        Pump(30);
    }

    ZafWindow *window = nullptr;
    ZafWindow *other = nullptr;
    ZafStatusBar *statusBar = nullptr;
    ZafToolBar *toolBar = nullptr;
};

TEST_F(ZafBarTest, EachBarIsAVisibleChildWindowOfItsOwnAndAClickOnItBringsItsWindowToTheFront)
{
    for (ZafWindowObject *bar : { static_cast<ZafWindowObject *>(statusBar), static_cast<ZafWindowObject *>(toolBar) })
    {
        SCOPED_TRACE(bar->ClassName());
        const HWND handle = Handle(bar);
        ASSERT_TRUE(IsWindow(handle));
        EXPECT_EQ(bar->OSWindow(), bar->OSHandle(2));
        EXPECT_NE(handle, static_cast<HWND>(window->OSHandle(2)));
        EXPECT_TRUE(GetWindowLong(handle, GWL_STYLE) & WS_CHILD);
        EXPECT_EQ(GetAncestor(handle, GA_ROOT), static_cast<HWND>(window->OSHandle(2)));
        EXPECT_TRUE(IsWindowVisible(handle));

        ASSERT_TRUE(Activate(other));
        SendMessage(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessage(handle, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        Pump(30);
        EXPECT_EQ(static_cast<HWND>(window->OSHandle(2)), GetForegroundWindow());
    }
}
