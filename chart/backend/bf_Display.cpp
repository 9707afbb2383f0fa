#include "chart/backend/bf_Display.h"

#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafGdiDisplay.h"

#include <cmath>

namespace {

// The framework's font byte as a chart font number (255: none).
unsigned char FontNumberOf(const ZafDisplay *display)
{
    int font = display ? display->Font() : -1;
    return (font >= 0 && font < ZafDisplay::FONT_TABLE_SIZE) ? static_cast<unsigned char>(font)
                                                            : BF_NO_FONT_NUMBER;
}

} // namespace

bf_Display::bf_Display(ZafDisplay *frameworkDisplay, ZafWindowObject *drawnWindow)
    : lineWidth(1), display(frameworkDisplay), window(drawnWindow),
      gdi(dynamic_cast<ZafGdiDisplay *>(frameworkDisplay))
{
    SelectPen(new bf_Pen(bf_Black, 0, 1));
    SelectBrush(new bf_Brush(bf_White, 0));
    lineWidth = 1;
    SelectFont(new bf_Font(FontNumberOf(display)));
}

bf_Display::~bf_Display()
{
    bf_Font *top = CurrentFont();
    if (gdi && top && top->FontNumber() != BF_NO_FONT_NUMBER)
        gdi->SetFont(static_cast<ZafInt8>(top->FontNumber()));
    // Whatever a caller left selected is ours to delete as well.
    while (!pens.IsEmpty())
        delete static_cast<bf_Pen *>(pens.Pop());
    while (!brushes.IsEmpty())
        delete static_cast<bf_Brush *>(brushes.Pop());
    while (!fonts.IsEmpty())
        delete static_cast<bf_Font *>(fonts.Pop());
}

void bf_Display::ApplyPen(const bf_Pen &pen)
{
    if (gdi) {
        gdi->SetForeground(static_cast<ZafInt8>(pen.color.Index()));
        gdi->SetLineStyle(static_cast<ZafInt8>(pen.style));
    }
    lineWidth = pen.width;
}

void bf_Display::ApplyBrush(const bf_Brush &brush)
{
    if (gdi) {
        gdi->SetBackground(static_cast<ZafInt8>(brush.color.Index()));
        gdi->SetPattern(static_cast<ZafUInt8>(brush.style));
    }
}

void bf_Display::SelectPen(bf_Pen *pen)
{
    if (!pen)
        return;
    ApplyPen(*pen);
    pens.Push(pen);
}

void bf_Display::SelectPenColor(bf_Color color)
{
    SelectPen(new bf_Pen(color, 0, 1));
}

bf_Pen *bf_Display::PopPen()
{
    auto *popped = static_cast<bf_Pen *>(pens.Pop());
    if (bf_Pen *below = CurrentPen())
        ApplyPen(*below);
    return popped;
}

void bf_Display::SelectBrush(bf_Brush *brush)
{
    if (!brush)
        return;
    ApplyBrush(*brush);
    brushes.Push(brush);
}

void bf_Display::SelectBrushColor(bf_Color color)
{
    SelectBrush(new bf_Brush(color, 0));
}

bf_Brush *bf_Display::PopBrush()
{
    auto *popped = static_cast<bf_Brush *>(brushes.Pop());
    if (bf_Brush *below = CurrentBrush())
        ApplyBrush(*below);
    return popped;
}

void bf_Display::SelectFont(bf_Font *font)
{
    if (!font)
        return;
    fonts.Push(font);
    if (gdi && font->FontNumber() != BF_NO_FONT_NUMBER)
        gdi->SetFont(static_cast<ZafInt8>(font->FontNumber()));
}

bf_Font *bf_Display::PopFont()
{
    auto *popped = static_cast<bf_Font *>(fonts.Pop());
    if (!gdi || !popped || popped->FontNumber() == BF_NO_FONT_NUMBER)
        return popped;
    // A numbered font changed the framework font: the nearest numbered font
    // below it gives it back.
    for (int depth = 0; bf_Font *below = static_cast<bf_Font *>(fonts.At(depth)); ++depth) {
        if (below->FontNumber() != BF_NO_FONT_NUMBER) {
            gdi->SetFont(static_cast<ZafInt8>(below->FontNumber()));
            break;
        }
    }
    return popped;
}

bf_Color bf_Display::Foreground() const
{
    return bf_Color(display ? static_cast<unsigned char>(display->Foreground()) : 0);
}

bf_Color bf_Display::SetForeground(bf_Color color)
{
    if (gdi)
        gdi->SetForeground(static_cast<ZafInt8>(color.Index()));
    return color;
}

bf_Color bf_Display::Background() const
{
    return bf_Color(display ? static_cast<unsigned char>(display->Background()) : 15);
}

bf_Color bf_Display::SetBackground(bf_Color color)
{
    if (gdi)
        gdi->SetBackground(static_cast<ZafInt8>(color.Index()));
    return color;
}

void bf_Display::SetDrawMode()
{
    if (gdi)
        gdi->SetMode(1);
}

void bf_Display::ResetDrawMode()
{
    if (gdi)
        gdi->SetMode(0);
}

void bf_Display::DeviceRect(cf_2DRect &rect) const
{
    ZafRegionStruct region;
    if (window) {
        region = window->OSRegion();
    } else {
        const ZafDisplay &d = display ? *display : ZafDisplay::SharedOrDefault();
        region.Assign(0, 0, d.columns - 1, d.lines - 1, ZAF_PIXEL);
    }
    rect = cf_2DRect(region.left, region.top, region.right, region.bottom);
}

bool bf_Display::ConvertRect(cf_2DRect &rect) const
{
    ZafRegionStruct region;
    region.Assign(rect.left, rect.top, rect.right, rect.bottom, ZAF_PIXEL);
    region.ConvertCoordinates(ZAF_TWIPS, display);
    rect = cf_2DRect(region.left, region.top, region.right, region.bottom);
    return true;
}

double bf_Display::AngleOf(const cf_2DPoint &centre, const cf_2DPoint &point)
{
    double dy = centre.y - point.y; // screen y grows downwards
    double dx = point.x - centre.x;
    if (dx == 0 && dy == 0)
        return 0;
    double degrees = std::atan2(dy, dx) * 57.29577951;
    if (degrees < 0)
        degrees += 360;
    if (degrees >= 360)
        degrees -= 360;
    return degrees;
}
