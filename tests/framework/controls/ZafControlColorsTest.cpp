// The brushes answered to WM_CTLCOLOR* stay alive while Windows paints.
#include "ZafControlTestSupport.h"

using ZafGdiDisplayControlColors = ControlTest;

namespace {

ZafPaletteStruct Background(ZafUInt32 color)
{
    ZafPaletteStruct palette = {};
    palette.colorForeground = -3;
    palette.colorBackground = -3;
    palette.osColorForeground = 0;
    palette.osColorBackground = color;
    return palette;
}

} // namespace

TEST_F(ZafGdiDisplayControlColors, AnAnsweredBrushOutlivesTheCacheUntilTheColoursChange)
{
    HDC context = GetDC(nullptr);
    HBRUSH kept = display->ControlColors(context, Background(RGB(1, 2, 3)), Background(RGB(1, 2, 3)));
    ASSERT_NE(nullptr, kept);
    EXPECT_EQ(kept, display->ControlColors(context, Background(RGB(1, 2, 3)), Background(RGB(1, 2, 3))));
    // Many other brushes pass through the cache and push it out of use.
    for (int i = 0; i < 3 * ZafGdiDisplay::Cache().Capacity(); ++i)
        ZafGdiDisplay::ReleaseCachedObject(display->GetCachedBrush(Background(RGB(100, i, 7))));
    EXPECT_EQ(OBJ_BRUSH, GetObjectType(kept));
    EXPECT_EQ(1, ZafGdiDisplay::Cache().UseCount(kept));
    ReleaseDC(nullptr, context);

    display->AddColor(-2, 9, 9, 9);
    EXPECT_EQ(0, ZafGdiDisplay::KeptControlBrushes());
    EXPECT_LE(ZafGdiDisplay::Cache().UseCount(kept), 0);
}
