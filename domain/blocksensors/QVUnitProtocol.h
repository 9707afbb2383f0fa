#pragma once
// Constants of the unit link: the binary request/reply protocol that the
// block sensors and the Control Center speak on their serial ports, and the
// text monitor dialogue through which they take firmware and sounds. The
// protocol is described for users in docs/unit-protocol.md.

#include <cstdint>

// Framing.
constexpr uint8_t kUnitStartByte = 0x02;       // first byte of every frame
constexpr int kUnitMinPayload = 16;            // destination, command, sequence, argument count
constexpr int kUnitMaxPayload = 4096;
constexpr int kUnitMaxArguments = 64;
constexpr int kUnitFrameOverhead = 5;          // start byte, two length bytes, two CRC bytes

// Addresses.
constexpr uint32_t kUnitHost = 0x100;          // the PC
constexpr uint32_t kUnitAnyUnit = 0;           // whatever unit is on this port (identify)
constexpr uint32_t kUnitBlockSensor = 0x200;   // | unit 1..127; 0x200 alone = the block sensor on this port
constexpr uint32_t kUnitControlCenter = 0x281;
constexpr uint32_t kUnitMaxUnit = 127;

// Commands (a reply carries the request's command with kUnitReplyBit set).
constexpr uint32_t kUnitIdentify = 0x00000001;       // {} -> {device type, firmware version, unit}
constexpr uint32_t kUnitStatus = 0x00010002;         // {} -> {value A, status, unit}
constexpr uint32_t kUnitTrialList = 0x00010003;      // {} -> {0, count}
constexpr uint32_t kUnitTrialHeader = 0x00010004;    // {index} -> 17 header words
constexpr uint32_t kUnitTrialData = 0x00010005;      // {index, first, count} -> {first, count} + samples
constexpr uint32_t kUnitDeleteAll = 0x00010006;      // {} -> {0}
constexpr uint32_t kUnitCcVersion = 0x00020002;      // {} -> {version}
constexpr uint32_t kUnitCcTrialInfo = 0x00020003;    // {} -> {status, unit, time ms, time difference ms}
constexpr uint32_t kUnitCcText = 0x00020004;         // {half} + 31 characters -> {0}
constexpr uint32_t kUnitCcLanes = 0x00020005;        // {lane count} + 2-bit states -> {0}
constexpr uint32_t kUnitReplyBit = 0x80000000;
constexpr uint32_t kUnitBusyReply = 0x8000FFFF;      // no arguments
constexpr uint32_t kUnitRefusedReply = 0x8000FFFE;   // one argument: the reason

// Device types of the identify reply.
constexpr uint32_t kDeviceBlockSensor = 0x10001;
constexpr uint32_t kDeviceControlCenter = 0x20001;
// Control Center version the host assumes when the version request fails.
constexpr uint32_t kCcDefaultVersion = 0x15000;

// Trials.
constexpr int kUnitHeaderWords = 17;          // 5 times, 9 breaks, power, flags, source
constexpr int kUnitHeaderBreaks = 9;
constexpr int kUnitMaxChunk = 256;            // most samples a data request may ask for
// Samples the host asks for at a time: a reply (29 + 4 x 248 bytes) fits
// one 1024-byte port read.
constexpr int kUnitChunkSamples = 248;
constexpr int kUnitSampleBytes = 4;           // int16 X, int16 Y
constexpr int kUnitMaxTrials = 1000;          // most trials a unit holds
constexpr uint32_t kUnitNoTime = 0x80000000;  // a time field without a time

// Control Center text and lanes.
constexpr int kCcTextHalf = 31;               // characters per text half
constexpr int kCcMaxLanes = 256;              // lanes per lane-state request
enum QVLaneState
{
    kLaneEmpty = 0,      // no result or no time
    kLaneTimed = 1,      // a valid reaction time
    kLaneFalseStart = 2, // marked as a false start
    kLaneOut = 3         // did not start or finish, disqualified, scratched
};

// Monitor dialogue.
constexpr int kMonitorPollMs = 200;           // the host sends CR this often until the prompt
constexpr int kMonitorLineBytes = 64;         // bytes per "D" line (128 hex digits)
constexpr int kMonitorMaxImage = 16 * 1024 * 1024;
enum QVSoundSlot
{
    kSoundOnMarks = 0,
    kSoundSet = 1,
    kSoundGun = 2
};
