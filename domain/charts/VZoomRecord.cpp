#include "domain/charts/VZoom.h"

#include "domain/QVDomainCodes.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

void VZoom::Write(KStream &stream) const
{
    stream.WriteU32(kRecordZoom);
    stream.WriteI32(GetId());
    stream.WriteU32(m_flags);
    stream.WriteI32(m_hNum);
    stream.WriteI32(m_hDen);
    stream.WriteI32(m_vNum);
    stream.WriteI32(m_vDen);
}

void VZoom::Read(KStream &stream)
{
    uint32_t first = stream.ReadU32();
    if (first == kRecordZoom) {
        int32_t id = stream.ReadI32();
        uint32_t flags = stream.ReadU32();
        int32_t hNum = stream.ReadI32();
        int32_t hDen = stream.ReadI32();
        int32_t vNum = stream.ReadI32();
        int32_t vDen = stream.ReadI32();
        SetId(id);
        m_flags = flags;
        m_hNum = hNum;
        m_hDen = hDen;
        m_vNum = vNum;
        m_vDen = vDen;
        // A damaged record must not leave a zero or negative scale behind.
        Normalise(false);
        return;
    }
    int32_t word = int32_t(first);
    int32_t numerator = 1;
    int32_t denominator = 1;
    switch (word) {
    case 1: case 2: case 4: case 8: case 16: case 32: case 64: case 128: case 256:
        numerator = word;
        break;
    case -2: case -4: case -8: case -16:
        denominator = -word;
        break;
    default:
        throw KXPersistent(kErrFileVersion);
    }
    stream.ReadU32();
    m_hNum = m_vNum = numerator;
    m_hDen = m_vDen = denominator;
}
