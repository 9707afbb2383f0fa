#include "domain/resultslink/QVLinkConnection.h"

#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"

#include <cstring>

namespace {

// One buffer for every connection: they are all read on the GUI thread.
char g_buffer[QVLinkConnection::kReadBuffer];

void SetReadTimeout(KStream &stream, int32_t milliseconds)
{
    if (KSerialPort *port = dynamic_cast<KSerialPort *>(&stream))
        port->SetReadTimeout(milliseconds);
    else if (KSocketStream *socket = dynamic_cast<KSocketStream *>(&stream))
        socket->SetReadTimeout(milliseconds);
}

// A socket whose receive failed is closed behind the stream; its "no data"
// code then means the connection is gone.
bool IsNoData(KStream &stream, int32_t code)
{
    if (code == kErrSerialTimeout)
        return true;
    if (code != kErrSocketReceive)
        return false;
    KSocketStream *socket = dynamic_cast<KSocketStream *>(&stream);
    return !socket || socket->IsOpen();
}

// Collects what a text write makes of a text (the stream's 8-bit encoding),
// so that the bytes can wait for a connection that is full.
class TextBytes : public KStream
{
public:
    explicit TextBytes(std::string &bytes) : m_bytes(bytes)
    {
        SetWriteEncoding(kEncoding8Bit);
        SetWriteLineEnd(kLineEndRaw);
    }

protected:
    int32_t DoRead(void *, int32_t) override { return 0; }
    void DoWrite(const void *buffer, int32_t count) override
    {
        m_bytes.append(static_cast<const char *>(buffer), size_t(count));
    }

private:
    std::string &m_bytes;
};

} // namespace

QVLinkConnection::QVLinkConnection(std::unique_ptr<KStream> stream)
    : m_stream(std::move(stream)), m_lastHeard(KTickCount())
{
    m_stream->SetReadEncoding(KStream::kEncoding8Bit);
    m_stream->SetWriteEncoding(KStream::kEncoding8Bit);
    m_stream->SetReadLineEnd(KStream::kLineEndRaw);
    m_stream->SetWriteLineEnd(KStream::kLineEndRaw);
    // Every write is bounded, on whatever path the connection came: a peer
    // that stops reading cannot hold the GUI thread in a send.
    if (KTCPSocket *socket = dynamic_cast<KTCPSocket *>(m_stream.get()))
        socket->SetWriteTimeout(kSendTimeout);
}

QVLinkConnection::~QVLinkConnection() = default;

QVLinkConnection::Outcome QVLinkConnection::Take(int32_t wait)
{
    m_lastTaken = 0;
    if (IsGone())
        return m_ended ? kEnded : kFailed;
    SetReadTimeout(*m_stream, wait < 0 ? 0 : wait);
    int32_t count = 0;
    try {
        count = m_stream->ReadSome(g_buffer, kReadBuffer);
    } catch (const KX &error) {
        if (error.Code() == kErrSocketReadClosed) {
            m_ended = true;
            return kEnded;
        }
        if (IsNoData(*m_stream, error.Code()))
            return kNothing;
        m_error = error.Code();
        return kFailed;
    }
    if (count <= 0)
        return kNothing;
    m_lastTaken = count;
    m_lastHeard = KTickCount();
    Split(g_buffer, count);
    return kTookBytes;
}

QVLinkConnection::Outcome QVLinkConnection::TakeWaiting(int maxTransfers)
{
    Outcome outcome = kNothing;
    for (int i = 0; i < maxTransfers; ++i) {
        outcome = Take(0);
        if (outcome != kTookBytes)
            break;
    }
    return outcome;
}

void QVLinkConnection::Split(const char *bytes, int32_t count)
{
    const char *end = bytes + count;
    while (bytes < end) {
        const char *lineEnd = static_cast<const char *>(std::memchr(bytes, '\n', size_t(end - bytes)));
        const char *stop = lineEnd ? lineEnd : end;
        if (!m_dropping) {
            size_t room = size_t(kMaxLine) - m_unfinished.size();
            size_t piece = size_t(stop - bytes);
            if (piece > room) {
                // Too long for any request: drop it up to its line end.
                m_unfinished.clear();
                m_dropping = true;
                ++m_droppedLines;
            } else {
                m_unfinished.append(bytes, piece);
            }
        }
        if (!lineEnd)
            break;
        if (!m_dropping)
            m_lines.push_back(std::move(m_unfinished));
        m_unfinished.clear();
        m_dropping = false;
        bytes = lineEnd + 1;
    }
}

bool QVLinkConnection::NextLine(KString &line)
{
    if (m_lines.empty())
        return false;
    line.Clear();
    line.AppendAnsi(m_lines.front().data(), int(m_lines.front().size()));
    m_lines.pop_front();
    line.Trim();   // drops the CR and blanks around the line
    return true;
}

void QVLinkConnection::DropUnread()
{
    m_unfinished.clear();
    m_dropping = false;
    m_lines.clear();
}

bool QVLinkConnection::Send(const void *bytes, int32_t count)
{
    try {
        if (HasOutbox())
            m_stream->Write(m_outbox.data() + m_sent, int32_t(m_outbox.size() - m_sent));
        m_outbox.clear();
        m_sent = 0;
        if (count > 0)
            m_stream->Write(bytes, count);
        m_stream->Flush();
    } catch (const KX &error) {
        m_error = error.Code();
        return false;
    }
    return true;
}

bool QVLinkConnection::Send(const KString &text)
{
    if (m_error != 0)
        return false;
    if (!dynamic_cast<KTCPSocket *>(m_stream.get())) {
        try {
            m_stream->WriteText(text);
            m_stream->Flush();
        } catch (const KX &error) {
            m_error = error.Code();
            return false;
        }
        return true;
    }
    if (!HasOutbox())
        m_outboxSince = KTickCount();
    TextBytes(m_outbox).WriteText(text);
    return Flush();
}

bool QVLinkConnection::Flush()
{
    KTCPSocket *socket = dynamic_cast<KTCPSocket *>(m_stream.get());
    if (m_error != 0 || !socket || !HasOutbox())
        return m_error == 0;
    try {
        while (HasOutbox()) {
            int32_t n = socket->WriteSome(m_outbox.data() + m_sent, int32_t(m_outbox.size() - m_sent));
            if (n <= 0)
                break;
            m_sent += size_t(n);
        }
    } catch (const KX &error) {
        m_error = error.Code();
        return false;
    }
    if (!HasOutbox()) {
        m_outbox.clear();
        m_sent = 0;
    } else if (KTickElapsed(m_outboxSince) >= kAnswerLimit) {
        m_error = kErrSocketSend;
        return false;
    }
    return true;
}

int32_t QVLinkConnection::SilentFor() const
{
    return KTickElapsed(m_lastHeard);
}

int QVLinkConnection::TakeDroppedLines()
{
    int dropped = m_droppedLines;
    m_droppedLines = 0;
    return dropped;
}
