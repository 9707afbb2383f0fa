// QVZResultsPane: the trial download and the sends to the Control Center.
#include "ui/results/QVZResultsPane.h"

#include <memory>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/hardware/QVSerialPort.h"
#include "foundation/registry/KRGroup.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZBlockSensorLink.h"
#include "ui/results/QVZResultsHost.h"
#include "ui/results/QVZResultsPrompts.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/results/QVZWaveformDialog.h"

namespace P = QVZResultsPrompts;

int QVZResultsPane::DownloadTrials(bool addTimes, bool downloadTraces)
{
    std::unique_ptr<QVZUnitLink> own;
    QVZUnitLink *link = unitLink;
    if (!link)
    {
        own = std::make_unique<QVZBlockSensorLink>();
        link = own.get();
    }
    QVZTrialDownload download(*this, *link);
    int answer = download.Run(addTimes, downloadTraces);
    Redisplay();
    return answer;
}

int32_t QVZResultsPane::AskForTrial(QVZUnitLink &link, int32_t unit, const KString &dialogTitle,
                                    const KRGroup &group, int32_t &choice)
{
    if (trialChooser)
        return trialChooser(link, unit, dialogTitle, group, choice);
    return QVZWaveformDialog::Choose(link, unit, choice, dialogTitle, group);
}

int QVZResultsPane::SendEventName(const KString &text)
{
    return SendToControlCenter(&text);
}

int QVZResultsPane::SendResults()
{
    return SendToControlCenter(nullptr);
}

int QVZResultsPane::SendToControlCenter(const KString *text)
{
    const KRGroup *group = QVSerialPort::GroupCount() > 0 ? QVSerialPort::GroupAt(0) : nullptr;
    if (!group)
        return 0;
    if (P::GroupPortNumber(*group) < 1)
    {
        P::ShowMessage(P::Text(kTextNoComSelected));
        return 0;
    }
    if (QVZTrialDownload::Running())
        return 1;   // the port is busy with the download; the states follow with the next change
    std::unique_ptr<QVZUnitLink> own;
    QVZUnitLink *link = unitLink;
    if (!link)
    {
        own = std::make_unique<QVZBlockSensorLink>();
        link = own.get();
    }
    // The line's settling and each exchange run as a long operation: the
    // windows repaint, the user's input is held back (Escape ends the send)
    // and a close request waits for its end.
    KZLongOperation work{KString()};
    bool opened = false;
    while (!(opened = link->Open(P::GroupDescription(*group))) && P::RetryAfterOpenFailure(*group))
    {
    }
    int32_t type = 0;
    while (opened && (type = link->DeviceType()) == 0 && P::RetryAfterFailure(*group))
    {
    }
    if (type == int32_t(kDeviceBlockSensor))
        P::ShowError(P::Text(kTextDeviceIsBS));
    else if (type == int32_t(kDeviceControlCenter))
    {
        int32_t status = 0, unit = 0, time = 0;
        bool known = false;
        while (!(known = link->Status(int32_t(kDeviceControlCenter), status, unit, time)) &&
               P::RetryAfterFailure(*group))
        {
        }
        if (known && status == 0)
        {
            auto send = [&] { return text ? link->SendText(*text) : !results || link->SendLaneData(*results, view); };
            while (!send() && P::RetryAfterFailure(*group))
            {
            }
        }
        else if (known)
            P::ShowMessage(P::Text(kTextDeviceBusy));
    }
    link->Close();
    return 1;
}

bool QVZResultsPane::LoadScheduled(int direction)
{
    QVZResultsHost *host = owner ? owner->Host() : nullptr;
    return host && host->LoadScheduled(direction);
}
