#include "domain/results/QVResultFilter.h"

#include "domain/QVDomainCodes.h"
#include "domain/event/QVTextRecord.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

void QVResultFilter::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordResultFilter);
    stream.WriteU32(m_options);
    stream.WriteI32(m_field);
    m_text.Write(stream);
}

void QVResultFilter::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordResultFilter});
    uint32_t options = stream.ReadU32();
    int32_t field = stream.ReadI32();
    if (field < -1 || field >= kResultTextFields)
        throw KXPersistent(kErrFileContents);
    QVReadText(stream, m_text, L"filter text");
    m_options = options;
    m_field = field;
}
