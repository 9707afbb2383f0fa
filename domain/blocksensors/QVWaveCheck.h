#pragma once
// QVWaveCheck: whether the bytes of a sound file are a WAV file a unit (and
// any WAV reader) can play: "RIFF" and "WAVE" at the start, then chunks of
// an id, a 32-bit little-endian size and that many bytes (odd sizes padded
// to even), among them a "fmt " chunk of at least 16 bytes followed later
// by a "data" chunk that ends within the file. Pure: no file, no thread.

#include <cstdint>
#include <vector>

enum class QVWaveFault
{
    kNone,          // a WAV file
    kNotWave,       // no "RIFF" and "WAVE" at the start
    kHeaderCut,     // the file ends inside a chunk header or inside the format chunk
    kNoFormat,      // the data chunk comes without a format chunk before it
    kNoData,        // no data chunk (the chunks end, or run past the file's end, before one)
    kDataPastEnd,   // the data chunk claims more bytes than the file holds
};

QVWaveFault QVCheckWave(const std::vector<uint8_t> &bytes);
