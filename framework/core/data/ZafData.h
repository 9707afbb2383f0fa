#pragma once
// ZafData: base of the observable data objects (texts, palettes, images,
// scroll values, numbers). It is an element (its string id is its storage
// name) with an observer list. A destroyable data object may be deleted by
// the control that lets go of it once nobody observes it any longer; one
// that is not destroyable belongs to whoever made it. Changes are bracketed
// by BeginUpdate and EndUpdate, which notifies the observers once at the end.
// GUI thread only.

#include "framework/core/base/ZafElement.h"
#include "framework/core/data/ZafNotification.h"

class ZafData : public ZafElement, public ZafNotification
{
public:
    explicit ZafData(bool destroyable = true);
    // The copy is destroyable, has the same ids and no observers.
    ZafData(const ZafData &copy);
    ~ZafData() override = default;

    ZAF_CLASS_IDENTITY(ZafElement, ZAF_ID_DATA, L"ZafData")

    // Raises the update count; answers it.
    int BeginUpdate();
    // Lowers the update count; at 0 with notify set the observers hear
    // kind 2. Answers the count (never below 0).
    int EndUpdate(bool notify = true);
    int UpdateCount() const { return updateCount; }

    bool Destroyable() const { return destroyable; }
    bool SetDestroyable(bool flag);
    ZafError Error() const { return error; }
    // Stores the error code; answers it.
    ZafError SetError(ZafError code);

protected:
    bool destroyable;
    int updateCount = 0;
    ZafError error = ZAF_ERROR_NONE;
};
