#include "foundation/registry/KRGroupList.h"

#include "foundation/registry/KRGroup.h"

int KRCountMembers(const KRNode *parent, KRListMember member)
{
    int count = 0;
    for (KRNode *n = parent ? parent->NextChild() : nullptr; n; n = parent->NextChild(n))
        if (member(n))
            ++count;
    return count;
}

KRGroup *KRMemberAt(const KRNode *parent, int index, KRListMember member)
{
    if (!parent || index < 0)
        return nullptr;
    for (KRNode *n = parent->NextChild(); n; n = parent->NextChild(n))
        if (member(n) && index-- == 0)
            return static_cast<KRGroup *>(n);
    return nullptr;
}

KString KRFreeNumberName(const KRNode &parent)
{
    KString name;
    for (int number = 1;; ++number) {
        name.Clear();
        name.AppendInt(number);
        if (!parent.FindChild(name.CStr()))
            return name;
    }
}
