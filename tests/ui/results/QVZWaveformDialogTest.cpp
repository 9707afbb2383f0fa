// The trial choice dialog on real windows, against scripted units.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "domain/hardware/QVSerialPort.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "ui/results/QVZWaveformDialog.h"
#include "ui/results/ResultsTest.h"

namespace {

const wchar_t *const kPort = L"7,19200,8,N,1.0";

void Press(ZafWindowObject *button)
{
    PostMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
}

KZButton *CancelButton(KZDialog &dialog)
{
    for (ZafWindowObject *child = dialog.FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        if (auto *button = dynamic_cast<KZButton *>(child))
            if (button->Value() == kDialogCancel)
                return button;
    return nullptr;
}

std::vector<std::wstring> PromptTexts(KZDialog &dialog)
{
    std::vector<std::wstring> texts;
    for (ZafWindowObject *child = dialog.FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        if (dynamic_cast<KZPrompt *>(child))
            texts.push_back(KZGetText(child));
    return texts;
}

class WaveformDialog : public ResultsTest
{
protected:
    void Unit(std::initializer_list<int32_t> reactionMs, int failHeader = 0, int failCount = 0)
    {
        ScriptedUnit unit;
        unit.number = 3;
        for (int32_t ms : reactionMs)
            unit.trials.push_back({ ms, 2000 });
        unit.failHeader = failHeader;
        unit.failCount = failCount;
        AddPort(L"Lane 1", kPort);
        link.Add(kPort, unit);
        link.Open(KString(kPort));
    }
    const KRGroup &Group() { return *QVSerialPort::GroupAt(0); }
    std::wstring ListCell(QVZWaveformDialog &dialog, int row, int column)
    {
        KString63 text;
        uint32_t flags = 0;
        dialog.List()->CellText(KPoint(0, row), column, text, flags);
        return text.CStr();
    }
    int32_t choice = 77;
};

} // namespace

TEST_F(WaveformDialog, AnEmptyUnitOffersOnlyCancel)
{
    Unit({});
    QVZWaveformDialog dialog(link, 3, choice, KString(L"Select Trial from Lane 1"), Group());
    bool downloadDisabled = false, allDisabled = false;
    std::vector<std::wstring> prompts;
    WhileModal([&] {
        downloadDisabled = dialog.DownloadButton()->IsDisabled(false);
        allDisabled = dialog.DownloadAllButton()->IsDisabled(false);
        prompts = PromptTexts(dialog);
        Press(CancelButton(dialog));
    });
    EXPECT_EQ(kDialogCancel, dialog.DoModal());
    EXPECT_TRUE(downloadDisabled);
    EXPECT_TRUE(allDisabled);
    ASSERT_GE(prompts.size(), 2u);
    EXPECT_EQ(L"Available Trials: ", prompts[0]);
    EXPECT_EQ(L"0", prompts[1]);
    EXPECT_EQ(77, choice);   // Cancel leaves the caller's choice alone
}

TEST_F(WaveformDialog, DownloadTakesTheSelectedTrialAndDownloadAllEveryTrial)
{
    Unit({ 120, 130, 140 });
    {
        QVZWaveformDialog dialog(link, 3, choice, KString(L"Select"), Group());
        bool enabledBySelection = false;
        WhileModal([&] {
            dialog.List()->Select(KPoint(0, 2));
            enabledBySelection = !dialog.DownloadButton()->IsDisabled(false);
            Press(dialog.DownloadButton());
        });
        EXPECT_EQ(kDialogOk, dialog.DoModal());
        EXPECT_TRUE(enabledBySelection);
        EXPECT_EQ(2, choice);
    }
    {
        QVZWaveformDialog dialog(link, 3, choice, KString(L"Select"), Group());
        WhileModal([&] { Press(dialog.DownloadAllButton()); });
        EXPECT_EQ(kDialogOk, dialog.DoModal());
        EXPECT_EQ(-2, choice);
    }
}

TEST_F(WaveformDialog, TheListShowsEachTrialAndNoTimeWhereAHeaderFailed)
{
    Unit({ 99, 153 }, 1);
    QVZWaveformDialog dialog(link, 3, choice, KString(L"Select"), Group());
    EXPECT_EQ(2, QVZWaveformDialog::TrialCount());
    EXPECT_EQ(L"Lane 1", ListCell(dialog, 0, 0));
    EXPECT_EQ(L"1", ListCell(dialog, 0, 1));
    EXPECT_EQ(L"No Time", ListCell(dialog, 0, 2));   // not another trial's time
    EXPECT_EQ(L"2", ListCell(dialog, 1, 1));
    EXPECT_EQ(L"0.153", ListCell(dialog, 1, 2));
}

TEST_F(WaveformDialog, AnUnreadableTrialListEndsTheDialogWithCancel)
{
    Unit({ 120 }, 0, 1);
    Answer({ kDialogAbort });
    QVZWaveformDialog dialog(link, 3, choice, KString(L"Select"), Group());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Communication Error", boxes[0].caption);
    EXPECT_EQ(L"Lane 1: A timeout error occurred when communicating with Quorvane\r\nCOM7 (Lane 1)"
              L"\r\nThe unit did not answer: is it switched on and connected?",
              boxes[0].text);
    EXPECT_FALSE(dialog.ListRead());
    EXPECT_EQ(kDialogCancel, dialog.DoModal());
    EXPECT_EQ(77, choice);
}
