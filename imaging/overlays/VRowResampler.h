#pragma once
// The row resamplers that draw and print image columns at another scale:
// nearest-neighbour copies of 8-bit grey and 16-bit colour rows, and
// fixed-point linear interpolation between two source rows of 8-bit grey or
// 15-bit colour (each 5-bit channel on its own). Integer arithmetic only;
// the source advances by error accumulation. Each routine writes count
// destination pixels and takes the source length: a position past the last
// source pixel repeats it, so nothing is read beyond the row.

#include <cstdint>

// Nearest copy: error starts at error; before each output, while error is
// above sourceStep / 2 the source advances one pixel and error drops by
// sourceStep; after each output error grows by destinationStep.
void VNearestRow8(uint8_t *destination, int32_t count, const uint8_t *source, int32_t sourceCount,
                  int32_t error, int32_t destinationStep, int32_t sourceStep);
void VNearestRow16(uint16_t *destination, int32_t count, const uint16_t *source, int32_t sourceCount,
                   int32_t error, int32_t destinationStep, int32_t sourceStep);

// Linear interpolation: rows a and b are blended vertically with weight
// w / v (rounded), then interpolated horizontally between neighbouring
// blended pixels with weight error / d (rounded); error grows by step after
// each output and wraps at d, advancing the source.
void VInterpolateRow8(uint8_t *destination, int32_t count, const uint8_t *a, const uint8_t *b,
                      int32_t sourceCount, int32_t error, int32_t step, int32_t d, int32_t w, int32_t v);
void VInterpolateRow15(uint16_t *destination, int32_t count, const uint16_t *a, const uint16_t *b,
                       int32_t sourceCount, int32_t error, int32_t step, int32_t d, int32_t w, int32_t v);
