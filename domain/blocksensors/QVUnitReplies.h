#pragma once
// Pure decoders of the unit link's reply arguments, each checking every field
// before any of it is used: a reply of the wrong shape, a value out of range,
// more samples than asked or a data block that does not match answers false
// (the link turns that into a bad-reply error kErrSerialReceive). Also the
// trial record the link keeps between the header and data passes. Values; any
// thread.

#include <cstdint>

#include "domain/blocksensors/QVUnitPacket.h"
#include "domain/blocksensors/QVUnitProtocol.h"

struct QVIdentity
{
    uint32_t deviceType = 0;   // kDeviceBlockSensor or kDeviceControlCenter
    uint32_t firmware = 0;
    uint32_t unit = 0;
};

struct QVUnitStatus
{
    int32_t valueA = 0;
    int32_t status = 0;        // 0 = ready
    int32_t unit = 0;
};

struct QVCcTrialInfo
{
    int32_t status = 0;
    int32_t unit = 0;
    int32_t time = int32_t(kUnitNoTime);
    int32_t timeDifference = int32_t(kUnitNoTime);
};

// One trial as the unit reports it: times in milliseconds relative to the
// gun (set times positive before it), 0x80000000 = no time; the trace as
// two channels of 5001 samples (those outside the download window are 0).
struct QVTrialRecord
{
    static constexpr int kSamples = 5001;

    int32_t setCommand = int32_t(kUnitNoTime);
    int32_t setReference = int32_t(kUnitNoTime);
    int32_t gunReference = int32_t(kUnitNoTime);
    int32_t reaction = int32_t(kUnitNoTime);
    int32_t timeToDistance = int32_t(kUnitNoTime);
    int32_t breaks[kUnitHeaderBreaks];
    int32_t power = int32_t(kUnitNoTime);
    uint32_t flags = 0;
    int32_t source = 0;
    bool hasSamples = false;
    int32_t windowStart = 0;   // first and last sample downloaded (ms from the trace start)
    int32_t windowEnd = 0;
    int16_t x[kSamples];
    int16_t y[kSamples];

    QVTrialRecord() { Clear(); }
    // Every time to no time, no samples.
    void ClearTimes();
    void Clear();
};

bool QVDecodeIdentity(const QVUnitPacket &reply, QVIdentity &identity);
bool QVDecodeStatus(const QVUnitPacket &reply, QVUnitStatus &status);
// The trial count; false unless 0 <= count <= kUnitMaxTrials.
bool QVDecodeTrialList(const QVUnitPacket &reply, int32_t &count);
bool QVDecodeTrialHeader(const QVUnitPacket &reply, QVTrialRecord &record);
// Stores the samples of a data reply for a request of count samples from
// first; answers how many came (1..count) in received.
bool QVDecodeTrialData(const QVUnitPacket &reply, int32_t first, int32_t count, QVTrialRecord &record,
                       int32_t &received);
bool QVDecodeCcVersion(const QVUnitPacket &reply, uint32_t &version);
bool QVDecodeCcTrialInfo(const QVUnitPacket &reply, QVCcTrialInfo &info);
// Replies that carry only {0}.
bool QVDecodeAcknowledge(const QVUnitPacket &reply);
