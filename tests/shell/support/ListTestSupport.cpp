#include "shell/support/ListTestSupport.h"

#include "foundation/strings/KString.h"
#include "framework/controls/ZafScrollBar.h"
#include "shell/toolkit/window/KZWindow.h"

// ---- RecordingSelector ----------------------------------------------------------------

void RecordingSelector::DrawUnit(KPoint unit)
{
    drawnUnits.push_back(unit);
    KZSelector::DrawUnit(unit);
}

void RecordingSelector::DrawCell(KPoint unit, int column)
{
    drawnCells.push_back({ unit, column });
    KZSelector::DrawCell(unit, column);
}

bool RecordingSelector::SetSelection(KPoint unit)
{
    const bool changed = KZSelector::SetSelection(unit);
    if (changed)
        selections.push_back(Selection());
    return changed;
}

bool RecordingSelector::CellClicked(KPoint pixel, int mode)
{
    clicks.push_back({ pixel, mode });
    return clickAnswer;
}

void RecordingSelector::CellText(KPoint unit, int column, KString &out, uint32_t &flags)
{
    if (text)
        out.Append(text(unit, column).c_str());
    else
        KZSelector::CellText(unit, column, out, flags);
}

KZPaletteEntry RecordingSelector::UnitPalette(KPoint unit, uint16_t type, uint16_t state)
{
    KZPaletteEntry entry = KZSelector::UnitPalette(unit, type, state);
    if (rowColors && type == 0x02) {
        entry.palette.colorBackground = ZafInt8(ZAF_SYSTEM_COLOR);
        entry.palette.osColorBackground = RowColor(unit.y);
        entry.palette.fillPattern = 0;
    }
    return entry;
}

std::vector<int> RecordingSelector::DrawnRows() const
{
    std::vector<int> rows;
    for (const KPoint &unit : drawnUnits)
        rows.push_back(unit.y);
    return rows;
}

void RecordingSelector::ClearRecords()
{
    drawnUnits.clear();
    drawnCells.clear();
    selections.clear();
    clicks.clear();
}

COLORREF RecordingSelector::RowColor(int row)
{
    if (row < 0)
        return RGB(255, 255, 255);
    return RGB((row * 40) % 256, 255 - (row * 25) % 256, (row * 90 + 30) % 256);
}

// ---- ListHand -------------------------------------------------------------------------

// Bounded, so that a window that never stops asking to be painted cannot
// hang a test.
void ListHand::Dispatch()
{
    MSG message;
    for (int count = 0; count < 500 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++count) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ListHand::Post(UINT message, WPARAM buttons, int x, int y)
{
    PostMessageW(static_cast<HWND>(window->OSWindow()), message, buttons,
        MAKELPARAM(WORD(short(x)), WORD(short(y))));
    Dispatch();
}

void ListHand::Press(int x, int y) { Post(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
void ListHand::Move(int x, int y) { Post(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
void ListHand::Release(int x, int y) { Post(WM_LBUTTONUP, 0, x, y); }
void ListHand::RightPress(int x, int y) { Post(WM_RBUTTONDOWN, MK_RBUTTON, x, y); }
void ListHand::Hover(int x, int y) { Post(WM_MOUSEMOVE, 0, x, y); }

void ListHand::Click(int x, int y)
{
    Press(x, y);
    Release(x, y);
}

void ListHand::Drag(KPoint from, KPoint to, int steps)
{
    Press(from.x, from.y);
    for (int i = 1; i <= steps; ++i)
        Move(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
    Release(to.x, to.y);
}

// ---- ListTest -------------------------------------------------------------------------

RecordingSelector *ListTest::MakeList(int width, int height, int rows, bool verticalBar)
{
    auto *list = new RecordingSelector(10, 10, width, height);
    list->SetUnitSize(KPoint(1, 16));
    if (verticalBar)
        list->Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    host->Add(list);
    list->SetExtent(KPoint(1, rows));
    list->Redisplay();
    Pump();
    list->ClearRecords();
    return list;
}

bool ListTest::Near(COLORREF a, COLORREF b)
{
    auto close = [](int x, int y) { return x - y <= 8 && y - x <= 8; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}
