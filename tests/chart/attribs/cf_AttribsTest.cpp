#include "chart/attribs/cf_TextAttribs.h"

#include <gtest/gtest.h>

TEST(cf_AutoScaleFontSpec, NonPositiveSettingsFallBackToTheirDefaults)
{
    cf_AutoScaleFontSpec f;
    f.SetSizePercent(-3);
    EXPECT_DOUBLE_EQ(f.SizePercent(), 5.0);
    f.SetWidthPercent(0);
    EXPECT_DOUBLE_EQ(f.WidthPercent(), 45.0);
    f.SetAspect(-1);
    EXPECT_DOUBLE_EQ(f.Aspect(), 1.33333333);
    f.SetBaseSize(0);
    EXPECT_DOUBLE_EQ(f.BaseSize(), 400.0);
    f.SetAutoScale(0);
    f.SetScaledSize(8);
    EXPECT_EQ(f.AutoScale(), 1);
    EXPECT_DOUBLE_EQ(f.SizePercent(), 8.0);
}

TEST(cf_AutoScaleFontSpec, AReferenceRectangleOrAFontNumberReplacesTheDefaults)
{
    cf_AutoScaleFontSpec f;
    EXPECT_EQ(f.UseDisplayRect(), 1);
    f.SetReferenceRect(cf_2DRect(0, 0, 50, 60));
    EXPECT_EQ(f.UseDisplayRect(), 0);
    f.SetFontSpec(bf_FontSpec(static_cast<unsigned char>(3)));
    EXPECT_FALSE(f.ByFace());
    EXPECT_EQ(f.FontNumber(), 3);
}

TEST(cf_AutoScaleFontSpec, RotationIsStoredInTenthsOfADegree)
{
    cf_AutoScaleFontSpec f;
    f.SetRotation(90);
    EXPECT_EQ(f.RotationTenths(), 900);
    EXPECT_NEAR(f.RotationRadians(), 1.57079628, 1e-8);
    f.SetRotation(-90);
    EXPECT_EQ(f.Rotation(), -90);
}

TEST(cf_AutoScaleFontSpec, CharacterCellFollowsTheReferenceRectangle)
{
    const struct { int across, down, w, h; } cases[] = {
        {600, 300, 1, 4},   // landscape
        {300, 600, 2, 4},   // portrait
        {-600, -300, 1, 4}, // sides given the other way round
        {0, 0, 0, 0}};
    cf_AutoScaleFontSpec f;
    for (const auto &c : cases) {
        int w = -1, h = -1;
        f.CharCell(c.across, c.down, w, h);
        EXPECT_EQ(w, c.w) << c.across << " x " << c.down;
        EXPECT_EQ(h, c.h) << c.across << " x " << c.down;
    }
}

TEST(cf_TextAttribs, AnchorGroupsKeepExactlyOneChoice)
{
    cf_TextAttribs t;
    t.SetSideA();
    t.SetAnchorBottom();
    EXPECT_EQ(t.AnchorBottom(), 1);
    EXPECT_EQ(t.AnchorVCentre(), 0);
    EXPECT_EQ(t.SideA(), 0);
    t.SetSideA();
    EXPECT_EQ(t.AnchorBottom(), 1); // sides leave the vertical group alone
    t.SetSideB();
    EXPECT_EQ(t.SideA(), 0);
    EXPECT_EQ(t.SideB(), 1);
    t.SetAnchorRight();
    EXPECT_EQ(t.AnchorHCentre(), 0);
    t.SetAnchorLeft();
    EXPECT_EQ(t.AnchorRight(), 0);
    EXPECT_EQ(t.AnchorLeft(), 1);
    t.SetAnchorVCentre();
    EXPECT_EQ(t.SideB(), 0);
}
