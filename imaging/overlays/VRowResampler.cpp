#include "imaging/overlays/VRowResampler.h"

#include <algorithm>

namespace
{
template <typename Pixel>
void NearestRow(Pixel *destination, int32_t count, const Pixel *source, int32_t sourceCount, int32_t error,
                int32_t destinationStep, int32_t sourceStep)
{
    if (sourceCount < 1)
        return;
    const int32_t half = sourceStep / 2;
    int32_t at = 0;
    for (int32_t i = 0; i < count; ++i) {
        while (error > half && sourceStep > 0) {
            error -= sourceStep;
            ++at;
        }
        destination[i] = source[std::min(at, sourceCount - 1)];
        error += destinationStep;
    }
}

// One channel (or grey) interpolation over blended source values.
template <typename Blend, typename Write>
void InterpolateRow(int32_t count, int32_t sourceCount, int32_t error, int32_t step, int32_t d, Blend blend,
                    Write write)
{
    if (sourceCount < 1 || d < 1)
        return;
    const auto blended = [&](int32_t i) { return blend(std::min(i, sourceCount - 1)); };
    int32_t left = blended(0);
    int32_t right = blended(1);
    int32_t next = 2;
    for (int32_t i = 0; i < count; ++i) {
        write(i, (left * (d - error) + right * error + d / 2) / d);
        error += step;
        while (error >= d) {
            error -= d;
            left = right;
            right = blended(next++);
        }
    }
}

int32_t Blend(int32_t a, int32_t b, int32_t w, int32_t v)
{
    return (a * (v - w) + b * w + v / 2) / v;
}
} // namespace

void VNearestRow8(uint8_t *destination, int32_t count, const uint8_t *source, int32_t sourceCount,
                  int32_t error, int32_t destinationStep, int32_t sourceStep)
{
    NearestRow(destination, count, source, sourceCount, error, destinationStep, sourceStep);
}

void VNearestRow16(uint16_t *destination, int32_t count, const uint16_t *source, int32_t sourceCount,
                   int32_t error, int32_t destinationStep, int32_t sourceStep)
{
    NearestRow(destination, count, source, sourceCount, error, destinationStep, sourceStep);
}

void VInterpolateRow8(uint8_t *destination, int32_t count, const uint8_t *a, const uint8_t *b,
                      int32_t sourceCount, int32_t error, int32_t step, int32_t d, int32_t w, int32_t v)
{
    if (v < 1)
        return;
    InterpolateRow(
        count, sourceCount, error, step, d, [&](int32_t i) { return Blend(a[i], b[i], w, v); },
        [&](int32_t i, int32_t value) { destination[i] = uint8_t(value); });
}

void VInterpolateRow15(uint16_t *destination, int32_t count, const uint16_t *a, const uint16_t *b,
                       int32_t sourceCount, int32_t error, int32_t step, int32_t d, int32_t w, int32_t v)
{
    if (v < 1)
        return;
    std::fill(destination, destination + std::max(count, 0), uint16_t(0));
    for (int shift : {10, 5, 0}) {
        InterpolateRow(
            count, sourceCount, error, step, d,
            [&](int32_t i) { return Blend((a[i] >> shift) & 31, (b[i] >> shift) & 31, w, v); },
            [&](int32_t i, int32_t value) { destination[i] = uint16_t(destination[i] | (value & 31) << shift); });
    }
}
