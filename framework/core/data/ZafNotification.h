#pragma once
// ZafNotification: the observer list of a data object. Each entry names an
// observer, the function to call and a value word: bit 0 takes notifications
// of kind 1 (the data is about to be read from the screen), bit 1 of kind 2
// (the data changed). The list does not own its observers; an observer
// removes its entry before it goes away. GUI thread only.

#include "framework/core/base/ZafElement.h"

#include <vector>

// Called with the observer and the kind of notification (1 or 2).
using ZafNotificationFunction = ZafError (*)(ZafElement *observer, ZafUpdateCode code);

// How an observer answers its data's notices: a change calls changed(), a
// read notice (the data is about to be read from the screen) calls read();
// each answers what its function answers. Any other kind is refused (1).
template <class Changed, class Read>
ZafError ZafAnswerNotice(ZafUpdateCode code, Changed changed, Read read)
{
    if (code == ZAF_UPDATE_CHANGED)
        return ZafError(changed());
    if (code == ZAF_UPDATE_READ)
        return ZafError(read());
    return 1;
}

// The answer of an observer that only follows changes: a change calls
// follow(); a change or a read notice answers 0.
template <class Follow>
ZafError ZafFollowChange(ZafUpdateCode code, Follow follow)
{
    return ZafAnswerNotice(code, [&follow] { follow(); return 0; }, [] { return 0; });
}

class ZafNotification
{
public:
    ZafNotification() = default;
    // A copy starts without observers.
    ZafNotification(const ZafNotification &) {}
    ZafNotification &operator=(const ZafNotification &) = delete;
    virtual ~ZafNotification() = default;

    // Adds an entry unless the object and function pair is present; answers
    // true when it added one.
    bool AddNotification(ZafElement *object, ZafNotificationFunction function, ZafUInt32 value);
    // Removes the object's entries (only the one with that function when a
    // function is given).
    void SubtractNotification(ZafElement *object, ZafNotificationFunction function = nullptr);
    int NotificationCount() const { return int(entries.size()); }
    // The value word of the object's entry; 0 when absent.
    ZafUInt32 NotificationValue(const ZafElement *object) const;
    // Sets the value word of the object's entry (nothing when absent);
    // answers the value.
    ZafUInt32 SetNotificationValue(const ZafElement *object, ZafUInt32 value);

    // Calls function(observer, 2) for every entry with bit 1 (only the given
    // object's entry when one is given). Answers 0, or 1 when the list is
    // empty or a notification is already running.
    int Notify(ZafElement *object = nullptr);
    // The same for bit 0 with kind 1.
    int NotifyUpdate(ZafElement *object = nullptr);

private:
    struct Entry
    {
        ZafElement *object;
        ZafNotificationFunction function;
        ZafUInt32 value;
    };

    int Run(ZafElement *object, ZafUInt32 bit, ZafUpdateCode code);

    std::vector<Entry> entries;
    bool notifying = false;
};
