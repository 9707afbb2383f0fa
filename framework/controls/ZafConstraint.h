#pragma once
// The constraints a ZafGeometryManager applies to the children of its
// window: ZafConstraint (the base: which object it moves, which manager holds
// it), ZafAttachment (an edge kept at a distance from an edge of the parent's
// client area or of another object), ZafRelativeConstraint (an edge at a
// percentage of the parent's client area) and ZafDimensionConstraint (a
// minimum and a maximum width or height).
//
// A constraint moves its object on ZAF_EV_COMPUTE_REGION and settles its ids
// and pointers on ZAF_EV_SETTLE; it never owns the objects it points at. The
// manager that holds it owns it. Lengths (offsets, sizes) are in the moved
// object's coordinate type. GUI thread only.

#include "framework/core/base/ZafElement.h"
#include "framework/core/display/ZafRegionStruct.h"
#include "framework/core/events/ZafEventStruct.h"
#include "framework/core/storage/ZafObjectPersistence.h"

#include <functional>

class ZafWindowObject;
class ZafGeometryManager;
class ZafFile;

class ZafConstraint : public ZafElement
{
public:
    explicit ZafConstraint(ZafWindowObject *object);
    // The copy belongs to no manager and points at no object; it keeps the
    // number ids, so that ZAF_EV_SETTLE finds the objects again.
    ZafConstraint(const ZafConstraint &copy);
    // Persistent constructor: opens the constraint's object file on the
    // persistence's current level and reads the object number id; the
    // derived classes read their fields from File(). A storage error is
    // kept in Error().
    ZafConstraint(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafConstraint() override;

    static constexpr const ZafIChar *className = L"ZafConstraint";
    ZAF_CLASS_IDENTITY(ZafElement, ZAF_ID_CONSTRAINT, className)

    // ZAF_EV_SETTLE settles ids and pointers (answers ZAF_EV_SETTLE);
    // ZAF_EV_COMPUTE_REGION moves the object (answers ZAF_EV_COMPUTE_REGION);
    // every other event answers ZAF_REFUSED.
    virtual ZafEventType Event(const ZafEventStruct &event);
    virtual ZafConstraint *Duplicate() { return new ZafConstraint(*this); }
    // Writes the constraint on the persistence's current level (which the
    // caller pushed under the class name); errors go to Error().
    virtual void Write(ZafObjectPersistence &persistence);
    virtual ZafObjectConstructor NewFunction() const { return &ZafConstraint::New; }
    static ZafElement *New(const ZafIChar *name, ZafObjectPersistence &persistence);

    ZafWindowObject *Object() const { return object; }
    ZafInt16 ObjectNumberID() const { return objectNumberID; }
    ZafGeometryManager *Manager() const { return manager; }
    // Set by the manager that adds or subtracts the constraint.
    ZafGeometryManager *SetManager(ZafGeometryManager *value) { return manager = value; }
    ZafError Error() const { return error; }

    // A length n of the given coordinate type in pixels, across (horizontal)
    // or down: cells times the cell size, mini-cells through the display's
    // ratios (64-bit, truncating toward zero), anything else unchanged.
    static ZafInt32 PixelLength(ZafInt32 n, ZafCoordinateType type, bool horizontal);

protected:
    // The object's region in pixels; false when there is no object or no
    // display yet (the constraint then does nothing).
    bool ObjectRegion(ZafRegionStruct &region) const;
    // The parent's client area of the object moved to (0, 0), in pixels.
    ZafRegionStruct ParentArea() const;
    // The window whose children the constraint refers to (null when none).
    ZafWindowObject *ManagerWindow() const;
    // Writes the fields after the object number id (derived classes).
    virtual void WriteFields(ZafFile &file);
    // The object file of the level, open for writing; null on failure.
    ZafFile *OpenForWriting(ZafObjectPersistence &persistence);
    // The object file the persistent constructor opened; handed over once.
    ZafFile *TakeFile() { ZafFile *taken = file; file = nullptr; return taken; }
    // Ends a persistent constructor's reading: a read error goes to error;
    // true when the fields read are sound.
    bool ReadSucceeded(const ZafFile &file);
    // A persistent constructor's own part of the record: readFields reads
    // the fields, then the u16 flag word goes to applyFlags when all was
    // read soundly (nothing happens without the file or after an error).
    void ReadOwnRecord(const std::function<void(ZafFile &)> &readFields,
                       const std::function<void(ZafUInt16)> &applyFlags);

    // The flag word of the edge constraints: the side (0 left, 1 top, 2 right,
    // 3 bottom) in the top four bits, stretch in bit 0, opposite in bit 1 and
    // the class's own bits (extra) below the side.
    static ZafUInt16 EdgeFlagWord(int side, bool stretch, bool opposite, ZafUInt16 extra = 0);
    static void SplitEdgeFlagWord(ZafUInt16 word, int &side, bool &stretch, bool &opposite);
    // Puts the given side of region at edge; without stretch the facing side
    // follows so the object keeps width by height. False for an unknown side
    // (region unchanged).
    static bool PlaceEdge(ZafRegionStruct &region, int side, ZafInt32 edge, bool stretch, int width, int height);

    ZafWindowObject *object = nullptr;
    ZafInt16 objectNumberID = -1;
    ZafGeometryManager *manager = nullptr;
    ZafError error = 0;

private:
    void Settle();
    ZafFile *file = nullptr;    // the object file while reading
};

class ZafAttachment : public ZafConstraint
{
public:
    // No reference (the parent's client area), offset -1, flags clear.
    ZafAttachment(ZafWindowObject *object, int side);
    ZafAttachment(const ZafAttachment &copy);
    ZafAttachment(const ZafIChar *name, ZafObjectPersistence &persistence);

    static constexpr const ZafIChar *className = L"ZafAttachment";
    ZAF_CLASS_IDENTITY(ZafConstraint, ZAF_ID_ATTACHMENT, className)
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafConstraint, ZafAttachment);

    // Null means the parent's client area (or the screen without parent).
    ZafWindowObject *SetReference(ZafWindowObject *value);
    int SetSide(int value) { return side = value; }                 // 0 left, 1 top, 2 right, 3 bottom
    ZafInt32 SetOffset(ZafInt32 value) { return offset = value; }
    bool SetOpposite(bool value) { return opposite = value; }       // measure from the reference's far edge
    bool SetStretch(bool value) { return stretch = value; }         // move only the placed edge
    ZafWindowObject *Reference() const { return reference; }
    int Side() const { return side; }
    ZafInt32 Offset() const { return offset; }
    bool Opposite() const { return opposite; }
    bool Stretch() const { return stretch; }

protected:
    void WriteFields(ZafFile &file) override;

private:
    ZafWindowObject *reference = nullptr;
    ZafInt16 referenceNumberID = -1;
    ZafInt32 offset = -1;
    int side = 0;
    bool stretch = false;
    bool opposite = false;
};

class ZafRelativeConstraint : public ZafConstraint
{
public:
    // Percent 0, flags clear.
    ZafRelativeConstraint(ZafWindowObject *object, int side);
    ZafRelativeConstraint(const ZafRelativeConstraint &copy) = default;
    ZafRelativeConstraint(const ZafIChar *name, ZafObjectPersistence &persistence);

    static constexpr const ZafIChar *className = L"ZafRelativeConstraint";
    ZAF_CLASS_IDENTITY(ZafConstraint, ZAF_ID_RELATIVE_CONSTRAINT, className)
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafConstraint, ZafRelativeConstraint);

    ZafInt32 SetPercent(ZafInt32 value) { return percent = value; }   // of the parent's extent
    int SetSide(int value) { return side = value; }
    bool SetStretch(bool value) { return stretch = value; }
    bool SetOpposite(bool value) { return opposite = value; }       // measure from the far side
    bool SetCenter(bool value) { return center = value; }           // centre the object on the position
    ZafInt32 Percent() const { return percent; }
    int Side() const { return side; }
    bool Stretch() const { return stretch; }
    bool Opposite() const { return opposite; }
    bool Center() const { return center; }

protected:
    void WriteFields(ZafFile &file) override;

private:
    ZafInt32 percent = 0;
    int side = 0;
    bool stretch = false;
    bool opposite = false;
    bool center = false;
};

class ZafDimensionConstraint : public ZafConstraint
{
public:
    // type 0 limits the width, 1 the height; minimum and maximum 0 (none).
    ZafDimensionConstraint(ZafWindowObject *object, int type);
    ZafDimensionConstraint(const ZafDimensionConstraint &copy) = default;
    ZafDimensionConstraint(const ZafIChar *name, ZafObjectPersistence &persistence);

    static constexpr const ZafIChar *className = L"ZafDimensionConstraint";
    ZAF_CLASS_IDENTITY(ZafConstraint, ZAF_ID_DIMENSION_CONSTRAINT, className)
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafConstraint, ZafDimensionConstraint);

    ZafInt32 SetMinimum(ZafInt32 value) { return minimum = value; }
    ZafInt32 SetMaximum(ZafInt32 value) { return maximum = value; }  // wins over the minimum
    int SetType(int value) { return type = value; }
    ZafInt32 Minimum() const { return minimum; }
    ZafInt32 Maximum() const { return maximum; }
    int Type() const { return type; }

protected:
    void WriteFields(ZafFile &file) override;

private:
    ZafInt32 minimum = 0;
    ZafInt32 maximum = 0;
    int type = 0;
};
