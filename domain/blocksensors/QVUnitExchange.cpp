#include "domain/blocksensors/QVUnitExchange.h"

#include <atomic>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"
#include "foundation/values/KHelpers.h"

namespace
{
// Sequence numbers are unique across every exchange of the program, so that
// a late reply meant for one link object is never taken by another on the
// same port. 0 is left out.
std::atomic<uint32_t> g_sequence{1};

uint32_t NextNumber()
{
    uint32_t number = g_sequence++;
    return number ? number : g_sequence++;
}

// Gives the port its caller's read time-out back when the exchange ends.
class ReadTimeoutKeeper
{
public:
    explicit ReadTimeoutKeeper(KSerialPort *port) : m_port(port), m_saved(port ? port->ReadTimeout() : 0) {}
    ~ReadTimeoutKeeper()
    {
        if (m_port)
            m_port->SetReadTimeout(m_saved);
    }
    ReadTimeoutKeeper(const ReadTimeoutKeeper &) = delete;
    ReadTimeoutKeeper &operator=(const ReadTimeoutKeeper &) = delete;

private:
    KSerialPort *m_port;
    int32_t m_saved;
};

constexpr int32_t kQuietWithoutTimeout = 1000;   // ms of quiet a drain waits for on a port that waits for ever
constexpr int32_t kTakeWaiting = 100;            // ms a read of bytes already there may take
} // namespace

int32_t QVFrameCheckError(QVFrameCheck check)
{
    switch (check)
    {
    case QVFrameCheck::kOk:
        return 0;
    case QVFrameCheck::kShort:
        return kErrSerialTimeout;
    case QVFrameCheck::kBadChecksum:
        return kErrSerialChecksum;
    case QVFrameCheck::kWrongDestination:
    case QVFrameCheck::kWrongSequence:
    case QVFrameCheck::kWrongCommand:
        return kErrSerialHandshake;
    default:
        return kErrSerialReceive;
    }
}

QVUnitPacket QVUnitExchange::Transact(KStream &port, uint32_t destination, uint32_t command,
                                      std::initializer_list<uint32_t> arguments,
                                      const std::vector<uint8_t> &data)
{
    QVUnitPacket request;
    request.destination = destination;
    request.command = command;
    request.sequence = NextNumber();
    request.arguments = arguments;
    request.data = data;
    std::vector<uint8_t> frame;
    QVEncodeFrame(request, frame);

    m_serial = dynamic_cast<KSerialPort *>(&port);
    m_shortTimeout = m_serial ? m_serial->ReadTimeout() : -1;
    ReadTimeoutKeeper keeper(m_serial);
    m_lastAnswer = QVFrameCheck::kOk;
    // The drain and the purge share one budget of kDrainLimit quiet times.
    m_budgetEnd = KTickCount() + kDrainLimit * QuietTime();
    if (m_resync)
        Drain(port);
    if (m_serial)
        DropWaiting(port);
    port.Write(frame.data(), int32_t(frame.size()));
    port.Flush();
    StartClock();
    return ReadReply(port, request);
}

void QVUnitExchange::StartClock()
{
    m_clocked = m_serial && m_shortTimeout >= 0;
    m_deadline = KTickCount() + (m_shortTimeout > 0 ? m_shortTimeout : 0);
}

void QVUnitExchange::ExtendClock(int32_t bytes)
{
    if (!m_clocked)
        return;
    int64_t baud = m_serial->Baud() > 0 ? m_serial->Baud() : 9600;
    m_deadline += int32_t((int64_t(bytes) * 10000 + baud - 1) / baud);
}

int32_t QVUnitExchange::QuietTime() const
{
    return m_shortTimeout >= 0 ? m_shortTimeout : kQuietWithoutTimeout;
}

bool QVUnitExchange::IsUserAbort(const KX &error)
{
    return error.Code() == kErrUserAborted;
}

int32_t QVUnitExchange::ReadPiece(KStream &port, uint8_t *buffer, int32_t count)
{
    if (m_clocked)
    {
        int32_t end = m_deadline;
        if (m_purging && end - m_budgetEnd > 0)
            end = m_budgetEnd;
        int32_t left = end - KTickCount();
        if (left <= 0)
        {
            // Time is up, but bytes that are here by now came in time (a
            // frame that arrives in one burst at the deadline): they are
            // taken without waiting; silence at the deadline is 5002.
            int32_t waiting = m_serial->Waiting();
            if (waiting <= 0)
                throw KXSerialPort(kErrSerialTimeout);
            if (count > waiting)
                count = waiting;
            left = kTakeWaiting;
        }
        m_serial->SetReadTimeout(left);
    }
    // One wait at a time, so that the clock bounds it; a stream that ends
    // (rather than timing out) counts as silence too.
    int32_t got = port.ReadSome(buffer, count);
    if (got <= 0)
        throw KXSerialPort(kErrSerialTimeout);
    return got;
}

void QVUnitExchange::ReadBytes(KStream &port, uint8_t *buffer, int32_t count)
{
    while (count > 0)
    {
        int32_t got = ReadPiece(port, buffer, count);
        buffer += got;
        count -= got;
    }
}

void QVUnitExchange::Drain(KStream &port)
{
    m_resync = false;
    const int32_t quiet = QuietTime();
    uint8_t scrap[256];
    for (;;)
    {
        // Each read waits at most the quiet time and what is left of the
        // budget, and takes what has come by then: a line that trickles
        // holds the next request for the budget at most.
        int32_t wait = quiet;
        if (m_serial)
        {
            int32_t left = m_budgetEnd - KTickCount();
            if (left <= 0)
                break;
            if (wait > left)
                wait = left;
            m_serial->SetReadTimeout(wait);
        }
        try
        {
            if (port.ReadSome(scrap, int32_t(sizeof scrap)) <= 0)
                break;
        }
        catch (const KX &error)
        {
            if (IsUserAbort(error))
            {
                m_resync = true;   // the line is still to be drained
                throw;
            }
            break;   // quiet (or a port error, which the request meets again)
        }
    }
    if (m_serial)
        m_serial->SetReadTimeout(m_shortTimeout);
}

void QVUnitExchange::DropWaiting(KStream &port)
{
    // Whatever waits now answers no request of this exchange (late replies
    // to failed ones): left there, a backlog of them would fail the next
    // exchanges one after another. Frames are read whole, so that the rest
    // of one still arriving is not met as stray bytes by the reply; noise
    // is dropped as it stands. All of it within what is left of the drain's
    // budget: whatever still waits after that is dropped unread.
    m_purging = true;
    for (int frames = 0; frames < kMostWaitingFrames && m_serial->Waiting() > 0 && m_budgetEnd - KTickCount() > 0;
         ++frames)
    {
        StartClock();
        try
        {
            ReadFrame(port);
        }
        catch (const KX &error)
        {
            if (IsUserAbort(error))
            {
                m_purging = false;
                throw;
            }
            m_resync = false;
            break;
        }
    }
    m_purging = false;
    m_serial->DiscardInput();
    m_serial->SetReadTimeout(m_shortTimeout);
}

QVUnitPacket QVUnitExchange::ReadReply(KStream &port, const QVUnitPacket &request)
{
    // A whole frame that answers something else (a late reply to an earlier
    // request, a frame for another address, this number with another
    // command) is dropped and the wait goes on: its time on the line is in
    // the clock already, as the unit could not answer while sending it.
    QVFrameCheck foreign = QVFrameCheck::kOk;
    for (int dropped = 0;; ++dropped)
    {
        QVUnitPacket reply;
        try
        {
            reply = ReadFrame(port);
        }
        catch (const KX &error)
        {
            // Silence after frames for other requests: the unit answered,
            // but never this request.
            if (foreign != QVFrameCheck::kOk && error.Code() == kErrSerialTimeout && !m_resync)
                throw KXSerialPort(QVFrameCheckError(foreign));
            throw;
        }
        QVFrameCheck check = QVCheckReply(request, reply);
        if (IsForeignFrame(check) && dropped < kMostDroppedFrames)
        {
            foreign = check;
            continue;
        }
        if (check == QVFrameCheck::kBusy || check == QVFrameCheck::kRefused)
            m_lastAnswer = check;
        if (check != QVFrameCheck::kOk)
            throw KXSerialPort(QVFrameCheckError(check));
        return reply;
    }
}

bool QVUnitExchange::IsForeignFrame(QVFrameCheck check)
{
    return check == QVFrameCheck::kWrongDestination || check == QVFrameCheck::kWrongSequence
           || check == QVFrameCheck::kWrongCommand;
}

QVUnitPacket QVUnitExchange::ReadFrame(KStream &port)
{
    // Silence before the first byte leaves the line as it was.
    uint8_t header[3];
    int32_t got = ReadPiece(port, header, 3);
    try
    {
        // The frame's time on the line counts from its first byte: the
        // header's at once, the rest once the header gives the length.
        ExtendClock(3);
        ReadBytes(port, header + got, 3 - got);
        int length = 0;
        QVFrameCheck check = QVCheckFrameHeader(header, length);
        if (check != QVFrameCheck::kOk)
            throw KXSerialPort(QVFrameCheckError(check));
        ExtendClock(length + kUnitFrameOverhead - 3);

        std::vector<uint8_t> frame(size_t(length) + kUnitFrameOverhead);
        frame[0] = header[0];
        frame[1] = header[1];
        frame[2] = header[2];
        ReadBytes(port, frame.data() + 3, int32_t(frame.size()) - 3);
        QVUnitPacket reply;
        check = QVDecodeFrame(frame.data(), frame.size(), reply);
        if (check != QVFrameCheck::kOk)
            throw KXSerialPort(QVFrameCheckError(check));
        return reply;
    }
    catch (const KX &)
    {
        m_resync = true;   // the rest of a damaged frame may still be coming
        throw;
    }
}
