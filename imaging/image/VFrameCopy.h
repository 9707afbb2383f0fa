#pragma once
// The frame-copy routines of the image store: one rendered pixel (an 8-bit
// grey byte or a 15-bit colour word) into an output pixel of 8, 15, 16, 24
// or 32 bits, optionally through the image's display table. Grey becomes
// 15-bit colour through the grey-to-colour table (VGray15Table).

#include <cstdint>

class VImage;

class VFrameCopy
{
public:
    // outputBits: 8, 15, 16, 24 or 32. With table, levels go through the
    // image's display table first.
    VFrameCopy(const VImage &image, int32_t outputBits, bool table);

    int32_t OutputBytes() const { return (itsBits + 1) / 8; }
    // Converts the source pixel at index into out (OutputBytes() bytes).
    void Convert(const uint8_t *source, int32_t index, uint8_t *out) const;

private:
    const VImage &itsImage;
    int32_t itsBits;
    bool itsTable;
    bool itsGrey;
};
