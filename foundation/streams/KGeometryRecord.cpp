// Stream records of KPoint and KRect.
#include "foundation/streams/KGeometryRecord.h"

#include "foundation/streams/KStream.h"
#include "foundation/values/KPoint.h"
#include "foundation/values/KRect.h"

void KWritePoint(KStream &stream, const KPoint &point)
{
    stream.WriteI32(point.x);
    stream.WriteI32(point.y);
}

void KReadPoint(KStream &stream, KPoint &point)
{
    int32_t x = stream.ReadI32();
    int32_t y = stream.ReadI32();
    point = KPoint(x, y);
}

void KWriteRect(KStream &stream, const KRect &rect)
{
    stream.WriteI32(rect.left);
    stream.WriteI32(rect.top);
    stream.WriteI32(rect.right);
    stream.WriteI32(rect.bottom);
}

void KReadRect(KStream &stream, KRect &rect)
{
    int32_t values[4];
    for (int32_t &value : values)
        value = stream.ReadI32();
    rect = KRect(values[0], values[1], values[2], values[3]);
}
