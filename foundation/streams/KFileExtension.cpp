// KFileExtension: the global file-type list.
#include "foundation/streams/KFileExtension.h"

KFileExtension::KFileExtension(const KString &extension, const KString &description)
    : itsExtension(extension), itsDescription(description)
{
    List().AddItem(this);
}

KList &KFileExtension::List()
{
    static KList list;
    return list;
}

KFileExtension *KFileExtension::Find(const KString &extension)
{
    KString wanted;
    extension.Extract(wanted, extension[0] == L'.' ? 1 : 0, -1);
    for (KListItem *item = List().Previous(); item; item = List().Previous(item)) {
        KFileExtension *type = static_cast<KFileExtension *>(item);
        if (type->itsExtension.EqualsIgnoreCase(wanted))
            return type;
    }
    return nullptr;
}
