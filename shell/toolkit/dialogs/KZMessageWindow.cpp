#include "shell/toolkit/dialogs/KZMessageWindow.h"

#include <string>

#include "framework/controls/ZafIcon.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/toolkit/fields/KZPrompt.h"

namespace {

// Width of the system icons when their picture is not known yet.
constexpr int kIconPixels = 32;
// Where the icon sits.
constexpr int kIconColumn = 2;
constexpr int kIconRow = 1;

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
    const wchar_t *start = text;
    for (;;) {
        const wchar_t *end = start;
        while (*end && *end != L'\r' && *end != L'\n')
            ++end;
        const std::wstring line(start, end);
        // A blank keeps the row of an empty line: the layout measures rows
        // by their fields.
        KZPrompt *prompt = AddPrompt(line.empty() ? L" " : line.c_str());
        if (!message)
            message = prompt;
        start = end + (end[0] == L'\r' && end[1] == L'\n' ? 2 : (*end ? 1 : 0));
        if (!*start)
            break;   // a line break at the very end adds no line
        NewLine();
        Move(column - CursorColumn(), 0);
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
