#pragma once
// QVZScheduleDialog: the "Goto Event" dialog. The user picks a heat of the
// start-list schedule by typing its event, round and heat numbers or by
// choosing it from the list of the schedule's entries; Load Schedule reads
// the schedule files again. Opened with the schedule's current numbers, or
// with the numbers given (the user's own, shown again); Ok answers
// kDialogOk and the three texts are read after the dialog ended. A heat
// marked done in the schedule carries the text "\Strings\Database\Goto\Done"
// after its name in the list. The schedule is the program's
// (QVSchedule::Instance); without one the list stays empty. Made on its
// caller's stack; GUI thread only.

#include "foundation/strings/KString.h"
#include "shell/toolkit/dialogs/KZDialog.h"

class KZButton;
class KZComboBox;
class KZString;
class QVSchedule;

class QVZScheduleDialog : public KZDialog
{
public:
    static constexpr int kFieldWidth = 6;       // cells
    static constexpr int kFieldLength = 15;     // characters
    static constexpr int kListRows = 15;

    QVZScheduleDialog();
    QVZScheduleDialog(const KString &event, const KString &round, const KString &heat);

    // kCmdScheduleEntryChosen and kCmdScheduleLoad here; everything else as
    // KZDialog.
    ZafEventType Event(const ZafEventStruct &event) override;

    // The field texts, as they were when the dialog ended.
    const KString &EventText() const { return eventText; }
    const KString &RoundText() const { return roundText; }
    const KString &HeatText() const { return heatText; }

    void Finish(int32_t result) override;

private:
    KZString *AddNumberRow(const wchar_t *key, const KString &value, bool step);
    // Empties the entry list and fills it from the schedule, selecting the
    // last entry whose numbers equal the three field texts.
    void FillList();
    void CopyFields();
    void EntryChosen();
    void LoadSchedule();

    KZString *eventField = nullptr;
    KZString *roundField = nullptr;
    KZString *heatField = nullptr;
    KZComboBox *list = nullptr;
    KZButton *loadButton = nullptr;
    KString eventText;
    KString roundText;
    KString heatText;
};
