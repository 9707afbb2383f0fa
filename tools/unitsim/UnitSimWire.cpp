#include "tools/unitsim/UnitSimWire.h"

namespace unitsim
{
namespace
{
// Table-driven, most significant bit first.
struct Crc16Table
{
    uint16_t t[256];
    Crc16Table()
    {
        for (int i = 0; i < 256; ++i)
        {
            uint16_t r = uint16_t(i << 8);
            for (int b = 0; b < 8; ++b)
                r = uint16_t((r & 0x8000) ? (r << 1) ^ 0x1021 : r << 1);
            t[i] = r;
        }
    }
};

void Put32(std::vector<uint8_t> &v, uint32_t x)
{
    v.push_back(uint8_t(x & 0xFF));
    v.push_back(uint8_t((x >> 8) & 0xFF));
    v.push_back(uint8_t((x >> 16) & 0xFF));
    v.push_back(uint8_t((x >> 24) & 0xFF));
}

uint32_t Get32(const std::vector<uint8_t> &v, size_t at)
{
    return uint32_t(v[at]) | uint32_t(v[at + 1]) << 8 | uint32_t(v[at + 2]) << 16 | uint32_t(v[at + 3]) << 24;
}
} // namespace

uint16_t Crc16(const uint8_t *data, size_t size)
{
    static const Crc16Table table;
    uint16_t crc = 0xFFFF;
    while (size--)
        crc = uint16_t((crc << 8) ^ table.t[((crc >> 8) ^ *data++) & 0xFF]);
    return crc;
}

uint32_t Crc32(const uint8_t *data, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
    {
        crc ^= data[i];
        for (int b = 0; b < 8; ++b)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

std::vector<uint8_t> BuildFrame(uint32_t destination, uint32_t command, uint32_t sequence,
                                const std::vector<uint32_t> &args, const std::vector<uint8_t> &block)
{
    std::vector<uint8_t> payload;
    Put32(payload, destination);
    Put32(payload, command);
    Put32(payload, sequence);
    Put32(payload, uint32_t(args.size()));
    for (uint32_t a : args)
        Put32(payload, a);
    payload.insert(payload.end(), block.begin(), block.end());

    std::vector<uint8_t> frame;
    frame.push_back(0x02);
    frame.push_back(uint8_t(payload.size() & 0xFF));
    frame.push_back(uint8_t(payload.size() >> 8));
    frame.insert(frame.end(), payload.begin(), payload.end());
    uint16_t crc = Crc16(frame.data() + 1, frame.size() - 1);
    frame.push_back(uint8_t(crc & 0xFF));
    frame.push_back(uint8_t(crc >> 8));
    return frame;
}

bool FrameParser::Feed(const uint8_t *bytes, size_t count, Frame &frame)
{
    m_buffer.insert(m_buffer.end(), bytes, bytes + count);
    return TakeFrame(frame);
}

bool FrameParser::TakeFrame(Frame &frame)
{
    for (;;)
    {
        size_t start = 0;
        while (start < m_buffer.size() && m_buffer[start] != 0x02)
            ++start;
        if (start > 0)
        {
            m_buffer.erase(m_buffer.begin(), m_buffer.begin() + long(start));
            ++m_dropped;
        }
        if (m_buffer.size() < 3)
            return false;
        size_t length = size_t(m_buffer[1]) | size_t(m_buffer[2]) << 8;
        if (length < 16 || length > 4096)
        {
            m_buffer.erase(m_buffer.begin());
            ++m_dropped;
            continue;
        }
        if (m_buffer.size() < length + 5)
            return false;
        std::vector<uint8_t> raw(m_buffer.begin(), m_buffer.begin() + long(length + 5));
        uint16_t crc = uint16_t(raw[length + 3] | raw[length + 4] << 8);
        uint32_t count = Get32(raw, 3 + 12);
        if (crc != Crc16(raw.data() + 1, length + 2) || count > 64 || 16 + 4 * size_t(count) > length)
        {
            m_buffer.erase(m_buffer.begin());
            ++m_dropped;
            continue;
        }
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + long(length + 5));
        frame.destination = Get32(raw, 3);
        frame.command = Get32(raw, 7);
        frame.sequence = Get32(raw, 11);
        frame.args.clear();
        for (uint32_t i = 0; i < count; ++i)
            frame.args.push_back(Get32(raw, 19 + 4 * i));
        frame.block.assign(raw.begin() + long(19 + 4 * count), raw.begin() + long(3 + length));
        frame.raw = raw;
        return true;
    }
}

std::string Hex(const uint8_t *bytes, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < count; ++i)
    {
        if (i)
            out += ' ';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

} // namespace unitsim
