#include "framework/core/data/ZafNotification.h"

bool ZafNotification::AddNotification(ZafElement *object, ZafNotificationFunction function,
                                      ZafUInt32 value)
{
    for (const Entry &entry : entries)
        if (entry.object == object && entry.function == function)
            return false;
    // The array grows five entries at a time.
    if (entries.size() == entries.capacity())
        entries.reserve(entries.size() + 5);
    entries.push_back({ object, function, value });
    return true;
}

void ZafNotification::SubtractNotification(ZafElement *object, ZafNotificationFunction function)
{
    for (size_t i = 0; i < entries.size();) {
        if (entries[i].object == object && (!function || entries[i].function == function))
            entries.erase(entries.begin() + long(i));
        else
            ++i;
    }
}

ZafUInt32 ZafNotification::NotificationValue(const ZafElement *object) const
{
    for (const Entry &entry : entries)
        if (entry.object == object)
            return entry.value;
    return 0;
}

ZafUInt32 ZafNotification::SetNotificationValue(const ZafElement *object, ZafUInt32 value)
{
    for (Entry &entry : entries)
        if (entry.object == object)
            entry.value = value;
    return value;
}

int ZafNotification::Notify(ZafElement *object)
{
    return Run(object, ZAF_NOTIFY_CHANGED, ZAF_UPDATE_CHANGED);
}

int ZafNotification::NotifyUpdate(ZafElement *object)
{
    return Run(object, ZAF_NOTIFY_READ, ZAF_UPDATE_READ);
}

int ZafNotification::Run(ZafElement *object, ZafUInt32 bit, ZafUpdateCode code)
{
    if (entries.empty() || notifying)
        return 1;
    notifying = true;
    // Observers may add or remove entries while they are called: walk by
    // index and re-read the entry each time.
    for (size_t i = 0; i < entries.size(); ++i) {
        Entry entry = entries[i];
        if ((entry.value & bit) && entry.function && (!object || entry.object == object))
            entry.function(entry.object, code);
    }
    notifying = false;
    return 0;
}
