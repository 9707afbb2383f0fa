// The settings editor on a scratch settings tree: groups opened and closed
// by their mark, values shown and committed only when typed, deleting and
// undeleting, new settings placed where the user stands, names the settings
// file could not carry back refused, and comments from the language strings.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/registry/KRegistry.h"
#include "foundation/strings/KString.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/dialogs/KZNodeSelector.h"
#include "shell/toolkit/dialogs/KZRegistryDialog.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/fields/KZText.h"

namespace {

class SettingsEditor : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        settings = std::make_unique<KRegistry>();
        for (const wchar_t *line : { L"Hardware\\MenuTimeOut:Int=5000", L"Hardware\\Beep:Bool=1",
                                     L"Serial\\ShortTimeout:Int=1000", L"Top:String=a",
                                     L"Strings\\Registry\\Comments\\Hardware\\MenuTimeOut:String=First line\\nSecond" })
            settings->Parse(line);
        dialog = std::make_unique<KZRegistryDialog>(settings.get());
        dialog->Prepare();
        app->WindowManager()->Add(dialog.get());
        Pump();
        list = dialog->Selector();
    }
    void TearDown() override
    {
        if (app->WindowManager()->Holds(dialog.get()))
            app->WindowManager()->Subtract(dialog.get());
        dialog.reset();
        settings.reset();
        ToolkitTest::TearDown();
    }
    // The visible rows' names.
    std::vector<std::wstring> Rows()
    {
        std::vector<std::wstring> rows;
        for (int32_t row = 0; KRNode *node = list->NodeAt(row); ++row)
            rows.push_back(node->Name().CStr());
        return rows;
    }
    int32_t RowOf(const wchar_t *name)
    {
        for (int32_t row = 0; KRNode *node = list->NodeAt(row); ++row)
            if (node->Name() == name)
                return row;
        return -1;
    }
    std::wstring Cell(int32_t row, int column, uint32_t *flags = nullptr)
    {
        KString text;
        uint32_t format = 0;
        list->CellText(KPoint(0, row), column, text, format);
        if (flags)
            *flags = format;
        return text.CStr();
    }
    KRect CellRect(int32_t row, int column)
    {
        KRect rect;
        list->UnitRect(KPoint(0, row), rect);
        list->CellRect(KPoint(0, row), column, rect, kPartCell);
        return rect;
    }
    // A press on the selected row at the middle of a cell.
    bool ClickOn(int32_t row, int column)
    {
        list->Select(KPoint(0, row));
        const KRect cell = CellRect(row, column);
        return list->CellClicked(KPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2), kClickOnSelected);
    }
    // Types text into the value field as a user does.
    void Type(const wchar_t *text)
    {
        HWND edit = static_cast<HWND>(dialog->ValueField()->OSWindow());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        for (const wchar_t *c = text; *c; ++c)
            SendMessageW(edit, WM_CHAR, *c, 1);
        Pump();
    }
    KRNode *Node(const wchar_t *path) { return settings->Find(path); }

    std::unique_ptr<KRegistry> settings;
    std::unique_ptr<KZRegistryDialog> dialog;
    KZNodeSelector *list = nullptr;
};

} // namespace

TEST_F(SettingsEditor, AClosedGroupOpensByItsMarkWithItsChildrenIndented)
{
    EXPECT_EQ((std::vector<std::wstring>{ L"Hardware", L"Serial", L"Top", L"Strings" }), Rows());
    EXPECT_EQ(L"+", Cell(0, 0));
    EXPECT_EQ(L"", Cell(2, 0));   // a value has no mark
    EXPECT_FALSE(ClickOn(0, 1));   // a press on the name only selects
    EXPECT_EQ(L"+", Cell(0, 0));
    EXPECT_TRUE(ClickOn(0, 0));
    EXPECT_EQ(L"-", Cell(0, 0));
    EXPECT_EQ(1, RowOf(L"MenuTimeOut"));
    EXPECT_EQ(CellRect(0, 0).left + KZNodeSelector::kIndent, CellRect(1, 0).left);
    EXPECT_TRUE(ClickOn(0, 0));
    EXPECT_EQ(-1, RowOf(L"MenuTimeOut"));
}

TEST_F(SettingsEditor, ATypedValueIsStoredWhenAnotherRowIsSelectedAndOnlyThen)
{
    Node(L"Hardware")->SetExpanded(true);
    list->Redisplay();
    list->Select(KPoint(0, RowOf(L"MenuTimeOut")));
    EXPECT_EQ(Node(L"Hardware\\MenuTimeOut"), dialog->CurrentNode());
    EXPECT_STREQ(L"5000", dialog->ValueField()->Text());
    EXPECT_EQ(L"First line\r\nSecond", std::wstring(FieldsOf<KZText>(dialog.get()).back()->Text()));
    Type(L"6000");
    list->Select(KPoint(0, RowOf(L"Top")));
    EXPECT_EQ(6000, settings->GetInt(L"Hardware\\MenuTimeOut")->Value());
    EXPECT_STREQ(L"a", dialog->ValueField()->Text());

    // Shown again, then left without typing: a change made meanwhile stays.
    list->Select(KPoint(0, RowOf(L"MenuTimeOut")));
    settings->GetInt(L"Hardware\\MenuTimeOut")->SetValue(7000);
    list->Select(KPoint(0, RowOf(L"Beep")));
    EXPECT_EQ(7000, settings->GetInt(L"Hardware\\MenuTimeOut")->Value());

    // Closing the dialog commits too.
    Type(L"0");
    dialog->Finish(kDialogOk);
    EXPECT_FALSE(settings->GetBool(L"Hardware\\Beep")->Value());
}

TEST_F(SettingsEditor, DeleteGreysTheNameAndTheButtonUndeletes)
{
    list->Select(KPoint(0, RowOf(L"Top")));
    uint32_t flags = 0;
    dialog->Event(ZafEventStruct(KZRegistryDialog::kEvtDelete, 0));
    EXPECT_TRUE(Node(L"Top")->IsOmitted());
    Cell(RowOf(L"Top"), 1, &flags);
    EXPECT_TRUE(flags & kCellGreyed);
    EXPECT_STREQ(L"Undelete", dialog->DeleteButton()->Text());
    dialog->Event(ZafEventStruct(KZRegistryDialog::kEvtDelete, 0));
    EXPECT_FALSE(Node(L"Top")->IsOmitted());
    Cell(RowOf(L"Top"), 1, &flags);
    EXPECT_FALSE(flags & kCellGreyed);
    EXPECT_STREQ(L"Delete", dialog->DeleteButton()->Text());
}

TEST_F(SettingsEditor, NewSettingsGoFirstInAGroupOrRightAfterAValue)
{
    EXPECT_FALSE(dialog->AddSetting(KString(L"Nothing"), 1));   // no current node yet
    list->Select(KPoint(0, RowOf(L"Serial")));
    ASSERT_TRUE(dialog->AddSetting(KString(L"Baud"), 2));
    EXPECT_EQ(L"Baud", std::wstring(Node(L"Serial")->ChildAt(0)->Name().CStr()));
    EXPECT_STREQ(L"Int", Node(L"Serial\\Baud")->TypeName());
    EXPECT_EQ(RowOf(L"Serial") + 1, list->Selection().y);
    EXPECT_EQ(Node(L"Serial\\Baud"), dialog->CurrentNode());

    ASSERT_TRUE(dialog->AddSetting(KString(L"Parity"), 1));
    EXPECT_EQ(L"Parity", std::wstring(Node(L"Serial")->ChildAt(1)->Name().CStr()));
    EXPECT_EQ(L"ShortTimeout", std::wstring(Node(L"Serial")->ChildAt(2)->Name().CStr()));
    EXPECT_EQ(RowOf(L"Parity"), list->Selection().y);
}

TEST_F(SettingsEditor, NamesTheSettingsFileCouldNotReadBackAreRefused)
{
    Node(L"Hardware")->SetExpanded(true);
    list->Redisplay();
    list->Select(KPoint(0, RowOf(L"MenuTimeOut")));
    for (const wchar_t *name : { L"", L" Lead", L"Trail ", L"a\\b", L"a:b", L"a=b", L"tab\there",
                                 L"SixteenCharsLong", L"menutimeout", L"Beep" }) {
        EXPECT_FALSE(dialog->AddSetting(KString(name), 1)) << name;
        EXPECT_EQ(2, Node(L"Hardware")->ChildCount()) << name;
    }
    EXPECT_TRUE(dialog->AddSetting(KString(L"Fifteen chars 1"), 1));
}

TEST_F(SettingsEditor, TheNewSettingDialogAsksTypeAndName)
{
    list->Select(KPoint(0, RowOf(L"Top")));
    std::vector<std::wstring> types;
    WhileModal([&] {
        ZafWindow *ask = FrontWindow();
        std::vector<KZComboBox *> boxes = FieldsOf<KZComboBox>(ask);
        std::vector<KZString *> names = FieldsOf<KZString>(ask);
        if (boxes.size() == 1 && names.size() == 1) {
            for (ZafElement *e = boxes[0]->List()->ZafList::First(); e; e = e->Next())
                types.push_back(static_cast<ZafWindowObject *>(e)->Text());
            names[0]->SetText(L"Added");
        }
        ZafEventManager::Shared()->Put(ZafEventStruct(kDialogOk, 0));
    });
    dialog->Event(ZafEventStruct(KZRegistryDialog::kEvtNew, 0));
    EXPECT_EQ((std::vector<std::wstring>{ L"Group", L"String", L"Int", L"Rat", L"Bool", L"Float" }), types);
    ASSERT_NE(nullptr, settings->GetString(L"Added"));   // String is chosen at first
    EXPECT_EQ(RowOf(L"Top") + 1, RowOf(L"Added"));
}
