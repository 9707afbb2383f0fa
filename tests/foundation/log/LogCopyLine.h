#pragma once
// The lines that two copies of a program write to one log in the tests of
// a shared log (KLogTest.cpp, and log_copy, the second copy it starts): the
// copy's letter, the line's number and a filler of a length of its own, so
// that lines of many lengths meet at the file's end.

#include <cstdio>
#include <string>

// The longest text LogCopyLine makes, in bytes.
constexpr size_t kLogCopyLongest = 14 + 150;

inline std::string LogCopyLine(char copy, int number)
{
    char head[16];
    std::snprintf(head, sizeof head, "copy %c %06d ", copy, number % 1000000);
    std::string line(head);
    const int filler = (number * 37 + copy) % 151;
    for (int i = 0; i < filler; ++i)
        line += char('a' + (number + i) % 26);
    return line;
}
