// The image pane's drawing: the image strips and the hash cursor.
#include "imaging/windows/VZImagePane.h"

#include <algorithm>
#include <vector>

#include "domain/camera/VCamera.h"
#include "imaging/image/VImage.h"
#include "imaging/views/VImageView.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

// 15-bit pixels, rows padded to 4 bytes; an output row is one view column.
constexpr uint32_t kStripFormat = 0x410;

// Framework colour indexes of the hash colours.
int HashColourIndex(int32_t setting)
{
    switch (setting) {
    case 0: return 0;    // black
    case 2: return 15;   // white
    case 3: return 10;   // light green
    default: return 12;  // light red
    }
}

} // namespace

bool VZImagePane::Mirrored() const
{
    return image && image->Camera().Parameter(VCamera::kOrientation) != 0;
}

void VZImagePane::VisibleRows(int32_t &first, int32_t &last)
{
    KRect visible = VisibleUnitRect(false);
    visible.ClipTo(ExtentRect());
    first = visible.top;
    last = visible.bottom;
}

// The strip comes as one output row per view column (in decreasing x when
// the image is mirrored); the screen wants rows of pixels, so it is turned.
void VZImagePane::DrawStrip(const KRect &strip, const uint8_t *pixels)
{
    const int32_t columns = strip.Width(), rows = strip.Height();
    const int32_t sourceRow = (rows * 2 + 3) / 4 * 4;
    const int32_t stride = (columns * 2 + 3) / 4 * 4;
    std::vector<uint16_t> screen(size_t(stride / 2) * size_t(rows), 0);
    const bool backward = Mirrored();
    for (int32_t c = 0; c < columns; ++c) {
        const int32_t outRow = backward ? columns - 1 - c : c;
        const auto *column = reinterpret_cast<const uint16_t *>(pixels + size_t(outRow) * size_t(sourceRow));
        for (int32_t r = 0; r < rows; ++r)
            screen[size_t(r) * size_t(stride / 2) + size_t(c)] = column[r];
    }
    DrawBitmap(strip, screen.data(), 15, stride);
}

void VZImagePane::DrawUnits(const KRect &units)
{
    if (!image || !view)
        return;
    KRect left = units;
    while (left.Width() > 0 && left.Height() > 0) {
        KRect strip = left;
        const uint8_t *pixels = image->RenderRect(strip, *view, kStripFormat);
        if (!pixels)
            break;
        DrawStrip(strip, pixels);
        if (strip.left == left.left)
            left.left = strip.right + 1;
        else
            left.right = strip.left - 1;
    }
    DrawOverlays(units);
    // Drawn again over any repaint that reaches it, so that an uncovered
    // part of the window never loses its piece of the cursor.
    if (view->ShowTimeTrack())
        DrawCursor();
    DrawTimeLines(units);
    // Only the repainted part of the frame is drawn again.
    DrawSelection(&units);
}

void VZImagePane::UseHashPalette()
{
    KZPaletteEntry entry;
    KZInitPalette(entry);
    entry.palette.colorForeground = ZafInt8(HashColourIndex(HashColor()));
    entry.palette.colorBackground = entry.palette.colorForeground;
    UsePalette(entry);
}

void VZImagePane::DrawCursor()
{
    if (!view || !view->ShowTimeTrack())
        return;
    const KPoint at = view->TimeTrackPoint();
    const int32_t h = std::max(0, HashCrossWidth() / 2);
    const int32_t n = std::max(1, std::min(HashWidth(), h));
    const int32_t step = Mirrored() ? 1 : -1;
    const KPoint size = Extent();
    int32_t top = 0, bottom = 0;
    VisibleRows(top, bottom);

    BeginDraw();
    UseHashPalette();
    if (h > 0)
        FillUnits(KRect(std::max(0, at.x - h), at.y, std::min(at.x + h, size.x - 1), at.y), 0, true);
    for (int32_t k = 0; k < n; ++k) {
        const int32_t x = at.x + k * step;
        if (x >= 0 && x < size.x && top <= bottom)
            FillUnits(KRect(x, top, x, bottom), 0, true);
    }
    EndDraw();
    drawnHalfWidth = std::max(drawnHalfWidth, h);
    cursorDrawn = true;
}

void VZImagePane::EraseCursor()
{
    if (!view || !cursorDrawn) {
        cursorDrawn = false;
        return;
    }
    const KPoint at = view->TimeTrackPoint();
    view->SetShowTimeTrack(false);
    int32_t top = 0, bottom = 0;
    VisibleRows(top, bottom);
    KRect band(at.x - drawnHalfWidth, top, at.x + drawnHalfWidth, bottom);
    band.ClipTo(ExtentRect());
    if (!band.IsEmpty())
        RedrawRect(band, kEvtRedisplay);
    cursorDrawn = false;
    drawnHalfWidth = 0;
}
