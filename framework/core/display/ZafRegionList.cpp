#include "framework/core/display/ZafRegionList.h"

ZafRegionElement *ZafRegionList::Add(ZafOSWindow osWindow, const ZafRegionStruct &region)
{
    if (region.IsEmpty())
        return nullptr;
    auto *element = new ZafRegionElement(osWindow, region);
    ZafList::Add(element);
    return element;
}

void ZafRegionList::Split(ZafRegionStruct region)
{
    ZafRegionElement *element = First();
    while (element) {
        ZafRegionElement *following = element->Next();
        ZafRegionStruct cut;
        if (!element->region.Overlap(region, &cut)) {
            element = following;
            continue;
        }
        const ZafRegionStruct old = element->region;
        const ZafCoordinateType type = old.coordinateType;
        // The remainders go where the element was, in a fixed order.
        ZafRegionStruct parts[4];
        parts[0].Assign(old.left, old.top, old.right, cut.top - 1, type);          // above
        parts[1].Assign(old.left, cut.bottom + 1, old.right, old.bottom, type);    // below
        parts[2].Assign(old.left, cut.top, cut.left - 1, cut.bottom, type);        // left
        parts[3].Assign(cut.right + 1, cut.top, old.right, cut.bottom, type);      // right
        for (const ZafRegionStruct &part : parts)
            if (!part.IsEmpty())
                AddBefore(new ZafRegionElement(element->osWindow, part), element);
        ZafList::Subtract(element);
        delete element;
        element = following;
    }
}
