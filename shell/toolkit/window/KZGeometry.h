#pragma once
// The toolkit's geometry wrappers: the framework's layout constraints with a
// compact constructor taking one flag word. Constraints are added to a
// KZGeomMgr, which is added to the window it lays out and owns them.
//
// Constraint flags (attachment and relative constraint): the edge that is
// placed, of which the last set in the order 1, 2, 4, 8 wins; keep-size;
// opposite side; centre (relative constraint only). Dimension-constraint
// flags: 1 the width is limited, 2 the height (2 wins).

#include <cstdint>

#include "framework/controls/ZafConstraint.h"
#include "framework/controls/ZafGeometryManager.h"

// Constraint flag bits
constexpr uint32_t kGeomLeft = 0x1;
constexpr uint32_t kGeomRight = 0x2;
constexpr uint32_t kGeomTop = 0x4;
constexpr uint32_t kGeomBottom = 0x8;
constexpr uint32_t kGeomKeepSize = 0x10;    // the other edge follows
constexpr uint32_t kGeomOpposite = 0x20;    // measured from the reference's far side
constexpr uint32_t kGeomCenter = 0x40;      // relative constraint: centred on the position
constexpr uint32_t kGeomWidth = 0x1;        // dimension constraint: the width is limited
constexpr uint32_t kGeomHeight = 0x2;       // ... the height

// The framework side (0 left, 1 top, 2 right, 3 bottom) of the flags' edge.
int KZGeomSide(uint32_t flags);

class KZGeomMgr : public ZafGeometryManager
{
public:
    KZGeomMgr() = default;
};

class KZGeomAtt : public ZafAttachment
{
public:
    // offset in the object's coordinate type, from the parent's client area.
    KZGeomAtt(ZafWindowObject *object, uint32_t flags, int32_t offset);
    // ... or from the reference object.
    KZGeomAtt(ZafWindowObject *object, ZafWindowObject *reference, uint32_t flags, int32_t offset);
};

// A new geometry manager that keeps the object filling its parent's client
// area (attached at all four sides, offset 0); the caller adds it to the
// parent, which owns it.
KZGeomMgr *KZGeomFill(ZafWindowObject *object);

class KZGeomRC : public ZafRelativeConstraint
{
public:
    // percent 0..100 of the parent's extent (0 leaves the framework's);
    // extraOffset moves the placed edge further, in the region's units.
    KZGeomRC(ZafWindowObject *object, uint32_t flags, int32_t percent, int32_t extraOffset);
    ZafEventType Event(const ZafEventStruct &event) override;
    // The further move of the placed edge, in the region's units.
    void SetAdjustment(int32_t value) { extraOffset = value; }
    int32_t Adjustment() const { return extraOffset; }

private:
    int32_t extraOffset;
};

class KZGeomDC : public ZafDimensionConstraint
{
public:
    // minimum and maximum in the object's coordinate type, 0 for none; a
    // maximum of -1 is the minimum (a fixed size).
    KZGeomDC(ZafWindowObject *object, uint32_t flags, int32_t minimum, int32_t maximum);
};
