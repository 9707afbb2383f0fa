// QVZWaveformDialog: the trial choice dialog and its list.
#include "ui/results/QVZWaveformDialog.h"

#include <new>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/results/QVResult.h"
#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafScrollBar.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZMessageBox.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/common/QVZUnitSilent.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsPrompts.h"
#include "ui/results/QVZUnitLink.h"

namespace P = QVZResultsPrompts;

int32_t QVZWaveformDialog::trialCount = 0;
int64_t *QVZWaveformDialog::reactionTimes = nullptr;
KString31 QVZWaveformDialog::source;

namespace {

void Queue(ZafEventType code)
{
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->Put(ZafEventStruct(code, 0));
}

} // namespace

// ---- QVZWaveformSelector --------------------------------------------------------------

QVZWaveformSelector::QVZWaveformSelector(QVZWaveformDialog *dialog, int left, int top, int width, int height)
    : KZSelector(left, top, width, height), dialog(dialog)
{
    const int cell = ZafDisplay::SharedOrDefault().cellWidth;
    const int widths[] = { QVZWaveformDialog::kSourceCells * cell, QVZWaveformDialog::kTrialCells * cell,
                           QVZWaveformDialog::kTimeCells * cell };
    SetColumnWidths(widths, 3);
    SetLayoutFlags(LayoutFlags() | kScrollUnitWidthFollows);
}

void QVZWaveformSelector::Redisplay()
{
    SetExtent(KPoint(1, QVZWaveformDialog::TrialCount()));
    KZSelector::Redisplay();
}

bool QVZWaveformSelector::SetSelection(KPoint unit)
{
    bool changed = KZSelector::SetSelection(unit);
    if (dialog && dialog->DownloadButton() && Selection().y >= 0)
        dialog->DownloadButton()->SetDisabled(false);
    return changed;
}

void QVZWaveformSelector::CellText(KPoint unit, int column, KString &text, uint32_t &)
{
    switch (column)
    {
    case 0:
        text.Append(QVZWaveformDialog::Source());
        break;
    case 1:
        text.AppendInt(unit.y + 1);
        break;
    case 2:
    {
        int64_t ticks = QVZWaveformDialog::ReactionTicks(unit.y);
        QVZResultsPane::FormatTime(ticks == QVZWaveformDialog::kNoTime ? VRaceTime() : VRaceTime(ticks, 1, 1),
                                   text);
        break;
    }
    default:
        break;
    }
}

// ---- QVZWaveformDialog ----------------------------------------------------------------

QVZWaveformDialog::QVZWaveformDialog(QVZUnitLink &link, int32_t unit, int32_t &choice, const KString &title,
                                     const KRGroup &group)
    : KZDialog(title.CStr(), kButtonCancel, kButtonCancel), choice(choice)
{
    delete[] reactionTimes;
    reactionTimes = nullptr;
    trialCount = 0;
    source = P::GroupName(group);
    listRead = ReadTrialList(link, unit, group);
    if (!listRead)
    {
        Queue(kDialogCancel);
        return;
    }
    Layout();
    FetchReactionTimes(link, unit);
    // Escape while the times came in ends the download: no choice to make.
    if (P::Aborted())
        Queue(kDialogCancel);
}

QVZWaveformDialog::~QVZWaveformDialog()
{
    delete[] reactionTimes;
    reactionTimes = nullptr;
}

int64_t QVZWaveformDialog::ReactionTicks(int32_t trial)
{
    if (!reactionTimes || trial < 0 || trial >= trialCount)
        return kNoTime;
    return reactionTimes[trial];
}

// A count no unit holds is a garbled reply: the request failed.
bool QVZWaveformDialog::ReadTrialList(QVZUnitLink &link, int32_t unit, const KRGroup &group)
{
    for (;;)
    {
        int32_t count = 0;
        if (link.TrialCount(unit, count) && count >= 0 && count <= kMaxUnitTrials)
        {
            trialCount = count;
            return true;
        }
        if (P::Aborted())
            return false;
        KString text(P::GroupName(group));
        text.Append(L": ").Append(P::Text(kTextTimeoutError));
        text = QVZUnitSilentText(text, P::GroupPortNumber(group), P::GroupName(group));
        if (KZMessageBox(P::Text(kTextCommErrorTitle), text, kButtonAbort | kButtonRetry, kButtonRetry,
                         kIconAsterisk) != kDialogRetry)
            return false;
    }
}

void QVZWaveformDialog::Layout()
{
    KString count;
    count.AppendInt(trialCount);
    AddPrompt(P::Text(kTextTrialCount).CStr());
    AddPrompt(count.CStr());
    NewLine();
    KString key(kTextResultFields);
    key.Append(L"Source");
    AddPrompt(P::Text(key.CStr()).CStr(), kSourceCells - kPromptAllowance - kFieldGap);
    AddPrompt(P::Text(kTextTrialNumber).CStr(), kTrialCells);
    AddPrompt(P::Text(kTextReactionTime).CStr(), kTimeCells);
    NewLine();

    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int lineHeight = FontHeight() > 0 ? FontHeight() : 1;
    const int height = (4 * display.cellHeight - 4) / lineHeight * lineHeight + 4;
    const int cells = kSourceCells + kTrialCells + kTimeCells;
    list = new QVZWaveformSelector(this, CursorColumn() * display.cellWidth, CursorRow() * display.cellHeight,
                                   cells * display.cellWidth, height);
    list->Add(new ZafBorder);
    list->Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    AddToContainer(list);
    const int listRows = (height + display.cellHeight - 1) / display.cellHeight;
    Move(cells + kFieldGap, 0);
    downloadButton = AddButton(P::Text(kTextDownload).CStr(), kCmdWaveformDownload, 9);
    NewLine();
    Move(cells + kFieldGap, 0);
    downloadAllButton = AddButton(P::Text(kTextDownloadAll).CStr(), kCmdWaveformDownloadAll, 9);
    Move(0, listRows > 2 ? listRows - 2 : 0);
    NewLine();
    downloadButton->SetDisabled(true);
    downloadAllButton->SetDisabled(trialCount == 0);
    list->Redisplay();
}

void QVZWaveformDialog::FetchReactionTimes(QVZUnitLink &link, int32_t unit)
{
    P::BusyPointer(true);
    reactionTimes = new int64_t[size_t(trialCount > 0 ? trialCount : 1)]();
    const int32_t destination = int32_t(kUnitBlockSensor) | unit;
    for (int32_t i = 0; i < trialCount && !P::Aborted(); ++i)
    {
        // A fresh record for each trial: a header that cannot be read shows
        // no time rather than the previous trial's.
        QVResult header;
        reactionTimes[i] = kNoTime;
        if (!link.Download(destination, i, 0, true, true) || !link.Fill(header, true))
            continue;
        const VRaceTime &reaction = header.ReactionTime();
        if (reaction.IsValid())
            reactionTimes[i] = reaction.Ticks();
    }
    P::BusyPointer(false);
}

ZafEventType QVZWaveformDialog::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case kCmdWaveformDownload:
        choice = list ? list->Selection().y : -1;
        if (choice >= 0)
            Queue(kDialogOk);
        return event.type;
    case kCmdWaveformDownloadAll:
        choice = kTrialAll;
        Queue(kDialogOk);
        return event.type;
    default:
        return KZDialog::Event(event);
    }
}

int32_t QVZWaveformDialog::Choose(QVZUnitLink &link, int32_t unit, int32_t &choice, const KString &title,
                                  const KRGroup &group)
{
    QVZWaveformDialog dialog(link, unit, choice, title, group);
    return dialog.DoModal();
}
