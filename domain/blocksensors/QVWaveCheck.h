#pragma once
// QVWaveCheck: whether the bytes of a sound file are a WAV file a unit (and
// any WAV reader) can play: "RIFF" and "WAVE" at the start, then chunks of
// an id, a 32-bit little-endian size and that many bytes (odd sizes padded
// to even), among them a "fmt " chunk of at least 16 bytes that names a
// format, channels and a sample rate (none of them 0) and, for the formats
// read sample by sample (PCM, float, A-law, mu-law, extensible), a sample
// size other than 0, followed later by a "data" chunk that ends within the
// file. Pure: no file, no thread.

#include <cstdint>
#include <vector>

enum class QVWaveFault
{
    kNone,          // a WAV file
    kNotWave,       // no "RIFF" and "WAVE" at the start
    kHeaderCut,     // the file ends inside a chunk header or inside the format chunk
    kNoFormat,      // the data chunk comes without a format chunk before it
    kBadFormat,     // format tag 0, 0 channels or rate, or 0 bits a sample where the tag needs them
    kNoData,        // no data chunk (the chunks end, or run past the file's end, before one)
    kDataPastEnd,   // the data chunk claims more bytes than the file holds
    kDataUnsized,   // the data chunk's size is 0xFFFFFFFF, "length unknown"
};

QVWaveFault QVCheckWave(const std::vector<uint8_t> &bytes);
