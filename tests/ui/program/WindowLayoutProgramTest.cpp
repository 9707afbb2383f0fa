// The program's windows keep their layout and paint through what a user
// does to them: the main window resized smaller and back, the chart
// maximised and restored by its tool-bar button, the workout window
// cascaded and tiled from the Window menu. After each step the screen must
// show what a full repaint shows, the tool bars their buttons, the results
// rows their cells under the column headings and the chart its curve.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/program/DesktopHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

bool Apart(COLORREF a, COLORREF b)
{
    auto distant = [](int x, int y) { return std::abs(x - y) > 30; };
    return distant(GetRValue(a), GetRValue(b)) || distant(GetGValue(a), GetGValue(b)) ||
           distant(GetBValue(a), GetBValue(b));
}

int Buttons(HWND window)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += H::ClassOf(child) == L"Button" ? 1 : 0;
    return count;
}

// The tool bar below parent that holds that many buttons: the main bar
// (New, Open, Save) 3, the results bar 6, the chart bar 7.
HWND BarWithButtons(HWND parent, int count)
{
    return H::FindWindowWhere(parent, [&](HWND window) {
        return H::ClassOf(window) == L"ZafWindow" && Buttons(window) == count;
    });
}

HWND NthButton(HWND bar, int index)
{
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (H::ClassOf(child) == L"Button" && index-- == 0)
            return child;
    return nullptr;
}

RECT ScreenRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// The screen shows what the window paints: a full repaint of the window
// and everything in it changes no pixel of its client area.
::testing::AssertionResult ShowsWhatItPaints(HWND window)
{
    const H::Picture shown = Settled(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    const H::Picture painted = Settled(window);
    if (shown.width != painted.width || shown.height != painted.height)
        return ::testing::AssertionFailure() << "the window changed its size on a repaint";
    int differ = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            if (shown.At(x, y) != painted.At(x, y) && differ++ == 0)
                firstX = x, firstY = y;
    if (differ == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differ << " pixels were not what a repaint draws, the first at (" << firstX
                                         << ", " << firstY << ")";
}

// Every visible button of the bar shows its picture: ink of its own inside
// its rectangle, not the bar's background.
::testing::AssertionResult ButtonsShow(HWND bar)
{
    if (!bar)
        return ::testing::AssertionFailure() << "no such tool bar";
    const RECT area = ScreenRect(bar);
    const H::Picture picture = H::CaptureScreen(area);
    const COLORREF background = picture.At(picture.width - 2, 1);
    for (int index = 0; HWND button = NthButton(bar, index); ++index)
    {
        if (!IsWindowVisible(button))
            continue;
        const RECT r = ScreenRect(button);
        int ink = 0;
        for (int y = r.top - area.top; y < r.bottom - area.top; ++y)
            for (int x = r.left - area.left; x < r.right - area.left; ++x)
                ink += Apart(picture.At(x, y), background) ? 1 : 0;
        if (ink < 20)
            return ::testing::AssertionFailure() << "button " << index << " of the bar is blank";
    }
    return ::testing::AssertionSuccess();
}

bool IsGrey(COLORREF c)
{
    auto mid = [](int v) { return v >= 100 && v < 200; };
    return mid(GetRValue(c)) && mid(GetGValue(c)) && mid(GetBValue(c));
}

bool IsText(COLORREF c)
{
    return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
}

// The columns (from left, in screen coordinates) of a picture band where a
// grey cell edge runs through every row of the band; the first and last
// few columns (the outer edges) left out, adjacent columns taken as one.
std::vector<int> CellEdges(const H::Picture &picture, int left, int top, int bottom)
{
    std::vector<int> edges;
    for (int x = 3; x < picture.width - 3; ++x)
    {
        bool through = true;
        for (int y = top; y <= bottom && through; ++y)
            through = IsGrey(picture.At(x, y));
        if (through && (edges.empty() || edges.back() < left + x - 1))
            edges.push_back(left + x);
    }
    return edges;
}

// The results rows stand under their headings: each row's cell edges are
// those of the column title above (within a pixel: the title's edges are
// raised, the rows' sunken), and every row shows text in five cells or
// more (trial, source, reaction time and the two times).
::testing::AssertionResult RowsStandUnderTheirHeadings(HWND list)
{
    if (!list)
        return ::testing::AssertionFailure() << "no results list";
    HWND title = H::FindWindowWhere(GetParent(list), [&](HWND window) {
        return window != list && GetParent(window) == GetParent(list) && IsWindowVisible(window);
    });
    if (!title)
        return ::testing::AssertionFailure() << "no column title";
    const RECT listRect = ScreenRect(list), titleRect = ScreenRect(title);
    const H::Picture rows = Settled(list);
    const H::Picture headings = H::CaptureScreen(titleRect);
    const std::vector<Band> numbers = NumberBands(rows);
    if (numbers.size() != 3)
        return ::testing::AssertionFailure() << numbers.size() << " trial numbers in the list";
    std::vector<int> titleEdges = CellEdges(headings, titleRect.left, 1, headings.height - 2);
    titleEdges.erase(std::remove_if(titleEdges.begin(), titleEdges.end(),
                         [&](int x) { return x >= listRect.left + rows.width - 3; }),
        titleEdges.end());
    if (titleEdges.size() < 7)
        return ::testing::AssertionFailure() << "the title shows " << titleEdges.size() << " cell edges";
    std::vector<int> bounds = titleEdges;
    bounds.insert(bounds.begin(), listRect.left);
    bounds.push_back(listRect.left + rows.width);
    for (size_t r = 0; r < numbers.size(); ++r)
    {
        const Band &row = numbers[r];
        const std::vector<int> rowEdges = CellEdges(rows, listRect.left, row.top, row.bottom);
        bool same = rowEdges.size() == titleEdges.size();
        for (size_t i = 0; same && i < rowEdges.size(); ++i)
            same = std::abs(rowEdges[i] - titleEdges[i]) <= 1;
        if (!same)
        {
            auto text = [](const std::vector<int> &edges) {
                std::string out;
                for (int x : edges)
                    out += " " + std::to_string(x);
                return out;
            };
            return ::testing::AssertionFailure() << "row " << r + 1 << " has its cell edges at" << text(rowEdges)
                                                 << ", the title at" << text(titleEdges);
        }
        int filled = 0;
        for (size_t i = 0; i + 1 < bounds.size(); ++i)
        {
            bool ink = false;
            for (int y = row.top; y <= row.bottom && !ink; ++y)
                for (int x = bounds[i] + 2; x < bounds[i + 1] - 2 && !ink; ++x)
                    ink = IsText(rows.At(x - listRect.left, y));
            filled += ink ? 1 : 0;
        }
        if (filled < 5)
            return ::testing::AssertionFailure() << "row " << r + 1 << " shows text in " << filled << " cells";
    }
    return ::testing::AssertionSuccess();
}

// The chart window shows its curve (the blue trace) over a good part of
// its width.
::testing::AssertionResult CurveShows(HWND chartWindow)
{
    if (!chartWindow)
        return ::testing::AssertionFailure() << "no chart window";
    const H::Picture chart = H::CaptureScreen(ScreenRect(chartWindow));
    int columns = 0;
    for (int x = 0; x < chart.width; ++x)
        for (int y = 0; y < chart.height; ++y)
        {
            const COLORREF c = chart.At(x, y);
            if (GetBValue(c) > 150 && GetRValue(c) < 100 && GetGValue(c) < 100)
            {
                ++columns;
                break;
            }
        }
    if (columns < chart.width / 3)
        return ::testing::AssertionFailure() << "the curve shows in " << columns << " of " << chart.width
                                             << " columns";
    return ::testing::AssertionSuccess();
}

class WindowLayoutProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(road.Start()) << "the program did not start";
        list = road.NewWorkoutWithTrials();
        ASSERT_NE(nullptr, list) << "no workout with trials:" << WindowsOf(road.Process());
        main = road.Main();
        chartBar = BarWithButtons(main, 7);
        ASSERT_NE(nullptr, chartBar);
        Settled(main);
    }

    // As a user does it: a maximised window is restored from its system
    // menu (Alt+Space, R), then its lower right corner is dragged with the
    // mouse until the frame has that size (the corner of the window
    // manager's frame on a desktop that has one). Answers the restored frame's size.
    SIZE Resize(int width, int height)
    {
        if (IsZoomed(main))
        {
            H::Focus(main);
            H::Chord({ VK_MENU, VK_SPACE });
            H::Rest(300);
            H::Key('R');
            EXPECT_TRUE(H::WaitFor([&] { return !IsZoomed(main); })) << "Alt+Space, R left the window maximised";
            Settled(main);
        }
        RECT frame = {};
        GetWindowRect(main, &frame);
        const SIZE restored = { frame.right - frame.left, frame.bottom - frame.top };
        if (DesktopHand::WindowManagerRuns())
        {
            // The window manager draws the frame, and only the X server's
            // pointer reaches it.
            const RECT drawn = DesktopHand::FrameOf(main);
            EXPECT_FALSE(IsRectEmpty(&drawn)) << "the window manager's frame could not be read";
            const POINT corner = { drawn.right - 2, drawn.bottom - 2 };
            EXPECT_TRUE(
                DesktopHand::DragFrame(main, corner, { corner.x + width - restored.cx, corner.y + height - restored.cy }))
                << "the window manager did not size its frame";
        }
        else
        {
            POINT from = { frame.right - 3, frame.bottom - 3 };
            POINT to = { frame.left + width - 3, frame.top + height - 3 };
            ScreenToClient(main, &from);
            ScreenToClient(main, &to);
            H::Drag(main, from, to);
        }
        EXPECT_TRUE(H::WaitFor([&] {
            GetWindowRect(main, &frame);
            return frame.right - frame.left == width && frame.bottom - frame.top == height;
        }, 5000)) << "the dragged frame is " << frame.right - frame.left << " x " << frame.bottom - frame.top;
        return restored;
    }
    // The chart's Maximize / Restore button, clicked.
    void ClickChartSizeButton()
    {
        H::ClickCenter(NthButton(chartBar, 1));
    }
    // Window > the entry with that mnemonic, by keys.
    void WindowMenu(char mnemonic)
    {
        H::Focus(main);
        H::Chord({ VK_MENU, 'W' });
        H::Key(WORD(mnemonic));
    }

    // The main window, its tool bars and the results list as a user
    // expects; the full repaint last, as it would mend what it finds.
    void ExpectWindowsPainted(bool withResults = true)
    {
        Settled(main);
        EXPECT_TRUE(ButtonsShow(BarWithButtons(main, 3))) << "main tool bar";
        EXPECT_TRUE(ButtonsShow(chartBar)) << "chart tool bar";
        EXPECT_TRUE(CurveShows(GetParent(chartBar)));
        if (withResults)
        {
            EXPECT_TRUE(ButtonsShow(BarWithButtons(main, 6))) << "results tool bar";
            EXPECT_TRUE(RowsStandUnderTheirHeadings(H::FindList(main)));
        }
        EXPECT_TRUE(ShowsWhatItPaints(main));
    }

    ProgramRoad road{ L"qlayout" };
    HWND main = nullptr;
    HWND list = nullptr;
    HWND chartBar = nullptr;
};

} // namespace

TEST_F(WindowLayoutProgram, AMainWindowResizedSmallerKeepsRowsUnderHeadingsAndBarsPainted)
{
    Resize(640, 480);
    ExpectWindowsPainted();
}

TEST_F(WindowLayoutProgram, AMainWindowResizedBackShowsListBarsAndCurve)
{
    const SIZE restored = Resize(640, 480);
    Settled(main);
    Resize(restored.cx, restored.cy);
    ExpectWindowsPainted();
}

TEST_F(WindowLayoutProgram, TheMaximisedChartShowsItsCurveOverTheWholeWindow)
{
    ClickChartSizeButton();
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) == nullptr; })) << "the results list stayed";
    ExpectWindowsPainted(false);
}

TEST_F(WindowLayoutProgram, TheRestoredChartGivesTheResultsListItsPlaceAgain)
{
    ClickChartSizeButton();
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) == nullptr; })) << "the results list stayed";
    Settled(main);
    ClickChartSizeButton();
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) != nullptr; })) << "the results list did not come back";
    ExpectWindowsPainted();
}

TEST_F(WindowLayoutProgram, CascadedWindowsKeepListBarsAndCurvePainted)
{
    WindowMenu('C');
    ASSERT_TRUE(H::WaitFor([&] { return !IsZoomed(road.EventWindow()); })) << "the workout window stayed maximised";
    ExpectWindowsPainted();
}

TEST_F(WindowLayoutProgram, TiledWindowsKeepListBarsAndCurvePainted)
{
    WindowMenu('H');
    ASSERT_TRUE(H::WaitFor([&] { return !IsZoomed(road.EventWindow()); })) << "the workout window stayed maximised";
    ExpectWindowsPainted();
}
