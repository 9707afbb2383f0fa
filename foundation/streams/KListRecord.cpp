// The stream record of KList: tag, 32-bit count, then per item its class
// name (a KString record) and the item's own record.
#include "foundation/containers/KList.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KRecordTags.h"
#include "foundation/streams/KStream.h"
#include "foundation/strings/KString.h"

namespace
{
// More items than this mean a damaged file; each item takes at least its
// class name's 8-byte string record.
constexpr uint32_t kMaxListItems = 1024 * 1024;
constexpr uint32_t kMinItemBytes = 8;

const KPersistent &PersistentItem(const KListItem *item)
{
    const KPersistent *persistent = dynamic_cast<const KPersistent *>(item);
    // An item that cannot write itself cannot be stored: refuse before writing anything.
    if (!persistent)
        throw KXPersistent(kErrFileContents);
    return *persistent;
}
} // namespace

void KList::Write(KStream &stream) const
{
    for (KListItem *item = First(); item; item = Next(item))
        PersistentItem(item);
    stream.WriteU32(kTagList);
    stream.WriteU32(uint32_t(Count()));
    for (KListItem *item = First(); item; item = Next(item)) {
        const KPersistent &persistent = PersistentItem(item);
        KString(persistent.ClassName()).Write(stream);
        persistent.Write(stream);
    }
}

void KList::Read(KStream &stream, KListItemFactory factory, void *context)
{
    uint32_t tag = stream.ReadU32();
    if (tag != kTagList)
        throw KXPersistent(kErrFileVersion, int32_t(tag & 0x7FFFFFFF));
    uint32_t count = KPersistent::ReadCount(stream, kMinItemBytes, kMaxListItems);
    DeleteAll();
    KString className;
    try {
        for (uint32_t i = 0; i < count; ++i) {
            className.Read(stream);
            KListItem *item = factory ? factory(className, context) : nullptr;
            KPersistent *persistent = dynamic_cast<KPersistent *>(item);
            if (!persistent) {
                delete item;
                throw KXPersistent(kErrFileContents, int32_t(i));
            }
            AddItem(item);
            persistent->Read(stream);
        }
    } catch (...) {
        // A list read half-way is worth nothing to the caller.
        DeleteAll();
        throw;
    }
}
