// The leech's services on real windows: focus, the toolkit window's mouse
// map, coordinate clamping, the font cache, text and picture drawing.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/display/ZafDisplay.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

namespace {

// A plain framework object with a leech, drawn in its parent's window.
class LeechedObject : public ZafWindowObject, public KZWindowObjectLeech
{
public:
    LeechedObject(int left, int top, int width, int height)
        : ZafWindowObject(left, top, width, height), KZWindowObjectLeech(this)
    {
        SetCoordinateType(kCoordPixels);
        SetOwnOSWindow(false);
    }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (ZafEventType answer = KZWindowObjectLeech::Event(event))
            return answer;
        return ZafWindowObject::Event(event);
    }
    using KZWindowObjectLeech::DrawBackground;
    using KZWindowObjectLeech::DrawEdge;
    using ZafWindowObject::Redisplay;
};

class LeechServices : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        object = new LeechedObject(20, 0, 120, 60);
        host->Add(object);
        Pump();
    }
    HWND Window() const { return static_cast<HWND>(host->OSWindow()); }
    // The colours of the object's client pixels (0, 0) .. (w - 1, h - 1).
    std::vector<COLORREF> Pixels(int width, int height) const
    {
        std::vector<COLORREF> colors;
        const KPoint origin = object->ClientOrigin();
        HDC dc = GetDC(Window());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                colors.push_back(GetPixel(dc, origin.x + x, origin.y + y));
        ReleaseDC(Window(), dc);
        return colors;
    }
    // Runs a drawing between the object's BeginDraw and EndDraw.
    template <typename Draw> void Drawing(Draw draw)
    {
        object->BeginDraw();
        draw();
        object->EndDraw();
    }
    static bool Near(COLORREF a, COLORREF b)
    {
        auto close = [](int x, int y) { return x - y <= 8 && y - x <= 8; };
        return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
               close(GetBValue(a), GetBValue(b));
    }

    LeechedObject *object = nullptr;
};

ZafEventStruct MouseMessage(HWND window, UINT message, WPARAM buttons)
{
    ZafOSEventStruct os = {};
    os.hwnd = window;
    os.message = message;
    os.wParam = buttons;
    os.lParam = MAKELPARAM(10, 10);
    return ZafEventStruct(ZAF_EVENT_OS, os);
}

} // namespace

TEST_F(LeechServices, TakeFocusRequestGivesTheWindowTheFocusAndIsAnswered)
{
    SetFocus(nullptr);
    EXPECT_EQ(kEvtTakeFocus, host->Event(ZafEventStruct(kEvtTakeFocus, 0)));
    EXPECT_EQ(Window(), GetFocus());
}

TEST_F(LeechServices, MouseEventsMapByButtonStateOnly)
{
    const struct
    {
        UINT message;
        WPARAM buttons;
        ZafLogicalEvent expected;
    } cases[] = {
        { WM_LBUTTONDOWN, MK_LBUTTON, kEvtLeftPress },
        { WM_LBUTTONDBLCLK, MK_LBUTTON, kEvtLeftPress },          // a double click is a press
        { WM_RBUTTONDBLCLK, MK_RBUTTON, kEvtRightPress },
        { WM_MOUSEMOVE, MK_LBUTTON, kEvtLeftDrag },
        { WM_RBUTTONUP, 0, kEvtRightRelease },
        { WM_MOUSEMOVE, 0, kEvtMouseMove },
        { WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, ZAF_EVENT_OS },   // several buttons: the framework's code
    };
    for (const auto &c : cases) {
        ZafEventStruct event = MouseMessage(Window(), c.message, c.buttons);
        EXPECT_EQ(c.expected, host->MapEvent(event)) << "message " << c.message << " buttons " << c.buttons;
    }
}

TEST_F(LeechServices, ANewSizeRedrawsOnlyAWindowThatAsksForIt)
{
    const COLORREF marked = RGB(1, 2, 3);
    auto mark = [&] {
        HDC dc = GetDC(Window());
        SetPixel(dc, 5, 5, marked);
        ReleaseDC(Window(), dc);
    };
    mark();
    host->Event(ZafEventStruct(kEvtClientResized, 0));
    Pump();
    EXPECT_EQ(marked, PixelOf(host, 5, 5));
    host->SetLeechFlags(KZWindowObjectLeech::kFullRedrawAfterResize);
    host->Event(ZafEventStruct(kEvtClientResized, 0));
    Pump();
    EXPECT_NE(marked, PixelOf(host, 5, 5));
}

TEST_F(LeechServices, ConversionsToTheOSWindowClampAfterAdding)
{
    ASSERT_EQ(KPoint(20, 0), object->ClientOrigin());
    KPoint point(29990, 0);
    object->ClientToOS(point);
    EXPECT_EQ(KPoint(30000, 0), point);
    KRect rect(-30010, 29970, 10, 29985);
    object->ClientToOS(rect);
    EXPECT_EQ(KRect(-29990, 29970, 30, 29985), rect);
    KPoint back(25, 5);
    object->ParentToClient(back);
    EXPECT_EQ(KPoint(5, 5), back);
}

TEST_F(LeechServices, FontCacheHoldsTheDisplayFontsAndNothingOutsideTheTen)
{
    EXPECT_GT(KZFontHeight(1), 0);
    EXPECT_NE(nullptr, KZFontFaceName(1));
    EXPECT_EQ(0, KZFontHeight(10));
    EXPECT_EQ(0, KZFontHeight(-1));
    EXPECT_EQ(nullptr, KZFontFaceName(10));
    KZFreeFontCache();
    EXPECT_EQ(0, KZFontHeight(1));
    EXPECT_EQ(nullptr, KZFontFaceName(1));
}

TEST_F(LeechServices, TextMeasuresInWholeCellsRoundedUp)
{
    const int width = object->TextWidth(L"Measured text");
    ASSERT_GT(width, 0);
    const int cell = ZafDisplay::SharedOrDefault().cellWidth;
    EXPECT_EQ((width + cell - 1) / cell, object->TextCells(L"Measured text"));
    EXPECT_LT(object->TextWidth(L"Measured text", 3), width);
}

TEST_F(LeechServices, TextInARectangleTooNarrowForOneCharacterDrawsNothing)
{
    const std::vector<COLORREF> before = Pixels(40, 30);
    const int narrow = object->TextWidth(L"W") - 1;
    Drawing([&] { object->DrawTextInRect(KRect(0, 0, narrow - 1, 29), L"WWW", 0, 0, -1, true); });
    EXPECT_EQ(before, Pixels(40, 30));
    Drawing([&] { object->DrawTextInRect(KRect(0, 0, 39, 29), L"WWW", 0, 0, -1, true); });
    EXPECT_NE(before, Pixels(40, 30));
}

TEST_F(LeechServices, TextCutFromItsEndFitsTheRectangle)
{
    const int fits = object->TextWidth(L"Wide");
    EXPECT_EQ(4, object->FittingLength(L"Wide text", -1, fits));
    EXPECT_EQ(9, object->FittingLength(L"Wide text", -1, 10000));
    EXPECT_EQ(0, object->FittingLength(L"Wide text", -1, 0));
}

TEST_F(LeechServices, PictureOf24BitsLeavesTransparentPixelsAsTheyWere)
{
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0);
    // Two rows of three pixels (9 bytes, padded to 12): red, green, red / green, red, red.
    const uint8_t pixels[24] = { 0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0,
                                 0, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0 };
    const std::vector<COLORREF> before = Pixels(3, 2);
    Drawing([&] { object->DrawImage(KRect(0, 0, 2, 1), pixels, 24, int32_t(green)); });
    const std::vector<COLORREF> after = Pixels(3, 2);
    EXPECT_EQ((std::vector<COLORREF>{ red, before[1], red, before[3], red, red }), after);

    Drawing([&] { object->DrawImage(KRect(0, 0, 2, 1), pixels, 24, -1); });
    EXPECT_EQ((std::vector<COLORREF>{ red, green, red, green, red, red }), Pixels(3, 2));
}

TEST_F(LeechServices, PictureOfOtherDepthsDrawsNothing)
{
    const uint8_t pixels[64] = {};
    const std::vector<COLORREF> before = Pixels(4, 4);
    Drawing([&] {
        object->DrawImage(KRect(0, 0, 3, 3), pixels, 8, -1);
        object->DrawImage(KRect(0, 0, 3, 3), pixels, 32, -1);
    });
    EXPECT_EQ(before, Pixels(4, 4));
}

TEST_F(LeechServices, PictureOf15BitsShowsItsColoursAlsoAroundATransparentColour)
{
    // One row of three 5-5-5 words (6 bytes, padded to 8): red, blue, green.
    const uint8_t pixels[8] = { 0x00, 0x7C, 0x1F, 0x00, 0xE0, 0x03, 0, 0 };
    Drawing([&] { object->DrawImage(KRect(0, 0, 2, 0), pixels, 15, -1); });
    std::vector<COLORREF> shown = Pixels(3, 1);
    EXPECT_TRUE(Near(RGB(255, 0, 0), shown[0]));
    EXPECT_TRUE(Near(RGB(0, 0, 255), shown[1]));
    EXPECT_TRUE(Near(RGB(0, 255, 0), shown[2]));

    Drawing([&] { object->DrawRectangle(KRect(0, 0, 2, 0), 0, true); });
    const std::vector<COLORREF> background = Pixels(3, 1);
    Drawing([&] { object->DrawImage(KRect(0, 0, 2, 0), pixels, 15, int32_t(RGB(0, 0, 255))); });
    shown = Pixels(3, 1);
    EXPECT_TRUE(Near(RGB(255, 0, 0), shown[0]));
    EXPECT_EQ(background[1], shown[1]);
    EXPECT_TRUE(Near(RGB(0, 255, 0), shown[2]));
}

TEST_F(LeechServices, ClipRectLimitsDrawingAndIsGivenBack)
{
    Drawing([&] {
        const KRect previous = object->SetClipRect(KRect(0, 0, 4, 4));
        EXPECT_EQ(KRect(0, 0, 4, 4), object->ClipRect());
        object->SetClipRect(previous);
        EXPECT_EQ(previous, object->ClipRect());
    });
    LeechedObject loose(0, 0, 10, 10);
    EXPECT_EQ(KRect(1, 2, 3, 4), loose.SetClipRect(KRect(1, 2, 3, 4)));
}
