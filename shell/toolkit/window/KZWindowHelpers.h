#pragma once
// Small helpers of the toolkit shared by its windows: adding a child, reading
// and setting a window object's text, and moving rectangles between the
// foundation's KRect and the framework's region.

#include "foundation/values/KRect.h"
#include "framework/core/display/ZafRegionStruct.h"

class ZafWindow;
class ZafWindowObject;

// Adds object through the window's virtual Add; answers the window, so that
// calls can be chained.
ZafWindow *KZAddToWindow(ZafWindow *window, ZafWindowObject *object);
// The object's text through its virtual text operations (null: none).
const wchar_t *KZGetText(ZafWindowObject *object);
void KZSetText(ZafWindowObject *object, const wchar_t *text);

// A framework region (left, top, right, bottom, coordinate type) from a rectangle.
ZafRegionStruct KZMakeRegion(const KRect &rect, ZafCoordinateType type);
// The rectangle of a region, in the region's own units.
KRect KZRectOf(const ZafRegionStruct &region);
