#pragma once
// KZEditableSelectorString: the one-line field an editable selector opens over
// a cell. While open it keeps the mouse and the keyboard; Enter, Escape, Tab,
// Shift+Tab and a left press outside it end the edit by queueing the program
// event kEvtCellEdited for its list, so that the edit ends after the current
// event, never inside the field's own handler. A press outside ends it like
// Enter: what was typed is kept. Owned by its list.

#include <cstdint>

#include "shell/toolkit/fields/KZString.h"

class KZEditableSelector;

class KZEditableSelectorString : public KZString
{
public:
    // rect in the owner's client pixels; no length limit, no border.
    KZEditableSelectorString(KZEditableSelector *owner, const KRect &rect, const wchar_t *text);
    // Lets the mouse go.
    ~KZEditableSelectorString() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // Queues kEvtCellEdited with the end code for the owner.
    void PostEnd(int32_t code);

    KZEditableSelector *Owner() const { return owner; }

private:
    void KeepInput();

    KZEditableSelector *owner;
    bool capture = false;
    bool keeping = false;        // inside KeepInput
};
