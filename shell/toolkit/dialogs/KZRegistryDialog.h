#pragma once
// KZRegistryDialog: the "Other Settings" editor. Its left half lists the
// whole settings tree (KZNodeSelector), its right half shows the selected
// node's name, type, value (editable) and comment. A changed value goes into
// the node when another row is selected and when the dialog closes; New
// adds a setting or group, Delete marks a node omitted (not written to the
// settings file) and Undelete takes the mark away. Every change goes
// straight into the live tree, which must outlive the dialog. GUI thread
// only.

#include <memory>

#include "shell/toolkit/dialogs/KZDialog.h"

class KRIterator;
class KRNode;
class KRegistry;
class KZButton;
class KZNodeSelector;
class KZPrompt;
class KZString;
class KZText;

class KZRegistryDialog : public KZDialog
{
public:
    static constexpr ZafEventType kEvtNew = 10023;      // New
    static constexpr ZafEventType kEvtDelete = 10024;   // Delete / Undelete

    explicit KZRegistryDialog(KRegistry *root);
    ~KZRegistryDialog() override;

    // New and Delete here; everything else as KZDialog.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Gives a changed value field's text to the current node's parser.
    void Finish(int32_t result) override;
    // Shows the node of the selected row (nothing when it is shown already).
    void ShowNode();
    // "Undelete" while the current node is omitted, else "Delete".
    void UpdateDeleteButton();

    // Adds a node of the prototype at typeIndex (Group, String, Int, Rat,
    // Bool, Float) named name: first in the current node when that is a
    // group (which then opens), else right after it; the new row is
    // selected. False, nothing changed, without a current node or for a
    // name the settings file could not carry back (see IsAcceptableName).
    bool AddSetting(const KString &name, int typeIndex);
    // A name is 1 to 15 characters without blanks at either end, "\", ":",
    // "=" or control characters, and no sibling under parent has it (case
    // ignored).
    static bool IsAcceptableName(const KRNode *parent, const KString &name);

    KRNode *CurrentNode() const { return current; }
    KZNodeSelector *Selector() const { return selector; }
    KZButton *DeleteButton() const { return deleteButton; }
    KZString *ValueField() const { return value; }

private:
    void NewSetting();
    void ToggleDeleted();

    KRegistry *root;
    std::unique_ptr<KRIterator> iterator;
    KRNode *current = nullptr;
    KZNodeSelector *selector = nullptr;
    KZButton *newButton = nullptr;
    KZButton *deleteButton = nullptr;
    KZPrompt *nameDisplay = nullptr;
    KZPrompt *typeDisplay = nullptr;
    KZString *value = nullptr;
    KZText *comments = nullptr;
};
