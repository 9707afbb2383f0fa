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

void SetWriteLimit(KStream &stream, int32_t milliseconds)
{
    if (KTCPSocket *socket = dynamic_cast<KTCPSocket *>(&stream))
        socket->SetWriteLimit(milliseconds);
}

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
    SetWriteLimit(*m_stream, -1);
    try {
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
    SetWriteLimit(*m_stream, kAnswerLimit);
    try {
        m_stream->WriteText(text);
        m_stream->Flush();
    } catch (const KX &error) {
        m_error = error.Code();
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
