#include "chart/backend/bf_Bitmap.h"
#include "chart/backend/bf_Font.h"

#include <gtest/gtest.h>

TEST(bf_Font, SpecByFaceCarriesFaceAndSizeWithoutANumber)
{
    bf_FontSpec spec(L"Arial", cf_2DRect(0, 0, 5, 12));
    EXPECT_TRUE(spec.ByFace());
    EXPECT_EQ(spec.Size(), 12);
    EXPECT_EQ(spec.FontNumber(), BF_NO_FONT_NUMBER);
    bf_Font font(spec);
    EXPECT_TRUE(font.ByFace());
    EXPECT_EQ(font.FontNumber(), BF_NO_FONT_NUMBER);
    EXPECT_TRUE(font.Face() == L"Arial");
    EXPECT_EQ(font.Spec().Size(), 12);
}

TEST(bf_Font, SpecByNumberGivesThatFrameworkFont)
{
    bf_Font font(bf_FontSpec(static_cast<unsigned char>(3)));
    EXPECT_FALSE(font.ByFace());
    EXPECT_EQ(font.FontNumber(), 3);
    bf_FontSpec plain;
    EXPECT_EQ(plain.Size(), 10);
    EXPECT_EQ(plain.FontNumber(), BF_NO_FONT_NUMBER);
    EXPECT_FALSE(plain.ByFace());
}

TEST(bf_Font, MetricsAndBitmapsArePlaceholders)
{
    bf_FontInfo info(nullptr);
    EXPECT_EQ(info.Height() + info.Ascent() + info.Descent() + info.AverageWidth(), 0);
    bf_2DBitmap wall(L"wall.bmp", nullptr);
    EXPECT_EQ(wall.Size(), cf_2DRect(0, 0, 0, 0));
    EXPECT_EQ(wall.Width(), 0);
    bf_2DBitmapDisplay bitmapDisplay;
    EXPECT_TRUE(bitmapDisplay.DrawBitmap(cf_2DPoint(1, 1), &wall));
}
