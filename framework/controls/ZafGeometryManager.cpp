// ZafGeometryManager: the constraint list and its events.
#include "framework/controls/ZafGeometryManager.h"

#include "framework/controls/ZafConstraint.h"


const ZafIChar *const ZafGeometryManager::stringIDText = L"ZAF_NUMID_GEOMETRY";

ZafGeometryManager::ZafGeometryManager() : ZafWindowObject(0, 0, 0, 0), ZafList(nullptr)
{
    Pin();
}

ZafGeometryManager::ZafGeometryManager(const ZafGeometryManager &copy) : ZafWindowObject(copy), ZafList(nullptr)
{
    Pin();
    for (ZafConstraint *constraint = copy.First(); constraint;
         constraint = static_cast<ZafConstraint *>(constraint->Next()))
        Add(constraint->Duplicate());
}

ZafGeometryManager::~ZafGeometryManager()
{
    // The constraints go with the list; they must not unlink themselves.
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        static_cast<ZafConstraint *>(e)->SetManager(nullptr);
}

void ZafGeometryManager::Pin()
{
    SetNumberID(numberIDValue);
    SetStringID(stringIDText);
    useParentFrameHandle = true;
    disabled = true;
    regionMode = 2;
    focusBlocked = true;
    visible = false;
    border = false;
    systemDrawn = false;
    coordinateType = ZAF_PIXEL;
    region.coordinateType = ZAF_PIXEL;
    delete[] helpTopic;
    delete[] tipText;
    delete[] tipText2;
    helpTopic = tipText = tipText2 = nullptr;
    userFunction = nullptr;
}

ZafCoordinateType ZafGeometryManager::SetCoordinateType(ZafCoordinateType)
{
    region.coordinateType = ZAF_PIXEL;
    return coordinateType = ZAF_PIXEL;
}

ZafConstraint *ZafGeometryManager::First() const
{
    return static_cast<ZafConstraint *>(ZafList::First());
}

ZafConstraint *ZafGeometryManager::Add(ZafConstraint *constraint, ZafConstraint *before)
{
    if (!constraint || constraint->Manager())
        return constraint;
    AddBefore(constraint, before);
    constraint->SetManager(this);
    return constraint;
}

ZafConstraint *ZafGeometryManager::Subtract(ZafConstraint *constraint)
{
    if (!constraint || constraint->Manager() != this)
        return constraint;
    ZafList::Subtract(constraint);
    constraint->SetManager(nullptr);
    return constraint;
}

void ZafGeometryManager::Broadcast(const ZafEventStruct &event)
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        static_cast<ZafConstraint *>(e)->Event(event);
}

ZafEventType ZafGeometryManager::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case ZAF_EV_COMPUTE_REGION:
        region.Assign(-1, -1, -1, -1, ZAF_PIXEL);
        Broadcast(event);
        return ZAF_EV_COMPUTE_REGION;
    case ZAF_EV_SETTLE: {
        ZafEventType answer = ZafWindowObject::Event(event);
        Broadcast(event);
        return answer;
    }
    case ZAF_EV_REBUILD:
        Event(ZafEventStruct(ZAF_EV_SETTLE, 0));
        if (parent)
            parent->Event(ZafEventStruct(ZAF_EV_SIZED, 0, parent->LastRegion()));
        return ZAF_EV_REBUILD;
    case ZAF_EV_ADD_OBJECT:
        Add(dynamic_cast<ZafConstraint *>(static_cast<ZafElement *>(event.dataObject)));
        return ZAF_EV_ADD_OBJECT;
    case ZAF_EV_SUBTRACT_OBJECT:
        Subtract(dynamic_cast<ZafConstraint *>(static_cast<ZafElement *>(event.dataObject)));
        return ZAF_EV_SUBTRACT_OBJECT;
    default:
        return ZAF_NOT_HANDLED;
    }
}
