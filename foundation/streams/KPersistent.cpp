// KPersistent: version words and checked counts.
#include "foundation/streams/KPersistent.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

KPersistent::~KPersistent() = default;

const wchar_t *KPersistent::ClassName() const { return L""; }

void KPersistent::WriteVersion(KStream &stream, uint32_t version) { stream.WriteU32(version); }

uint32_t KPersistent::ReadVersion(KStream &stream, std::initializer_list<uint32_t> accepted)
{
    uint32_t version = stream.ReadU32();
    for (uint32_t v : accepted)
        if (v == version)
            return version;
    throw KXPersistent(kErrFileVersion, int32_t(version & 0x7FFFFFFF));
}

uint32_t KPersistent::ReadCount(KStream &stream, uint32_t bytesPerItem, uint32_t maximum)
{
    uint32_t count = stream.ReadU32();
    if (count > maximum)
        throw KXPersistent(kErrFileContents, int32_t(count & 0x7FFFFFFF));
    int64_t remaining = stream.Remaining();
    if (remaining >= 0 && int64_t(count) * bytesPerItem > remaining)
        throw KXPersistent(kErrFileContents, int32_t(count & 0x7FFFFFFF));
    return count;
}
