// The options dialog's four pages, laid out with the dialog builder.
#include "shell/app/VZSettingKeys.h"
#include "ui/options/QVZOptionsDialog.h"

#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/values/KHelpers.h"
#include "framework/core/display/ZafDisplay.h"
#include "domain/hardware/QVSerialPort.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "imaging/ports/VZSerialPort.h"
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

#include <climits>

namespace {

constexpr double kAxisMinimum = -3.0;
constexpr double kAxisMaximum = 2.0;
constexpr int kFolderWidth = 30;
constexpr int kFolderLength = 255;
constexpr int kAxisWidth = 3;
constexpr int kPageSizeWidth = 3;
constexpr int kPageTimeWidth = 6;
constexpr int kTimeLength = 20;

const wchar_t *Label(const wchar_t *key)
{
    return KZSettingText(key).CStr();
}

KRegistry *Settings()
{
    return VZApplication::Registry();
}

int IntSetting(const wchar_t *key, int fallback)
{
    KRInt *entry = Settings() ? Settings()->GetInt(key) : nullptr;
    return entry ? entry->Value() : fallback;
}

bool BoolSetting(const wchar_t *key)
{
    KRBool *entry = Settings() ? Settings()->GetBool(key) : nullptr;
    return entry && entry->Value();
}

double FloatSetting(const wchar_t *key, double fallback)
{
    KRFloat *entry = Settings() ? Settings()->GetFloat(key) : nullptr;
    return entry ? entry->Value() : fallback;
}

} // namespace

void QVZOptionsDialog::BuildGeneral()
{
    BeginPage(Label(L"\\Strings\\Options\\General\\Title"));
    AddPrompt(Label(L"\\Strings\\Options\\General\\SingleEvent"));
    BeginRadioGroup();
    AddRadioButton(Label(L"\\Strings\\Options\\General\\SEOff"), 0);
    AddRadioButton(Label(L"\\Strings\\Options\\General\\SEOn"), 0);
    singleEvent = EndRadioGroup(IntSetting(QVZOptionsKeys::kSingleEvent, 1));
    NewLine();

    AddPrompt(Label(L"\\Strings\\Options\\General\\EventDir"));
    const KString &folder = Settings() ? Settings()->GetText(QVZOptionsKeys::kEventDirectory) : KRNode::EmptyText();
    eventFolder = AddDirectory(folder.CStr(), kFolderWidth, kFolderLength);
    NewLine();

    AddPrompt(Label(L"\\Strings\\Options\\General\\Language"));
    BeginComboBox();
    KRGroup *choices = Settings() ? Settings()->GetGroup(kKeyLanguageChoices) : nullptr;
    for (KRNode *child = choices ? choices->NextChild() : nullptr; child; child = choices->NextChild(child)) {
        KString name;
        if (auto *entry = dynamic_cast<KRString *>(child))
            entry->GetValue().GetField(name, 1);
        AddComboItem(name.CStr(), 0);
    }
    VZApplication *app = VZApplication::Instance();
    language = EndComboBox(app ? app->LanguageIndex() : -1, false, kDropDownRows);
    language->SetSelectionChanged(false);
    NewLine();
    AlignColumn(1);

    AddPrompt(Label(L"\\Strings\\Options\\General\\Restart"));
    EndPage();
}

void QVZOptionsDialog::AddListTitles(const wchar_t *nameKey, const wchar_t *statusKey)
{
    Move(0, -1);
    AddPrompt(Label(nameKey), kNameColumn - kPromptAllowance - kFieldGap);
    AddPrompt(Label(statusKey));
    NewLine();
}

template <class List> List *QVZOptionsDialog::AddGroupList(const wchar_t *nameKey, const wchar_t *statusKey)
{
    AddListTitles(nameKey, statusKey);
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int row = CursorRow(), column = CursorColumn();
    auto *list = new List(this, column * display.cellWidth, row * display.cellHeight,
                          (kNameColumn + kStatusColumn) * display.cellWidth, ListHeight());
    AddToContainer(list);
    return list;
}

int QVZOptionsDialog::ListHeight() const
{
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int line = FontHeight() > 0 ? FontHeight() : 1;
    return (2 * display.cellHeight - 4) / line * line + 4;
}

void QVZOptionsDialog::AddListButtons(const wchar_t *newKey, int32_t newCode, const wchar_t *deleteKey,
                                      int32_t deleteCode)
{
    const int step = kNameColumn + kStatusColumn + kFieldGap;
    Move(step, 0);
    KZButton *added = AddButton(Label(newKey), newCode, kListButtonWidth);
    NewLine();
    Move(step, 0);
    KZButton *removed = AddButton(Label(deleteKey), deleteCode, kListButtonWidth);
    NewLine();
    if (newCode == kCmdOptionsSerialNew) {
        portNew = added;
        portDelete = removed;
    } else {
        boardNew = added;
        boardDelete = removed;
    }
}

std::unique_ptr<KZSerialPort> QVZOptionsDialog::AddPortPanel(uint32_t options, const wchar_t *noneText)
{
    // The hardware hub's ports follow the machine's in the port list.
    auto panel = std::make_unique<VZSerialPort>(this, options);
    panel->Build(noneText);
    return panel;
}

void QVZOptionsDialog::EnablePortFields(bool enable)
{
    portName->SetDisabled(!enable);
    portPanel->EnableFields(enable);
}

void QVZOptionsDialog::BuildSerial()
{
    BeginPage(Label(L"\\Strings\\Options\\Serial\\Title"));
    portList = AddGroupList<QVZSerialSelector>(L"\\Strings\\Options\\Serial\\PortName",
                                                L"\\Strings\\Options\\Serial\\PortStatus");
    AddListButtons(L"\\Strings\\Options\\Serial\\New", kCmdOptionsSerialNew, L"\\Strings\\Options\\Serial\\Delete",
                   kCmdOptionsSerialDelete);

    AddPrompt(Label(L"\\Strings\\Options\\Serial\\Name"));
    portName = AddString(L" ", kGroupNameWidth, kGroupNameLength);
    NewLine();
    AddPrompt(Label(L"\\Strings\\Options\\Serial\\SerialPort"));
    portPanel = AddPortPanel(kPortOptions, nullptr);
    NewLine();
    NewLine();

    AddPrompt(L" ");
    promptTrace = AddCheckBox(Label(L"\\Strings\\Options\\Serial\\PromptTraceDL"),
                              BoolSetting(QVZOptionsKeys::kPromptTraceDL), 0);
    NewLine();
    AddPrompt(L" ");
    addToOverlay = AddCheckBox(Label(L"\\Strings\\Options\\Serial\\AddDLToOvly"),
                               BoolSetting(QVZOptionsKeys::kAddDLToOverlay), 0);
    NewLine();
    AddPrompt(L" ");
    if (QVSerialPort::GroupCount() == 0)
        EnablePortFields(false);
    EndPage();
}

KZComboBox *QVZOptionsDialog::AddColorBox(const wchar_t *key)
{
    BeginComboBox();
    for (const wchar_t *name : QVZOptionsKeys::kColorNames) {
        KString colorKey(QVZOptionsKeys::kColors);
        colorKey.Append(name);
        AddComboItem(KZSettingText(colorKey.CStr()).CStr(), 0);
    }
    return EndComboBox(IntSetting(key, 0), false, kDropDownRows);
}

void QVZOptionsDialog::BuildChart()
{
    BeginPage(Label(L"\\Strings\\Options\\Chart\\Title"));
    AddPrompt(Label(L"\\Strings\\Options\\Chart\\BrushWidth"));
    BeginComboBox();
    for (int width = 1; width <= 10; ++width) {
        KString text;
        text.AppendInt(width);
        AddComboItem(text.CStr(), 0);
    }
    chartBoxes[0] = EndComboBox(IntSetting(QVZOptionsKeys::kChartBoxes[0], 1) - 1, false, kDropDownRows);
    NewLine();

    AddPrompt(Label(L"\\Strings\\Options\\Chart\\BrushStyle\\Title"));
    BeginComboBox();
    for (const wchar_t *style : QVZOptionsKeys::kPenStyles)
        AddComboItem(Label(style), 0);
    chartBoxes[1] = EndComboBox(IntSetting(QVZOptionsKeys::kChartBoxes[1], 0), false, kDropDownRows);
    NewLine();

    const wchar_t *colorPrompts[3] = { L"\\Strings\\Options\\Chart\\BrushColor", L"\\Strings\\Options\\Chart\\BGColor",
                                       L"\\Strings\\Options\\Chart\\BGFaceColor" };
    for (int n = 0; n < 3; ++n) {
        AddPrompt(Label(colorPrompts[n]));
        chartBoxes[2 + n] = AddColorBox(QVZOptionsKeys::kChartBoxes[2 + n]);
        NewLine();
    }

    AddPrompt(Label(L"\\Strings\\Options\\Chart\\Scale"));
    AddPrompt(Label(L"\\Strings\\Options\\Chart\\Minimum"));
    minimumField = AddReal(FloatSetting(kKeyChartMinX, kAxisMinimum), kAxisWidth, kAxisMinimum, kAxisMaximum);
    Move(1, 0);
    AddPrompt(Label(L"\\Strings\\Options\\Chart\\Maximum"));
    maximumField = AddReal(FloatSetting(kKeyChartMaxX, kAxisMaximum), kAxisWidth, kAxisMinimum, kAxisMaximum);
    AlignColumn(1);
    EndPage();
}

KZRadioGroup *QVZOptionsDialog::AddCodeSet(int initial)
{
    BeginRadioGroup();
    AddRadioButton(Label(L"\\Strings\\CharMode\\SingleByte"), 0);
    AddRadioButton(Label(L"\\Strings\\CharMode\\Unicode"), 0);
    KZButton *native = AddRadioButton(Label(L"\\Strings\\CharMode\\Native"), 0);
    native->SetDisabled(!KUseAnsiApi());
    return EndRadioGroup(initial);
}

KZString *QVZOptionsDialog::AddTimeField(int width)
{
    return AddString(L" ", width, kTimeLength);
}

void QVZOptionsDialog::EnableBoardFields(bool enable)
{
    ZafWindowObject *fields[] = { boardName, script, codeSet, resultsMode, pagingBox,
                                  pageSize, pageTime, includeFirst, affiliation };
    for (ZafWindowObject *field : fields)
        field->SetDisabled(!enable);
    boardPanel->EnableFields(enable);
}

void QVZOptionsDialog::BuildScoreboard()
{
    boardGroup = nullptr;
    ZafWindow *page = BeginPage(Label(L"\\Strings\\Options\\Scoreboard\\Title"));
    boardList = AddGroupList<QVZScoreboardSelector>(L"\\Strings\\Options\\Scoreboard\\ListName",
                                                    L"\\Strings\\Options\\Scoreboard\\ListStatus");
    AddListButtons(L"\\Strings\\Options\\Scoreboard\\New", kCmdOptionsScoreboardNew,
                   L"\\Strings\\Options\\Scoreboard\\Delete", kCmdOptionsScoreboardDelete);
    int firstField = 0;
    for (ZafWindowObject *child = page->FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        ++firstField;

    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\Script"));
    BeginComboBox();
    for (KRString *entry = QVScoreboards::NextScript(nullptr); entry; entry = QVScoreboards::NextScript(entry))
        AddComboItem(entry->GetValue().CStr(), 0);
    script = EndComboBox(0, false, kDropDownRows);
    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\Name"));
    boardName = AddString(L" ", kGroupNameWidth, kGroupNameLength);
    NewLine();

    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\CharMode"));
    codeSet = AddCodeSet(-1);
    NewLine();
    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\SerialPort"));
    boardPanel = AddPortPanel(kPortOptions, nullptr);
    NewLine();

    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\ResultsMode"));
    BeginRadioGroup();
    AddRadioButton(Label(L"\\Strings\\Options\\Scoreboard\\RMOff"), 0);
    AddRadioButton(Label(L"\\Strings\\Options\\Scoreboard\\RMAutomatic"), 0);
    AddRadioButton(Label(L"\\Strings\\Options\\Scoreboard\\RMManual"), 0);
    resultsMode = EndRadioGroup(0);
    pagingBox = AddCheckBox(Label(L"\\Strings\\Options\\Scoreboard\\PageMode"), false, kCmdOptionsPagingToggled);
    Move(1, 0);
    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\PMSize"));
    pageSize = AddInteger(0, kPageSizeWidth, INT32_MIN, INT32_MAX);
    Move(1, 0);
    AddPrompt(Label(L"\\Strings\\Options\\Scoreboard\\PMTime"));
    pageTime = AddTimeField(kPageTimeWidth);
    NewLine();

    AddPrompt(L" ");
    includeFirst = AddCheckBox(Label(L"\\Strings\\Options\\Scoreboard\\IncludeFirst"), false, 0);
    Move(1, 0);
    affiliation = AddCheckBox(Label(L"\\Strings\\Options\\Scoreboard\\AffilAbbr"), false, 0);
    NewLine();
    AlignColumn(1, firstField);
    if (QVScoreboards::GroupCount() == 0)
        EnableBoardFields(false);
    EndPage();
}
