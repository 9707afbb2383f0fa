#pragma once
// The three character modes of a scoreboard ("CharMode" of its group) and
// the conversion of rendered text into the bytes sent to the board.

#include <cstdint>
#include <vector>

class KString;

enum QVCharMode
{
    kCharModeSingleByte = 0,  // one byte per character: codes 0..255 as they are, others '?'
    kCharModeUnicode = 1,     // UTF-16 little-endian, two bytes per character, no byte-order mark
    kCharModeNative = 2       // the system's ANSI code page
};

// Appends the bytes of text in mode (an unknown mode counts as single byte).
void QVEncodeScoreboardText(const KString &text, int mode, std::vector<uint8_t> &out);
