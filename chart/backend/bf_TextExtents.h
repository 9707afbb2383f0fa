#pragma once
// bf_TextExtents: the measured sizes of a chart's texts, kept from one
// redraw to the next, so that a redraw measures only texts it has not met
// before in their font. An entry stands for the text and the OS font it was
// measured in, so another font (a changed text style) is measured afresh;
// the owner clears the whole store when the display's size changes. Counts
// the measurements it asked for. GUI thread only.

#include <string>
#include <unordered_map>

#include "chart/values/cf_2DRect.h"

class bf_TextExtents {
public:
    // The kept extent of the text in the font, or false.
    bool Find(const void *font, const wchar_t *text, int length, cf_2DRect &extent) const;
    void Keep(const void *font, const wchar_t *text, int length, const cf_2DRect &extent);
    void Clear() { extents.clear(); }
    // Measurements made on behalf of this store since it was made.
    long Measurements() const { return measurements; }
    void CountMeasurement() { ++measurements; }

private:
    static std::wstring Key(const void *font, const wchar_t *text, int length);

    std::unordered_map<std::wstring, cf_2DRect> extents;
    long measurements = 0;
};
