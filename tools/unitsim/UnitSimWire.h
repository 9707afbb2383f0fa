#pragma once
// The simulated units' own view of the wire: frame assembly from a byte
// stream, frame building, and the two checksums. Written apart from the
// program's link code on purpose, so that a fault shared by both ends cannot
// make them agree. Plain functions and one small parser; any thread.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace unitsim
{

uint16_t Crc16(const uint8_t *data, size_t size);
uint32_t Crc32(const uint8_t *data, size_t size);

struct Frame
{
    uint32_t destination = 0;
    uint32_t command = 0;
    uint32_t sequence = 0;
    std::vector<uint32_t> args;
    std::vector<uint8_t> block;
    std::vector<uint8_t> raw;   // the frame as it travelled
};

// Builds the bytes of a frame.
std::vector<uint8_t> BuildFrame(uint32_t destination, uint32_t command, uint32_t sequence,
                                const std::vector<uint32_t> &args, const std::vector<uint8_t> &block);

// Collects frames from incoming bytes. Bytes before a start byte, frames
// with an impossible length and frames whose checksum fails are dropped (a
// unit stays silent on a damaged request); Dropped counts them.
class FrameParser
{
public:
    // Feeds bytes; answers true and fills frame each time one is complete
    // (call again with no bytes to take further frames).
    bool Feed(const uint8_t *bytes, size_t count, Frame &frame);
    int Dropped() const { return m_dropped; }
    void Reset() { m_buffer.clear(); }

private:
    bool TakeFrame(Frame &frame);
    std::vector<uint8_t> m_buffer;
    int m_dropped = 0;
};

std::string Hex(const uint8_t *bytes, size_t count);

} // namespace unitsim
