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

namespace {

struct Family
{
    int (*count)();
    KRGroup *(*at)(int n);
    const wchar_t *running;
    const wchar_t *notRunning;
    const wchar_t *notLoaded;
    bool needsContext;   // a board is loaded only when its object watches its port
};

const Family kPorts = { &QVSerialPort::GroupCount, &QVSerialPort::GroupAt, L"\\Strings\\Options\\Serial\\Running",
                        L"\\Strings\\Options\\Serial\\NotRunning", L"\\Strings\\Options\\Serial\\NotLoaded", false };
const Family kBoards = { &QVScoreboards::GroupCount, &QVScoreboards::GroupAt,
                         L"\\Strings\\Options\\Scoreboard\\Running", L"\\Strings\\Options\\Scoreboard\\NotRunning",
                         L"\\Strings\\Options\\Scoreboard\\NotLoaded", true };

int NameWidth()
{
    return QVZOptionsDialog::kNameColumn * ZafDisplay::SharedOrDefault().cellWidth;
}

void Configure(KZSelector &list, const Family &family)
{
    list.Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    list.SetExtent(KPoint{ 1, family.count() });
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

void GroupCellText(const Family &family, KPoint unit, int column, KString &text, uint32_t &flags)
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

void NarrowToColumn(int nameWidth, int column, KRect &rect)
{
    if (column == 0)
        rect.right = rect.left + nameWidth - 1;
    else
        rect.left += nameWidth;
}

} // namespace

// ---- Ports ----

QVZSerialSelector::QVZSerialSelector(QVZOptionsDialog *owner, int left, int top, int width, int height)
    : KZSelector(left, top, width, height), dialog(owner), nameWidth(NameWidth())
{
    Configure(*this, kPorts);
}

QVZSerialSelector::~QVZSerialSelector() = default;

void QVZSerialSelector::Redisplay()
{
    SetExtent(KPoint{ 1, kPorts.count() });
    KZSelector::Redisplay();
}

bool QVZSerialSelector::SetSelection(KPoint unit)
{
    dialog->StoreSerialPort();
    const bool changed = KZSelector::SetSelection(unit);
    dialog->LoadSerialPort();
    return changed;
}

int QVZSerialSelector::ColumnCount(KPoint)
{
    return 2;
}

void QVZSerialSelector::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    NarrowToColumn(nameWidth, column, rect);
    KZSelector::CellRect(unit, column, rect, part);
}

void QVZSerialSelector::CellText(KPoint unit, int column, KString &text, uint32_t &flags)
{
    GroupCellText(kPorts, unit, column, text, flags);
}

// ---- Boards ----

QVZScoreboardSelector::QVZScoreboardSelector(QVZOptionsDialog *owner, int left, int top, int width, int height)
    : KZSelector(left, top, width, height), dialog(owner), nameWidth(NameWidth())
{
    Configure(*this, kBoards);
}

QVZScoreboardSelector::~QVZScoreboardSelector() = default;

void QVZScoreboardSelector::Redisplay()
{
    SetExtent(KPoint{ 1, kBoards.count() });
    KZSelector::Redisplay();
}

bool QVZScoreboardSelector::SetSelection(KPoint unit)
{
    dialog->StoreScoreboard();
    const bool changed = KZSelector::SetSelection(unit);
    dialog->LoadScoreboard();
    return changed;
}

int QVZScoreboardSelector::ColumnCount(KPoint)
{
    return 2;
}

void QVZScoreboardSelector::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    NarrowToColumn(nameWidth, column, rect);
    KZSelector::CellRect(unit, column, rect, part);
}

void QVZScoreboardSelector::CellText(KPoint unit, int column, KString &text, uint32_t &flags)
{
    GroupCellText(kBoards, unit, column, text, flags);
}
