#pragma once
// QVUnitPacket: one request or reply of the unit link, and the pure encoder
// and decoder of its frame:
//   0x02 | u16 payload length L | payload (L bytes) | u16 CRC-16 over the
//   length bytes and the payload; payload = u32 destination | u32 command |
//   u32 sequence | u32 argument count n | n x u32 arguments | data block.
// All integers are little-endian. Values; any thread.

#include <cstddef>
#include <cstdint>
#include <vector>

struct QVUnitPacket
{
    uint32_t destination = 0;
    uint32_t command = 0;
    uint32_t sequence = 0;
    std::vector<uint32_t> arguments;
    std::vector<uint8_t> data;

    int32_t Argument(size_t i) const { return int32_t(arguments[i]); }
};

// Outcome of decoding a frame or checking a reply, in the order the host
// checks them.
enum class QVFrameCheck
{
    kOk,
    kBadStart,        // first byte is not 0x02
    kBadLength,       // payload length outside 16..4096
    kShort,           // fewer bytes than the length announces
    kBadChecksum,
    kBadLayout,       // argument count above 64 or beyond the payload
    kWrongDestination,
    kWrongSequence,
    kWrongCommand,
    kBusy,            // the unit answered busy
    kRefused          // the unit refused the request (argument 0 = reason)
};

// Appends the whole frame of packet to out. The payload must fit 4096 bytes
// (arguments at most 64); the caller keeps data blocks small enough.
void QVEncodeFrame(const QVUnitPacket &packet, std::vector<uint8_t> &out);

// Payload length announced by the three header bytes (start byte and length),
// or a check result other than kOk when they are not a valid frame start.
QVFrameCheck QVCheckFrameHeader(const uint8_t *header, int &payloadLength);

// Decodes one whole frame (header, payload and CRC) into packet; checks the
// start byte, the length, the CRC and the layout, in that order.
QVFrameCheck QVDecodeFrame(const uint8_t *frame, size_t size, QVUnitPacket &packet);

// Checks a decoded reply against its request: destination (the host),
// sequence, then command (busy and refused answers are told apart).
QVFrameCheck QVCheckReply(const QVUnitPacket &request, const QVUnitPacket &reply);
