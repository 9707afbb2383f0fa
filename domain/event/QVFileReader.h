#pragma once
// QVFileReader: reads a document file for parsing: the file is taken in
// large pieces into one reused window, and its length is learnt once, so
// the records' many small reads and their checks against what is left of
// the file cost no system calls. Read-only; one thread at a time.

#include <cstdint>
#include <memory>

#include "foundation/streams/KFile.h"
#include "foundation/streams/KStream.h"
#include "foundation/streams/KStreamBuffer.h"

class QVFileReader : public KStream
{
public:
    static constexpr int32_t kWindow = 256 * 1024;

    // Opens path for reading; throws KXStream kErrFileOpen when it cannot.
    explicit QVFileReader(const KString &path);
    ~QVFileReader() override;
    // The file's KFile::FileIndex.
    uint64_t FileIndex() const { return m_file.FileIndex(); }

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;
    int64_t DoGetSize() override { return m_size; }
    int64_t DoGetPosition() override { return m_windowStart + m_next; }

private:
    KFile m_file;
    // At most kWindow bytes, no more than the file holds; not cleared when
    // made, only bytes read into it are used.
    std::unique_ptr<KStreamBuffer> m_window;
    int32_t m_capacity = 0;
    int64_t m_size = 0;
    int64_t m_windowStart = 0;   // file offset of m_window[0]
    int32_t m_next = 0;          // next unread byte of the window
    int32_t m_end = 0;           // bytes held in the window
};
