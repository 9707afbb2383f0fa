#pragma once
// The fixture of the results-area tests: the application on the built-in
// defaults (the domain reads the same settings), message boxes answered
// from a script, port groups under "\SerialPorts\", a results list with one
// view, and a download host that records what the download asks of the pane.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/ui/QVWindowHooks.h"
#include "ui/results/ScriptedUnitLink.h"
#include "shell/support/ToolkitTest.h"
#include "ui/common/QVZOverlayList.h"
#include "ui/results/QVZTrialDownload.h"

class KRGroup;

// The pane's side of a download: the list, its view (whose window this is,
// so that a shown result becomes the selected row), the overlay list and
// the trial choice dialog's scripted answers.
class RecordingDownloadHost : public QVZDownloadHost, public QVResultsWindowHook
{
public:
    RecordingDownloadHost();
    ~RecordingDownloadHost() override;

    QVResults *DownloadResults() override { return &results; }
    const QVResultsView *DownloadView() override { return view; }
    QVZOverlayList &DownloadOverlay() override { return overlay; }
    bool InOverlayMode() override { return overlayMode; }
    void StartOverlayMode() override { overlayMode = true; }
    KPoint SelectedCell() override { return selected; }
    int32_t AskForTrial(QVZUnitLink &link, int32_t unit, const KString &title, const KRGroup &group,
                        int32_t &choice) override;

    void Refresh(bool) override {}
    void ShowResult(QVResult *result) override;
    void SendEventName() override {}
    void SendResults() override {}

    // Appends a listed trial.
    QVResult *AddTrial(int32_t reactionMs, int32_t power, bool withTrace);

    QVResults results;
    QVResultsView *view = nullptr;
    QVZOverlayList overlay;
    KPoint selected{ -1, -1 };
    bool overlayMode = false;
    struct Choice { int32_t result; int32_t choice; };
    std::deque<Choice> choices;          // one per dialog; none left: Cancel
    std::vector<std::wstring> dialogTitles;
};

class ResultsTest : public ToolkitTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a "\SerialPorts\" group with its Name and SerialPort texts.
    void AddPort(const std::wstring &name, const std::wstring &description);
    void SetFlag(const wchar_t *key, bool on);
    // The answers of the next message boxes, in order; Ok when none is left.
    void Answer(std::initializer_list<int32_t> answers) { answers_.assign(answers.begin(), answers.end()); }
    int Run(bool addTimes, bool downloadTraces);
    // The boxes whose text begins with prefix.
    int BoxesStartingWith(const std::wstring &prefix) const;

    std::unique_ptr<RecordingDownloadHost> list;   // the list, its view and the pane's side of a download
    ScriptedUnitLink link;

private:
    std::deque<int32_t> answers_;
    int ports = 0;
};
