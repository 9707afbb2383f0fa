#include "domain/blocksensors/QVUnitReplies.h"

namespace
{
// Exactly count arguments and no data block.
bool Shape(const QVUnitPacket &reply, size_t count)
{
    return reply.arguments.size() == count && reply.data.empty();
}
} // namespace

void QVTrialRecord::ClearTimes()
{
    setCommand = setReference = gunReference = reaction = timeToDistance = int32_t(kUnitNoTime);
    for (int32_t &time : breaks)
        time = int32_t(kUnitNoTime);
    power = int32_t(kUnitNoTime);
}

void QVTrialRecord::Clear()
{
    ClearTimes();
    flags = 0;
    source = 0;
    hasSamples = false;
    windowStart = windowEnd = 0;
    for (int i = 0; i < kSamples; ++i)
        x[i] = y[i] = 0;
}

bool QVDecodeIdentity(const QVUnitPacket &reply, QVIdentity &identity)
{
    if (!Shape(reply, 3))
        return false;
    uint32_t type = reply.arguments[0];
    if (type != kDeviceBlockSensor && type != kDeviceControlCenter)
        return false;
    if (reply.arguments[2] > kUnitMaxUnit)
        return false;
    identity.deviceType = type;
    identity.firmware = reply.arguments[1];
    identity.unit = reply.arguments[2];
    return true;
}

bool QVDecodeStatus(const QVUnitPacket &reply, QVUnitStatus &status)
{
    if (!Shape(reply, 3) || reply.arguments[2] > kUnitMaxUnit)
        return false;
    status.valueA = reply.Argument(0);
    status.status = reply.Argument(1);
    status.unit = reply.Argument(2);
    return true;
}

bool QVDecodeTrialList(const QVUnitPacket &reply, int32_t &count)
{
    if (!Shape(reply, 2))
        return false;
    int32_t n = reply.Argument(1);
    if (n < 0 || n > kUnitMaxTrials)
        return false;
    count = n;
    return true;
}

bool QVDecodeTrialHeader(const QVUnitPacket &reply, QVTrialRecord &record)
{
    if (!Shape(reply, kUnitHeaderWords))
        return false;
    record.setCommand = reply.Argument(0);
    record.setReference = reply.Argument(1);
    record.gunReference = reply.Argument(2);
    record.reaction = reply.Argument(3);
    record.timeToDistance = reply.Argument(4);
    for (int i = 0; i < kUnitHeaderBreaks; ++i)
        record.breaks[i] = reply.Argument(5 + i);
    record.power = reply.Argument(14);
    record.flags = reply.arguments[15];
    record.source = reply.Argument(16);
    return true;
}

bool QVDecodeTrialData(const QVUnitPacket &reply, int32_t first, int32_t count, QVTrialRecord &record,
                       int32_t &received)
{
    if (reply.arguments.size() != 2 || reply.Argument(0) != first)
        return false;
    int32_t n = reply.Argument(1);
    if (n < 1 || n > count || first < 0 || first + n > QVTrialRecord::kSamples)
        return false;
    if (reply.data.size() != size_t(n) * kUnitSampleBytes)
        return false;
    const uint8_t *p = reply.data.data();
    for (int32_t i = 0; i < n; ++i, p += kUnitSampleBytes)
    {
        record.x[first + i] = int16_t(p[0] | (p[1] << 8));
        record.y[first + i] = int16_t(p[2] | (p[3] << 8));
    }
    received = n;
    return true;
}

bool QVDecodeCcVersion(const QVUnitPacket &reply, uint32_t &version)
{
    if (!Shape(reply, 1))
        return false;
    version = reply.arguments[0];
    return true;
}

bool QVDecodeCcTrialInfo(const QVUnitPacket &reply, QVCcTrialInfo &info)
{
    if (!Shape(reply, 4))
        return false;
    info.status = reply.Argument(0);
    info.unit = reply.Argument(1);
    info.time = reply.Argument(2);
    info.timeDifference = reply.Argument(3);
    return true;
}

bool QVDecodeAcknowledge(const QVUnitPacket &reply)
{
    return Shape(reply, 1) && reply.arguments[0] == 0;
}
