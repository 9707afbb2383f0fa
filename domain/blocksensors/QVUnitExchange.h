#pragma once
// QVUnitExchange: one request and its checked reply on a unit's port. It
// numbers the requests (the numbers are unique across the program), writes
// each as one frame and reads the reply frame, checking start byte, length,
// checksum, destination, sequence and command in that order. A whole frame
// that does not answer the request under way (a late reply to an earlier
// request, a frame for another address, the request's number with another
// command) is dropped and the wait goes on within the reply's time, for up
// to kMostDroppedFrames frames a request.
//
// Time: on a serial port the reply must begin within the port's read
// time-out (the short time-out) from the request and be complete within that
// time plus its own time on the line (10 bits a byte at the port's rate), in
// total however its bytes arrive; a dropped frame's time on the line is
// added, as the unit could not answer while sending it. A frame's time
// counts from its first byte; bytes already waiting when the time is up came
// in time and are read. Other streams are read as they come.
//
// Resynchronisation: after a reply that was damaged on the line (cut short,
// a wrong start byte or length, a wrong checksum), the next request first
// reads and drops whatever comes until the line has been quiet for the short
// time-out, for kDrainLimit short time-outs at most however the bytes
// trickle, so that one damaged reply costs one failed exchange. On a serial
// port, whatever waits unread when a request is about to go (late replies
// to failed requests) is dropped first, so that no backlog of them fails the
// exchanges after it; the drain and this purge share the one budget of
// kDrainLimit short time-outs, and what still waits after it is discarded.
//
// Every wait is the port's: a serial port asks KWaitGoesOn between slices of
// KWaitSlice ms and throws kErrUserAborted when told to stop, which ends the
// exchange at once (the drain and the purge pass it on too).
//
// Every failure throws KXSerialPort: kErrSerialTimeout when the reply does not
// come in time (also a cut-off frame), kErrSerialChecksum for a wrong checksum,
// kErrSerialHandshake when only frames for other requests came (or more than
// kMostDroppedFrames of them), kErrSerialReceive for any other bad reply (a
// wrong start byte or length, a broken layout, a busy or refused answer).
// Errors of the port itself pass unchanged (kErrSerialTransmit, kErrSerialBusy,
// kErrSerialNotOpen). The port is not owned; one thread at a time.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "domain/blocksensors/QVUnitPacket.h"

class KSerialPort;
class KStream;
class KX;

class QVUnitExchange
{
public:
    QVUnitExchange() = default;

    // Sends the request and answers the checked reply.
    QVUnitPacket Transact(KStream &port, uint32_t destination, uint32_t command,
                          std::initializer_list<uint32_t> arguments,
                          const std::vector<uint8_t> &data = std::vector<uint8_t>());

    // What the last failed exchange met: kBusy when the unit answered busy,
    // kRefused when it refused, kOk otherwise.
    QVFrameCheck LastAnswer() const { return m_lastAnswer; }

private:
    // Longest a drain reads before the next request goes out anyway, in
    // short time-outs: a line that never falls quiet is not waited out.
    static constexpr int kDrainLimit = 10;

    // The reply's clock: the short time-out from now (none off a serial port
    // or with a negative time-out).
    void StartClock();
    // Adds the line time of a frame of bytes to the clock.
    void ExtendClock(int32_t bytes);
    // What one wait within the clock brings (at least a byte, else
    // kErrSerialTimeout).
    int32_t ReadPiece(KStream &port, uint8_t *buffer, int32_t count);
    // The quiet a drain waits for: the short time-out, or a second on a
    // port that waits for ever.
    int32_t QuietTime() const;
    static bool IsUserAbort(const KX &error);
    void ReadBytes(KStream &port, uint8_t *buffer, int32_t count);
    void Drain(KStream &port);
    // Drops the frames (and noise) waiting before a request; a frame still
    // arriving is read to its end first.
    void DropWaiting(KStream &port);
    QVUnitPacket ReadReply(KStream &port, const QVUnitPacket &request);
    QVUnitPacket ReadFrame(KStream &port);

    // Frames for other requests dropped while one reply is awaited; one more
    // fails the exchange, so that a unit sending such frames without end
    // cannot hold the link.
    static constexpr int kMostDroppedFrames = 8;
    // Waiting frames read whole before a request; what waits beyond them is
    // dropped as it stands.
    static constexpr int kMostWaitingFrames = 64;
    static bool IsForeignFrame(QVFrameCheck check);

    KSerialPort *m_serial = nullptr;   // the port of the exchange under way, when a serial one
    int32_t m_shortTimeout = -1;       // its read time-out as the caller set it
    int32_t m_deadline = 0;            // tick by which the reply must be complete
    bool m_clocked = false;            // a deadline applies
    bool m_resync = false;             // the line must fall quiet before the next request
    int32_t m_budgetEnd = 0;           // tick by which the drain and the purge before a request end
    bool m_purging = false;            // the purge runs: reads end by m_budgetEnd too
    QVFrameCheck m_lastAnswer = QVFrameCheck::kOk;
};

// The error code of a failed check (kOk answers 0).
int32_t QVFrameCheckError(QVFrameCheck check);
