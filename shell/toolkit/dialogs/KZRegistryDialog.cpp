// Layout, showing a node, committing values, New and Delete.
#include "shell/toolkit/dialogs/KZRegistryDialog.h"

#include <algorithm>
#include <cwctype>

#include "foundation/registry/KRIterator.h"
#include "foundation/registry/KRegistry.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/dialogs/KZNodeSelector.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/fields/KZText.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr int kListWidth = 25;          // cells
constexpr int kListRows = 20;           // lines of font 1
constexpr int kButtonWidth = 9;
constexpr int kDisplayWidth = 25;
constexpr int kValueLength = 127;
constexpr int kCommentLines = 12;
constexpr int kNameWidth = 15;
constexpr int kDisplayFont = 1;
constexpr int kStringType = 1;          // "String" in the prototype list
constexpr int kDropDownRows = 15;

const wchar_t *Setting(const wchar_t *key)
{
    return KZSettingText(key).CStr();
}

} // namespace

KZRegistryDialog::KZRegistryDialog(KRegistry *settings)
    : KZDialog(Setting(L"\\Strings\\OtherSettings\\Title"), kButtonOk, kButtonOk), root(settings),
      iterator(new KRIterator(settings))
{
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    AddPrompt(Setting(L"\\Strings\\OtherSettings\\Settings"), kListWidth);
    NewLine();
    selector = new KZNodeSelector(this, iterator.get(), CursorColumn() * display.cellWidth,
                                  CursorRow() * display.cellHeight, kListWidth * display.cellWidth,
                                  kListRows * KZFontHeight(kDisplayFont) + 4);
    AddToContainer(selector);

    const int right = kListWidth + kFieldGap;
    Move(kListWidth + 3 * kFieldGap, 0);
    newButton = AddButton(Setting(L"\\Strings\\OtherSettings\\New"), kEvtNew, kButtonWidth);
    deleteButton = AddButton(Setting(L"\\Strings\\OtherSettings\\Delete"), kEvtDelete, kButtonWidth);

    const int labels = std::max(Cells(Setting(L"\\Strings\\OtherSettings\\Name")),
                                Cells(Setting(L"\\Strings\\OtherSettings\\Type")));
    auto nextRow = [&] {
        NewLine();
        Move(right, 0);
    };
    nextRow();
    AddPrompt(Setting(L"\\Strings\\OtherSettings\\Name"), labels);
    nameDisplay = AddPrompt(L"", kDisplayWidth);
    nextRow();
    AddPrompt(Setting(L"\\Strings\\OtherSettings\\Type"), labels);
    typeDisplay = AddPrompt(L"", kDisplayWidth);
    nextRow();
    AddPrompt(Setting(L"\\Strings\\OtherSettings\\Value"), labels);
    value = AddString(L"", kDisplayWidth - kEditAllowance, kValueLength);
    nextRow();
    AddPrompt(L" ", labels);
    comments = new KZText(CursorColumn() * display.cellWidth, CursorRow() * display.cellHeight,
                          kDisplayWidth * display.cellWidth, kCommentLines * KZFontHeight(kDisplayFont), L"");
    comments->SetCoordinateType(kCoordPixels);
    comments->SetViewOnly(true);
    Place(comments, kDisplayWidth);
}

KZRegistryDialog::~KZRegistryDialog() = default;

ZafEventType KZRegistryDialog::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case kEvtNew:
        NewSetting();
        return event.type;
    case kEvtDelete:
        ToggleDeleted();
        return event.type;
    default:
        return KZDialog::Event(event);
    }
}

void KZRegistryDialog::Finish(int32_t)
{
    if (!current || !value || !value->SelectionChanged())
        return;
    const wchar_t *text = value->Text();
    current->ParseValue(KString(text ? text : L""));
    value->SetSelectionChanged(false);
}

void KZRegistryDialog::ShowNode()
{
    KRNode *node = selector ? selector->NodeAt(selector->Selection().y) : nullptr;
    if (!node || node == current)
        return;
    nameDisplay->SetText(node->Name().CStr());
    typeDisplay->SetText(node->TypeName());
    KString text;
    node->WriteValue(text);
    value->SetText(text.CStr());
    value->SetSelectionChanged(false);
    KString key(L"\\Strings\\Registry\\Comments");
    node->GetPath(key);
    KString comment(root ? root->GetText(key) : KRNode::EmptyText());
    comment.ExpandNewlines();
    comments->SetText(comment.CStr());
    current = node;
    UpdateDeleteButton();
    // A setting chosen with the mouse gives the keyboard to its Value field.
    // A group has no value to edit, and keys walking the tree go on walking
    // it: the keyboard stays with the list.
    if (!value->OSWindow())
        return;
    if (node->IsGroup() || selector->MovingByKeys())
        selector->SetFocus(true);
    else
        value->SetFocus(true);
}

void KZRegistryDialog::UpdateDeleteButton()
{
    if (!deleteButton)
        return;
    const bool omitted = current && current->IsOmitted();
    deleteButton->SetText(Setting(omitted ? L"\\Strings\\OtherSettings\\Undelete" : L"\\Strings\\OtherSettings\\Delete"));
}

void KZRegistryDialog::ToggleDeleted()
{
    if (!current)
        return;
    current->SetOmitted(!current->IsOmitted());
    selector->Redisplay();
    UpdateDeleteButton();
}

bool KZRegistryDialog::IsAcceptableName(const KRNode *parent, const KString &name)
{
    const int length = name.Length();
    if (length == 0 || length > KRNode::kMaxName)
        return false;
    if (std::iswspace(name[0]) || std::iswspace(name[length - 1]))
        return false;
    for (int i = 0; i < length; ++i) {
        const wchar_t c = name[i];
        if (c == L'\\' || c == L':' || c == L'=' || c < 0x20 || c == 0x7F)
            return false;
    }
    return !parent || !parent->FindChild(name.CStr(), length);
}

bool KZRegistryDialog::AddSetting(const KString &name, int typeIndex)
{
    if (!current)
        return false;
    const KRNode *prototype = KRegistry::PrototypeAt(typeIndex);
    KRNode *parent = current->IsGroup() ? current : current->Parent();
    KRNode *after = current->IsGroup() ? nullptr : current;
    if (!prototype || !parent || !IsAcceptableName(parent, name))
        return false;
    KRNode *node = prototype->NewNode();
    node->AppendName(name);
    parent->AddChild(node, after);
    // The new row is the one below the current node: a closed group opens.
    if (current->IsGroup())
        current->SetExpanded(true);
    const KPoint below(0, selector->Selection().y + 1);
    selector->Redisplay();
    selector->Select(below);
    return true;
}

void KZRegistryDialog::NewSetting()
{
    if (!current)
        return;
    KZDialog ask(Setting(L"\\Strings\\OtherSettings\\NewSetting"), kButtonOk | kButtonCancel, kButtonOk);
    const int labels = std::max(ask.TextCells(Setting(L"\\Strings\\OtherSettings\\Type")),
                                ask.TextCells(Setting(L"\\Strings\\OtherSettings\\Name")));
    ask.AddPrompt(Setting(L"\\Strings\\OtherSettings\\Type"), labels);
    ask.BeginComboBox();
    for (int i = 0; i < KRegistry::PrototypeCount(); ++i)
        ask.AddComboItem(KRegistry::PrototypeAt(i)->TypeName(), 0);
    KZComboBox *type = ask.EndComboBox(kStringType, false, kDropDownRows);
    ask.NewLine();
    ask.AddPrompt(Setting(L"\\Strings\\OtherSettings\\Name"), labels);
    KZString *name = ask.AddString(L"", kNameWidth, kNameWidth);
    name->SetFocus(true);
    if (ask.DoModal() != kDialogOk)
        return;
    const wchar_t *text = name->Text();
    AddSetting(KString(text ? text : L""), type->Selection());
}
