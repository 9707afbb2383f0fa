// The stored record of an image view (inside the image header's view list).
#include "imaging/views/VImageView.h"

#include "foundation/streams/KGeometryRecord.h"
#include "foundation/streams/KStream.h"
#include "imaging/image/VImage.h"

#include <algorithm>

void VImageView::Write(KStream &stream) const
{
    stream.WriteU32(kRecordVersion);
    stream.WriteI32(GetId());
    KWritePoint(stream, itsPosition);
    itsZoom.Write(stream);
    KWritePoint(stream, itsTimeTrack);
    stream.WriteI32(itsShowTimeTrack ? 1 : 0);
    KWriteRect(stream, itsFirstRect);
    stream.WriteI32(itsShowFirstRect ? 1 : 0);
    KWriteRect(stream, itsObjectRect);
    stream.WriteI32(itsObjectFound ? 1 : 0);
    stream.WriteU32(itsFlags);
    stream.WriteI32(Id());
}

void VImageView::Read(KStream &stream)
{
    const uint32_t version = ReadVersion(stream, {kRecordVersionOld, kRecordVersion});
    KMessageObject::SetId(stream.ReadI32());
    KReadPoint(stream, itsPosition);
    itsZoom.Read(stream);
    KReadPoint(stream, itsTimeTrack);
    itsShowTimeTrack = stream.ReadI32() != 0;
    KReadRect(stream, itsFirstRect);
    itsShowFirstRect = stream.ReadI32() != 0;
    KReadRect(stream, itsObjectRect);
    itsObjectFound = stream.ReadI32() != 0;
    if (version == kRecordVersion) {
        itsFlags = stream.ReadU32();
        KSparseArrayItem::SetId(stream.ReadI32());
        return;
    }
    itsFlags = 1;
    int32_t next = 0;
    if (itsImage)
        for (KListItem *item = itsImage->Views().First(); item; item = itsImage->Views().Next(item))
            if (item != this)
                next = std::max(next, static_cast<VImageView *>(item)->Id() + 1);
    KSparseArrayItem::SetId(next);
}
