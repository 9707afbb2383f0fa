// The options dialog: construction, its own events and Ok.
#include "ui/options/QVZOptionsDialog.h"

#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRegistry.h"
#include "framework/controls/ZafNotebook.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/ports/KZSerialPort.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/common/QVZDialogCommands.h"
#include "ui/options/QVZGroupSelectors.h"
#include "ui/common/QVZOptionsKeys.h"

QVZOptionsDialog::QVZOptionsDialog(int page)
    : KZDialog(KZSettingText(L"\\Strings\\Options\\Title").CStr(), kButtonOk | kButtonCancel, kButtonOk)
{
    BeginNotebook(0, 0);
    BuildGeneral();
    BuildSerial();
    BuildChart();
    BuildScoreboard();
    // The notebook keeps its starting page for an index it does not have.
    notebook = EndNotebook(page >= 0 && page < kPageCount ? page : 0);
    boardList->SetSelection(KPoint{ 0, 0 });
    portList->SetSelection(KPoint{ 0, 0 });
}

QVZOptionsDialog::~QVZOptionsDialog()
{
    portPanel.reset();
    boardPanel.reset();
}

ZafEventType QVZOptionsDialog::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case kCmdOptionsSerialNew:
        NewPort();
        break;
    case kCmdOptionsSerialDelete:
        DeletePort();
        break;
    case kCmdOptionsScoreboardNew:
        NewBoard();
        break;
    case kCmdOptionsScoreboardDelete:
        DeleteBoard();
        break;
    case kCmdOptionsPagingToggled:
        UpdatePaging();
        break;
    default:
        return KZDialog::Event(event);
    }
    return event.type;
}

void QVZOptionsDialog::UpdatePaging()
{
    const bool enabled = pagingBox->Selected() && !pagingBox->IsDisabled(false);
    pageSize->SetDisabled(!enabled);
    pageTime->SetDisabled(!enabled);
}

void QVZOptionsDialog::Finish(int32_t result)
{
    if (result != kDialogOk)
        return;
    KRegistry *settings = VZApplication::Registry();
    if (!settings)
        return;
    if (KRInt *single = settings->GetInt(QVZOptionsKeys::kSingleEvent))
        single->SetValue(singleEvent->Selection());
    if (language->SelectionChanged())
        if (VZApplication *app = VZApplication::Instance())
            app->SetLanguage(language->Selection());
    if (KRString *folder = settings->GetString(QVZOptionsKeys::kEventDirectory))
        folder->SetValue(KString(eventFolder->Text() ? eventFolder->Text() : L""));
    StoreSerialPort();
    for (int n = 0; n < 5; ++n) {
        KRInt *entry = settings->GetInt(QVZOptionsKeys::kChartBoxes[n]);
        if (!entry || !chartBoxes[n]->SelectionChanged())
            continue;
        entry->SetValue(chartBoxes[n]->Selection() + (n == 0 ? 1 : 0));
    }
    if (KRFloat *minimum = settings->GetFloat(kKeyChartMinX))
        minimum->SetValue(minimumField->Value());
    if (KRFloat *maximum = settings->GetFloat(kKeyChartMaxX))
        maximum->SetValue(maximumField->Value());
    StoreScoreboard();
}
