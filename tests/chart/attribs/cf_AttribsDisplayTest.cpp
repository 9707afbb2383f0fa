#include "chart/attribs/cf_DispAttribs.h"
#include "chart/attribs/cf_TextAttribs.h"
#include "chart/backend/bf_Display.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"

#include <gtest/gtest.h>

namespace {

class AttribsOnDisplay : public ::testing::Test {
protected:
    AttribsOnDisplay() { recorder.Clear(); }
    RecordingDisplay recorder;
    StandInWindow window{0, 0, 599, 299};
    bf_Display d{&recorder, &window};
};

} // namespace

TEST_F(AttribsOnDisplay, DefaultAttributesSelectSolidBlackPenAndWhiteBrush)
{
    d.SelectPenColor(bf_Color(7));
    d.SelectBrushColor(bf_Color(7));
    cf_DispAttribs attribs;
    attribs.SelectPen(&d);
    attribs.SelectBrush(&d);
    EXPECT_EQ(recorder.palette.colorForeground, 0);
    EXPECT_EQ(recorder.palette.lineStyle, 0);
    EXPECT_EQ(recorder.palette.colorBackground, 15);
    attribs.ReleaseBrush(&d);
    attribs.ReleasePen(&d);
    EXPECT_EQ(recorder.palette.colorForeground, 7);
    EXPECT_EQ(recorder.palette.colorBackground, 7);
}

TEST_F(AttribsOnDisplay, ScaledFontByFaceLeavesTheFrameworkFontAlone)
{
    cf_TextAttribs text;
    bf_FontSpec realised = text.ScaledFontSpec(&d);
    EXPECT_TRUE(realised.Face() == L"SystemVariable");
    EXPECT_TRUE(recorder.Calls("SetFont").empty());
    EXPECT_EQ(d.CurrentFont()->FontNumber(), 1); // the display's own font is back on top
    // The display's rectangle is kept, in twips.
    EXPECT_EQ(text.ReferenceRect().right + 1, 600 * 15);
}

TEST_F(AttribsOnDisplay, ScaledFontByNumberSelectsItAndPutsTheOldOneBack)
{
    cf_TextAttribs text;
    text.SetFontSpec(bf_FontSpec(static_cast<unsigned char>(3)));
    recorder.Clear();
    bf_FontSpec realised = text.ScaledFontSpec(&d);
    EXPECT_EQ(realised.FontNumber(), 3);
    auto fonts = recorder.Calls("SetFont");
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].args[0], 3);
    EXPECT_EQ(recorder.palette.font, 1);
}

TEST_F(AttribsOnDisplay, StoredReferenceRectangleIsNotConvertedTwice)
{
    cf_TextAttribs text;
    text.SetReferenceRect(cf_2DRect(0, 0, 59, 29));
    text.ScaledFontSpec(&d);
    text.ScaledFontSpec(&d);
    EXPECT_EQ(text.ReferenceRect(), cf_2DRect(0, 0, 59, 29));
}
