// Icons: natural size, the minimize icon of a frame, mouse selection and
// the system icons.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafIcon.h"
#include "framework/core/data/ZafImageData.h"

namespace {

std::vector<ZafEventType> calls;

ZafEventType RecordCall(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    if (code == ZAF_L_SELECT || code == ZAF_L_DOUBLE_CLICK)
        calls.push_back(code);
    return 0;
}

} // namespace

class ZafIconTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        calls.clear();
        window = NewTopLevel(200, 120, { -1, -5 });
    }
    ZafWindow *window = nullptr;
};

TEST_F(ZafIconTest, AnIconSizesToItsImageAndWithoutTextOrImageHasNoSize)
{
    ZafIcon *empty = new ZafIcon(10, 10, static_cast<const ZafIChar *>(nullptr));
    ZafIcon *icon = new ZafIcon(60, 10, static_cast<const ZafIChar *>(nullptr), ZafIcon::SystemIcon(0));
    for (ZafIcon *each : { empty, icon })
    {
        each->SetCoordinateType(ZAF_PIXEL);
        window->Add(each);
    }
    manager->Add(window);
    EXPECT_EQ(0, empty->Region().Width());
    EXPECT_EQ(0, empty->Region().Height());
    EXPECT_EQ(32, icon->Region().Width());
    EXPECT_EQ(32, icon->Region().Height());
    EXPECT_NE(nullptr, ZafIcon::SystemIcon(0)->Icon().array);   // pixels taken from the OS icon
}

TEST_F(ZafIconTest, TheMinimizeIconBecomesTheFramesIconWithoutAWindowOfItsOwn)
{
    ZafIcon *icon = new ZafIcon(0, 0, static_cast<const ZafIChar *>(nullptr),
        ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_HAND), ZAF_ICON_MINIMIZE);
    window->Add(icon);
    EXPECT_EQ(icon, window->MinimizeIcon());
    manager->Add(window);
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    EXPECT_FALSE(icon->OwnOSWindow());
    EXPECT_EQ(frame, icon->OSWindow());
    EXPECT_EQ(reinterpret_cast<LRESULT>(ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_HAND)->Icon().osIcon),
        SendMessageW(frame, WM_GETICON, ICON_BIG, 0));
}

TEST_F(ZafIconTest, ADoubleClickSelectsOnReleaseAndOnTheDoubleClick)
{
    ZafIcon *icon = new ZafIcon(10, 10, L"Doc", ZafIcon::SystemIcon(0));
    icon->SetCoordinateType(ZAF_PIXEL);
    icon->SetUserFunction(RecordCall);
    window->Add(icon);
    manager->Add(window);
    HWND handle = Handle(icon);
    ASSERT_NE(nullptr, handle);
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    SendMessageW(handle, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    const std::vector<ZafEventType> expected = { ZAF_L_SELECT, ZAF_L_DOUBLE_CLICK, ZAF_L_SELECT };
    EXPECT_EQ(expected, calls);
}

TEST_F(ZafIconTest, AnUnknownSystemIconChangesNothing)
{
    ZafIcon icon(0, 0, L"x", ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_QUESTION));
    EXPECT_EQ(ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_QUESTION), icon.SetSystemIcon(7));
    EXPECT_EQ(ZafIcon::SystemIcon(ZAF_SYSTEM_ICON_HAND), icon.SetSystemIcon(ZAF_SYSTEM_ICON_HAND));
    EXPECT_STREQ(L"HAND", icon.IconData()->StringID());
}

TEST_F(ZafIconTest, AnIconIsAlwaysAFlatButtonThatSelectsOnDoubleClick)
{
    ZafIcon icon(0, 0, L"x");
    EXPECT_EQ(ZAF_FLAT_BUTTON, icon.SetButtonType(ZAF_PUSH_BUTTON));
    EXPECT_FALSE(icon.SetToggle(true));
    EXPECT_EQ(1, icon.SetBitmap(nullptr));
    EXPECT_TRUE(icon.SelectOnDoubleClick());
}
