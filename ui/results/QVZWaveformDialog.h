#pragma once
// QVZWaveformDialog: the trial choice dialog of the trial download. Before
// it is shown it asks the unit how many trials it holds and fetches each
// trial's header once for its reaction time; the list then shows every
// trial with its source, number and reaction time. Download takes the
// selected trial, Download All every trial, Cancel nothing. All unit traffic
// happens in the constructor. The trial count, the reaction times and the
// source text are one set for the whole program (one dialog at a time);
// they stay until the next dialog is made or this one is destroyed. Made,
// run and destroyed by the download on the GUI thread.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/toolkit/lists/KZSelector.h"

class KRGroup;
class KZButton;
class QVZUnitLink;
class QVZWaveformDialog;

// The list of the trial choice dialog: source, trial number (from 1) and
// reaction time of each trial.
class QVZWaveformSelector : public KZSelector
{
public:
    QVZWaveformSelector(QVZWaveformDialog *dialog, int left, int top, int width, int height);

    // Extent (1, trial count), then the selector's redisplay.
    void Redisplay() override;
    using KZSelector::Redisplay;
    // Selects, then enables the dialog's Download button.
    bool SetSelection(KPoint unit) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

private:
    QVZWaveformDialog *dialog;
};

class QVZWaveformDialog : public KZDialog
{
public:
    // Column widths in cells.
    static constexpr int kSourceCells = 17;
    static constexpr int kTrialCells = 10;
    static constexpr int kTimeCells = 15;

    // Reads the unit's trial list on link (unit: the unit's number) and lays
    // the dialog out. choice receives the chosen trial (from 0) or kTrialAll
    // for every trial; it must outlive the dialog. When the list cannot be read
    // and the user gives up, the dialog ends with Cancel when run.
    QVZWaveformDialog(QVZUnitLink &link, int32_t unit, int32_t &choice, const KString &title,
                      const KRGroup &group);
    ~QVZWaveformDialog() override;

    // kCmdWaveformDownload and kCmdWaveformDownloadAll; the rest as the dialog.
    ZafEventType Event(const ZafEventStruct &event) override;

    // Makes the dialog, runs it and answers its result (kDialogOk after a
    // download choice, kDialogCancel otherwise).
    static int32_t Choose(QVZUnitLink &link, int32_t unit, int32_t &choice, const KString &title,
                          const KRGroup &group);

    // The shared state: trial count, reaction time of trial i in ticks of
    // 1/80000 s (kNoTime when its header could not be read), the source.
    static constexpr int64_t kNoTime = INT64_MIN;
    static int32_t TrialCount() { return trialCount; }
    static int64_t ReactionTicks(int32_t trial);
    static const KString &Source() { return source; }

    bool ListRead() const { return listRead; }
    QVZWaveformSelector *List() const { return list; }
    KZButton *DownloadButton() const { return downloadButton; }
    KZButton *DownloadAllButton() const { return downloadAllButton; }

private:
    bool ReadTrialList(QVZUnitLink &link, int32_t unit, const KRGroup &group);
    void Layout();
    void FetchReactionTimes(QVZUnitLink &link, int32_t unit);

    int32_t &choice;
    QVZWaveformSelector *list = nullptr;
    KZButton *downloadButton = nullptr;
    KZButton *downloadAllButton = nullptr;
    bool listRead = false;

    static int32_t trialCount;
    static int64_t *reactionTimes;
    static KString31 source;
};
