// KZEditableSelector: starting, ending and moving an edit, and its colours.
#include "shell/toolkit/lists/KZEditableSelector.h"

#include <windows.h>

#include <new>
#include <vector>

#include "foundation/strings/KString.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/toolkit/lists/KZEditableSelectorString.h"

namespace {

bool IsBackward(int32_t code) { return code == kEvtKeyUp || code == kEvtKeyLeft || code == kEvtShiftTab; }
bool IsForward(int32_t code) { return code == kEvtKeyDown || code == kEvtKeyRight || code == kEvtTab; }

} // namespace

KZEditableSelector::KZEditableSelector(int left, int top, int width, int height)
    : KZSelector(left, top, width, height)
{
    SetCellMargins(KRect(1, 1, 1, 1));
    SetCellEdgeDepth(-1);
    SetUnitSize(KPoint(UnitSize().x, UnitSize().y + 2));
}

KZEditableSelector::~KZEditableSelector()
{
    DropQueuedEnds();
}

// An end still queued for this list would reach it after it went: take it
// out of the queue, keeping every other event in its order.
void KZEditableSelector::DropQueuedEnds()
{
    ZafEventManager *events = ZafEventManager::Shared();
    if (!events || queuedEnds == 0)
        return;
    std::vector<ZafEventStruct> kept;
    ZafEventStruct event;
    while (events->TakeQueued(event))
        if (!(event.type == kEvtCellEdited && event.windowObject == this))
            kept.push_back(event);
    for (const ZafEventStruct &other : kept)
        events->Put(other, ZAF_QUEUE_BACK);
    queuedEnds = 0;
}

ZafEventType KZEditableSelector::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code == kEvtShiftTab || code == kEvtTab) {
        if (editor)
            editor->PostEnd(code);
        return code;
    }
    if (code == kEvtCellEdited) {
        if (queuedEnds > 0)
            --queuedEnds;
        EndEdit(int32_t(event.rawCode));
        return code;
    }
    return KZSelector::Event(event);
}

void KZEditableSelector::Redisplay()
{
    if (!IsEditing())
        KZSelector::Redisplay();
}

bool KZEditableSelector::CellClicked(KPoint pixel, int mode)
{
    if (!(mode & kClickOnSelected))
        return false;
    KPoint unit = pixel;
    int column = -1;
    ColumnAt(unit, &column);
    if (column < 0 || !CanEdit(unit, column))
        return false;
    editColumn = column;
    MarkEditing();
    OpenEditor();
    return true;
}

void KZEditableSelector::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    KZSelector::CellRect(unit, column, rect, part == kPartEditor ? kPartContent : part);
}

// ---- Pane slots ---------------------------------------------------------------------

void KZEditableSelector::MarkEditing() { editingFlags |= kEditingActive; }

bool KZEditableSelector::ClearEditing()
{
    editingFlags &= ~kEditingActive;
    return false;
}

int KZEditableSelector::NextEditableColumn(KPoint, int) { return -2; }
int KZEditableSelector::PrevEditableColumn(KPoint, int) { return -2; }
bool KZEditableSelector::CanEdit(KPoint, int) { return false; }
void KZEditableSelector::CommitEdit(int, KZEditableSelectorString *, int32_t) {}
bool KZEditableSelector::NeedsRedisplay() { return false; }

// ---- The editor ---------------------------------------------------------------------

KZEditableSelectorString *KZEditableSelector::MakeEditor(const KRect &rect, const wchar_t *text)
{
    return new (std::nothrow) KZEditableSelectorString(this, rect, text);
}

// A field that cannot be made must not leave the list frozen with its
// redisplays held: the edit ends at once.
void KZEditableSelector::OpenEditor()
{
    const KPoint unit = Selection();
    KRect rect;
    UnitRect(unit, rect);
    CellRect(unit, editColumn, rect, kPartEditor);
    KString255 text;
    uint32_t flags = 8;
    CellText(unit, editColumn, text, flags);
    editor = MakeEditor(rect, text.CStr());
    if (!editor) {
        ClearEditing();
        Redisplay();
        return;
    }
    Add(editor);
    editor->TakeFocus();
    editor->SetSelectionChanged(false);
}

void KZEditableSelector::CloseEditor()
{
    KZEditableSelectorString *closing = editor;
    editor = nullptr;
    Subtract(closing);
    delete closing;
    DrawUnit(Selection());
}

void KZEditableSelector::EndEdit(int32_t code)
{
    if (!editor)
        return;
    if (code != kEvtCancelKey)
        CommitEdit(editColumn, editor, code);
    CloseEditor();

    const KPoint s = Selection();
    const KPoint e = Extent();
    int column = -2;
    KPoint next = s;
    int nextColumn = -1;
    if (IsBackward(code)) {
        column = PrevEditableColumn(s, editColumn);
        next = s.x > 0 ? KPoint(s.x - 1, s.y) : KPoint(e.x - 1, s.y - 1);
        nextColumn = PrevEditableColumn(next, -1);
    } else if (IsForward(code)) {
        column = NextEditableColumn(s, editColumn);
        next = s.x < e.x - 1 ? KPoint(s.x + 1, s.y) : KPoint(0, s.y + 1);
        nextColumn = NextEditableColumn(next, -1);
    }

    if (column >= 0) {
        editColumn = column;
        OpenEditor();
    } else if (column == -1 && ExtentRect().ContainsPoint(next) && nextColumn >= 0) {
        if (ClearEditing()) {
            Redisplay();
            return;
        }
        Select(next);
        ScrollIntoView(Selection(), true, true);
        editColumn = nextColumn;
        MarkEditing();
        OpenEditor();
    } else if (ClearEditing() || NeedsRedisplay()) {
        Redisplay();
    }
}

// ---- Colours ------------------------------------------------------------------------

void KZEditableSelector::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    const bool selected = (state & kStateSelected) != 0;
    const bool greyed = (state & kStateGreyed) != 0;
    if (type & (kPaletteText | kPaletteFaceText))
        UseSystemColors(palette, greyed ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT, selected ? COLOR_WINDOW : -1);
    else if ((type & kPaletteBackground) && selected)
        UseSystemColors(palette, COLOR_WINDOW, COLOR_WINDOW);
    ResolveFrameworkColors(palette, type, state);
}
