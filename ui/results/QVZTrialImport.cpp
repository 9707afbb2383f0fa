// The trial download: importing one trial into the results list.
#include "ui/common/QVZOptionsKeys.h"
#include "ui/results/QVZTrialDownload.h"

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/app/KZAppCodes.h"
#include "ui/common/QVZOverlayList.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPrompts.h"
#include "ui/results/QVZUnitLink.h"

namespace P = QVZResultsPrompts;

QVResult *QVZTrialDownload::FindPair(const QVResult &downloaded) const
{
    QVResults *results = host.DownloadResults();
    if (!results || !downloaded.ReactionTime().IsValid() || downloaded.Power() <= 0)
        return nullptr;
    const QVResultsView *view = host.DownloadView();
    for (QVResult *result = results->NextMatching(nullptr, view); result;
         result = results->NextMatching(result, view))
    {
        const VRaceTime &reaction = result->ReactionTime();
        if (reaction.IsValid() && reaction.Ticks() == downloaded.ReactionTime().Ticks() &&
            result->Power() == downloaded.Power())
            return result;
    }
    return nullptr;
}

int32_t QVZTrialDownload::AskOverwrite(const wchar_t *titleKey, const wchar_t *textKey,
                                       const QVResult &existing) const
{
    const QVResults *results = host.DownloadResults();
    KString caption(P::Text(titleKey));
    caption.Append(L": ").Append(P::Text(kTextTrialNum)).AppendChar(L' ');
    caption.AppendInt(results->IndexOf(&existing, host.DownloadView()) + 1);
    return P::Ask(caption, P::Text(textKey), kButtonYes | kButtonNo | kButtonCancel);
}

QVZTrialDownload::Outcome QVZTrialDownload::Import(const KRGroup &group, int32_t trial, bool everyTrialLoop)
{
    QVResults *results = host.DownloadResults();
    if (!results)
        return Outcome::NoRecord;
    int32_t destination = int32_t(kUnitBlockSensor) | unit;
    while (!link.Download(destination, trial, unitTime, true, false))
        if (!P::RetryAfterFailure(group))
            return Outcome::NotWritten;

    QVResult header;
    link.Fill(header, true);
    QVResult *existing = FindPair(header);
    bool writeTimes = addTimes;
    bool writeTrace = downloadTraces;
    if (existing && (addTimes || (existing->TraceLength() != 0 && downloadTraces)))
    {
        bool timesQuestion = addTimes;
        int32_t answer = timesQuestion
                             ? AskOverwrite(kTextOverTrialTitle, kTextOverTrialText, *existing)
                             : AskOverwrite(kTextOverTrcTitle, kTextOverTrcText, *existing);
        bool &asked = timesQuestion ? writeTimes : writeTrace;
        asked = answer == kDialogYes;
        if (answer == kDialogCancel)
            return Outcome::Cancelled;
    }
    if (!writeTimes && !writeTrace)
        return Outcome::NotWritten;

    // The samples come before a row is made, so that a failed download
    // leaves no empty row behind.
    if (writeTrace)
        while (!link.Download(destination, trial, unitTime, false, false))
            if (!P::RetryAfterFailure(group))
                return Outcome::NotWritten;

    QVResult *target = existing ? existing : results->NewResult();
    if (!target)
        return Outcome::NoRecord;
    link.Fill(*target, !writeTrace);
    target->SetFalseStart(QVResult::IsFalseStartTime(target->ReactionTime()));
    target->SetSource(P::GroupName(group));
    results->ShowInViews(target);
    if (writeTrace)
        ShowWritten(everyTrialLoop);
    // Only a trace shown as the chart's own trial has been drawn already.
    if (host.InOverlayMode() && !(writeTrace && !P::Flag(QVZOptionsKeys::kAddDLToOverlay, false)))
        overlayHeld = true;
    return Outcome::Written;
}

// Shows a downloaded trace in the chart: added to the overlay when
// downloads go there, else as the chart's trial.
void QVZTrialDownload::ShowWritten(bool everyTrialLoop)
{
    VLeg *leg = host.DownloadResults()->Leg();
    KPoint cell = host.SelectedCell();
    if (!P::Flag(QVZOptionsKeys::kAddDLToOverlay, false))
    {
        if (leg)
            leg->Select(cell);
        return;
    }
    if (!host.InOverlayMode())
        host.StartOverlayMode();
    if (everyTrialLoop && overlayStopped)
        return;
    QVZOverlayList &overlay = host.DownloadOverlay();
    if (cell.y < 0 || overlay.Contains(cell.y))
        return;
    if (overlay.Add(cell.y))
    {
        if (leg)
            leg->Select(cell);
        return;
    }
    P::ShowMessage(P::Text(kTextNoMoreOverlay));
    if (everyTrialLoop)
        overlayStopped = true;
}
