#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafScreenDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class ZafWindowObjectDrawTest : public HostedObjectTest
{
protected:
    void SetUp() override
    {
        HostedObjectTest::SetUp();
        display = std::make_unique<ZafScreenDisplay>();
        surface = std::make_unique<DibSurface>(64, 64, RGB(255, 255, 255));
    }
    void TearDown() override
    {
        while (display->DrawCount() > 0)
            display->EndDraw();
        surface.reset();
        host.reset();
        top.reset();
        display.reset();
        HostedObjectTest::TearDown();
    }
    int ChangedPixels() const
    {
        int count = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                count += surface->PixelAt(x, y) != RGB(255, 255, 255);
        return count;
    }

    std::unique_ptr<ZafScreenDisplay> display;
    std::unique_ptr<DibSurface> surface;
};

ZafPaletteStruct Background(ZafInt8 color)
{
    ZafPaletteStruct palette = ZafPaletteStruct::Unset();
    palette.colorBackground = color;
    return palette;
}

} // namespace

TEST_F(ZafWindowObjectDrawTest, SunkenEdgePaintsTheSystemEdgeColoursOnARedrawAndOnlyShrinksTheRegionForOtherCodes)
{
    std::unique_ptr<ZafWindowObject> object(Register(new ZafWindowObject(0, 0, 64, 64)));
    display->BeginDraw(surface->Context(), nullptr);
    ZafRegionStruct region = object->OSRegion();
    object->DrawEdge(region, 1, ZAF_EV_REDRAW_DATA);
    display->EndDraw();
    EXPECT_EQ(1, region.left);
    EXPECT_EQ(62, region.bottom);
    EXPECT_EQ(0, ChangedPixels());
    display->BeginDraw(surface->Context(), nullptr);
    region = object->OSRegion();
    EXPECT_EQ(ZAF_EV_REDRAW, object->DrawEdge(region, -2, ZAF_EV_REDRAW));
    display->EndDraw();
    EXPECT_EQ(2, region.left);
    EXPECT_EQ(2, region.top);
    EXPECT_EQ(61, region.right);
    EXPECT_EQ(61, region.bottom);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), surface->PixelAt(63, 63));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), surface->PixelAt(0, 63));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), surface->PixelAt(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), surface->PixelAt(62, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), surface->PixelAt(62, 62));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), surface->PixelAt(1, 1));
    EXPECT_EQ(RGB(255, 255, 255), surface->PixelAt(2, 2));
}

TEST_F(ZafWindowObjectDrawTest, RedisplayFillsTheBackgroundFromTheOwnMapWithinTheObject)
{
    ZafWindowObject *object = new ZafWindowObject(10, 10, 20, 20);
    object->SetOwnOSWindow(false);
    object->SetBackgroundColor(4, 0);
    std::unique_ptr<ZafWindowObject> owner(Register(object));
    // The object draws inside the drawing that the test opened on the surface.
    display->BeginDraw(surface->Context(), nullptr);
    object->Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
    EXPECT_EQ(display->EntryRGB(4), surface->PixelAt(10, 10));
    EXPECT_EQ(display->EntryRGB(4), surface->PixelAt(29, 29));
    EXPECT_EQ(RGB(255, 255, 255), surface->PixelAt(30, 30));
    EXPECT_EQ(400, ChangedPixels());
    // The object's clip ended with its drawing.
    display->SetBackground(12);
    display->Rectangle(0, 0, 63, 63, 0, true);
    EXPECT_EQ(64 * 64, ChangedPixels());
    display->EndDraw();
}

TEST_F(ZafWindowObjectDrawTest, PaletteFromParentOrAParentMarkerTakesTheParentsColourAndOthersTheSystemOne)
{
    ZafPaletteData *parentMap = new ZafPaletteData(false);
    parentMap->AddPalette(ZAF_PT_BACKGROUND, 0, Background(4));
    host->SetPaletteData(parentMap);
    ZafWindowObject *fromParent = new ZafWindowObject(0, 0, 10, 10);
    fromParent->SetPaletteFromParent(true);
    ZafWindowObject *marked = new ZafWindowObject(0, 0, 10, 10);
    marked->SetBackgroundColor(ZafInt8(ZAF_PARENT_COLOR), 0);
    for (ZafWindowObject *child : { fromParent, marked })
    {
        std::unique_ptr<ZafWindowObject> owner(Register(child));
        EXPECT_EQ(4, child->ResolvePalette(ZAF_PT_BACKGROUND, child->PaletteState()).colorBackground);
    }

    std::unique_ptr<ZafWindowObject> plain(Register(new ZafWindowObject(0, 0, 10, 10)));
    ZafPaletteStruct system = plain->ResolvePalette(ZAF_PT_BACKGROUND, plain->PaletteState());
    EXPECT_EQ(ZAF_SYSTEM_COLOR, ZafUInt8(system.colorBackground));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), system.osColorBackground);
    host->SetPaletteData(nullptr);
}

TEST_F(ZafWindowObjectDrawTest, DisabledTextResolvesToShadowOnHighlight)
{
    std::unique_ptr<ZafWindowObject> object(Register(new ZafWindowObject(0, 0, 10, 10)));
    object->SetDisabled(true);
    ZafPaletteState state = object->PaletteState();
    EXPECT_TRUE(state & ZAF_PS_DISABLED);
    ZafPaletteStruct text = object->ResolvePalette(ZAF_PT_TEXT, state);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), text.osColorForeground);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), text.osColorBackground);
    object->SetDisabled(false);
    text = object->ResolvePalette(ZAF_PT_TEXT, object->PaletteState());
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), text.osColorForeground);
    EXPECT_EQ(1, text.font);
}

TEST_F(ZafWindowObjectDrawTest, UnregisteredObjectsLeaveSystemColoursUnresolved)
{
    ZafWindowObject object(0, 0, 10, 10);
    ZafPaletteStruct text = object.ResolvePalette(ZAF_PT_TEXT, object.PaletteState());
    EXPECT_EQ(ZAF_SYSTEM_COLOR, ZafUInt8(text.colorForeground));
    EXPECT_EQ(ZAF_UNSET_OS_COLOR, text.osColorForeground);
}

TEST_F(ZafWindowObjectDrawTest, PaletteStateDescribesFocusSelectionAndEnabling)
{
    ZafWindowObject parent(0, 0, 10, 10), child(0, 0, 5, 5);
    child.SetParent(&parent);
    EXPECT_EQ(ZafPaletteState(0x04 | 0x80 | 0x40 | 0x20), child.PaletteState());
    parent.SetFocus(true);
    child.SetFocus(true);
    child.SetSelected(true);
    parent.SetDisabled(true);
    EXPECT_EQ(ZafPaletteState(0x01 | 0x02 | 0x08 | 0x10), child.PaletteState());
    child.SetParent(nullptr);
}

TEST_F(ZafWindowObjectDrawTest, FocusRectangleIsDrawnForFocusCodesAndForRedrawsOnlyWhileCurrent)
{
    std::unique_ptr<ZafWindowObject> object(Register(new ZafWindowObject(0, 0, 64, 64)));
    display->BeginDraw(surface->Context(), nullptr);
    ZafRegionStruct region = object->OSRegion();
    object->DrawFocus(region, ZAF_EV_REDRAW);
    EXPECT_EQ(1, region.left);
    EXPECT_EQ(62, region.right);
    EXPECT_EQ(0, ChangedPixels());
    region = object->OSRegion();
    object->DrawFocus(region, ZAF_EV_FOCUS_GAINED);
    int afterFocus = ChangedPixels();
    EXPECT_GT(afterFocus, 0);
    region = object->OSRegion();
    object->DrawFocus(region, ZAF_EV_FOCUS_LOST);   // the rectangle is drawn again: it goes
    EXPECT_EQ(0, ChangedPixels());
    object->SetFocus(true);
    region = object->OSRegion();
    object->DrawFocus(region, ZAF_EV_REDRAW);
    EXPECT_EQ(afterFocus, ChangedPixels());
    display->EndDraw();
}

TEST_F(ZafWindowObjectDrawTest, AttributeSettersKeepEntriesAndRefuseBadIndices)
{
    ZafWindowObject object(0, 0, 10, 10);
    EXPECT_EQ(1, object.PaletteFont());
    object.SetFont(3);
    EXPECT_EQ(3, object.PaletteFont());
    EXPECT_EQ(3, object.PaletteData()->GetPalette(ZAF_PT_TEXT, 0).font);
    EXPECT_EQ(ZafInt8(ZAF_UNSET_STYLE), object.SetFont(55));
    EXPECT_EQ(1, object.PaletteFont());
    // A text colour set after the font is not hidden by the font's entry.
    object.SetTextColor(12, 0);
    ZafInt8 foreground = 0, mono = 0;
    object.PaletteTextColor(foreground, mono);
    EXPECT_EQ(12, foreground);
    EXPECT_EQ(12, object.ResolvePalette(ZAF_PT_TEXT, object.PaletteState()).colorForeground);
    EXPECT_EQ(ZafInt8(ZAF_UNSET_COLOR), object.SetBackgroundColor(ZafInt8(-90), 0));
    ZafInt8 background = 0;
    object.PaletteBackgroundColor(background, mono);
    EXPECT_EQ(ZafInt8(ZAF_SYSTEM_COLOR), background);
}

TEST_F(ZafWindowObjectDrawTest, FontChangeReachesTheOwnWindowAndRedraws)
{
    RecordingObject *object = new RecordingObject(0, 0, 20, 20);
    std::unique_ptr<RecordingObject> owner(Register(object));
    object->messages.clear();
    object->wParams.clear();
    object->types.clear();
    object->SetFont(4);
    auto last = std::find(object->messages.rbegin(), object->messages.rend(), UINT(WM_SETFONT));
    ASSERT_NE(object->messages.rend(), last);
    size_t index = size_t(object->messages.rend() - last) - 1;
    EXPECT_EQ(reinterpret_cast<WPARAM>(display->FontAt(4)), object->wParams[index]);
    EXPECT_NE(object->types.end(), std::find(object->types.begin(), object->types.end(), ZAF_EV_REDRAW));
}

namespace {

class TextObject : public ZafWindowObject
{
public:
    TextObject() : ZafWindowObject(0, 0, 64, 64) { }
    const ZafIChar *Text() override { return L"Wg"; }
};

} // namespace

TEST_F(ZafWindowObjectDrawTest, RedisplayWritesTheTextInTheTextColourOverTheBackground)
{
    std::unique_ptr<TextObject> object(Register(new TextObject));
    display->BeginDraw(surface->Context(), nullptr);
    object->Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
    display->EndDraw();
    int text = 0, face = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
        {
            COLORREF pixel = surface->PixelAt(x, y);
            text += pixel == GetSysColor(COLOR_WINDOWTEXT);
            face += pixel == GetSysColor(COLOR_BTNFACE);
        }
    EXPECT_GT(text, 0);
    EXPECT_GT(face, 64 * 64 / 2);
}

TEST_F(ZafWindowObjectDrawTest, DesignModeDrawingReleasesOnlyTheContextItTook)
{
    ZafWindowObject *object = new ZafWindowObject(0, 0, 20, 20);
    object->SetDesignMode(true);
    std::unique_ptr<ZafWindowObject> owner(Register(object));
    object->BeginDraw();
    EXPECT_EQ(1, display->DrawCount());
    EXPECT_NE(nullptr, display->DeviceContext());
    object->EndDraw();
    EXPECT_EQ(0, display->DrawCount());

    // Inside another drawing the object draws there, and the enclosing
    // drawing keeps its device context.
    display->BeginDraw(surface->Context(), nullptr);
    object->BeginDraw();
    object->EndDraw();
    EXPECT_EQ(surface->Context(), display->DeviceContext());
    display->SetForeground(12);
    display->Pixel(5, 5);
    EXPECT_EQ(display->EntryRGB(12), surface->PixelAt(5, 5));
    display->EndDraw();
}
