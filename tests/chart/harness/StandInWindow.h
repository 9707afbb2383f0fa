#pragma once
// StandInWindow: a framework window object for chart tests whose region in
// its OS window is fixed, so that a bf_Display drawn for it has a known
// device rectangle without any OS window.

#include "framework/core/objects/ZafWindowObject.h"

class StandInWindow : public ZafWindowObject {
public:
    // The OS region (left, top, right, bottom), all inclusive, in pixels.
    StandInWindow(int left, int top, int right, int bottom)
        : ZafWindowObject(left, top, right - left + 1, bottom - top + 1)
    {
        fixed.Assign(left, top, right, bottom, ZAF_PIXEL);
    }

    ZafRegionStruct OSRegion(ZafWindowObject * = nullptr, const ZafRegionStruct * = nullptr) override
    {
        return fixed;
    }

private:
    ZafRegionStruct fixed;
};
