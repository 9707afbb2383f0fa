#include "domain/event/QVFileReader.h"

#include "foundation/errors/KX.h"

#include <cstring>

QVFileReader::QVFileReader(const KString &path)
{
    m_file.SetFullName(path);
    m_file.Open(KFile::kModeRead);
    m_size = m_file.GetSize();
    m_capacity = m_size < kWindow ? int32_t(m_size > 0 ? m_size : 1) : kWindow;
    m_window.reset(new KStreamBuffer(m_capacity));
}

QVFileReader::~QVFileReader() = default;

int32_t QVFileReader::DoRead(void *buffer, int32_t count)
{
    if (count <= 0)
        return 0;
    if (m_next >= m_end) {
        m_windowStart += m_end;
        m_next = 0;
        m_end = m_file.Read(m_window->Data(), m_capacity);
        if (m_end <= 0) {
            m_end = 0;
            return 0;
        }
    }
    int32_t n = m_end - m_next < count ? m_end - m_next : count;
    std::memcpy(buffer, m_window->Data() + m_next, size_t(n));
    m_next += n;
    return n;
}

void QVFileReader::DoWrite(const void *, int32_t)
{
    throw KXStream(kErrFileWrite);
}
