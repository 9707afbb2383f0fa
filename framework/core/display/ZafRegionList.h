#pragma once
// ZafRegionList: a list of rectangles (ZafRegionElement), each with the OS
// window it belongs to. Subtracting a rectangle splits every element it
// overlaps into the parts left above, below, left and right of it, so the
// list keeps covering exactly what remains. Used to compute the visible parts
// of a client area. The list owns its elements. GUI thread only.

#include "framework/core/base/ZafList.h"
#include "framework/core/display/ZafRegionStruct.h"

class ZafRegionElement : public ZafElement
{
public:
    ZafRegionElement(ZafOSWindow osWindow, const ZafRegionStruct &region)
        : osWindow(osWindow), region(region)
    {
    }

    ZafRegionElement *Next() const { return static_cast<ZafRegionElement *>(next); }
    ZafRegionElement *Previous() const { return static_cast<ZafRegionElement *>(previous); }

    ZafOSWindow osWindow;
    ZafRegionStruct region;
};

class ZafRegionList : public ZafList
{
public:
    ZafRegionList() = default;
    ~ZafRegionList() override = default;

    // Adds a rectangle (empty ones are ignored); answers the new element
    // or null.
    ZafRegionElement *Add(ZafOSWindow osWindow, const ZafRegionStruct &region);
    // Removes the rectangle from every element, splitting overlapped ones
    // into their top, bottom, left and right remainders. The rectangle is
    // taken in each element's coordinate type.
    void Split(ZafRegionStruct region);

    ZafRegionElement *First() const { return static_cast<ZafRegionElement *>(first); }
    ZafRegionElement *Last() const { return static_cast<ZafRegionElement *>(last); }
};
