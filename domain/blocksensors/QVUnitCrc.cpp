#include "domain/blocksensors/QVUnitCrc.h"

uint16_t QVCrc16(const uint8_t *data, size_t size, uint16_t crc)
{
    for (size_t i = 0; i < size; ++i)
    {
        crc ^= uint16_t(data[i]) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? uint16_t((crc << 1) ^ 0x1021) : uint16_t(crc << 1);
    }
    return crc;
}

namespace
{
struct Crc32Table
{
    uint32_t entry[256];
    Crc32Table()
    {
        for (uint32_t n = 0; n < 256; ++n)
        {
            uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entry[n] = c;
        }
    }
};
} // namespace

uint32_t QVCrc32(const uint8_t *data, size_t size, uint32_t crc)
{
    static const Crc32Table table;
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table.entry[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}
