// The two sends to the Control Center: a text in two halves and the lane states.
#include "domain/blocksensors/QVBlockSensors.h"

#include <algorithm>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "foundation/errors/KX.h"

namespace
{
// One send to the Control Center; anything but its acknowledgement throws.
void SendAcknowledged(QVUnitExchange &exchange, KStream &port, uint32_t command, uint32_t argument,
                      const std::vector<uint8_t> &block)
{
    QVUnitPacket reply = exchange.Transact(port, kUnitControlCenter, command, {argument}, block);
    if (!QVDecodeAcknowledge(reply))
        throw KXSerialPort(kErrSerialReceive);
}

uint8_t LatinChar(wchar_t c) { return c < 0x100 ? uint8_t(c) : uint8_t('?'); }

uint8_t LaneState(const QVResult &result)
{
    switch (result.ResultCode())
    {
    case QVResult::kCodeDidNotStart:
    case QVResult::kCodeDidNotFinish:
    case QVResult::kCodeDisqualified:
    case QVResult::kCodeScratched:
        return kLaneOut;
    case QVResult::kCodeFalseStart:
        return kLaneFalseStart;
    default:
        break;
    }
    if (result.IsFalseStart())
        return kLaneFalseStart;
    return result.ReactionTime().IsValid() ? kLaneTimed : kLaneEmpty;
}
} // namespace

bool QVBlockSensors::SendText(KStream &port, WorkBuffer &work, const KString &text, int32_t)
{
    try
    {
        for (int half = 0; half < 2; ++half)
        {
            work.assign(kCcTextHalf, uint8_t(' '));
            for (int i = 0; i < kCcTextHalf; ++i)
            {
                int at = half * kCcTextHalf + i;
                if (at < text.Length())
                    work[i] = LatinChar(text[at]);
            }
            SendAcknowledged(m_exchange, port, kUnitCcText, uint32_t(half), work);
        }
        return true;
    }
    catch (const KX &)
    {
        return false;
    }
}

bool QVBlockSensors::SendLaneData(KStream &port, WorkBuffer &work, const QVResults &results,
                                  const QVResultsView *view, int32_t)
{
    work.clear();
    int lanes = 0;
    for (QVResult *result = results.NextMatching(nullptr, view); result && lanes < kCcMaxLanes;
         result = results.NextMatching(result, view), ++lanes)
    {
        if (lanes % 4 == 0)
            work.push_back(0);
        work.back() |= uint8_t(LaneState(*result) << (2 * (lanes % 4)));
    }
    try
    {
        SendAcknowledged(m_exchange, port, kUnitCcLanes, uint32_t(lanes), work);
        return true;
    }
    catch (const KX &)
    {
        return false;
    }
}
