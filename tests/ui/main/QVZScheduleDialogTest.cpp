// The Goto dialog on a real window over a schedule read from scratch
// files, and the scoreboard message editor with the boards replaced by a
// recorder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "domain/event/QVEvent.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/ui/QVSettings.h"
#include "foundation/strings/KString.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/common/QVZDialogCommands.h"
#include "ui/main/QVZScheduleDialog.h"
#include "ui/main/QVZScoreboardMessage.h"
#include "ui/main/QVZScoreboardMessageDialog.h"
#include "ui/support/ScoreboardSends.h"

namespace {

class GotoDialog : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        QVSetSettings(registry);
        WriteBytes(scratch.PathOf(L"vexa.evt"), "1,1,60 m Women Heats\r\n2,1,200 m Men\r\n");
        WriteBytes(scratch.PathOf(L"vexa.ppl"), "1,1,1,3,101,Berg,Anna,Oslo IL\r\n");
    }
    void TearDown() override
    {
        QVSchedule::SetInstance(nullptr);
        schedule.reset();
        QVSetSettings(nullptr);
        ToolkitTest::TearDown();
    }
    // The schedule file, and the program's schedule on it.
    void Schedule(const std::string &lines)
    {
        WriteBytes(scratch.PathOf(L"vexa.sch"), lines);
        if (!schedule) {
            schedule = std::make_unique<QVSchedule>();
            QVSchedule::SetInstance(schedule.get());
        }
        schedule->BuildList();
    }
    static KZComboBox *List(QVZScheduleDialog &dialog) { return FieldsOf<KZComboBox>(&dialog).front(); }
    static std::vector<KZString *> Fields(QVZScheduleDialog &dialog) { return FieldsOf<KZString>(&dialog); }
    static std::vector<std::wstring> Entries(KZComboBox *list)
    {
        std::vector<std::wstring> texts;
        for (ZafElement *e = list->List()->ZafList::First(); e; e = e->Next())
            texts.push_back(static_cast<ZafWindowObject *>(e)->Text());
        return texts;
    }
    static void Send(ZafWindowObject *window, int32_t code)
    {
        ZafEventStruct event(code, 0);
        window->Event(event);
    }
    // Ok pressed from inside the dialog's loop, after action.
    static int32_t RunAndPressOk(QVZScheduleDialog &dialog, std::function<void()> action = nullptr)
    {
        WhileModal([&dialog, action] {
            if (action)
                action();
            PressButton(&dialog, kDialogOk);
        });
        return dialog.DoModal();
    }

    std::unique_ptr<QVSchedule> schedule;
};

} // namespace

TEST_F(GotoDialog, AnEmptyScheduleListsNothingAndOkAnswersTheCurrentNumbers)
{
    Schedule("1,1,2\r\n");
    delete schedule->LoadEvent(nullptr, 0, KString(L"1"), KString(L"1"), KString(L"2"));
    Schedule("");
    QVZScheduleDialog dialog;
    EXPECT_TRUE(Entries(List(dialog)).empty());
    EXPECT_EQ(kDialogOk, RunAndPressOk(dialog));
    EXPECT_EQ(std::wstring(L"1"), dialog.EventText().CStr());
    EXPECT_EQ(std::wstring(L"1"), dialog.RoundText().CStr());
    EXPECT_EQ(std::wstring(L"2"), dialog.HeatText().CStr());
}

TEST_F(GotoDialog, OpensWithTheCurrentHeatSelectedAmongTheEntries)
{
    Schedule("1,1,1\r\n1,1,2\r\n2,1,1\r\n");
    delete schedule->LoadEvent(nullptr, 0, KString(L"1"), KString(L"1"), KString(L"2"));
    QVZScheduleDialog dialog;
    KZComboBox *list = List(dialog);
    EXPECT_EQ((std::vector<std::wstring>{ L"1-1-1  60 m Women Heats", L"1-1-2  60 m Women Heats", L"2-1-1  200 m Men" }),
              Entries(list));
    EXPECT_EQ(1, list->Selection());
    const std::vector<KZString *> fields = Fields(dialog);
    ASSERT_EQ(3u, fields.size());
    EXPECT_STREQ(L"1", fields[0]->Text());
    EXPECT_STREQ(L"2", fields[2]->Text());
    for (KZString *field : fields)
        EXPECT_EQ(QVZScheduleDialog::kFieldLength, field->StringData()->MaxLength());
}

TEST_F(GotoDialog, ChoosingAnEntryFillsAllThreeFields)
{
    Schedule("1,1,1\r\n1,1,2\r\n2,1,1\r\n");
    QVZScheduleDialog dialog;
    const std::vector<KZString *> fields = Fields(dialog);
    EXPECT_EQ(kDialogOk, RunAndPressOk(dialog, [&] {
                  fields[0]->SetText(L"9");   // matches nothing
                  List(dialog)->SetSelection(2);
                  Send(&dialog, kCmdScheduleEntryChosen);
              }));
    EXPECT_EQ(std::wstring(L"2"), dialog.EventText().CStr());
    EXPECT_EQ(std::wstring(L"1"), dialog.RoundText().CStr());
    EXPECT_EQ(std::wstring(L"1"), dialog.HeatText().CStr());
}

TEST_F(GotoDialog, LoadScheduleRereadsTheFilesAndSelectsTheTypedHeat)
{
    Schedule("1,1,1\r\n");
    QVZScheduleDialog dialog;
    KZComboBox *list = List(dialog);
    std::vector<std::wstring> after;
    int selected = -2;
    RunAndPressOk(dialog, [&] {
        WriteBytes(scratch.PathOf(L"vexa.sch"), "1,1,1\r\n2,1,1\r\n2,1,2\r\n");
        const std::vector<KZString *> fields = Fields(dialog);
        fields[0]->SetText(L"2");
        fields[1]->SetText(L"1");
        fields[2]->SetText(L"2");
        Send(&dialog, kCmdScheduleLoad);
        after = Entries(list);
        selected = list->Selection();
    });
    EXPECT_EQ(3u, after.size());
    EXPECT_EQ(2, selected);
    EXPECT_EQ(std::wstring(L"2"), dialog.HeatText().CStr());
}

namespace {

// Ok and Cancel lie inside the dialog's client area and are shown.
bool ButtonsInside(ZafWindow *dialog)
{
    HWND client = static_cast<HWND>(dialog->OSWindow());
    RECT area = {};
    GetClientRect(client, &area);
    int found = 0;
    for (KZButton *button : FieldsOf<KZButton>(dialog)) {
        if (button->Value() != kDialogOk && button->Value() != kDialogCancel)
            continue;
        HWND own = static_cast<HWND>(button->OSWindow());
        RECT rect = {};
        GetWindowRect(own, &rect);
        MapWindowPoints(nullptr, client, reinterpret_cast<POINT *>(&rect), 2);
        if (!IsWindowVisible(own) || rect.left < 0 || rect.top < 0 || rect.right > area.right || rect.bottom > area.bottom)
            return false;
        ++found;
    }
    return found == 2;
}

// A key pressed where the dialog's focus is. A dialog the key leaves open
// is ended with Abort afterwards, so that the test fails instead of waiting.
void PressKey(WPARAM key)
{
    ZafWindow *dialog = FrontWindow();
    ZafWindowObject *focus = dialog ? dialog->FocusObject() : nullptr;
    PostMessageW(static_cast<HWND>(focus ? focus->OSWindow() : dialog->OSWindow()), WM_KEYDOWN, key, 0);
    WhileModal([dialog] {
        if (FrontWindow() == dialog)
            ZafEventManager::Shared()->Put(ZafEventStruct(kDialogAbort, 0), ZAF_QUEUE_BACK);
    });
}

} // namespace

TEST_F(GotoDialog, ShowsOkAndCancelEscapeCancelsAndEnterInAFieldPressesOk)
{
    Schedule("1,1,1\r\n");
    bool inside = false;
    QVZScheduleDialog cancelled;
    WhileModal([&] {
        inside = ButtonsInside(FrontWindow());
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(kDialogCancel, cancelled.DoModal());
    EXPECT_TRUE(inside);
    QVZScheduleDialog confirmed;
    WhileModal([&] { PressKey(VK_RETURN); });
    EXPECT_EQ(kDialogOk, confirmed.DoModal());
}

namespace {

class MessageEditor : public ToolkitTest
{
protected:
    static void Click(ZafWindow *dialog, const wchar_t *label)
    {
        for (KZButton *button : FieldsOf<KZButton>(dialog))
            if (button->Text() && std::wstring(button->Text()) == label)
                SendMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
    }
    static KZString *Field() { return FieldsOf<KZString>(FrontWindow()).front(); }

    ScoreboardSends sends;
};

} // namespace

TEST_F(MessageEditor, SendShowsTheTextAtOnceAndTheDialogStaysOpen)
{
    QVZScoreboardMessage message;
    bool openAfterSend = false;
    std::vector<std::wstring> labels;
    WhileModal([&] {
        ZafWindow *dialog = FrontWindow();
        for (KZButton *button : FieldsOf<KZButton>(dialog))
            labels.push_back(button->Text());
        Field()->SetText(L"Wind +1.2");
        Click(dialog, L"Send");
        Pump();
        openAfterSend = FrontWindow() == dialog;
        Click(dialog, L"Cancel");
    });
    EXPECT_EQ(kDialogCancel, message.Edit());
    EXPECT_TRUE(openAfterSend);
    EXPECT_EQ((std::vector<std::wstring>{ L"Send", L"Ok", L"Cancel" }), labels);
    ASSERT_EQ(1u, sends.Texts().size());
    EXPECT_EQ(L"Wind +1.2", sends.Texts()[0].first);
    EXPECT_TRUE(sends.Texts()[0].second);
    // Send kept the text: Cancel afterwards does not take it back.
    EXPECT_EQ(std::wstring(L"Wind +1.2"), message.Text().CStr());
}

TEST_F(MessageEditor, OkKeepsTheTextCancelDropsTheEditAndNothingIsSentUntilAsked)
{
    QVZScoreboardMessage message;
    message.SetText(KString(L"First"));
    WhileModal([&] {
        EXPECT_STREQ(L"First", Field()->Text());
        Field()->SetText(L"Second");
        Click(FrontWindow(), L"Ok");
    });
    EXPECT_EQ(kDialogOk, message.Edit());
    WhileModal([&] {
        Field()->SetText(L"Third");
        Click(FrontWindow(), L"Cancel");
    });
    message.Edit();
    EXPECT_EQ(std::wstring(L"Second"), message.Text().CStr());
    EXPECT_TRUE(sends.Texts().empty());
    EXPECT_EQ(QVZScoreboardMessageDialog::kTextLength, QVZScoreboardMessageDialog(message).TextField()->StringData()->MaxLength());
}

TEST_F(MessageEditor, SendingAnEmptyTextTakesTheMessageOffTheBoards)
{
    QVZScoreboardMessage message;
    message.SetText(KString(L"Lunch break"));
    message.Send();
    message.SetText(KString());
    message.Send();
    EXPECT_EQ((std::vector<std::pair<std::wstring, bool>>{ { L"Lunch break", true }, { L"", false } }), sends.Texts());
}
