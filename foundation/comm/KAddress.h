#pragma once
// IPv4 addresses as the port descriptions write them: dotted-decimal text
// ("192.168.1.20") and a 32-bit value in host byte order (192.168.1.20 is
// 0xC0A80114). Pure functions, usable from any thread.

#include <cstdint>

class KString;

// Converts the dotted-decimal text (white space around it ignored, at most 31
// characters) into a host-order address. Only four decimal parts of 0..255
// are accepted, so "255.255.255.255" is the broadcast address and nothing
// else becomes it. Answers false, with address 0, for an empty text or one
// that is no such address.
bool KParseAddress(const KString &text, uint32_t &address);

// Appends the dotted-decimal form of a host-order address (0 gives
// "0.0.0.0"). Always answers true.
bool KFormatAddress(KString &out, uint32_t address);
