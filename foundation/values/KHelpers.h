#pragma once
// Small helpers used throughout the program: integer min/max/abs, rounding
// towards minus infinity, flag words, the millisecond tick count and sleeping.

#include <cstdint>

inline int KMin(int a, int b) { return a < b ? a : b; }
inline int KMax(int a, int b) { return a > b ? a : b; }
inline int KAbs(int a) { return a < 0 ? -a : a; }

// Rounds value down to a multiple of step (step > 0), towards minus infinity:
// KRoundDown(-1, 1000) is -1000.
int KRoundDown(int value, int step);

// True when word and mask have a bit in common.
inline bool KTestFlag(uint32_t word, uint32_t mask) { return (word & mask) != 0; }

// Sets (on) or clears the mask bits of word.
template <typename T>
inline void KAssignFlag(T &word, uint32_t mask, bool on)
{
    word = on ? T(word | mask) : T(word & ~mask);
}

// Milliseconds since system start as a signed 32-bit value. It wraps after
// 24.8 days: compare deadlines as KTickElapsed(then) >= timeout, never now > then.
int32_t KTickCount();
// Replaces the system's tick count as KTickCount's source (none: the system's
// again), so that timing behaviour can be driven step by step.
using KTickSource = int32_t (*)();
void KSetTickSource(KTickSource source);

// Milliseconds from then to now, correct across the wrap of the tick count.
inline int32_t KTickElapsed(int32_t then) { return int32_t(uint32_t(KTickCount()) - uint32_t(then)); }
// The longest time-out that KTickElapsed can be compared with (24.8 days).
constexpr int32_t KLongestTickWait = INT32_MAX;

// Milliseconds on the steady clock: never wraps, never jumps, and is not
// replaced by KSetTickSource. For intervals the program measures for itself.
int64_t KSteadyMilliseconds();

void KSleep(int milliseconds);

// Byte orders of stored 32-bit values.
constexpr int kOrderLittleEndian = 0; // least significant byte first (Intel)
constexpr int kOrderBigEndian = 1;    // most significant byte first

// value, stored in byte order from, as it reads in byte order to: the bytes
// are swapped when the two orders differ.
uint32_t KOrderU32(uint32_t value, int from, int to);

// True on platforms that offer only the 8-bit forms of the Win32 calls.
bool KUseAnsiApi();
// Decides the answer from a platform id of the system's version data:
// true for the Windows 9x family (platform ids 0 and 1), false for NT.
bool KIsAnsiOnlyPlatform(uint32_t platformId);
// Overrides the decision: 1 makes KUseAnsiApi answer true, 0 false, -1 (the
// default) asks the running system again.
void KForceAnsiApi(int forced);
