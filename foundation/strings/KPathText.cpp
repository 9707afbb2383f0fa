#include "foundation/strings/KPathText.h"

void KAppendPathName(KString &path, const KString &name)
{
    if (!path.IsEmpty() && path[path.Length() - 1] != L'\\' && path[path.Length() - 1] != L'/')
        path.AppendChar(L'\\');
    path.Append(name);
}
