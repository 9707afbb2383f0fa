// VImage: frames and pixels to view coordinates through a zoom, and the
// race time under a view point.
#include "imaging/image/VImage.h"

#include "domain/charts/VZoom.h"
#include "imaging/views/VImageView.h"

#include <algorithm>

namespace
{
// The rectangle from the mapped top-left to the mapped bottom-right corner
// of source; left and right are swapped back where the mapping turned a
// well-ordered source round (frames run right to left).
KRect MappedCorners(const KRect &source, const KPoint &topLeft, const KPoint &bottomRight)
{
    KRect out(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    if (out.left > out.right && source.left <= source.right)
        std::swap(out.left, out.right);
    return out;
}

// value x numerator / denominator; the remainder goes out, or rounds the
// result up when not wanted (horizontal) or when above half (vertical).
int32_t Scale(int64_t value, int64_t numerator, int64_t denominator, int32_t *remainder, bool half)
{
    if (denominator <= 0 || numerator <= 0)
        return 0;
    const int64_t product = value * numerator;
    int64_t result = product / denominator;
    const int64_t rest = product % denominator;
    if (remainder)
        *remainder = int32_t(rest);
    else if (half ? rest * 2 > denominator : rest != 0)
        ++result;
    return int32_t(std::clamp<int64_t>(result, INT32_MIN, INT32_MAX));
}
} // namespace

int32_t VImage::ZoomedWidth(const VZoom &zoom) const
{
    if (itsFrameCount < 1)
        return 0;
    return Scale(itsFrameCount - 1, zoom.HorizontalNumerator(), zoom.HorizontalDenominator(), nullptr, false) + 1;
}

int32_t VImage::ZoomedHeight(const VZoom &zoom) const
{
    const int32_t pixels = PixelsPerFrame();
    if (pixels < 1)
        return 0;
    return Scale(pixels - 1, zoom.VerticalNumerator(), zoom.VerticalDenominator(), nullptr, true) + 1;
}

int32_t VImage::FrameToView(int32_t frame, const VZoom &zoom) const
{
    const int32_t x = Scale(frame, zoom.HorizontalNumerator(), zoom.HorizontalDenominator(), nullptr, false);
    return IsMirrored() ? ZoomedWidth(zoom) - x - 1 : x;
}

int32_t VImage::ViewToFrame(int32_t x, const VZoom &zoom, int32_t *remainder) const
{
    if (IsMirrored())
        x = ZoomedWidth(zoom) - x - 1;
    return Scale(x, zoom.HorizontalDenominator(), zoom.HorizontalNumerator(), remainder, false);
}

int32_t VImage::PixelToView(int32_t pixel, const VZoom &zoom) const
{
    return Scale(pixel, zoom.VerticalNumerator(), zoom.VerticalDenominator(), nullptr, true);
}

int32_t VImage::ViewToPixel(int32_t y, const VZoom &zoom, int32_t *remainder) const
{
    return Scale(y, zoom.VerticalDenominator(), zoom.VerticalNumerator(), remainder, true);
}

KPoint VImage::ViewToImage(const KPoint &point, const VZoom &zoom) const
{
    return KPoint(ViewToFrame(point.x, zoom), ViewToPixel(point.y, zoom));
}

KPoint VImage::ImageToView(const KPoint &point, const VZoom &zoom) const
{
    return KPoint(FrameToView(point.x, zoom), PixelToView(point.y, zoom));
}

KRect VImage::ViewToImage(const KRect &rect, const VZoom &zoom) const
{
    return MappedCorners(rect, ViewToImage(KPoint(rect.left, rect.top), zoom),
                         ViewToImage(KPoint(rect.right, rect.bottom), zoom));
}

KRect VImage::ImageToView(const KRect &rect, const VZoom &zoom) const
{
    return MappedCorners(rect, ImageToView(KPoint(rect.left, rect.top), zoom),
                         ImageToView(KPoint(rect.right, rect.bottom), zoom));
}

VRaceTime VImage::TimeAt(const VImageView &view, const KPoint &point, bool withNeighbours) const
{
    if (itsCamera.Parameter(VCamera::kFramesPerStep) <= 0)
        return VRaceTime();
    const VZoom &zoom = view.Zoom();
    int32_t remainder = 0;
    const int32_t displayed = ViewToFrame(point.x, zoom, &remainder);
    if (displayed < 0 || displayed >= itsFrameCount)
        return VRaceTime();
    VRaceTime time = FrameTime(StoredFrame(displayed));
    if (!time.IsValid() || !withNeighbours || displayed < 1 || displayed >= itsFrameCount - 1 || remainder == 0)
        return time;
    // Between frames (a magnified view): the time moves on towards the
    // next frame shown, in proportion to the place within the frame.
    const VRaceTime before = FrameTime(StoredFrame(displayed - 1));
    const VRaceTime after = FrameTime(StoredFrame(displayed + 1));
    if (!before.IsValid() || !after.IsValid() || before > time || time > after)
        return time;
    const VRaceTime &toward = IsMirrored() ? before : after;
    const int64_t shift = (toward.Ticks() - time.Ticks()) * remainder / zoom.HorizontalNumerator();
    return time + VRaceTime(shift, VRaceTime::kTick, time.Resolution());
}
