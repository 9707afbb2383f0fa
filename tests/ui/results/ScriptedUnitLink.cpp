#include "ui/results/ScriptedUnitLink.h"

#include <climits>

#include "domain/results/QVResult.h"
#include "foundation/strings/KString.h"

ScriptedUnit &ScriptedUnitLink::Add(const std::wstring &description, ScriptedUnit unit)
{
    return units[description] = unit;
}

bool ScriptedUnitLink::Fails(int &counter)
{
    if (counter <= 0)
        return false;
    --counter;
    return true;
}

bool ScriptedUnitLink::Open(const KString &description)
{
    opened.push_back(description.CStr());
    auto found = units.find(description.CStr());
    current = found == units.end() ? nullptr : &found->second;
    held = nullptr;
    return current != nullptr;
}

void ScriptedUnitLink::Close()
{
    current = nullptr;
}

int32_t ScriptedUnitLink::DeviceType()
{
    if (!current || Fails(current->failIdentify))
        return 0;
    return current->deviceType;
}

bool ScriptedUnitLink::Status(int32_t, int32_t &status, int32_t &unit, int32_t &time)
{
    if (!current || current->deviceType == 0 || ++current->statusRequests == current->failStatusOn)
        return false;
    status = current->status;
    unit = current->number;
    time = INT32_MIN;
    return true;
}

bool ScriptedUnitLink::TrialCount(int32_t, int32_t &count)
{
    count = 0;
    if (!current || current->deviceType == 0 || Fails(current->failCount))
        return false;
    count = current->reportedCount >= 0 ? current->reportedCount : int32_t(current->trials.size());
    return true;
}

bool ScriptedUnitLink::Download(int32_t, int32_t trial, int32_t, bool headerOnly, bool)
{
    held = nullptr;
    if (whileDownloading)
        whileDownloading();
    if (!current || current->deviceType == 0 || trial < 0 || trial >= int32_t(current->trials.size()))
        return false;
    if (Fails(headerOnly ? current->failHeader : current->failTrace))
        return false;
    std::string name = "u" + std::to_string(current->number) + "t" + std::to_string(trial);
    (headerOnly ? headers : traces).push_back(name);
    held = &current->trials[size_t(trial)];
    heldTrace = !headerOnly;
    return true;
}

int16_t ScriptedSample(int channel, int index)
{
    return int16_t((index * 7 + channel * 1000) % 3000);
}

bool ScriptedUnitLink::Fill(QVResult &result, bool timesOnly)
{
    if (!held)
    {
        result.SetReactionTime(VRaceTime());
        result.SetPower(QVResult::kPowerNone);
        return false;
    }
    result.SetReactionTime(held->reactionMs == INT32_MIN ? VRaceTime()
                                                          : VRaceTime::FromMilliseconds(held->reactionMs));
    result.SetPower(held->power);
    if (!timesOnly && heldTrace)
    {
        std::vector<int16_t> a(5001), b(5001);
        for (int i = 0; i < 5001; ++i)
        {
            a[size_t(i)] = ScriptedSample(0, i);
            b[size_t(i)] = ScriptedSample(1, i);
        }
        result.SetTrace(a.data(), b.data());
    }
    return true;
}

bool ScriptedUnitLink::SendText(const KString &text)
{
    if (!current || current->deviceType == 0)
        return false;
    sentTexts.push_back(text.CStr());
    return true;
}

bool ScriptedUnitLink::SendLaneData(const QVResults &, const QVResultsView *)
{
    if (!current || current->deviceType == 0 || (whileSending && !whileSending()))
        return false;
    ++laneSends;
    return true;
}
