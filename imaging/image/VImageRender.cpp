// VImage: rendering view columns and rectangles for the screen and paper.
#include "imaging/image/VImage.h"

#include "domain/charts/VZoom.h"
#include "imaging/image/VFrameCopy.h"
#include "imaging/image/VImageServices.h"
#include "imaging/overlays/VRowResampler.h"
#include "imaging/views/VImageView.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace
{
constexpr int32_t kRenderBytes = 192000;
uint8_t g_render[kRenderBytes];

// Format flags of RenderRect.
constexpr uint32_t kPixelFlags[] = {8, 16, 32, 64, 128};
constexpr int32_t kPixelBits[] = {8, 15, 16, 24, 32};
constexpr uint32_t kAlignFlags[] = {256, 512, 1024};
constexpr int32_t kAlignBytes[] = {1, 2, 4};
constexpr uint32_t kFramesForward = 2048, kFramesBackward = 4096, kRowsDown = 8192, kRowsUp = 16384;

int32_t Aligned(int32_t bytes, int32_t alignment)
{
    return (bytes + alignment - 1) / alignment * alignment;
}

// Cuts the span lo..hi (both inside) to at most fit, keeping the end the
// walk starts from: lo when forward, else hi.
void CutSpan(int32_t &lo, int32_t &hi, int32_t fit, bool forward)
{
    if (hi - lo + 1 <= fit)
        return;
    if (forward)
        hi = lo + fit - 1;
    else
        lo = hi - fit + 1;
}

void Fill(uint8_t *destination, int32_t length, bool grey, uint16_t value)
{
    for (int32_t i = 0; i < length; ++i) {
        if (grey)
            destination[i] = uint8_t(value);
        else
            std::memcpy(destination + 2 * i, &value, 2);
    }
}
} // namespace

bool VImage::CopyRun(uint8_t *destination, int32_t frame, int32_t next, int32_t p, int32_t e, int32_t w,
                     int32_t length, const VZoom &zoom, bool smooth)
{
    const uint8_t *a = FramePixels(frame);
    if (!a)
        return false;
    const int32_t height = PixelsPerFrame();
    const int32_t available = height - p;
    if (p < 0 || available < 1)
        return false;
    const uint8_t *b = smooth ? FramePixels(next) : nullptr;
    const int32_t bytes = BytesPerPixel();
    if (smooth && b) {
        if (bytes == 1)
            VInterpolateRow8(destination, length, a + p, b + p, available, e, zoom.VerticalDenominator(),
                             zoom.VerticalNumerator(), w, zoom.HorizontalNumerator());
        else
            VInterpolateRow15(reinterpret_cast<uint16_t *>(destination), length,
                              reinterpret_cast<const uint16_t *>(a) + p, reinterpret_cast<const uint16_t *>(b) + p,
                              available, e, zoom.VerticalDenominator(), zoom.VerticalNumerator(), w,
                              zoom.HorizontalNumerator());
        return true;
    }
    if (bytes == 1)
        VNearestRow8(destination, length, a + p, available, zoom.IsVerticalOneToOne() ? 0 : e,
                     zoom.VerticalDenominator(), zoom.VerticalNumerator());
    else
        VNearestRow16(reinterpret_cast<uint16_t *>(destination), length, reinterpret_cast<const uint16_t *>(a) + p,
                      available, zoom.IsVerticalOneToOne() ? 0 : e, zoom.VerticalDenominator(),
                      zoom.VerticalNumerator());
    return true;
}

bool VImage::RenderRun(uint8_t *destination, int32_t x, int32_t y, int32_t length, const VImageView &view)
{
    const bool grey = BytesPerPixel() == 1;
    if (BytesPerPixel() < 1 || length < 1)
        return false;
    if (itsPrinting && (x < itsPrintRect.left || x > itsPrintRect.right || y + length - 1 < itsPrintRect.top ||
                        y > itsPrintRect.bottom)) {
        Fill(destination, length, grey, grey ? 255 : 32767);
        return true;
    }
    const VZoom &zoom = view.Zoom();
    if (x < 0 || x >= ZoomedWidth(zoom))
        return false;
    const bool smooth = (itsPrinting ? (itsPrintFlags & 1) != 0 : zoom.IsSmooth()) && zoom.IsFractional();
    int32_t e = 0;
    const int32_t p = ViewToPixel(y, zoom, &e);
    if (smooth) {
        int32_t w = 0;
        const int32_t f = ViewToFrame(x, zoom, &w);
        if (f + 1 < itsFrameCount && CopyRun(destination, f, f + 1, p, e, w, length, zoom, true))
            return true;
    }
    return CopyRun(destination, ViewToFrame(x, zoom), -1, p, e, 0, length, zoom, false);
}

const uint8_t *VImage::RenderRect(KRect &rect, const VImageView &view, uint32_t formatFlags)
{
    const int32_t b = BytesPerPixel();
    if (rect.IsEmpty() || b < 1)
        return nullptr;
    int32_t bits = IsColour() ? 15 : 8;
    for (int i = 0; i < 5; ++i)
        if (formatFlags & kPixelFlags[i])
            bits = kPixelBits[i];
    int32_t alignment = 1;
    for (int i = 0; i < 3; ++i)
        if (formatFlags & kAlignFlags[i])
            alignment = kAlignBytes[i];
    uint32_t direction = formatFlags & (kFramesForward | kFramesBackward | kRowsDown | kRowsUp);
    if (!direction)
        direction = IsMirrored() ? kFramesBackward : kFramesForward;
    const VFrameCopy copy(*this, bits, !DisplayIsIdentity());
    const int32_t o = copy.OutputBytes();
    const int32_t unit = kRenderBytes / (b + o);
    uint8_t *source = g_render;
    uint8_t *output = g_render + unit * b;
    const int32_t outputBytes = unit * o;

    // Cut the rectangle to what fits in both parts.
    const bool rowsOfFrames = (direction & (kFramesForward | kFramesBackward)) != 0;
    const int32_t across = rowsOfFrames ? rect.Height() : rect.Width(); // pixels of one rendered line
    const int32_t fit = std::min(unit / across, outputBytes / Aligned(across * o, alignment));
    if (fit < 1)
        return nullptr;
    if (rowsOfFrames)
        CutSpan(rect.left, rect.right, fit, (direction & kFramesForward) != 0);
    else
        CutSpan(rect.top, rect.bottom, fit, (direction & kRowsDown) != 0);
    const int32_t columns = rect.Width(), rows = rect.Height();
    for (int32_t c = 0; c < columns; ++c)
        if (!RenderRun(source + c * rows * b, rect.left + c, rect.top, rows, view))
            return nullptr;
    if (itsPrinting)
        DrawPrintMarks(source, rect, view);

    // Output rows: one per frame column, or one per pixel row across frames.
    const int32_t rowBytes = Aligned((rowsOfFrames ? rows : columns) * o, alignment);
    const int32_t outRows = rowsOfFrames ? columns : rows;
    std::memset(output, 0, size_t(rowBytes) * size_t(outRows));
    for (int32_t r = 0; r < outRows; ++r) {
        const int32_t index = (direction & (kFramesBackward | kRowsUp)) ? outRows - 1 - r : r;
        uint8_t *out = output + size_t(r) * size_t(rowBytes);
        const int32_t count = rowsOfFrames ? rows : columns;
        for (int32_t k = 0; k < count; ++k) {
            const int32_t at = rowsOfFrames ? index * rows + k : k * rows + index;
            copy.Convert(source, at, out + k * o);
        }
    }
    return output;
}

void VImage::ShowBlackFractions(const VImageView &view)
{
    VImageProgress *progress = VImageProgress::Installed();
    const int32_t width = view.Width(), height = view.Height();
    if (!IsColour() || !progress || width < 1 || height < 1)
        return;
    int64_t black[3] = {0, 0, 0};
    int64_t total = 0;
    for (int32_t x = 0; x < width;) {
        KRect piece(x, 0, width - 1, height - 1);
        const uint8_t *pixels = RenderRect(piece, view, 0x10 | 0x100 | kFramesForward);
        if (!pixels)
            break;
        const int32_t count = piece.Width() * piece.Height();
        for (int32_t i = 0; i < count; ++i) {
            const uint16_t p = uint16_t(pixels[2 * i] | pixels[2 * i + 1] << 8);
            black[0] += (p >> 10 & 31) == 0;
            black[1] += (p >> 5 & 31) == 0;
            black[2] += (p & 31) == 0;
        }
        total += count;
        x = piece.right + 1;
    }
    if (total == 0)
        return;
    wchar_t text[96];
    swprintf(text, 96, L"R %g G %g B %g", double(black[0]) / double(total), double(black[1]) / double(total),
             double(black[2]) / double(total));
    progress->ShowMessage(KString(text));
}
