#pragma once
// KZComboBox: the toolkit's combo box, a framework combo box with the window
// leech, that selects entries by index and by text. On newer systems (above
// version 6.1) the framework's record of a dropped-down list is cleared after
// every event, so that the list is not forced shut by the next mouse press
// elsewhere. Owns its entries; owned by its window; GUI thread only.

#include "framework/controls/ZafComboBox.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZComboBox : public ZafComboBox, public KZWindowLeech
{
public:
    // editable: the user may type a text of their own.
    KZComboBox(int left, int top, int width, int height, bool editable);

    ZafEventType Event(const ZafEventStruct &event) override;

    // Editable: the edit text. Otherwise the selected entry's text, null
    // when none is selected.
    const ZafIChar *Text() override;
    // Selects the first entry whose text equals text; when none does, an
    // editable box takes the text as its edit text, another changes nothing.
    void SetValue(const wchar_t *text);
    // The selected entry's index, -1 for none.
    int Selection() const;
    // Selects the entry at index; nothing outside the list.
    void SetSelection(int index);
    // Removes and deletes every entry.
    void Clear();
    bool Editable() const { return !ViewOnly(); }

    // Whether a system of that version (major x 100 + minor) needs the
    // dropped-list record cleared.
    static bool ClearsDroppedRecord(int version) { return version > 601; }

    using ZafComboBox::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafComboBox::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafComboBox::DrawEdge;
    using KZWindowLeech::DrawEdge;

private:
    ZafWindowObject *Entry(int index) const;
};
