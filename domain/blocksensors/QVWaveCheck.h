#pragma once
// QVWaveCheck: whether the bytes of a sound file are a WAV file a unit (and
// any WAV reader) can play: "RIFF" and "WAVE" at the start, then chunks of
// an id, a 32-bit little-endian size and that many bytes (odd sizes padded
// to even), among them a "fmt " chunk of at least 16 bytes that names a
// format, channels, a sample rate and a sample size (none of them 0),
// followed later by a "data" chunk that ends within the file. Pure: no
// file, no thread.

#include <cstdint>
#include <vector>

enum class QVWaveFault
{
    kNone,          // a WAV file
    kNotWave,       // no "RIFF" and "WAVE" at the start
    kHeaderCut,     // the file ends inside a chunk header or inside the format chunk
    kNoFormat,      // the data chunk comes without a format chunk before it
    kBadFormat,     // the format chunk gives format tag 0, or 0 channels, sample rate or bits per sample
    kNoData,        // no data chunk (the chunks end, or run past the file's end, before one)
    kDataPastEnd,   // the data chunk claims more bytes than the file holds
    kDataUnsized,   // the data chunk's size is 0xFFFFFFFF, "length unknown"
};

QVWaveFault QVCheckWave(const std::vector<uint8_t> &bytes);
