// The results area's unit link on a serial port.
#include "ui/results/QVZBlockSensorLink.h"

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/ui/QVSettings.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRegistry.h"
#include "ui/common/QVZResultsKeys.h"

namespace {

// Stands in for the installed user interface while one request runs: the
// status line still shows the link's progress texts, but the link's own
// error reports are dropped, as the caller prompts for the failure itself.
class QuietFailures : public QVUserInterface
{
public:
    QuietFailures() : outer(QVUserInterface::Installed()) { QVUserInterface::Install(this); }
    ~QuietFailures() override { QVUserInterface::Install(outer); }

    void ShowError(int32_t, int32_t) override {}
    void ShowMessage(const KString &title, const KString &text) override
    {
        if (outer)
            outer->ShowMessage(title, text);
    }
    int Ask(const KString &title, const KString &text, int buttons) override
    {
        return outer ? outer->Ask(title, text, buttons) : kCancel;
    }
    void StatusText(const KString &text) override
    {
        if (outer)
            outer->StatusText(text);
    }
    bool ChooseSaveFile(KString &path, const wchar_t *extensions) override
    {
        return outer && outer->ChooseSaveFile(path, extensions);
    }

private:
    QVUserInterface *outer;
};

int32_t ShortTimeout()
{
    KRegistry *settings = QVSettings();
    KRInt *node = settings ? settings->GetInt(kKeyShortTimeout) : nullptr;
    return node ? node->Value() : 1000;
}

} // namespace

QVZBlockSensorLink::QVZBlockSensorLink(QVBlockSensors *link, int32_t settleMs, int32_t timeoutMs)
    : link(link), settleMs(settleMs), timeoutMs(timeoutMs),
      port(int32_t(kPortBufferRepeat), int32_t(kPortBufferRead), kPortUsageBit)
{
}

QVZBlockSensorLink::~QVZBlockSensorLink()
{
    port.Close();
}

QVBlockSensors *QVZBlockSensorLink::Link() const
{
    return link ? link : QVBlockSensors::Global();
}

bool QVZBlockSensorLink::Open(const KString &description)
{
    port.SetReadEncoding(KStream::kEncoding8Bit);
    port.SetWriteEncoding(KStream::kEncoding8Bit);
    port.SetReadLineEnd(KStream::kLineEndRaw);
    port.SetWriteLineEnd(KStream::kLineEndRaw);
    // A port that cannot be opened is reported at once, without the wait.
    if (!port.Open(description))
        return false;
    // The line settles while the windows repaint; Escape ends the wait and
    // leaves the port closed (the caller sees the operation aborted).
    if (settleMs > 0 && !KWaitSleep(settleMs))
    {
        port.Close();
        return false;
    }
    port.SetReadTimeout(timeoutMs >= 0 ? timeoutMs : ShortTimeout());
    return true;
}

void QVZBlockSensorLink::Close()
{
    port.Close();
}

int32_t QVZBlockSensorLink::DeviceType()
{
    QVBlockSensors *sensors = Link();
    if (!sensors || !port.IsOpen())
        return 0;
    QuietFailures quiet;
    return sensors->GetDeviceType(port);
}

bool QVZBlockSensorLink::Status(int32_t kind, int32_t &status, int32_t &unit, int32_t &time)
{
    QVBlockSensors *sensors = Link();
    if (!sensors || !port.IsOpen())
        return false;
    QuietFailures quiet;
    int32_t valueA = 0, difference = 0, version = 0;
    return sensors->GetStatus(port, kind, status, unit, valueA, difference, time, version);
}

bool QVZBlockSensorLink::TrialCount(int32_t unit, int32_t &count)
{
    QVBlockSensors *sensors = Link();
    if (!sensors || !port.IsOpen())
        return false;
    QuietFailures quiet;
    return sensors->GetTrialList(port, unit, count);
}

bool QVZBlockSensorLink::Download(int32_t destination, int32_t trial, int32_t time, bool headerOnly, bool quiet)
{
    QVBlockSensors *sensors = Link();
    if (!sensors || !port.IsOpen())
        return false;
    QuietFailures noReports;
    return sensors->DownloadTrial(port, destination, trial, time, headerOnly, true, quiet);
}

bool QVZBlockSensorLink::Fill(QVResult &result, bool timesOnly)
{
    QVBlockSensors *sensors = Link();
    return sensors && sensors->FillResult(result, timesOnly);
}

bool QVZBlockSensorLink::SendText(const KString &text)
{
    QVBlockSensors *sensors = Link();
    if (!sensors || !port.IsOpen())
        return false;
    QuietFailures quiet;
    return sensors->SendText(port, work, text, 1);
}

bool QVZBlockSensorLink::SendLaneData(const QVResults &results, const QVResultsView *view)
{
    QVBlockSensors *sensors = Link();
    if (!sensors || !port.IsOpen())
        return false;
    QuietFailures quiet;
    return sensors->SendLaneData(port, work, results, view, 1);
}
