#pragma once
// KZEditableSelector: a selector whose cells are edited in place. A left press
// on a cell of the already selected row opens a one-line field
// (KZEditableSelectorString) exactly over the cell; Enter, Escape, a press
// outside the field, Tab and Shift+Tab end the edit through the program event
// kEvtCellEdited (only Escape drops the text; a press outside keeps it, as
// Enter does), after which the pane stores the text and editing may go on in
// the next editable cell of the same or the adjacent row. The pane decides
// which cells are editable, supplies the text, stores the result and tells
// whether editing may move on. While an edit runs the list's redisplays are
// held. Owns its open field; owned by its parent window; GUI thread only.

#include <cstdint>

#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/lists/KZSelector.h"

class KZEditableSelectorString;

class KZEditableSelector : public KZSelector
{
public:
    // Pixels; cells get 1-pixel margins and a sunken 1-pixel edge, rows 2
    // pixels more height.
    KZEditableSelector(int left, int top, int width, int height);
    ~KZEditableSelector() override;

    // Tab and Shift+Tab end an open edit; kEvtCellEdited ends it for good.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Held while an edit runs.
    void Redisplay() override;
    using KZSelector::Redisplay;
    // A left press on an editable cell of the selected row starts editing.
    bool CellClicked(KPoint pixel, int mode) override;
    // Part 3 (the editor's area) is the content area.
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    // The selected row in the window colours, the other rows in the framework's.
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;

    // ---- Pane slots, in order ----
    virtual void MarkEditing();
    // Clears the editing flag; true when editing must not move to another row.
    virtual bool ClearEditing();
    // The next editable column after the given one (-1: from the first), -1
    // when the unit has none; -2 (base): no navigation.
    virtual int NextEditableColumn(KPoint unit, int after);
    // The previous editable column before the given one (-1: from the last).
    virtual int PrevEditableColumn(KPoint unit, int before);
    virtual bool CanEdit(KPoint unit, int column);
    // Stores the editor's text (its framework text); base nothing.
    virtual void CommitEdit(int column, KZEditableSelectorString *editor, int32_t code);
    virtual bool NeedsRedisplay();

    bool IsEditing() const { return (editingFlags & kEditingActive) != 0; }
    int EditColumn() const { return editColumn; }
    KZEditableSelectorString *Editor() const { return editor; }
    // Opens the field over the edit column of the selected row; when it
    // cannot be made, editing ends and the list is redrawn.
    void OpenEditor();
    // Closes the field (committing unless the code is Escape) and moves on
    // by the code: kEvtKeyUp, kEvtKeyLeft, kEvtShiftTab backward; kEvtKeyDown,
    // kEvtKeyRight, kEvtTab forward.
    void EndEdit(int32_t code);

    // The field has queued an end for this list.
    void NoteQueuedEnd() { ++queuedEnds; }

protected:
    // The field for the rectangle (client pixels) and text; null when it
    // cannot be made.
    virtual KZEditableSelectorString *MakeEditor(const KRect &rect, const wchar_t *text);

private:
    void CloseEditor();
    void DropQueuedEnds();

    uint32_t editingFlags = 0;
    int editColumn = -1;
    KZEditableSelectorString *editor = nullptr;
    int queuedEnds = 0;
};
