#pragma once
// Bytes that look like nothing in particular (firmware images, sounds), the
// same for the same seed.

#include <random>
#include <string>

inline std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char &c : bytes)
        c = char(random() & 0xFF);
    return bytes;
}
