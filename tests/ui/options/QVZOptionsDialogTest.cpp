// The options dialog on real windows over the built-in defaults: the page
// it opens on, what Ok stores, the two group lists with their state texts,
// New and Delete, and the Scoreboard page's fields with and without boards.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "domain/hardware/QVSerialPort.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/strings/KString.h"
#include "framework/controls/ZafNotebook.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "ui/common/QVZDialogCommands.h"
#include "ui/options/QVZGroupSelectors.h"
#include "ui/options/QVZOptionsDialog.h"

namespace {

class OptionsDialog : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        QVSetSettings(registry);
    }
    void TearDown() override
    {
        QVSetSettings(nullptr);
        ToolkitTest::TearDown();
    }
    void Port(const wchar_t *number, const wchar_t *name, const wchar_t *description)
    {
        KString prefix(L"\\SerialPorts\\");
        prefix.Append(number).AppendChar(L'\\');
        registry->Parse(KString(prefix).Append(L"Name:String=").Append(name));
        if (description)
            registry->Parse(KString(prefix).Append(L"SerialPort:String=").Append(description));
    }
    // Runs the dialog, does action inside it, then ends it with result.
    static int32_t Run(QVZOptionsDialog &dialog, int32_t result, std::function<void()> action = nullptr)
    {
        WhileModal([&dialog, result, action] {
            if (action)
                action();
            PressButton(&dialog, result);
        });
        return dialog.DoModal();
    }
    static void Send(QVZOptionsDialog &dialog, int32_t code)
    {
        ZafEventStruct event(code, 0);
        dialog.Event(event);
    }
    static std::wstring Cell(KZSelector *list, int row, int column, uint32_t *flags = nullptr)
    {
        KString text;
        uint32_t cellFlags = 0;
        list->CellText(KPoint{ 0, row }, column, text, cellFlags);
        if (flags)
            *flags = cellFlags;
        return text.CStr();
    }
    int32_t Int(const wchar_t *key) { return registry->GetInt(key)->Value(); }
    const KString &Text(const wchar_t *key) { return registry->GetText(key); }
};

} // namespace

TEST_F(OptionsDialog, OpensOnTheGivenPageAndOnTheFirstForAnIndexItHasNot)
{
    for (const auto &test : std::vector<std::pair<int, int>>{ { 2, 2 }, { 3, 3 }, { 4, 0 }, { -1, 0 } }) {
        QVZOptionsDialog dialog(test.first);
        EXPECT_EQ(test.second, dialog.Notebook()->CurrentPageIndex()) << "page " << test.first;
    }
}

TEST_F(OptionsDialog, OkStoresTheChartBoxesByTheirEntryIndexAndBothAxisEnds)
{
    registry->GetFloat(L"\\Chart\\Axes\\MinX")->SetValue(-1.5);
    QVZOptionsDialog dialog(2);
    EXPECT_STREQ(L"1", dialog.ChartBox(0)->Text());   // the default width 1
    EXPECT_EQ(kDialogOk, Run(dialog, kDialogOk, [&] {
                  dialog.ChartBox(0)->SetSelection(9);
                  dialog.ChartBox(1)->SetSelection(1);
                  EXPECT_STREQ(L"Dot", dialog.ChartBox(1)->Text());   // the key named Dash
                  dialog.ChartBox(4)->SetSelection(15);
                  dialog.MaximumField()->SetValue(1.0);
              }));
    EXPECT_EQ(10, Int(L"\\Chart\\Brush\\Width"));
    EXPECT_EQ(1, Int(L"\\Chart\\Brush\\Style"));
    EXPECT_EQ(15, Int(L"\\Chart\\Background\\FaceColor"));
    EXPECT_EQ(4, Int(L"\\Chart\\Brush\\Color"));   // untouched
    EXPECT_DOUBLE_EQ(-1.5, registry->GetFloat(L"\\Chart\\Axes\\MinX")->Value());
    EXPECT_DOUBLE_EQ(1.0, registry->GetFloat(L"\\Chart\\Axes\\MaxX")->Value());
}

TEST_F(OptionsDialog, CancelStoresNeitherTheGeneralNorTheChartValues)
{
    QVZOptionsDialog dialog(2);
    EXPECT_EQ(kDialogCancel, Run(dialog, kDialogCancel, [&] {
                  dialog.ChartBox(0)->SetSelection(4);
                  dialog.MinimumField()->SetValue(0.5);
              }));
    EXPECT_EQ(1, Int(L"\\Chart\\Brush\\Width"));
    EXPECT_DOUBLE_EQ(-3.0, registry->GetFloat(L"\\Chart\\Axes\\MinX")->Value());
}

TEST_F(OptionsDialog, PortRowsTellRunningNotRunningAndNotLoaded)
{
    Port(L"1", L"Lane sensors", L"0,19200,8,N,1.0");
    Port(L"2", L"Start block", L"3,19200,8,N,1.0");
    Port(L"3", L"Spare", nullptr);
    QVZOptionsDialog dialog(1);
    QVZSerialSelector *list = dialog.PortList();
    EXPECT_EQ(L"Lane sensors", Cell(list, 0, 0));
    EXPECT_EQ(L"Not Running", Cell(list, 0, 1));
    EXPECT_EQ(L"Running", Cell(list, 1, 1));
    EXPECT_EQ(L"Not Loaded", Cell(list, 2, 1));
    EXPECT_EQ(2, list->ColumnCount(KPoint{ 0, 0 }));
    // The first group is loaded into the fields.
    EXPECT_STREQ(L"Lane sensors", dialog.PortNameField()->Text());
}

TEST_F(OptionsDialog, SerialNewAddsAGroupAndSelectsItDeleteGreysTheRow)
{
    Port(L"1", L"Lane sensors", L"3,19200,8,N,1.0");
    QVZOptionsDialog dialog(1);
    QVZSerialSelector *list = dialog.PortList();
    Run(dialog, kDialogCancel, [&] {
        Send(dialog, kCmdOptionsSerialNew);
        EXPECT_EQ(2, list->Extent().y);
        EXPECT_EQ(1, list->Selection().y);
        EXPECT_EQ(QVSerialPort::GroupAt(1), dialog.CurrentPortGroup());
        uint32_t flags = 0;
        Cell(list, 0, 0, &flags);
        EXPECT_EQ(0u, flags & kCellGreyed);
        list->SetSelection(KPoint{ 0, 0 });
        Send(dialog, kCmdOptionsSerialDelete);
        EXPECT_EQ(L"Running", Cell(list, 0, 1, &flags));   // the state text stays
        EXPECT_NE(0u, flags & kCellGreyed);
        EXPECT_EQ(2, list->Extent().y);
    });
    KRGroup *added = registry->GetGroup(L"\\SerialPorts\\2\\");
    ASSERT_NE(nullptr, added);
    EXPECT_EQ(std::wstring(L"0,19200,8,N,1.0"), added->GetText(L"SerialPort").CStr());
    EXPECT_TRUE(registry->GetGroup(L"\\SerialPorts\\1\\")->IsOmitted());
}

TEST_F(OptionsDialog, ASelectionChangeStoresTheGroupLeftAndCancelKeepsIt)
{
    Port(L"1", L"Lane sensors", L"0,19200,8,N,1.0");
    Port(L"2", L"Start block", L"0,19200,8,N,1.0");
    QVZOptionsDialog dialog(1);
    Run(dialog, kDialogCancel, [&] {
        dialog.PortNameField()->SetText(L"Finish line");
        dialog.PortList()->SetSelection(KPoint{ 0, 1 });
        EXPECT_STREQ(L"Start block", dialog.PortNameField()->Text());
        // The row already selected stores again and loads nothing.
        dialog.PortNameField()->SetText(L"Blocks");
        dialog.PortList()->SetSelection(KPoint{ 0, 1 });
        EXPECT_STREQ(L"Blocks", dialog.PortNameField()->Text());
    });
    EXPECT_EQ(std::wstring(L"Finish line"), Text(L"\\SerialPorts\\1\\Name").CStr());
    EXPECT_EQ(std::wstring(L"Blocks"), Text(L"\\SerialPorts\\2\\Name").CStr());
    // The port description is not rewritten by merely passing over it.
    EXPECT_EQ(std::wstring(L"0,19200,8,N,1.0"), Text(L"\\SerialPorts\\1\\SerialPort").CStr());
}

TEST_F(OptionsDialog, WithoutBoardsTheScoreboardFieldsAreDisabledUntilTheFirstNew)
{
    QVZOptionsDialog dialog(3);
    ASSERT_EQ(0, QVScoreboards::GroupCount());
    ZafWindowObject *fields[] = { dialog.BoardNameField(), dialog.PagingBox(), dialog.PageSizeField(),
                                  dialog.PageTimeField() };
    for (ZafWindowObject *field : fields)
        EXPECT_TRUE(field->IsDisabled(false));
    Run(dialog, kDialogCancel, [&] {
        Send(dialog, kCmdOptionsScoreboardNew);
        for (ZafWindowObject *field : fields)
            EXPECT_FALSE(field->IsDisabled(false));
        EXPECT_EQ(QVScoreboards::GroupAt(0), dialog.CurrentBoardGroup());
        EXPECT_TRUE(dialog.PagingBox()->Selected());
        EXPECT_EQ(1, dialog.PageSizeField()->Value());
        int32_t milliseconds = 0;
        EXPECT_TRUE(dialog.PageTimeField()->GetTime(milliseconds));
        EXPECT_EQ(5000, milliseconds);
        // A board made since the start has no board object: not loaded.
        EXPECT_EQ(L"Not Loaded", Cell(dialog.BoardList(), 0, 1));
    });
}

TEST_F(OptionsDialog, ThePagingBoxSwitchesSizeAndTimeAndOkStoresTheBoard)
{
    QVScoreboards::AddGroup();
    QVZOptionsDialog dialog(3);
    Run(dialog, kDialogOk, [&] {
        dialog.PagingBox()->SetSelected(false);
        Send(dialog, kCmdOptionsPagingToggled);
        EXPECT_TRUE(dialog.PageSizeField()->IsDisabled(false));
        EXPECT_TRUE(dialog.PageTimeField()->IsDisabled(false));
        dialog.PagingBox()->SetSelected(true);
        Send(dialog, kCmdOptionsPagingToggled);
        EXPECT_FALSE(dialog.PageTimeField()->IsDisabled(false));
        dialog.BoardNameField()->SetText(L"Infield");
        dialog.PageSizeField()->SetValue(8);
        dialog.PageTimeField()->SetText(L"not a time");
    });
    KRGroup *board = QVScoreboards::GroupAt(0);
    EXPECT_EQ(std::wstring(L"Infield"), board->GetText(L"Name").CStr());
    EXPECT_EQ(8, board->GetInt(L"PageSize")->Value());
    EXPECT_EQ(5000, board->GetInt(L"PageTime")->Value());   // an unreadable time is not stored
}
