// The 8-bit (Windows 95 family) path run for real: these tests act only when
// the program runs with a Windows 98 version (the build's second run of this
// program, under Wine's per-program version setting); elsewhere they skip.
#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafScreenDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

class ZafAnsiPlatformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
        if (ZafMSWindowsApp::Platform().platform != 2)
            GTEST_SKIP() << "runs under a Windows 95-family version only";
        display = std::make_unique<ZafScreenDisplay>();
        top = std::make_unique<TopLevelWindow>();
        host = std::make_unique<HostObject>(top->Handle());
    }
    void TearDown() override
    {
        host.reset();
        top.reset();
        display.reset();
        app.reset();
    }
    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<ZafScreenDisplay> display;
    std::unique_ptr<TopLevelWindow> top;
    std::unique_ptr<HostObject> host;
};

} // namespace

// The run that exists for the 8-bit path says so in QV_WINDOWS_VERSION ("98");
// every other run must see an NT version. Without this, a run that silently
// got the ordinary version would skip the tests above and still pass.
TEST(ZafPlatformVersion, TheProgramSeesTheWindowsVersionItsRunIsMadeFor)
{
    const char *asked = std::getenv("QV_WINDOWS_VERSION");
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    if (asked && std::string(asked) == "98") {
        EXPECT_EQ(DWORD(VER_PLATFORM_WIN32_WINDOWS), info.dwPlatformId);
        EXPECT_EQ(4u, info.dwMajorVersion);
        EXPECT_EQ(10u, info.dwMinorVersion);
        EXPECT_EQ(2, ZafMSWindowsApp::Platform().platform);
        EXPECT_TRUE(ZafMSWindowsApp::Ansi());
    } else {
        EXPECT_EQ(nullptr, asked) << "no run is made for Windows " << asked;
        EXPECT_EQ(DWORD(VER_PLATFORM_WIN32_NT), info.dwPlatformId);
        EXPECT_EQ(3, ZafMSWindowsApp::Platform().platform);
    }
}

TEST_F(ZafAnsiPlatformTest, NinetyFiveFamilyTakesTheAnsiPathWithThreeDControls)
{
    EXPECT_TRUE(ZafMSWindowsApp::Ansi());
    EXPECT_TRUE(ZafMSWindowsApp::ThreeDPlatform());
    EXPECT_TRUE(ZafMSWindowsApp::ThreeDLibraryAvailable());
    EXPECT_EQ(CallTarget(reinterpret_cast<const void *>(&GetWindowLongA)),
        CallTarget(reinterpret_cast<const void *>(ZafMSWindowsApp::Entry().getWindowLong)));
    // Font 1 is the stock interface font on this family.
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), display->FontAt(1));
}

TEST_F(ZafAnsiPlatformTest, WindowsAreAnsiWindowsThatStillReachTheirObjects)
{
    RecordingObject object(0, 0, 40, 20);
    object.SetCoordinateType(ZAF_PIXEL);
    object.SetParent(host.get());
    object.Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    HWND window = static_cast<HWND>(object.OSWindow());
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(IsWindowUnicode(window));
    object.answeredMessage = WM_USER + 9;
    object.answer = 77;
    EXPECT_EQ(77, SendMessageA(window, WM_USER + 9, 0, 0));
    object.ReleaseOSWindow();
    object.SetParent(nullptr);
}

TEST_F(ZafAnsiPlatformTest, TitlesGoOutInTheLocalCodeSet)
{
    HWND window = ZafCreateWindowEx(0, L"ZafWindow", L"Caf\u00e9", WS_POPUP, 0, 0, 10, 10,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    char local[16] = {};
    GetWindowTextA(window, local, 16);
    char expected[16] = {};
    WideCharToMultiByte(CP_ACP, 0, L"Caf\u00e9", -1, expected, 16, nullptr, nullptr);
    EXPECT_STREQ(expected, local);
    DestroyWindow(window);
}

TEST_F(ZafAnsiPlatformTest, TextIsMeasuredAndDrawnThroughTheAnsiCalls)
{
    DibSurface surface(64, 32, RGB(255, 255, 255));
    display->BeginDraw(surface.Context(), nullptr);
    ZafRegionStruct extent = display->TextExtent(L"Wg\u00e9");
    SIZE size = {};
    GetTextExtentPoint32A(surface.Context(), "Wg\xe9", 3, &size);
    EXPECT_EQ(size.cx, extent.right);
    EXPECT_EQ(size.cy, extent.bottom);
    display->Text(0, 0, L"Wg\u00e9");
    display->EndDraw();
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            drawn += surface.PixelAt(x, y) != RGB(255, 255, 255);
    EXPECT_GT(drawn, 0);
}
