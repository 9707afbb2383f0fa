// The splash window from the picture beside the program.
#include <gtest/gtest.h>

#include "shell/app/KZSplash.h"
#include "shell/support/ToolkitTest.h"

using KZSplashTest = ToolkitTest;

TEST_F(KZSplashTest, ThePictureIsCentredOnTheScreenWithTheTextsOverItsLowerPart)
{
    const COLORREF red = RGB(255, 0, 0);
    WriteTarga(L"quorvane.tgs", 400, 300, red);
    auto *splash = new KZSplash;
    Show(splash);
    HWND window = static_cast<HWND>(splash->OSHandle(2));
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 400) / 2, rect.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 300) / 2, rect.top);
    EXPECT_EQ(400, rect.right - rect.left);
    EXPECT_EQ(300, rect.bottom - rect.top);
    EXPECT_EQ(red, PixelOf(splash, 10, 10));
    EXPECT_EQ(KRect(58, 232, 311, 261), splash->TextRect());

    int written = 0, above = 0;
    for (int y = 200; y < 262; ++y)
        for (int x = 58; x <= 311; ++x)
            if (PixelOf(splash, x, y) != red)
                ++(y < 232 ? above : written);
    EXPECT_GT(written, 0);
    EXPECT_EQ(0, above);
}

TEST_F(KZSplashTest, WithoutAPictureTheSplashIsEmptyAndDrawsNothing)
{
    auto *splash = new KZSplash;
    EXPECT_FALSE(splash->Picture().HasPixels());
    Show(splash);
    splash->Draw();
    EXPECT_TRUE(splash->Registered());
}
