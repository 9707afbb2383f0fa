#include "domain/event/QVEvent.h"

#include "foundation/streams/KFile.h"

namespace
{
// The folder the last document was saved to or opened from.
KString &LastFolder()
{
    static KString folder;
    return folder;
}
}

void QVEvent::Directory(KString &folder)
{
    folder.Append(LastFolder());
}

void QVEvent::SetDirectory(const KString &file)
{
    KFile path;
    path.SetFullName(file);
    KString folder;
    path.GetFolder(folder);
    LastFolder() = folder;
}
