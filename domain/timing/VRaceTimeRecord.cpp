#include "domain/timing/VRaceTime.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

void VRaceTime::Write(KStream &stream) const
{
    stream.WriteU32(uint32_t(uint64_t(m_time) & 0xFFFFFFFFu));
    stream.WriteI32(int32_t(m_time >> 32));
    stream.WriteI32(m_resolution > INT32_MAX ? INT32_MAX : int32_t(m_resolution));
    stream.WriteI32(m_tag);
}

void VRaceTime::Read(KStream &stream)
{
    uint32_t low = stream.ReadU32();
    int32_t high = stream.ReadI32();
    int32_t resolution = stream.ReadI32();
    int32_t tag = stream.ReadI32();
    if (resolution < kNoResolution || high < -32768 || high > 32767)
        throw KXPersistent(kErrFileContents);
    m_time = resolution == kNoResolution ? 0 : int64_t(high) * (int64_t(1) << 32) + int64_t(low);
    m_resolution = resolution;
    m_tag = tag;
}
