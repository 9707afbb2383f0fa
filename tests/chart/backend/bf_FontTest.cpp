#include "chart/backend/bf_Bitmap.h"
#include "chart/backend/bf_Font.h"

#include <gtest/gtest.h>

TEST(bf_Font, AFontIsByFaceOrByFrameworkNumberNeverBoth)
{
    bf_Font byFace(bf_FontSpec(L"Arial", cf_2DRect(0, 0, 5, 12)));
    EXPECT_TRUE(byFace.ByFace());
    EXPECT_EQ(byFace.FontNumber(), BF_NO_FONT_NUMBER);
    EXPECT_EQ(byFace.Spec().Size(), 12);
    bf_Font byNumber(bf_FontSpec(static_cast<unsigned char>(3)));
    EXPECT_FALSE(byNumber.ByFace());
    EXPECT_EQ(byNumber.FontNumber(), 3);
    bf_FontSpec plain;
    EXPECT_EQ(plain.FontNumber(), BF_NO_FONT_NUMBER);
    EXPECT_FALSE(plain.ByFace());
}

TEST(bf_Font, BitmapPlaceholdersDrawNothingAndReportSuccess)
{
    bf_2DBitmap wall(L"wall.bmp", nullptr);
    EXPECT_EQ(wall.Size(), cf_2DRect(0, 0, 0, 0));
    bf_2DBitmapDisplay bitmapDisplay;
    EXPECT_TRUE(bitmapDisplay.DrawBitmap(cf_2DPoint(1, 1), &wall));
}
