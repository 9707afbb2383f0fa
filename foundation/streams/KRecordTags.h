#pragma once
// Tags of the foundation's own stream records. Each record of a type starts
// with its tag in place of a version word.

#include <cstdint>

constexpr uint32_t kTagString = 0x10010005;   // KString: u32 length, UTF-16LE characters
constexpr uint32_t kTagFlagWide = 0x10000000; // the bit that the older string tag 0x10005 lacks
constexpr uint32_t kTagList = 0x10007;        // KList: u32 count, per item class name and record
