#pragma once
// ZafGeometryManager: the support object (number id ZAF_NUMID_GEOMETRY) that
// lays the children of its window out by rules. It holds its constraints in the
// order they were added and owns them; on ZAF_EV_COMPUTE_REGION every
// constraint moves its object in that order, so later constraints see what
// earlier ones did. The window runs it on every ZAF_EV_SIZED, after its
// children computed their own regions and before they move their OS windows. It
// has no OS window, never draws, never takes the focus and keeps none of the
// window object's texts or colours. GUI thread only.

#include "framework/core/base/ZafList.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "framework/controls/ZafFixedSettings.h"

class ZafConstraint;

class ZafGeometryManager : public ZafWindowObject, public ZafList
{
public:
    static constexpr ZafNumberID numberIDValue = -9;
    static const ZafIChar *const stringIDText;      // "ZAF_NUMID_GEOMETRY"

    // An empty manager at (0, 0, 0, 0).
    ZafGeometryManager();
    // Duplicates every constraint of the copy.
    ZafGeometryManager(const ZafGeometryManager &copy);
    // Persistent constructor: the window object's record, then every stored
    // constraint whose class the persistence can make.
    ZafGeometryManager(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafGeometryManager() override;

    static constexpr const ZafIChar *className = L"ZafGeometryManager";
    ZAF_CLASS_IDENTITY(ZafWindowObject, ZAF_ID_GEOMETRY_MANAGER, className)

    // ZAF_EV_COMPUTE_REGION runs the constraints; ZAF_EV_SETTLE settles
    // itself and them; ZAF_EV_REBUILD settles and asks the window for a
    // layout (ZAF_EV_SIZED); ZAF_EV_ADD_OBJECT and ZAF_EV_SUBTRACT_OBJECT add
    // and subtract the event's constraint (dataObject). Others answer
    // ZAF_NOT_HANDLED.
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafGeometryManager);
    void Write(ZafObjectPersistence &persistence) override;
    ZafEventType Redisplay(const ZafEventStruct &, ZafEventType code) override { return code; }
    void ApplyPosition() override { }
    // A hook for derived managers; answers 0.
    virtual int LayoutHook() { return 0; }

    // Inserts a constraint that is in no manager before `before` (at the end
    // when null or not here) and takes ownership; a constraint of another
    // manager is left where it is. Answers the constraint.
    ZafConstraint *Add(ZafConstraint *constraint, ZafConstraint *before = nullptr);
    ZafGeometryManager &operator+(ZafConstraint *constraint) { Add(constraint); return *this; }
    // Unlinks the constraint and hands ownership back; answers it.
    ZafConstraint *Subtract(ZafConstraint *constraint);
    ZafConstraint *First() const;

    // Pinned settings: the argument is ignored and the fixed value answered.
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    bool SetDisabled(bool) override { return disabled = true; }
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    bool SetAutomaticUpdate(bool) override { return automaticUpdate = true; }
    bool SetVisible(bool) override { return visible = false; }
    ZAF_FIXED_DRAG_AND_PARENT_SETTINGS
    bool SetFocus(bool) override { return focus = false; }
    bool SetSystemDrawn(bool) override { return systemDrawn = false; }
    ZAF_FIXED_HOOK_AND_TEXT_SETTINGS
    ZafCoordinateType SetCoordinateType(ZafCoordinateType) override;
    int SetRegionMode(int) override { return regionMode = 2; }
    ZafInt8 SetFont(ZafInt8) override { return -1; }
    ZafInt8 SetBackgroundColor(ZafInt8, ZafInt8) override { return -2; }
    ZafInt8 SetTextColor(ZafInt8, ZafInt8) override { return -2; }

private:
    ZafGeometryManager(const ZafIChar *name, ZafObjectPersistence &persistence, bool ownLevel);
    void Pin();
    void ReadConstraints(ZafObjectPersistence &persistence);
    void Broadcast(const ZafEventStruct &event);
};
