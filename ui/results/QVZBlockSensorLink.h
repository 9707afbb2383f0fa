#pragma once
// QVZBlockSensorLink: the results area's unit link on a real serial port,
// through the program's QVBlockSensors. The port is one for all exchanges of
// the link (1024-byte buffers, usage bit 0x80), opened raw per unit. While a
// request runs, a failure the block-sensor layer would report on its own is
// kept off the screen: the results area shows one prompt per failure.
// GUI thread.

#include "foundation/comm/KSerialPort.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZUnitLink.h"

#include <vector>

class QVBlockSensors;

class QVZBlockSensorLink : public QVZUnitLink
{
public:
    // link: the block-sensor object to use (none: the program's own; when
    // there is none either, every request fails). settleMs is the wait after
    // opening; timeoutMs < 0 reads "\Serial\ShortTimeout" at each Open.
    explicit QVZBlockSensorLink(QVBlockSensors *link = nullptr, int32_t settleMs = kPortSettleMs,
                                int32_t timeoutMs = -1);
    ~QVZBlockSensorLink() override;

    bool Open(const KString &description) override;
    void Close() override;
    int32_t DeviceType() override;
    bool Status(int32_t kind, int32_t &status, int32_t &unit, int32_t &time) override;
    bool TrialCount(int32_t unit, int32_t &count) override;
    bool Download(int32_t destination, int32_t trial, int32_t time, bool headerOnly, bool quiet) override;
    bool Fill(QVResult &result, bool timesOnly) override;
    bool SendText(const KString &text) override;
    bool SendLaneData(const QVResults &results, const QVResultsView *view) override;

private:
    QVBlockSensors *Link() const;

    QVBlockSensors *link;
    int32_t settleMs;
    int32_t timeoutMs;
    KSerialPort port;
    std::vector<uint8_t> work;
};
