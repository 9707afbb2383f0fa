#include "ui/results/ResultsTest.h"

#include "domain/results/QVResult.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"

RecordingDownloadHost::RecordingDownloadHost()
{
    view = results.NewView();
    view->SetWindow(this);
}

RecordingDownloadHost::~RecordingDownloadHost()
{
    view->SetWindow(nullptr);
}

int32_t RecordingDownloadHost::AskForTrial(QVZUnitLink &, int32_t, const KString &title, const KRGroup &,
                                           int32_t &choice)
{
    dialogTitles.push_back(title.CStr());
    if (choices.empty())
        return kDialogCancel;
    Choice next = choices.front();
    choices.pop_front();
    if (next.result == kDialogOk)
        choice = next.choice;
    return next.result;
}

void RecordingDownloadHost::ShowResult(QVResult *result)
{
    int row = results.IndexOf(result, view);
    if (row >= 0)
        selected = KPoint(0, row);
}

QVResult *RecordingDownloadHost::AddTrial(int32_t reactionMs, int32_t power, bool withTrace)
{
    QVResult *result = results.NewResult();
    result->SetReactionTime(VRaceTime::FromMilliseconds(reactionMs));
    result->SetPower(power);
    if (withTrace)
    {
        std::vector<int16_t> zeros(5001, 0);
        result->SetTrace(zeros.data(), zeros.data());
    }
    return result;
}

void ResultsTest::SetUp()
{
    ToolkitTest::SetUp();
    QVSetSettings(registry);
    whileBoxIsUp = [this] {
        boxAnswer = answers_.empty() ? kDialogOk : answers_.front();
        if (!answers_.empty())
            answers_.pop_front();
    };
    list = std::make_unique<RecordingDownloadHost>();
}

void ResultsTest::TearDown()
{
    list.reset();
    QVSetSettings(nullptr);
    ToolkitTest::TearDown();
}

void ResultsTest::AddPort(const std::wstring &name, const std::wstring &description)
{
    const std::wstring group = L"SerialPorts\\" + std::to_wstring(++ports) + L"\\";
    registry->Parse((group + L":=").c_str());
    registry->Parse((group + L"Name:String=" + name).c_str());
    registry->Parse((group + L"SerialPort:String=" + description).c_str());
}

void ResultsTest::SetFlag(const wchar_t *key, bool on)
{
    registry->GetBool(key)->SetValue(on);
}

int ResultsTest::Run(bool addTimes, bool downloadTraces)
{
    QVZTrialDownload download(*list, link);
    return download.Run(addTimes, downloadTraces);
}

int ResultsTest::BoxesStartingWith(const std::wstring &prefix) const
{
    int count = 0;
    for (const RecordedBox &box : boxes)
        count += box.text.rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
}
