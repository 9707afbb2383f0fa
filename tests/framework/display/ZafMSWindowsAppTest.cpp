#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

OSVERSIONINFOA Version(DWORD platformId, DWORD major, DWORD minor)
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwPlatformId = platformId;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    return info;
}

std::wstring Take(wchar_t *text)
{
    std::wstring result = text ? text : L"<null>";
    delete[] text;
    return result;
}

} // namespace

TEST(ZafPlatformDecision, ThreeDLookStartsWithNT351AndWindows95)
{
    EXPECT_TRUE(ZafDecidePlatform(VER_PLATFORM_WIN32_NT, 3, 51).threeD);
    EXPECT_FALSE(ZafDecidePlatform(VER_PLATFORM_WIN32_NT, 3, 50).threeD);
    EXPECT_TRUE(ZafDecidePlatform(VER_PLATFORM_WIN32_WINDOWS, 4, 0).threeD);
    EXPECT_FALSE(ZafDecidePlatform(VER_PLATFORM_WIN32s, 1, 2).threeD);
    EXPECT_TRUE(ZafDecidePlatform(VER_PLATFORM_WIN32s, 1, 3).threeD);
}

TEST(ZafPlatformDecision, OnlyNTTakesWideCallsAndVersionIsMajorTimesHundredPlusMinor)
{
    ZafPlatformInfo nt = ZafDecidePlatform(VER_PLATFORM_WIN32_NT, 5, 1);
    EXPECT_FALSE(nt.ansi);
    EXPECT_EQ(3, nt.platform);
    EXPECT_EQ(501, nt.version);
    ZafPlatformInfo win98 = ZafDecidePlatform(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
    EXPECT_TRUE(win98.ansi);
    EXPECT_EQ(2, win98.platform);
    EXPECT_EQ(410, win98.version);
    EXPECT_EQ(1, ZafDecidePlatform(VER_PLATFORM_WIN32s, 1, 30).platform);
}

TEST(ZafHotKeyText, DoublesAmpersandsAndMarksTheHotKey)
{
    EXPECT_EQ(L"&A&&B", Take(ZafConvertHotKeyText(L"A&B", 0)));
    EXPECT_EQ(L"Fi&le", Take(ZafConvertHotKeyText(L"File", 2)));
    EXPECT_EQ(L"&&&&", Take(ZafConvertHotKeyText(L"&&", -1)));
    EXPECT_EQ(L"<null>", Take(ZafConvertHotKeyText(nullptr, 0)));
}

namespace {

template <typename Call>
Call Procedure(HMODULE module, const char *name)
{
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Wine has a built-in "ctl3d32.dll" that it prefers to any file of that
// name; for this program's run it is told to take the native one instead.
class NativeCtl3d
{
public:
    NativeCtl3d()
    {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string program = path;
        key = "Software\\Wine\\AppDefaults\\" + program.substr(program.find_last_of("\\/") + 1) + "\\DllOverrides";
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) == ERROR_SUCCESS)
        {
            RegSetValueExA(handle, "ctl3d32", 0, REG_SZ, reinterpret_cast<const BYTE *>("native"), 7);
            RegCloseKey(handle);
        }
    }
    ~NativeCtl3d()
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &handle) == ERROR_SUCCESS)
        {
            RegDeleteValueA(handle, "ctl3d32");
            RegCloseKey(handle);
        }
    }

private:
    std::string key;
};

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/"));
}

} // namespace

class ZafMSWindowsAppTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        app.reset();
        // Later tests run on the real platform again.
        OSVERSIONINFOA real = {};
        real.dwOSVersionInfoSize = sizeof(real);
        GetVersionExA(&real);
        ZafMSWindowsApp::ApplyPlatform(ZafDecidePlatform(real.dwPlatformId, real.dwMajorVersion, real.dwMinorVersion));
    }
    std::unique_ptr<ZafMSWindowsApp> app;
};

TEST_F(ZafMSWindowsAppTest, RegistersTheFrameworkClassesAndUnregistersThemAtTheEnd)
{
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
    WNDCLASSW info = {};
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"ZafWindow", &info));
    EXPECT_EQ(UINT(CS_DBLCLKS), info.style);
    EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"ZafMDIFrame", &info));
    EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"ZafMDIChild", &info));
    app.reset();
    EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), L"ZafWindow", &info));
}

TEST_F(ZafMSWindowsAppTest, WineRunsAsAWideNTPlatform)
{
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
    if (ZafMSWindowsApp::Platform().platform != 3)
        GTEST_SKIP() << "this run has an 8-bit platform";
    EXPECT_FALSE(ZafMSWindowsApp::Ansi());
    EXPECT_TRUE(ZafMSWindowsApp::ThreeDLibraryAvailable());
    EXPECT_EQ(CallTarget(reinterpret_cast<const void *>(&SendMessageW)), CallTarget(reinterpret_cast<const void *>(ZafMSWindowsApp::Entry().sendMessage)));
}

TEST_F(ZafMSWindowsAppTest, OldPlatformWithoutCtl3dLeavesTheLibraryUnavailableAndUsesPlainBorders)
{
    NativeCtl3d native;   // not Wine's built-in stand-in
    OSVERSIONINFOA nt350 = Version(VER_PLATFORM_WIN32_NT, 3, 50);
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr), &nt350);
    EXPECT_FALSE(ZafMSWindowsApp::ThreeDPlatform());
    if (GetModuleHandleA("ctl3d32.dll") == nullptr && LoadLibraryA("ctl3d32.dll") == nullptr)
    {
        EXPECT_FALSE(ZafMSWindowsApp::ThreeDLibraryAvailable());
    }

    TopLevelWindow top;
    HostObject host(top.Handle());
    ZafWindowObject *child = new ZafWindowObject(0, 0, 50, 20);
    child->SetParent(&host);
    child->SetBorder(true);
    child->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    HWND window = static_cast<HWND>(child->OSWindow());
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    delete child;
}

TEST_F(ZafMSWindowsAppTest, Windows95VersionChoosesTheAnsiEntryPoints)
{
    OSVERSIONINFOA win95 = Version(VER_PLATFORM_WIN32_WINDOWS, 4, 0);
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr), &win95);
    EXPECT_TRUE(ZafMSWindowsApp::Ansi());
    EXPECT_EQ(CallTarget(reinterpret_cast<const void *>(&SendMessageA)), CallTarget(reinterpret_cast<const void *>(ZafMSWindowsApp::Entry().sendMessage)));
    EXPECT_EQ(CallTarget(reinterpret_cast<const void *>(&DefWindowProcA)), CallTarget(reinterpret_cast<const void *>(ZafMSWindowsApp::Entry().defWindowProc)));
    // The classes are registered through the 8-bit call: their windows are
    // not Unicode windows, and titles pass in the local code set.
    HWND window = ZafCreateWindowEx(0, L"ZafWindow", L"Caf\u00e9", WS_POPUP, 0, 0, 10, 10,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(IsWindowUnicode(window));
    wchar_t title[16] = {};
    GetWindowTextW(window, title, 16);
    EXPECT_STREQ(L"Caf\u00e9", title);
    DestroyWindow(window);
}


TEST_F(ZafMSWindowsAppTest, OldPlatformUsesCtl3dInItsOrderWhenPresent)
{
    NativeCtl3d native;
    HMODULE fake = LoadLibraryA((ProgramFolder() + "\\fakectl3d\\ctl3d32.dll").c_str());
    if (!fake || !GetProcAddress(fake, MAKEINTRESOURCEA(21)))
        GTEST_SKIP() << "the stand-in ctl3d32.dll is not built";
    // Its test entries are taken by ordinal, like the library's own.
    auto log = Procedure<const char *(WINAPI *)()>(fake, MAKEINTRESOURCEA(20));
    auto reset = Procedure<void (WINAPI *)(BOOL)>(fake, MAKEINTRESOURCEA(21));
    reset(TRUE);
    OSVERSIONINFOA nt350 = Version(VER_PLATFORM_WIN32_NT, 3, 50);
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr), &nt350);
    EXPECT_STREQ("12,5,16", log());
    EXPECT_TRUE(ZafMSWindowsApp::ThreeDLibraryAvailable());
    {
        TopLevelWindow top;
        HostObject host(top.Handle());
        ZafWindowObject bordered(0, 0, 10, 10), plain(0, 0, 10, 10);
        bordered.SetBorder(true);
        for (ZafWindowObject *object : { &bordered, &plain })
        {
            object->SetParent(&host);
            object->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
        }
        EXPECT_STREQ("12,5,16,3", log());
        for (ZafWindowObject *object : { &bordered, &plain })
            object->SetParent(nullptr);
    }
    app.reset();
    EXPECT_STREQ("12,5,16,3,13", log());

    // A library that refuses to enable itself is not used.
    reset(FALSE);
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr), &nt350);
    EXPECT_STREQ("12,5", log());
    EXPECT_FALSE(ZafMSWindowsApp::ThreeDLibraryAvailable());
    app.reset();
    FreeLibrary(fake);
}
