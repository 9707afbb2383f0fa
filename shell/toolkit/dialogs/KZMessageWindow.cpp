#include "shell/toolkit/dialogs/KZMessageWindow.h"

#include <string>

#include "framework/controls/ZafIcon.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/toolkit/dialogs/KZLineBreaks.h"
#include "shell/toolkit/fields/KZPrompt.h"

namespace {

// Width of the system icons when their picture is not known yet.
constexpr int kIconPixels = 32;
// Where the icon sits.
constexpr int kIconColumn = 2;
constexpr int kIconRow = 1;
// Cells right of the widest line that the box needs on the screen: its
// right margin (as wide as the left one) and its frame.
constexpr int kRightCells = KZDialog::kLeftMargin + 2;

} // namespace

KZMessageWindow::KZMessageWindow(const wchar_t *title, const wchar_t *text, uint32_t buttons, uint32_t defaultButton,
                                 int iconNumber)
    : KZDialog(title, buttons, defaultButton)
{
    if (iconNumber > 0 && iconNumber < ZAF_SYSTEM_ICONS) {
        ZafIconData *image = ZafIcon::SystemIcon(ZafNumberID(iconNumber));
        icon = new ZafIcon(kIconColumn, kIconRow, static_cast<const ZafIChar *>(nullptr), image);
        icon->SetBorder(false);
        icon->SetFocusBlocked(true);
        AddToContainer(icon);
        const int pixels = image && image->Width() > 0 ? image->Width() : kIconPixels;
        const int cellWidth = ZafDisplay::SharedOrDefault().cellWidth;
        Move(cellWidth > 0 ? (pixels + cellWidth - 1) / cellWidth : 0, 0);
    }
    Move(2, 1);
    AddLines(text ? text : L"");
    NewLine();
    AddPrompt(L" ");
    NewLine();
}

void KZMessageWindow::AddLines(const wchar_t *text)
{
    // Every line starts in the column of the first, right of the icon.
    const int column = CursorColumn();
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int screenCells = display.cellWidth > 0 ? display.columns / display.cellWidth : display.columns;
    const int widest = screenCells - column - kRightCells;
    const KZMeasure cells = [this](const std::wstring &piece) { return Cells(piece.c_str()); };
    const wchar_t *start = text;
    for (;;) {
        const wchar_t *end = start;
        while (*end && *end != L'\r' && *end != L'\n')
            ++end;
        // A line too wide for the screen goes on as many rows as it needs.
        for (const std::wstring &piece : KZBreakLine(std::wstring(start, end), widest, cells)) {
            if (message) {
                NewLine();
                Move(column - CursorColumn(), 0);
            }
            // A blank keeps the row of an empty line: the layout measures
            // rows by their fields.
            KZPrompt *prompt = AddPrompt(piece.empty() ? L" " : piece.c_str());
            if (!message)
                message = prompt;
        }
        start = end + (end[0] == L'\r' && end[1] == L'\n' ? 2 : (*end ? 1 : 0));
        if (!*start)
            break;   // a line break at the very end adds no line
    }
}

void KZMessageWindow::Prepare()
{
    KZDialog::Prepare();
    // The window gives the focus to its current child when it opens; left
    // alone that is the first button, whatever the default.
    if (ZafWindowObject *button = DefaultButton(true))
        SetCurrent(button);
}
