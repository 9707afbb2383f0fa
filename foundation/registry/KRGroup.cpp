// KRGroup: construction with a name.
#include "foundation/registry/KRGroup.h"

#include <cwchar>

KRGroup::KRGroup(const wchar_t *name)
{
    if (name)
        SetName(name, int(wcslen(name)));
}
