#pragma once
// Checksums of the unit link: QVCrc16 guards every binary frame
// (CRC-16/CCITT-FALSE: polynomial 0x1021, initial 0xFFFF, no reflection, no
// final XOR; "123456789" gives 0x29B1); QVCrc32 guards firmware images and
// sounds in the monitor dialogue (the IEEE 802.3 CRC-32; "123456789" gives
// 0xCBF43926). Pure functions; any thread.

#include <cstddef>
#include <cstdint>

// Continues crc over size bytes; start with kCrc16Initial.
constexpr uint16_t kCrc16Initial = 0xFFFF;
uint16_t QVCrc16(const uint8_t *data, size_t size, uint16_t crc = kCrc16Initial);

// Continues a running CRC-32 over size bytes; start with 0 and the result is
// the finished value (the pre- and post-inversion are inside).
uint32_t QVCrc32(const uint8_t *data, size_t size, uint32_t crc = 0);
