// The trial download: the walk over the units, the trial choice and the
// counting pass of a download from every block.
#include "ui/results/QVZTrialDownload.h"

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/hardware/QVSerialPort.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "foundation/registry/KRGroup.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "ui/common/QVZOptionsKeys.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPrompts.h"
#include "ui/results/QVZUnitLink.h"

namespace P = QVZResultsPrompts;

bool QVZTrialDownload::running = false;

namespace {

// The run as one long operation: wait pointer and status bar from its start,
// the normal pointer and a clear status bar however the run is left. The
// run counts as running before the operation first lets events in (a close
// request may wait there) and until the operation has ended.
class RunScope
{
public:
    RunScope(bool &running, const ZafWindowObject *window) : flag(running), work(KString(), 0, window) {}

private:
    struct RunningFlag
    {
        explicit RunningFlag(bool &running) : running(running) { running = true; }
        ~RunningFlag() { running = false; }
        bool &running;
    };
    RunningFlag flag;
    KZLongOperation work;
};

} // namespace

QVZTrialDownload::QVZTrialDownload(QVZDownloadHost &host, QVZUnitLink &link) : host(host), link(link)
{
}

int QVZTrialDownload::Run(bool times, bool traces)
{
    if (running)
        return 1;
    addTimes = times;
    downloadTraces = traces;
    overlayHeld = false;
    int result = 0;
    {
        RunScope scope(running, host.DownloadWindow());
        result = RunUnits();
    }
    QVResults *results = overlayHeld ? host.DownloadResults() : nullptr;
    if (VLeg *leg = results ? results->Leg() : nullptr)
        leg->NotifyResultsChanged();
    return result;
}

int QVZTrialDownload::RunUnits()
{
    groupCount = QVSerialPort::GroupCount();
    groupIndex = 0;
    // Escape during any wait of a unit's exchanges ends the run there.
    while (groupIndex < groupCount && !stop && !P::Aborted())
    {
        const KRGroup *group = QVSerialPort::GroupAt(groupIndex);
        if (!group || P::GroupPortNumber(*group) < 1)
        {
            NextGroup(false);
            continue;
        }
        bool ok = VisitUnit(*group);
        link.Close();
        if (!ok)
            return 0;
        NextGroup(true);
    }
    return 1;
}

void QVZTrialDownload::NextGroup(bool opened)
{
    ++groupIndex;
    if (opened)
        firstOfPass = false;
    if (groupIndex >= groupCount && downloadAll && trialIndex < largestCount - 1)
    {
        groupIndex = 0;
        firstOfPass = true;
    }
}

// A port that cannot be opened is told as such, not left to time out as if
// the unit did not answer; Abort gives the unit up.
bool QVZTrialDownload::OpenUnit(const KRGroup &group)
{
    for (;;)
    {
        if (link.Open(P::GroupDescription(group)))
            return true;
        if (!P::RetryAfterOpenFailure(group))
            return false;
    }
}

int32_t QVZTrialDownload::Identify(const KRGroup &group)
{
    for (;;)
    {
        int32_t type = link.DeviceType();
        if (type != 0 || !P::RetryAfterFailure(group))
            return type;
    }
}

bool QVZTrialDownload::ReadStatus(const KRGroup &group)
{
    for (;;)
    {
        if (link.Status(int32_t(kDeviceBlockSensor), status, unit, unitTime))
            return true;
        if (!P::RetryAfterFailure(group))
            return false;
    }
}

bool QVZTrialDownload::ReadTrialCount(const KRGroup &group, int32_t &count)
{
    for (;;)
    {
        // A count no unit can hold is a garbled reply, never a size to use.
        if (link.TrialCount(unit, count) && count >= 0 && count <= kMaxUnitTrials)
            return true;
        count = 0;
        if (!P::RetryAfterFailure(group))
            return false;
    }
}

// Returns false when the run is to end with 0.
bool QVZTrialDownload::VisitUnit(const KRGroup &group)
{
    const bool opened = OpenUnit(group);
    int32_t type = opened ? Identify(group) : 0;
    if (!downloadAll)
        trialIndex = kTrialNone;
    else if (firstOfPass)
        ++trialIndex;
    if (type == int32_t(kDeviceControlCenter))
    {
        P::ShowError(P::Text(kTextDeviceIsCC));
        return true;
    }
    if (type != int32_t(kDeviceBlockSensor))
        return true;
    if (!ReadStatus(group))
        return true;
    if (status != 0)
    {
        P::ShowMessage(P::Text(kTextDeviceBusy));
        return true;
    }
    title = P::Text(kTextChartTitle);
    title.AppendChar(L' ').Append(P::Text(kTextChartFrom)).AppendChar(L' ').Append(P::GroupName(group));
    bool empty = false;
    if (!SetTrialToFetch(group, empty))
        return true;
    if (trialIndex == kTrialAll && groupCount > 1 && firstOfPass && !downloadAll)
    {
        int32_t answer = P::Ask(P::Text(kTextDLAllTitle), P::Text(kTextDLAll), kButtonYes | kButtonNo);
        if (answer == kDialogYes)
        {
            const CountOutcome counted = CountUnits(group);
            if (counted == CountOutcome::NoPort)
                return false;
            if (counted == CountOutcome::SkipUnit)
                return true;
        }
    }
    bool ok = Fetch(group, empty);
    title.Clear();
    return ok;
}

// Sets the trial index for this unit; false when the unit is given up.
bool QVZTrialDownload::SetTrialToFetch(const KRGroup &group, bool &empty)
{
    if (!P::Flag(QVZOptionsKeys::kPromptTraceDL, true))
    {
        int32_t count = 0;
        if (!ReadTrialCount(group, count))
            return false;
        if (count < 1)
            empty = true;
        else
            trialIndex = count - 1;
        return true;
    }
    if (downloadAll)
        return true;
    P::BusyPointer(true);
    int32_t choice = trialIndex;
    int32_t result = host.AskForTrial(link, unit, title, group, choice);
    trialIndex = result == kDialogCancel ? kTrialCancelled : choice;
    return true;
}

// The counting pass of a download from every block, then the current unit
// opened again.
QVZTrialDownload::CountOutcome QVZTrialDownload::CountUnits(const KRGroup &current)
{
    P::BusyPointer(true);
    link.Close();
    bool carryOn = true;
    bool firstCounted = true;
    groupsWithPort = 0;
    for (int index = 0; index < groupCount && carryOn && !P::Aborted(); ++index)
    {
        const KRGroup *group = QVSerialPort::GroupAt(index);
        if (!group || P::GroupPortNumber(*group) < 1)
            continue;
        ++groupsWithPort;
        int32_t count = -1;
        if (OpenUnit(*group) && ReadStatus(*group))
        {
            carryOn = ReadTrialCount(*group, count);
            if (carryOn)
            {
                if (index != 0 && count != largestCount && !firstCounted)
                    carryOn = P::Ask(P::Text(kTextDLAllBadTitle), P::Text(kTextDLAllBadCount),
                                     kButtonYes | kButtonNo) == kDialogYes;
                if (count > largestCount)
                    largestCount = count;
                if (carryOn)
                {
                    downloadAll = true;
                    trialIndex = 0;
                }
                else
                {
                    downloadAll = false;
                    trialIndex = kTrialRefused;
                    stop = true;
                }
                firstCounted = false;
            }
        }
        link.Close();
    }
    int32_t divisor = largestCount * groupsWithPort;
    progressStep = divisor > 0 ? 100 / divisor : 0;
    if (P::GroupPortNumber(current) < 1)
    {
        P::ShowMessage(P::Text(kTextNoComSelected));
        return CountOutcome::NoPort;
    }
    // A unit that no longer answers is given up for this pass; the run
    // goes on with the next.
    return OpenUnit(current) && ReadStatus(current) ? CountOutcome::Fetch : CountOutcome::SkipUnit;
}

bool QVZTrialDownload::Fetch(const KRGroup &group, bool empty)
{
    P::BusyPointer(true);
    if (trialIndex == kTrialAll)
        return FetchEveryTrial(group);
    if (trialIndex >= 0)
    {
        if (downloadAll)
        {
            int32_t count = 0;
            if (!ReadTrialCount(group, count) || trialIndex >= count)
                return true;
        }
        Outcome outcome = Import(group, trialIndex, false);
        if (outcome == Outcome::NoRecord)
            return false;
        if (outcome == Outcome::Written)
        {
            ++downloaded;
            // Escape keeps the trials fetched so far and ends the run.
            if (!P::Step(downloaded * progressStep))
                stop = true;
        }
        return true;
    }
    if (empty)
    {
        KString text(P::Text(kTextNoTracesOn));
        text.Append(P::GroupName(group));
        P::ShowMessage(text);
    }
    return true;
}

bool QVZTrialDownload::FetchEveryTrial(const KRGroup &group)
{
    int32_t count = 0;
    if (!ReadTrialCount(group, count))
        return true;
    int32_t step = count > 0 ? 100 / count : 0;
    overlayStopped = false;
    for (int32_t trial = 0; trial < count; ++trial)
    {
        Outcome outcome = Import(group, trial, true);
        if (outcome == Outcome::NoRecord)
            return false;
        if (outcome == Outcome::Cancelled)
            break;
        // Escape keeps the trials fetched so far and ends the run.
        if (!P::Step(trial * step))
        {
            stop = true;
            return true;
        }
    }
    P::Step(100);
    return true;
}
