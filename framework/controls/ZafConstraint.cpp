// The constraint base: ids, the -9 settling of pointers, unit conversion and
// the object file record shared by every kind.
#include "framework/controls/ZafConstraint.h"

#include "framework/core/objects/ZafWindowObject.h"

#include "framework/controls/ZafGeometryManager.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/storage/ZafStorage.h"

#include <cstdint>

ZafConstraint::ZafConstraint(ZafWindowObject *newObject) : object(newObject)
{
}

ZafConstraint::ZafConstraint(const ZafConstraint &copy)
    : ZafElement(copy), objectNumberID(copy.object ? copy.object->NumberID() : copy.objectNumberID)
{
}

ZafConstraint::ZafConstraint(const ZafIChar *name, ZafObjectPersistence &persistence)
{
    SetStringID(name);
    persistence.SetError(0);
    file = ZafDataPersistence::OpenObjectFile(persistence, name, ZAF_PERSIST_READ);
    if (!file) {
        error = persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_NOT_FOUND;
        return;
    }
    file->ReadInt16(objectNumberID);
    if (file->Error())
        error = file->Error();
}

ZafConstraint::~ZafConstraint()
{
    if (manager)
        manager->Subtract(this);
}

ZafElement *ZafConstraint::New(const ZafIChar *name, ZafObjectPersistence &persistence)
{
    ZafConstraint *made = new ZafConstraint(name, persistence);
    made->TakeFile();
    return made;
}

ZafWindowObject *ZafConstraint::ManagerWindow() const
{
    return manager ? manager->Parent() : nullptr;
}

void ZafConstraint::Settle()
{
    ZafWindowObject *window = ManagerWindow();
    if (numberID == 0 && manager) {
        ZafWindowObject *root = manager->RootObject();
        if (root && root != manager) {
            SetNumberID(root->NumberID());
            root->SetNumberID(ZafNumberID(root->NumberID() + 1));
            if (!StringID())
                SetStringID((L"CONSTRAINT_" + std::to_wstring(numberID)).c_str());
        }
    }
    if (!object && objectNumberID >= 0 && window)
        object = window->GetObjectByNumberID(objectNumberID);
}

ZafEventType ZafConstraint::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case ZAF_EV_SETTLE:
        Settle();
        return ZAF_EV_SETTLE;
    case ZAF_EV_COMPUTE_REGION:
        return ZAF_EV_COMPUTE_REGION;
    default:
        return ZAF_REFUSED;
    }
}

ZafInt32 ZafConstraint::PixelLength(ZafInt32 n, ZafCoordinateType type, bool horizontal)
{
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int64_t cell = horizontal ? display.cellWidth : display.cellHeight;
    if (type == ZAF_CELL)
        return ZafInt32(n * cell);
    if (type == ZAF_MINICELL) {
        const int64_t numerator = horizontal ? display.miniNumeratorX : display.miniNumeratorY;
        const int64_t denominator = horizontal ? display.miniDenominatorX : display.miniDenominatorY;
        if (denominator == 0)
            return 0;
        // Signed, so that a negative offset stays a small negative length.
        return ZafInt32(int64_t(n) * cell * numerator / denominator);
    }
    return n;
}

bool ZafConstraint::ObjectRegion(ZafRegionStruct &region) const
{
    if (!object || !ZafDisplay::Shared())
        return false;
    region = object->Region();
    object->ConvertRegion(region, ZAF_PIXEL);
    return true;
}

ZafRegionStruct ZafConstraint::ParentArea() const
{
    ZafRegionStruct area;
    area.Assign(0, 0, -1, -1, ZAF_PIXEL);
    if (!object || !object->Parent())
        return area;
    ZafRegionStruct client = object->Parent()->ClientRegion(object);
    area.right = client.right - client.left;
    area.bottom = client.bottom - client.top;
    return area;
}

ZafFile *ZafConstraint::OpenForWriting(ZafObjectPersistence &persistence)
{
    persistence.AddObjectConstructor(ClassName(), ClassID(), NewFunction());
    if (object)
        objectNumberID = object->NumberID();
    persistence.SetError(0);
    ZafFile *out = persistence.OpenObjectFile(StringID(), ZAF_PERSIST_WRITE, ClassName(), ClassID());
    if (!out)
        error = persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_OPEN;
    return out;
}

void ZafConstraint::Write(ZafObjectPersistence &persistence)
{
    ZafFile *out = OpenForWriting(persistence);
    if (!out)
        return;
    out->WriteInt16(objectNumberID);
    WriteFields(*out);
    if (out->Error())
        error = out->Error();
}

void ZafConstraint::WriteFields(ZafFile &)
{
}

bool ZafConstraint::ReadSucceeded(const ZafFile &in)
{
    if (in.Error())
        error = in.Error();
    return !in.Error();
}

void ZafConstraint::ReadOwnRecord(const std::function<void(ZafFile &)> &readFields,
                                  const std::function<void(ZafUInt16)> &applyFlags)
{
    ZafFile *in = TakeFile();
    if (!in || error)
        return;
    readFields(*in);
    ZafUInt16 flags = 0;
    in->ReadUInt16(flags);
    if (ReadSucceeded(*in))
        applyFlags(flags);
}

namespace {

constexpr ZafUInt16 stretchBit = 0x0001;
constexpr ZafUInt16 oppositeBit = 0x0002;

} // namespace

ZafUInt16 ZafConstraint::EdgeFlagWord(int side, bool stretch, bool opposite, ZafUInt16 extra)
{
    return ZafUInt16(((side & 0x0F) << 12) | (stretch ? stretchBit : 0) | (opposite ? oppositeBit : 0) | extra);
}

void ZafConstraint::SplitEdgeFlagWord(ZafUInt16 word, int &side, bool &stretch, bool &opposite)
{
    side = word >> 12;
    stretch = word & stretchBit;
    opposite = word & oppositeBit;
}

bool ZafConstraint::PlaceEdge(ZafRegionStruct &region, int side, ZafInt32 edge, bool stretch, int width, int height)
{
    switch (side) {
    case 0:
        region.left = edge;
        if (!stretch)
            region.right = edge + width - 1;
        return true;
    case 1:
        region.top = edge;
        if (!stretch)
            region.bottom = edge + height - 1;
        return true;
    case 2:
        region.right = edge;
        if (!stretch)
            region.left = edge - width + 1;
        return true;
    case 3:
        region.bottom = edge;
        if (!stretch)
            region.top = edge - height + 1;
        return true;
    default:
        return false;
    }
}
