#pragma once
// Recording stand-ins for the user interface the domain calls: each call is
// written to a log as one line, so tests can check what reached the window.

#include "domain/ui/QVUserInterface.h"
#include "domain/ui/QVWindowHooks.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KPoint.h"

#include <string>
#include <vector>

class FakeChartWindow : public QVChartWindowHook
{
public:
    void UpdateButtons(bool) override { calls.push_back("UpdateButtons"); }
    void Update(const KPoint &cell) override
    {
        calls.push_back("Update(" + std::to_string(cell.x) + "," + std::to_string(cell.y) + ")");
    }
    void ShowChartData() override { calls.push_back("ShowChartData"); }
    void Clear() override { calls.push_back("Clear"); }
    void RefreshFrame() override { calls.push_back("RefreshFrame"); }

    std::vector<std::string> calls;
};

class FakeResultsWindow : public QVResultsWindowHook
{
public:
    void Refresh(bool) override { calls.push_back("Refresh"); }
    void ShowResult(QVResult *result) override
    {
        shown = result;
        calls.push_back("ShowResult");
    }
    void SendEventName() override { calls.push_back("SendEventName"); }
    void SendResults() override { calls.push_back("SendResults"); }

    std::vector<std::string> calls;
    QVResult *shown = nullptr;
};

class FakeEventWindow : public QVEventWindowHook
{
public:
    void DocumentChanged() override { ++changes; }
    int changes = 0;
};

// Answers the save-file dialog with a scripted path (empty = Cancel) and
// records every other call.
class FakeUserInterface : public QVUserInterface
{
public:
    FakeUserInterface() { QVUserInterface::Install(this); }
    ~FakeUserInterface() override { QVUserInterface::Install(nullptr); }

    void ShowError(int32_t code, int32_t) override { errors.push_back(code); }
    void ShowErrorAbout(int32_t code, int32_t, const KString &about, const KString &) override
    {
        errors.push_back(code);
        abouts.push_back(about.CStr());
    }
    void ShowMessage(const KString &, const KString &text) override { messages.push_back(text.CStr()); }
    int Ask(const KString &, const KString &, int) override { return answer; }
    void StatusText(const KString &) override {}
    bool ChooseSaveFile(KString &path, const wchar_t *extensions) override
    {
        ++dialogs;
        offered = extensions;
        if (savePath.IsEmpty())
            return false;
        path = savePath;
        return true;
    }

    KString savePath;
    std::wstring offered;
    int dialogs = 0;
    std::vector<std::wstring> messages;
    int answer = QVUserInterface::kCancel;
    std::vector<int32_t> errors;
    std::vector<std::wstring> abouts;   // what each error with further lines was about
};
