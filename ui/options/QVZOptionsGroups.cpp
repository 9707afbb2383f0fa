// The options dialog's group editors: the selected port or board group to
// and from the fields, and New and Delete on the two lists.
#include "ui/options/QVZOptionsDialog.h"

#include <utility>

#include "domain/hardware/QVSerialPort.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/ports/KZSerialPort.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/options/QVZGroupSelectors.h"
#include "ui/common/QVZOptionsKeys.h"

namespace {

constexpr int64_t kTimeResolution = 80;   // race-time ticks: page times shown to the millisecond

KString FieldText(ZafWindowObject *field)
{
    const ZafIChar *text = field->Text();
    return KString(text ? text : L"");
}

void StoreString(KRGroup &group, const wchar_t *name, const KString &value)
{
    if (KRString *entry = group.GetString(name))
        entry->SetValue(value);
}

void StoreInt(KRGroup &group, const wchar_t *name, int32_t value)
{
    if (KRInt *entry = group.GetInt(name))
        entry->SetValue(value);
}

void StoreBool(KRGroup &group, const wchar_t *name, bool value)
{
    if (KRBool *entry = group.GetBool(name))
        entry->SetValue(value);
}

// The port panel's description into the group, when the panel was changed
// and the group has a port entry.
void StorePortDescription(KRGroup &group, KZSerialPort &panel)
{
    KString description;
    if (panel.Changed() && group.GetString(L"SerialPort") && panel.GetDescription(description))
        StoreString(group, L"SerialPort", description);
}

// New: adds a group of the family; the first one enables the page's fields
// (enable), then the list shows the added group (the last row), selected.
void AddGroupRow(QVZOptionsDialog &dialog, KRGroup *(*add)(), int (*groupCount)(),
                 void (QVZOptionsDialog::*enable)(bool), KZSelector &list)
{
    if (!add())
        return;
    const int count = groupCount();
    if (count == 1)
        (dialog.*enable)(true);
    list.Redisplay();
    list.Select(KPoint{ 1, count - 1 });
    list.ScrollIntoView(list.Selection(), true, true);
}

// Delete marks the selected group omitted; the list then shows it greyed.
void OmitSelectedRow(KRGroup *(*groupAt)(int n), KZSelector &list)
{
    if (KRGroup *group = groupAt(list.Selection().y))
        group->SetOmitted(true);
    list.Redisplay();
}

// Delete enabled only while the selected row holds a group not yet deleted.
// A Delete button greyed under the keyboard hands it to the list first, so
// that the keys still reach the dialog.
void FollowSelectedRow(KZButton *remove, KRGroup *(*groupAt)(int n), KZSelector *list)
{
    if (!remove || !list)
        return;
    const KRGroup *group = groupAt(list->Selection().y);
    const bool deletable = group && !group->IsOmitted();
    if (!deletable && remove->Focus())
        list->TakeFocus();
    remove->SetDisabled(!deletable);
}

// The download check boxes of the Serial page and their settings: store
// writes the boxes into the settings, load shows the settings in the boxes.
void ExchangeDownloadChoices(KZButton *promptTrace, KZButton *addToOverlay, bool store)
{
    KRegistry *settings = VZApplication::Registry();
    if (!settings)
        return;
    const std::pair<const wchar_t *, KZButton *> choices[] = { { QVZOptionsKeys::kPromptTraceDL, promptTrace },
                                                               { QVZOptionsKeys::kAddDLToOverlay, addToOverlay } };
    for (const auto &[key, box] : choices) {
        KRBool *setting = settings->GetBool(key);
        if (setting && store)
            setting->SetValue(box->Selected());
        else if (setting)
            box->SetSelected(setting->Value());
    }
}

} // namespace

void QVZOptionsDialog::UpdateDeleteButtons()
{
    FollowSelectedRow(portDelete, &QVSerialPort::GroupAt, portList);
    FollowSelectedRow(boardDelete, &QVScoreboards::GroupAt, boardList);
}

// ---- Ports ----

void QVZOptionsDialog::StoreSerialPort()
{
    if (portGroup) {
        StoreString(*portGroup, L"Name", FieldText(portName));
        StorePortDescription(*portGroup, *portPanel);
    }
    ExchangeDownloadChoices(promptTrace, addToOverlay, true);
}

void QVZOptionsDialog::LoadSerialPort()
{
    KRGroup *group = QVSerialPort::GroupAt(portList->Selection().y);
    if (group == portGroup)
        return;
    if (group) {
        portName->SetText(group->GetText(L"Name").CStr());
        if (KRString *port = group->GetString(L"SerialPort"))
            portPanel->SetDescription(port->GetValue());
        portPanel->SetChanged(false);
    }
    ExchangeDownloadChoices(promptTrace, addToOverlay, false);
    portGroup = group;
}

void QVZOptionsDialog::NewPort()
{
    AddGroupRow(*this, &QVSerialPort::AddGroup, &QVSerialPort::GroupCount, &QVZOptionsDialog::EnablePortFields, *portList);
}

void QVZOptionsDialog::DeletePort()
{
    OmitSelectedRow(&QVSerialPort::GroupAt, *portList);
}

// ---- Boards ----

void QVZOptionsDialog::StoreScoreboard()
{
    if (!boardGroup)
        return;
    KRGroup &group = *boardGroup;
    StoreString(group, L"Name", FieldText(boardName));
    StoreString(group, L"Script", FieldText(script));
    StoreInt(group, L"CharMode", codeSet->Selection());
    StorePortDescription(group, *boardPanel);
    StoreInt(group, L"ResultsMode", resultsMode->Selection());
    StoreInt(group, L"PageMode", pagingBox->Selected() ? 1 : 0);
    StoreInt(group, L"PageSize", pageSize->Value());
    int32_t milliseconds = 0;
    if (pageTime->GetTime(milliseconds))
        StoreInt(group, L"PageTime", milliseconds);
    StoreBool(group, L"IncludeFirst", includeFirst->Selected());
    StoreBool(group, L"AffilAbbr", affiliation->Selected());
}

void QVZOptionsDialog::LoadScoreboard()
{
    KRGroup *group = QVScoreboards::GroupAt(boardList->Selection().y);
    if (group == boardGroup)
        return;
    if (group) {
        if (KRString *name = group->GetString(L"Name"))
            boardName->SetText(name->GetValue().CStr());
        if (KRString *scriptName = group->GetString(L"Script"))
            script->SetValue(scriptName->GetValue().CStr());
        if (KRInt *mode = group->GetInt(L"CharMode"))
            codeSet->SetSelection(mode->Value());
        if (KRString *port = group->GetString(L"SerialPort"))
            boardPanel->SetDescription(port->GetValue());
        boardPanel->SetChanged(false);
        if (KRInt *mode = group->GetInt(L"ResultsMode"))
            resultsMode->SetSelection(mode->Value());
        if (KRInt *paging = group->GetInt(L"PageMode"))
            pagingBox->SetSelected(paging->Value() != 0);
        if (KRInt *size = group->GetInt(L"PageSize"))
            pageSize->SetValue(size->Value());
        if (KRInt *time = group->GetInt(L"PageTime"))
            pageTime->SetTime(time->Value(), kTimeResolution);
        if (KRBool *first = group->GetBool(L"IncludeFirst"))
            includeFirst->SetSelected(first->Value());
        if (KRBool *abbreviation = group->GetBool(L"AffilAbbr"))
            affiliation->SetSelected(abbreviation->Value());
    }
    boardGroup = group;
}

void QVZOptionsDialog::NewBoard()
{
    AddGroupRow(*this, &QVScoreboards::AddGroup, &QVScoreboards::GroupCount, &QVZOptionsDialog::EnableBoardFields, *boardList);
}

void QVZOptionsDialog::DeleteBoard()
{
    OmitSelectedRow(&QVScoreboards::GroupAt, *boardList);
}
