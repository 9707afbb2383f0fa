// VImage: the level map, the display table built from it by brightness,
// contrast and gamma, level equalisation and white balance.
#include "imaging/image/VImage.h"

#include "imaging/VImagingCodes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
constexpr int64_t kMaxRegionPixels = 8000000;

double Clamp01(double v)
{
    return v >= 0.0 ? (v <= 1.0 ? v : 1.0) : 0.0;
}

// Calls visit(pixels, i) for every pixel of the rectangles (frames left to
// right, pixels top to bottom), clipped to the image.
template <typename Visit>
void ForEachPixel(VImage &image, const std::vector<KRect> &rects, Visit visit)
{
    for (const KRect &rect : rects) {
        const int32_t first = std::max(0, rect.left), last = std::min(image.FrameCount() - 1, rect.right);
        const int32_t top = std::max(0, rect.top), bottom = std::min(image.PixelsPerFrame() - 1, rect.bottom);
        for (int32_t f = first; f <= last; ++f) {
            const uint8_t *pixels = image.FramePixels(f);
            for (int32_t i = top; pixels && i <= bottom; ++i)
                visit(pixels, i);
        }
    }
}

int64_t CountPixels(const VImage &image, const std::vector<KRect> &rects)
{
    int64_t count = 0;
    for (const KRect &rect : rects) {
        const int64_t frames = int64_t(std::min(image.FrameCount() - 1, rect.right)) - std::max(0, rect.left) + 1;
        const int64_t rows =
            int64_t(std::min(image.PixelsPerFrame() - 1, rect.bottom)) - std::max(0, rect.top) + 1;
        if (frames > 0 && rows > 0)
            count += frames * rows;
    }
    return count;
}
} // namespace

void VImage::ResetDisplayMap()
{
    for (int i = 0; i < 256; ++i)
        itsLevelMap[i] = i;
    itsFlags &= ~kFlagEnhanced;
    ApplyDisplayMap();
    SendTopic(kMsgTopicImage);
}

void VImage::ApplyDisplayMap()
{
    const int32_t top = MaxLevel();
    if (top == 0)
        return;
    const double b = Brightness(), c = Contrast(), g = Gamma();
    double k = 1.0 - std::fabs(c), low = 0.0, high = 1.0;
    if (c > 0) {
        low = c * 0.5;
        high = 1.0 - low;
        k = low < high ? 1.0 / (high - low) : 0.0;
    }
    for (int32_t i = 0; i <= top; ++i) {
        double v = Clamp01(std::pow(double(i) / top, g));
        v = Clamp01(v + b);
        if (c <= 0)
            v = (v - 0.5) * k + 0.5;
        else
            v = v >= high ? 1.0 : v <= low ? 0.0 : (v - 0.5) * k + 0.5;
        v = Clamp01(v);
        const int32_t j = std::clamp(int32_t(top * v), 0, top);
        if (IsGrey())
            itsDisplay[i] = itsLevelMap[j];
        else
            itsDisplay[i] = i == 0 ? 32 : std::min(992, itsLevelMap[j] * 32 / i);
    }
}

int32_t VImage::DisplayEntry(int32_t level) const
{
    return level >= 0 && level < 256 ? itsDisplay[level] : 0;
}

int32_t VImage::LevelMapEntry(int32_t level) const
{
    return level >= 0 && level < 256 ? itsLevelMap[level] : 0;
}

bool VImage::DisplayIsIdentity() const
{
    return !(itsFlags & kFlagEnhanced) && Brightness() == 0.0 && Contrast() == 0.0 && Gamma() == 1.0;
}

void VImage::EqualiseLevels(const std::vector<KRect> &rects)
{
    ResetDisplayMap();
    const int64_t total = CountPixels(*this, rects);
    const int32_t top = MaxLevel();
    if (total < 1 || total > kMaxRegionPixels || top == 0)
        return;
    int64_t histogram[256] = {};
    ForEachPixel(*this, rects, [&](const uint8_t *pixels, int32_t i) { ++histogram[PixelLevel(pixels, i)]; });
    int64_t running[256];
    int64_t sum = 0;
    for (int i = 0; i < 256; ++i)
        running[i] = sum += histogram[i];
    for (int32_t i = 1; i < top; ++i)
        itsLevelMap[i] = IsGrey() ? int32_t(running[i - 1] * 255 / total)
                                  : int32_t((running[i - 1] * 93 + total / 2) / total);
    itsFlags |= kFlagEnhanced;
    ApplyDisplayMap();
    SendTopic(kMsgTopicImage);
}

void VImage::WhiteBalance(const std::vector<KRect> &rects)
{
    if (!IsColour())
        return;
    const int64_t count = CountPixels(*this, rects);
    if (count < 1 || count > kMaxRegionPixels)
        return;
    int64_t sums[3] = {0, 0, 0};
    ForEachPixel(*this, rects, [&](const uint8_t *pixels, int32_t i) {
        const uint16_t p = reinterpret_cast<const uint16_t *>(pixels)[i];
        sums[0] += p >> 10 & 31;
        sums[1] += p >> 5 & 31;
        sums[2] += p & 31;
    });
    int64_t average[3], gains[3];
    for (int c = 0; c < 3; ++c)
        average[c] = sums[c] * 255 / (count * 31);
    const int64_t most = std::max({average[0], average[1], average[2]});
    if (most < 1)
        return;
    static const int kOffsets[3] = {VCamera::kColourOffsetR, VCamera::kColourOffsetG, VCamera::kColourOffsetB};
    for (int c = 0; c < 3; ++c)
        gains[c] = (255 - itsCamera.Parameter(kOffsets[c])) * average[c] / most;
    const int64_t strongest = std::max({gains[0], gains[1], gains[2]});
    if (strongest < 1)
        return;
    for (int c = 0; c < 3; ++c)
        itsCamera.SetParameter(kOffsets[c], int32_t(255 - gains[c] * 255 / strongest), true);
    ApplyCamera(nullptr);
}
