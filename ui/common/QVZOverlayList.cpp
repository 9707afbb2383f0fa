// The overlay list of the results pane.
#include "ui/common/QVZOverlayList.h"

#include "foundation/values/KPoint.h"
#include "shell/app/VZApplication.h"
#include "ui/common/QVZResultsKeys.h"

QVZOverlayList::~QVZOverlayList()
{
    entries.DeleteAll();
}

bool QVZOverlayList::IsFull() const
{
    return entries.Count() >= kMaxOverlayTraces;
}

QVTraceInfo *QVZOverlayList::Find(int32_t row) const
{
    for (QVTraceInfo *entry = Next(); entry; entry = Next(entry))
        if (entry->Row() == row)
            return entry;
    return nullptr;
}

bool QVZOverlayList::Contains(int32_t row) const
{
    return Find(row) != nullptr;
}

bool QVZOverlayList::Add(int32_t row)
{
    if (IsFull() || Contains(row))
        return false;
    entries.AddItem(new QVTraceInfo(KPoint(0, row)));
    return true;
}

bool QVZOverlayList::Remove(int32_t row)
{
    QVTraceInfo *entry = Find(row);
    return entry && entries.Delete(entry);
}

void QVZOverlayList::Clear()
{
    entries.DeleteAll();
}

QVTraceInfo *QVZOverlayList::Next(const QVTraceInfo *entry) const
{
    return static_cast<QVTraceInfo *>(entries.Next(entry));
}

bool QVZOverlayList::InOverlayMode()
{
    VZApplication *application = VZApplication::Instance();
    return application && application->IsOverlayMode();
}
