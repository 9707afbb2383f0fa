#pragma once
// ScriptedUnitLink: block sensors and Control Centers in place of the
// serial link, one per port description, with scripted trials and failures.
// It records what was opened and fetched ("u1t0": unit 1, trial 0).

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/results/QVZUnitLink.h"

struct ScriptedTrial
{
    int32_t reactionMs = 153;      // INT32_MIN: no time
    int32_t power = 2000;
};

struct ScriptedUnit
{
    int32_t number = 1;
    int32_t deviceType = 0x10001;  // 0: silent
    int32_t status = 0;
    std::vector<ScriptedTrial> trials;
    int32_t reportedCount = -1;    // >= 0: the count the unit claims in place of trials.size()
    int failIdentify = 0;          // requests to leave unanswered, counted down
    int failCount = 0;
    int failHeader = 0;
    int failTrace = 0;
    int failStatusOn = 0;          // the status request of this number (from 1) goes unanswered
    int statusRequests = 0;
};

class ScriptedUnitLink : public QVZUnitLink
{
public:
    // The unit reached by opening description.
    ScriptedUnit &Add(const std::wstring &description, ScriptedUnit unit);

    bool Open(const KString &description) override;
    void Close() override;
    int32_t DeviceType() override;
    bool Status(int32_t kind, int32_t &status, int32_t &unit, int32_t &time) override;
    bool TrialCount(int32_t unit, int32_t &count) override;
    bool Download(int32_t destination, int32_t trial, int32_t time, bool headerOnly, bool quiet) override;
    bool Fill(QVResult &result, bool timesOnly) override;
    bool SendText(const KString &text) override;
    bool SendLaneData(const QVResults &results, const QVResultsView *view) override;

    std::vector<std::wstring> opened;
    std::vector<std::string> headers;   // header requests that succeeded
    std::vector<std::string> traces;    // trace downloads that succeeded
    std::vector<std::wstring> sentTexts;
    int laneSends = 0;
    std::function<void()> whileDownloading;   // runs inside each trial download
    std::function<bool()> whileSending;       // runs inside each send; false fails it

private:
    static bool Fails(int &counter);

    std::map<std::wstring, ScriptedUnit> units;
    ScriptedUnit *current = nullptr;
    const ScriptedTrial *held = nullptr;   // the current trial
    bool heldTrace = false;
};

// The force sample i of a scripted trace.
int16_t ScriptedSample(int channel, int index);
