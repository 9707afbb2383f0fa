#ifndef SHELL_LIST_TEST_SUPPORT_H
#define SHELL_LIST_TEST_SUPPORT_H

// Support for the tests of the owner-drawn lists and of the panes built on
// them: a selector that records what it draws and selects, a hand that
// clicks and drags on a real list window with posted mouse messages, and a
// fixture that puts a list into the toolkit fixture's window.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "foundation/values/KPoint.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/lists/KZSelector.h"

// A selector that records its DrawUnit, DrawCell, SetSelection and
// CellClicked calls and takes its cell texts from a function. With
// rowColors, each row's background is a colour of its own (RowColor), so
// that pixels tell the rows apart.
class RecordingSelector : public KZSelector
{
public:
    struct Cell
    {
        KPoint unit;
        int column;
    };
    struct Click
    {
        KPoint pixel;
        int mode;
    };

    RecordingSelector(int left, int top, int width, int height) : KZSelector(left, top, width, height) {}

    void DrawUnit(KPoint unit) override;
    void DrawCell(KPoint unit, int column) override;
    bool SetSelection(KPoint unit) override;
    bool CellClicked(KPoint pixel, int mode) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;
    KZPaletteEntry UnitPalette(KPoint unit, uint16_t type, uint16_t state) override;

    // The rows DrawUnit was called for, in order.
    std::vector<int> DrawnRows() const;
    void ClearRecords();
    static COLORREF RowColor(int row);

    std::vector<KPoint> drawnUnits;
    std::vector<Cell> drawnCells;
    std::vector<KPoint> selections;          // each stored selection that changed
    std::vector<Click> clicks;
    std::function<std::wstring(KPoint unit, int column)> text;
    bool rowColors = false;
    bool clickAnswer = false;                // what CellClicked answers
};

// Posts mouse messages to an object's OS window at client pixel positions
// and dispatches them at once, as a user's hand would produce them.
class ListHand
{
public:
    explicit ListHand(ZafWindowObject *window) : window(window) {}

    void Press(int x, int y);                 // left button down
    void Move(int x, int y);                  // moved with the left button held
    void Release(int x, int y);               // left button up
    void Click(int x, int y);                 // press and release
    void RightPress(int x, int y);
    void Hover(int x, int y);                 // moved with no button
    // Press at from, moves in steps to to, release there.
    void Drag(KPoint from, KPoint to, int steps);
    // Dispatches every message waiting for this thread.
    static void Dispatch();

private:
    void Post(UINT message, WPARAM buttons, int x, int y);
    ZafWindowObject *window;
};

// The toolkit fixture with helpers for lists.
class ListTest : public ToolkitTest
{
protected:
    // A recording selector of width x height pixels at (10, 10) in the
    // fixture's window, with rows rows of 16 pixels and, when asked, a
    // vertical support scroll bar.
    RecordingSelector *MakeList(int width, int height, int rows, bool verticalBar = false);
    static bool Near(COLORREF a, COLORREF b);
    static void Wait(int milliseconds) { Pump(milliseconds); }
};

#endif
