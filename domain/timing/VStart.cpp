#include "domain/timing/VStart.h"

#include "domain/QVDomainCodes.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

void VStart::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordStart);
    stream.WriteU32(m_flags);
    m_time.Write(stream);
}

void VStart::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordStart});
    m_flags = stream.ReadU32() & kFlagManual;
    m_time.Read(stream);
}
