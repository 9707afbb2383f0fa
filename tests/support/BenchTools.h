#pragma once
// What the benchmark programs share: a clock in seconds, the median of the
// runs, and whether a window of the program under test has painted and
// answers. Header only, so that every benchmark can use it without another
// source in its list.
#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds on the performance counter.
inline double BenchSeconds()
{
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

// The middle value (the upper one of an even count); none without values.
inline double Median(std::vector<double> values, double none = 0)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? none : values[values.size() / 2];
}

inline BOOL CALLBACK BenchFindDirty(HWND child, LPARAM dirty)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool *>(dirty) = true;
        return FALSE;
    }
    return TRUE;
}

// Shown, and nothing of it or its children left to paint.
inline bool Painted(HWND window)
{
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool dirty = false;
    EnumChildWindows(window, BenchFindDirty, reinterpret_cast<LPARAM>(&dirty));
    return !dirty;
}

// The window's thread took a message within timeoutMs: it is not busy.
inline bool Answers(HWND window, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}
