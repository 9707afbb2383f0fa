#pragma once
// Bytes for file tests: the whole of a file as it stands on disk, and a
// repeatable run of random bytes. Header only, so that any test program can
// use them without another source in its list.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// The bytes of a file, read to its end (Linux's process files report no
// size); empty when it cannot be opened.
inline std::string ReadWholeFile(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0)
        bytes.append(buffer, count);
    CloseHandle(file);
    return bytes;
}

// How many times part stands in text, overlapping places counted.
inline int CountOf(const std::string &text, const std::string &part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// size bytes drawn from a generator started at seed: the same seed gives the
// same bytes.
inline std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char &c : bytes)
        c = char(random() & 0xFF);
    return bytes;
}

// A WAV file of 8-bit mono PCM at 8 kHz whose data chunk holds dataBytes
// bytes drawn from seed (the whole file is 44 bytes longer).
inline std::string WaveFileBytes(std::size_t dataBytes, unsigned seed)
{
    auto word = [](std::uint32_t value) {
        return std::string{ char(value & 0xFF), char(value >> 8 & 0xFF), char(value >> 16 & 0xFF),
                            char(value >> 24 & 0xFF) };
    };
    const std::string format =
        std::string("\x01\x00\x01\x00", 4) + word(8000) + word(8000) + std::string("\x01\x00\x08\x00", 4);
    return "RIFF" + word(std::uint32_t(36 + dataBytes)) + "WAVEfmt " + word(16) + format + "data" +
           word(std::uint32_t(dataBytes)) + RandomBytes(dataBytes, seed);
}
