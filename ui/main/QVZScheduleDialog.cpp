// The Goto dialog: three number fields, Load Schedule and the entry list.
#include "ui/main/QVZScheduleDialog.h"

#include "domain/schedule/QVSchedule.h"
#include "domain/schedule/QVScheduleItem.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/common/QVZDialogCommands.h"

namespace {

constexpr int kPlaceholderEntries = 25;
const wchar_t kPlaceholder[] = L"WWWWWWWWWWWWWWWWWWWW";

const wchar_t *Label(const wchar_t *key)
{
    return KZSettingText(key).CStr();
}

KString CurrentNumber(void (QVSchedule::*read)(KString &) const)
{
    KString number;
    if (QVSchedule *schedule = QVSchedule::Instance())
        (schedule->*read)(number);
    return number;
}

} // namespace

QVZScheduleDialog::QVZScheduleDialog()
    : QVZScheduleDialog(CurrentNumber(&QVSchedule::CurrentEvent), CurrentNumber(&QVSchedule::CurrentRound),
                        CurrentNumber(&QVSchedule::CurrentHeat))
{
}

QVZScheduleDialog::QVZScheduleDialog(const KString &event, const KString &round, const KString &heat)
    : KZDialog(Label(L"\\Strings\\Database\\Goto\\Title"), kButtonOk | kButtonCancel, kButtonOk)
{
    eventField = AddNumberRow(L"\\Strings\\Database\\Goto\\Event", event, true);
    roundField = AddNumberRow(L"\\Strings\\Database\\Goto\\Round", round, false);
    heatField = AddNumberRow(L"\\Strings\\Database\\Goto\\Heat", heat, true);
    AlignColumn(1);

    loadButton = AddButton(Label(L"\\Strings\\Database\\Goto\\Refresh"), kCmdScheduleLoad);
    NewLine();

    // Sized by placeholders, then filled with the schedule's entries.
    BeginComboBox();
    for (int i = 0; i < kPlaceholderEntries; ++i)
        AddComboItem(kPlaceholder, 0);
    list = EndComboBox(-1, false, kListRows);
    NewLine();
    FillList();
}

KZString *QVZScheduleDialog::AddNumberRow(const wchar_t *key, const KString &value, bool step)
{
    AddPrompt(Label(key));
    if (step)
        Move(1, 0);
    KZString *field = AddString(value.CStr(), kFieldWidth, kFieldLength);
    NewLine();
    return field;
}

ZafEventType QVZScheduleDialog::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case kCmdScheduleEntryChosen:
        EntryChosen();
        return event.type;
    case kCmdScheduleLoad:
        LoadSchedule();
        return event.type;
    default:
        return KZDialog::Event(event);
    }
}

void QVZScheduleDialog::Finish(int32_t result)
{
    KZDialog::Finish(result);
    CopyFields();
}

void QVZScheduleDialog::CopyFields()
{
    eventText = eventField->Text() ? eventField->Text() : L"";
    roundText = roundField->Text() ? roundField->Text() : L"";
    heatText = heatField->Text() ? heatField->Text() : L"";
}

void QVZScheduleDialog::FillList()
{
    list->SetAutomaticUpdate(false);
    list->Clear();
    CopyFields();
    int matched = -1, index = 0;
    QVSchedule *schedule = QVSchedule::Instance();
    for (QVScheduleItem *entry = schedule ? schedule->NextEntry(nullptr) : nullptr; entry;
         entry = schedule->NextEntry(entry), ++index) {
        KString text;
        entry->Text(text);
        if (entry->IsDone())
            text.Append(L"  ").Append(KZSettingText(L"\\Strings\\Database\\Goto\\Done", L"(done)"));
        list->Add(new KZButton(0, 0, 1, 1, text.CStr(), nullptr, KZButton::kPush, kCmdScheduleEntryChosen));
        if (entry->EventText() == eventText && entry->RoundText() == roundText && entry->HeatText() == heatText)
            matched = index;
    }
    if (matched >= 0)
        list->SetSelection(matched);
    list->SetSelectionChanged(false);
    list->SetAutomaticUpdate(true);
    list->Redisplay();
}

void QVZScheduleDialog::EntryChosen()
{
    QVSchedule *schedule = QVSchedule::Instance();
    QVScheduleItem *entry = schedule ? schedule->EntryAt(list->Selection()) : nullptr;
    if (!entry)
        return;
    eventField->SetText(entry->EventText().CStr());
    roundField->SetText(entry->RoundText().CStr());
    heatField->SetText(entry->HeatText().CStr());
}

void QVZScheduleDialog::LoadSchedule()
{
    KZApplication *app = KZApplication::Instance();
    if (app)
        app->SetMousePointer(kPointerBusy);
    if (QVSchedule *schedule = QVSchedule::Instance())
        schedule->BuildList();
    FillList();
    if (app)
        app->SetMousePointer(kPointerArrow);
}
