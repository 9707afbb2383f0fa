// The options dialog's group lists: one family of settings groups each,
// told apart by the group source and the rule that says a group is loaded.
#include "ui/options/QVZGroupSelectors.h"

#include "domain/hardware/QVSerialPort.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRString.h"
#include "foundation/strings/KString.h"
#include "framework/controls/ZafScrollBar.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "ui/options/QVZOptionsDialog.h"

struct QVZGroupFamily
{
    int (*count)();
    KRGroup *(*at)(int n);
    const wchar_t *running;
    const wchar_t *notRunning;
    const wchar_t *notLoaded;
    bool needsContext;   // a board is loaded only when its object watches its port
    void (QVZOptionsDialog::*store)();   // the dialog's fields into the selected group
    void (QVZOptionsDialog::*load)();    // the selected group into the dialog's fields
};

namespace {

using Family = QVZGroupFamily;

const Family kPorts = { &QVSerialPort::GroupCount, &QVSerialPort::GroupAt, L"\\Strings\\Options\\Serial\\Running",
                        L"\\Strings\\Options\\Serial\\NotRunning", L"\\Strings\\Options\\Serial\\NotLoaded", false,
                        &QVZOptionsDialog::StoreSerialPort, &QVZOptionsDialog::LoadSerialPort };
const Family kBoards = { &QVScoreboards::GroupCount, &QVScoreboards::GroupAt,
                         L"\\Strings\\Options\\Scoreboard\\Running", L"\\Strings\\Options\\Scoreboard\\NotRunning",
                         L"\\Strings\\Options\\Scoreboard\\NotLoaded", true, &QVZOptionsDialog::StoreScoreboard,
                         &QVZOptionsDialog::LoadScoreboard };

int NameWidth()
{
    return QVZOptionsDialog::kNameColumn * ZafDisplay::SharedOrDefault().cellWidth;
}

const wchar_t *StateKey(const Family &family, KRGroup &group)
{
    auto *port = dynamic_cast<KRString *>(group.FindChild(L"SerialPort"));
    if (!port || (family.needsContext && !port->ChangeContext()))
        return family.notLoaded;
    int32_t number = 0;
    if (KString::ParseIntField(port->GetValue(), number, 0) && number != 0)
        return family.running;
    return family.notRunning;
}

} // namespace

QVZGroupSelector::QVZGroupSelector(const Family &source, QVZOptionsDialog *owner, int left, int top, int width,
                                   int height)
    : KZSelector(left, top, width, height), family(source), dialog(owner)
{
    // The name column, then the state in the rest of the row.
    const int widths[] = { NameWidth(), 0 };
    SetColumnWidths(widths, 2);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    SetExtent(KPoint{ 1, family.count() });
}

QVZGroupSelector::~QVZGroupSelector() = default;

void QVZGroupSelector::Redisplay()
{
    SetExtent(KPoint{ 1, family.count() });
    KZSelector::Redisplay();
    dialog->UpdateDeleteButtons();
}

bool QVZGroupSelector::SetSelection(KPoint unit)
{
    (dialog->*family.store)();
    const bool changed = KZSelector::SetSelection(unit);
    (dialog->*family.load)();
    dialog->UpdateDeleteButtons();
    return changed;
}

void QVZGroupSelector::CellText(KPoint unit, int column, KString &text, uint32_t &flags)
{
    KRGroup *group = family.at(unit.y);
    if (!group)
        return;
    if (column == 0)
        text.Append(group->GetText(L"Name"));
    else
        text.Append(KZSettingText(StateKey(family, *group)));
    if (group->IsOmitted())
        flags |= kCellGreyed;
}

QVZSerialSelector::QVZSerialSelector(QVZOptionsDialog *owner, int left, int top, int width, int height)
    : QVZGroupSelector(kPorts, owner, left, top, width, height)
{
}

QVZScoreboardSelector::QVZScoreboardSelector(QVZOptionsDialog *owner, int left, int top, int width, int height)
    : QVZGroupSelector(kBoards, owner, left, top, width, height)
{
}
