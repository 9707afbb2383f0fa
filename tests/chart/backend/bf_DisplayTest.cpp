#include "chart/backend/bf_Display.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"

#include <gtest/gtest.h>

namespace {

class bf_DisplayTest : public ::testing::Test {
protected:
    RecordingDisplay recorder;
    StandInWindow window{0, 0, 399, 299};
};

// A display already made, with its set-up calls cleared from the record.
class bf_DisplayDrawing : public bf_DisplayTest {
protected:
    bf_DisplayDrawing() { recorder.Clear(); }
    bf_Display d{&recorder, &window};
};

} // namespace

TEST_F(bf_DisplayTest, ConstructionSelectsBlackPenWhiteBrushAndTheCurrentFont)
{
    recorder.SetFont(3);
    recorder.Clear();
    bf_Display d(&recorder, &window);
    EXPECT_EQ(recorder.palette.colorForeground, 0);
    EXPECT_EQ(recorder.palette.colorBackground, 15);
    ASSERT_NE(d.CurrentFont(), nullptr);
    EXPECT_EQ(d.CurrentFont()->FontNumber(), 3);
}

TEST_F(bf_DisplayDrawing, SelectingAndPoppingPensAppliesTheOneBelow)
{
    d.SelectPen(new bf_Pen(bf_Color(4), 1, 3));
    EXPECT_EQ(recorder.palette.colorForeground, 4);
    EXPECT_EQ(recorder.palette.lineStyle, 1);
    EXPECT_EQ(d.LineWidth(), 3);
    delete d.PopPen();
    EXPECT_EQ(recorder.palette.colorForeground, 0);
    EXPECT_EQ(recorder.palette.lineStyle, 0);
    d.SelectBrushColor(bf_Color(12));
    EXPECT_EQ(recorder.palette.colorBackground, 12);
    delete d.PopBrush();
    EXPECT_EQ(recorder.palette.colorBackground, 15);
}

TEST_F(bf_DisplayDrawing, PoppingTheLastPenLeavesTheFrameworkColour)
{
    d.SelectPenColor(bf_Color(9));
    delete d.PopPen();
    bf_Pen *base = d.PopPen(); // the constructor's pen: nothing below it
    EXPECT_EQ(recorder.palette.colorForeground, 0);
    recorder.SetForeground(6);
    EXPECT_EQ(d.PopPen(), nullptr);
    EXPECT_EQ(recorder.palette.colorForeground, 6);
    delete base;
}

TEST_F(bf_DisplayDrawing, FontsBySizeNeverReachTheFramework)
{
    d.SelectFont(new bf_Font(bf_FontSpec(L"Arial", cf_2DRect(0, 0, 5, 12))));
    EXPECT_TRUE(recorder.Calls("SetFont").empty());
    EXPECT_EQ(recorder.palette.font, 1);
    d.SelectFont(new bf_Font(static_cast<unsigned char>(3)));
    EXPECT_EQ(recorder.palette.font, 3);
    delete d.PopFont();
    delete d.PopFont();
    EXPECT_EQ(recorder.palette.font, 1);
}

TEST_F(bf_DisplayTest, DestructionRestoresTheFontAndDeletesLeftovers)
{
    {
        bf_Display d(&recorder, &window);
        d.SelectPenColor(bf_Color(5));   // left selected on purpose
        d.SelectBrushColor(bf_Color(5)); // deleted with the display
        recorder.SetFont(4);
    }
    EXPECT_EQ(recorder.palette.font, 1);
}

TEST_F(bf_DisplayDrawing, WidePolylineIsOneUnfilledRunButLineByLineInExclusiveOr)
{
    cf_2DPoint one[] = {{5, 5}};
    d.Polyline(one, 1);
    EXPECT_TRUE(recorder.Drawing().empty());
    cf_2DPoint three[] = {{0, 0}, {10, 5}, {20, 0}};
    d.SelectPen(new bf_Pen(bf_Color(2), 0, 2));
    d.Polyline(three, 3);
    auto drawing = recorder.Drawing();
    ASSERT_EQ(drawing.size(), 1u); // no extra last pixel for a wide pen
    EXPECT_EQ(drawing[0].op, "Polygon");
    EXPECT_FALSE(drawing[0].fill);
    EXPECT_EQ(drawing[0].args, (std::vector<int>{3, 2, 0, 0, 0, 10, 5, 20, 0}));
    EXPECT_EQ(drawing[0].foreground, 2);

    recorder.Clear();
    d.SetDrawMode();
    d.Polyline(three, 3);
    d.ResetDrawMode();
    auto lines = recorder.Drawing();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].op, "Line");
    EXPECT_EQ(lines[1].args, (std::vector<int>{10, 5, 20, 0, 2}));
    delete d.PopPen();
}

TEST_F(bf_DisplayDrawing, RectangleIsFourLinesTopRightBottomLeft)
{
    d.Rectangle(cf_2DRect(10, 10, 50, 30));
    auto lines = recorder.Drawing();
    ASSERT_EQ(lines.size(), 4u);
    const std::vector<int> expected[] = {
        {10, 10, 50, 10, 1}, {50, 10, 50, 30, 1}, {50, 30, 10, 30, 1}, {10, 30, 10, 10, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].op, "Line");
        EXPECT_EQ(lines[i].args, expected[i]);
    }
}

TEST_F(bf_DisplayDrawing, FillRectangleAndPolygonAreFilled)
{
    d.FillRectangle(cf_2DRect(1, 2, 3, 4));
    cf_2DPoint triangle[] = {{0, 0}, {10, 0}, {5, 8}};
    d.Polygon(triangle, 3);
    auto drawing = recorder.Drawing();
    ASSERT_EQ(drawing.size(), 2u);
    EXPECT_EQ(drawing[0].op, "Rectangle");
    EXPECT_TRUE(drawing[0].fill);
    EXPECT_EQ(drawing[1].op, "Polygon");
    EXPECT_TRUE(drawing[1].fill);
    EXPECT_EQ(drawing[1].args, (std::vector<int>{3, 1, 0, 0, 0, 10, 0, 5, 8}));
}

TEST_F(bf_DisplayDrawing, PieWithBothPointsRightOfTheCentreIsAFullEllipse)
{
    d.Pie(cf_2DRect(0, 0, 100, 100), cf_2DPoint(90, 50), cf_2DPoint(80, 50));
    auto ellipses = recorder.Calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_FLOAT_EQ(ellipses[0].startAngle, 0);
    EXPECT_FLOAT_EQ(ellipses[0].endAngle, 360);
    EXPECT_TRUE(ellipses[0].fill);
    d.Arc(cf_2DRect(0, 0, 100, 100), cf_2DPoint(50, 0), cf_2DPoint(0, 50));
    ellipses = recorder.Calls("Ellipse");
    EXPECT_FLOAT_EQ(ellipses[1].startAngle, 90);
    EXPECT_FLOAT_EQ(ellipses[1].endAngle, 180);
    EXPECT_FALSE(ellipses[1].fill);
}

TEST_F(bf_DisplayTest, AnglesFollowTheDirectionEvenOnePixelOffTheAxis)
{
    const cf_2DPoint c(50, 50);
    const struct { cf_2DPoint to; double degrees; } cases[] = {
        {{51, 49}, 45}, {{51, 51}, 315}, {{50, 80}, 270}, {{20, 50}, 180}, {c, 0}};
    for (const auto &t : cases)
        EXPECT_NEAR(bf_Display::AngleOf(c, t.to), t.degrees, 1e-6) << t.to.x << "," << t.to.y;
}

TEST_F(bf_DisplayDrawing, CircleTextAndPixelReachTheFramework)
{
    d.Circle(cf_2DPoint(20, 30), 5);
    EXPECT_EQ(d.Pixel(cf_2DPoint(1, 2), bf_Color(9)).Index(), 9);
    d.Text(cf_2DPoint(7, 8), cf_String(L"600"));
    d.Text(cf_2DPoint(7, 8), L""); // nothing to draw
    auto drawing = recorder.Drawing();
    ASSERT_EQ(drawing.size(), 3u);
    EXPECT_EQ(drawing[0].args, (std::vector<int>{15, 25, 25, 35, 1}));
    EXPECT_FLOAT_EQ(drawing[0].endAngle, 360);
    EXPECT_EQ(drawing[2].text, L"600");
}

TEST_F(bf_DisplayDrawing, TextExtentAndDeviceRectComeFromTheFramework)
{
    EXPECT_EQ(d.TextExtent(cf_String(L"3000")), cf_2DRect(0, 0, 28, 13));
    EXPECT_EQ(d.TextExtent(L"", 0), cf_2DRect(0, 0, 0, 0));
    cf_2DRect device;
    d.DeviceRect(device);
    EXPECT_EQ(device, cf_2DRect(0, 0, 399, 299));
    // One inch by half an inch at 96 pixels per inch; the framework's
    // regions include their right and bottom edges.
    cf_2DRect twips(0, 0, 95, 47);
    d.ConvertRect(twips);
    EXPECT_EQ(twips.right + 1, 1440);
    EXPECT_EQ(twips.bottom + 1, 720);
}

TEST(bf_Display, ADisplayThatCannotDrawIsLeftAlone)
{
    ZafDisplay plain; // not a GDI display
    bf_Display d(&plain, nullptr);
    cf_2DPoint line[] = {{0, 0}, {5, 5}};
    EXPECT_TRUE(d.Polyline(line, 2));
    EXPECT_TRUE(d.Rectangle(cf_2DRect(0, 0, 5, 5)));
    EXPECT_EQ(d.TextExtent(L"abc", 3), cf_2DRect());
    cf_2DRect device;
    d.DeviceRect(device); // without a window: the whole display
    EXPECT_EQ(device, cf_2DRect(0, 0, plain.columns - 1, plain.lines - 1));
}
