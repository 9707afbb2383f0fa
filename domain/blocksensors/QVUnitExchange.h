#pragma once
// QVUnitExchange: one request and its checked reply on a unit's port. It
// numbers the requests (the numbers are unique across the program), writes each as one frame and reads the reply frame,
// checking start byte, length, checksum, destination, sequence and command
// in that order; a late reply to one of the last 64 requests is skipped.
// Every failure throws KXSerialPort: 5002 when the reply does
// not come within the port's read time-out (also a cut-off frame), 5005 for
// a wrong checksum, 5006 for a wrong destination, sequence or command, 5001
// for any other bad reply (a wrong start byte or length, a broken layout, a
// busy or refused answer). Errors of the port itself pass unchanged (5003,
// 5004, 5007). The port is not owned; one thread at a time.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "domain/blocksensors/QVUnitPacket.h"

class KStream;

class QVUnitExchange
{
public:
    QVUnitExchange() = default;

    // Sends the request and answers the checked reply.
    QVUnitPacket Transact(KStream &port, uint32_t destination, uint32_t command,
                          std::initializer_list<uint32_t> arguments,
                          const std::vector<uint8_t> &data = std::vector<uint8_t>());

    // Requests that go out before the replies to earlier ones are read (the
    // unit answers in order): Queue numbers a request and keeps its frame,
    // SendQueued writes every kept frame at once, Receive reads the checked
    // reply to one request. With another set, a further reply is known to
    // follow: its first bytes are read together with this one's last.
    QVUnitPacket Queue(uint32_t destination, uint32_t command, std::initializer_list<uint32_t> arguments,
                       const std::vector<uint8_t> &data = std::vector<uint8_t>());
    void SendQueued(KStream &port);
    QVUnitPacket Receive(KStream &port, const QVUnitPacket &request, bool another = false);

    // What the last failed exchange met: kBusy when the unit answered busy,
    // kRefused when it refused, kOk otherwise.
    QVFrameCheck LastAnswer() const { return m_lastAnswer; }

private:
    void ReadBytes(KStream &port, uint8_t *buffer, int32_t count);
    QVUnitPacket ReadReply(KStream &port, const QVUnitPacket &request, bool another);
    QVUnitPacket ReadFrame(KStream &port, bool another);

    static constexpr uint32_t kStaleWindow = 64;   // how far back a late reply is recognised

    std::vector<uint8_t> m_outgoing;   // queued request frames
    uint8_t m_ahead[3];                // start of the next frame, read with the last one
    int m_aheadCount = 0;
    QVFrameCheck m_lastAnswer = QVFrameCheck::kOk;
};

// The error code of a failed check (kOk answers 0).
int32_t QVFrameCheckError(QVFrameCheck check);
