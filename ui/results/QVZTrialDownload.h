#pragma once
// QVZTrialDownload: one run of the trial download of a results pane. It
// walks the "\SerialPorts\" groups in order, opens each unit's port through
// the pane's unit link, identifies the unit, lets the user choose a trial
// (or takes the latest), fetches it, pairs it with a listed trial of equal
// reaction time and power, asks before overwriting, marks false starts,
// names the trial after the port and adds downloaded traces to the overlay.
// "Download All" from the trial choice dialog may turn the run into a
// download from every block, trial by trial across the units.
//
// A new row is added only once its data is in hand; every way out restores
// the normal pointer and clears the main status bar. Runs on the GUI thread
// inside the command; pending events are dispatched between trials and
// during every wait of the unit's exchanges, so a second run started
// meanwhile is refused (the pane's port serves one exchange at a time).
// Escape during such a wait ends the run there: the trial being fetched is
// dropped, those fetched before stay, and no error is shown.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "foundation/values/KPoint.h"

class KRGroup;
class QVResult;
class QVResults;
class QVResultsView;
class QVZOverlayList;
class QVZUnitLink;
class ZafWindowObject;

// What the download needs of the pane that runs it.
class QVZDownloadHost
{
public:
    virtual ~QVZDownloadHost() = default;
    virtual QVResults *DownloadResults() = 0;
    virtual const QVResultsView *DownloadView() = 0;
    virtual QVZOverlayList &DownloadOverlay() = 0;
    virtual bool InOverlayMode() = 0;
    // Switches overlay mode on, with the results window's button.
    virtual void StartOverlayMode() = 0;
    // The selected cell (column, row); the download shows each trial it
    // wrote, which selects its row.
    virtual KPoint SelectedCell() = 0;
    // The trial choice dialog for the unit on link: writes the chosen trial
    // (from 0) or kTrialAll for every trial into choice; answers the dialog
    // result (kDialogCancel when cancelled).
    virtual int32_t AskForTrial(QVZUnitLink &link, int32_t unit, const KString &title, const KRGroup &group,
                                int32_t &choice) = 0;
    // The window the download fills: a close of the window that holds it
    // stops the run, closes of other windows wait for its end; none.
    virtual const ZafWindowObject *DownloadWindow() { return nullptr; }
};

class QVZTrialDownload
{
public:
    QVZTrialDownload(QVZDownloadHost &host, QVZUnitLink &link);

    // addTimes: only the trial headers (times and power) are written;
    // downloadTraces: headers and force samples. Answers 1 when the run
    // ended (whatever was fetched), 0 when a result record could not be
    // made or the current unit of a download-all run has no port.
    int Run(bool addTimes, bool downloadTraces);

    // The run's long operation holds back the chart's redraws of the
    // overlay; once it has ended the views draw the results as they are.

    // True while a run is under way (in any pane).
    static bool Running() { return running; }

private:
    enum class Outcome { Written, NotWritten, Cancelled, NoRecord };
    enum class CountOutcome { Fetch, SkipUnit, NoPort };

    int RunUnits();
    bool VisitUnit(const KRGroup &group);
    void NextGroup(bool opened);
    int32_t Identify(const KRGroup &group);
    bool ReadStatus(const KRGroup &group);
    bool ReadTrialCount(const KRGroup &group, int32_t &count);
    bool SetTrialToFetch(const KRGroup &group, bool &empty);
    CountOutcome CountUnits(const KRGroup &current);
    bool Fetch(const KRGroup &group, bool empty);
    bool FetchEveryTrial(const KRGroup &group);
    Outcome Import(const KRGroup &group, int32_t trial, bool everyTrialLoop);
    QVResult *FindPair(const QVResult &downloaded) const;
    int32_t AskOverwrite(const wchar_t *titleKey, const wchar_t *textKey, const QVResult &existing) const;
    void ShowWritten(bool everyTrialLoop);
    bool OpenUnit(const KRGroup &group);

    QVZDownloadHost &host;
    QVZUnitLink &link;
    bool addTimes = false;
    bool downloadTraces = false;

    int groupCount = 0;
    int groupIndex = 0;
    int32_t trialIndex = -1;
    bool downloadAll = false;
    bool stop = false;
    bool firstOfPass = true;
    int32_t largestCount = 0;
    int32_t groupsWithPort = 0;
    int32_t progressStep = 0;
    int32_t downloaded = 0;
    bool overlayStopped = false;   // the every-trial loop met a full overlay
    bool overlayHeld = false;      // the chart's overlay may wait for the run's end

    int32_t status = 0;
    int32_t unit = 0;
    int32_t unitTime = 0;
    KString255 title;

    static bool running;
};
