// The builder operations that place fields at the cursor.
#include "shell/toolkit/dialogs/KZDialog.h"

#include <algorithm>
#include <cwchar>

#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafScrollBar.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/toolkit/menus/KZAnchoredPopUpMenu.h"
#include "shell/toolkit/fields/KZBrowseButton.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/lists/KZSelector.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZSlider.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/fields/KZText.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

// Logical colours of a read-only text's background, taken from the parent.
constexpr ZafInt8 kParentBackground = -4;
constexpr ZafInt8 kParentMonochrome = -2;

ZafDisplay &Display()
{
    return ZafDisplay::SharedOrDefault();
}

int DivideUp(int value, int by)
{
    return by > 0 ? (value + by - 1) / by : value;
}

} // namespace

void KZDialog::NewLine()
{
    *row += 1;
    *column = kLeftMargin;
}

void KZDialog::Move(int columns, int rows)
{
    *column += columns;
    *row += rows;
}

KZPrompt *KZDialog::AddPrompt(const wchar_t *text, int width)
{
    const int cells = (width < 0 ? Cells(text) : width) + kPromptAllowance;
    return Place(new KZPrompt(*column, *row, cells, text ? text : L""), cells);
}

KZPrompt *KZDialog::AddPrompt(ZafStringData *text, int width)
{
    const int cells = (width < 0 ? Cells(text ? text->Text() : nullptr) : width) + kPromptAllowance;
    return Place(new KZPrompt(*column, *row, cells, text), cells);
}

KZText *KZDialog::AddText(const wchar_t *text, int width, int lines)
{
    if (!text)
        text = L"";
    // Lines end at a line feed; a last line without one counts.
    int widest = 0, count = 0;
    for (const wchar_t *start = text; *start;) {
        const wchar_t *end = std::wcschr(start, L'\n');
        const int length = end ? int(end - start) : int(std::wcslen(start));
        widest = std::max(widest, TextCells(start, length));
        ++count;
        start = end ? end + 1 : start + length;
    }
    if (width < 0)
        width = widest;
    if (lines < 0)
        lines = count;
    const ZafDisplay &display = Display();
    auto *field = new KZText(*column * display.cellWidth, *row * display.cellHeight, width * display.cellWidth,
                             lines * FontHeight(), text);
    field->SetCoordinateType(kCoordPixels);
    field->SetViewOnly(true);
    field->SetWordWrap(false);
    field->SetBorder(false);
    field->SetFocusBlocked(true);
    field->SetBackgroundColor(kParentBackground, kParentMonochrome);
    return Place(field, width);
}

KZText *KZDialog::AddTextField(const wchar_t *text, int width, int height)
{
    return Place(new KZText(*column, *row, width, height, text ? text : L""), width);
}

KZString *KZDialog::AddString(const wchar_t *text, int width, int maxLength)
{
    const int cells = width + kEditAllowance;
    return Place(new KZString(*column, *row, cells, text ? text : L"", maxLength), cells);
}

KZButton *KZDialog::AddBrowse(KZString *field, const wchar_t *filter, bool directory)
{
    const KString &label = KZSettingText(L"\\Strings\\Dialog\\Browse");
    const int cells = Cells(label.CStr()) + kButtonAllowance;
    KZButton *button = directory
                           ? static_cast<KZButton *>(new KZBrowseDirectoryButton(*column, *row, cells, label.CStr(),
                                                                                 field, this))
                           : new KZBrowseFileButton(*column, *row, cells, label.CStr(), field, this, filter);
    return Place(button, cells);
}

KZString *KZDialog::AddDirectory(const wchar_t *text, int width, int maxLength)
{
    KZString *field = AddString(text, width, maxLength);
    AddBrowse(field, nullptr, true);
    return field;
}

KZString *KZDialog::AddFile(const wchar_t *text, const wchar_t *filter, int width, int maxLength)
{
    KZString *field = AddString(text, width, maxLength);
    AddBrowse(field, filter, false);
    return field;
}

KZInteger *KZDialog::AddInteger(int32_t value, int width, int32_t minimum, int32_t maximum)
{
    const int cells = width + kEditAllowance;
    return Place(new KZInteger(*column, *row, cells, value, minimum, maximum), cells);
}

KZReal *KZDialog::AddReal(double value, int width, double minimum, double maximum)
{
    const int cells = width + kEditAllowance;
    return Place(new KZReal(*column, *row, cells, value, minimum, maximum), cells);
}

KZSlider *KZDialog::AddSlider(int minimum, int maximum, int current, int smallStep, int largeStep, int width,
                              int32_t code)
{
    return Place(new KZSlider(*column, *row, width, 1, minimum, maximum, current, smallStep, largeStep, code, this),
                 width);
}

KZButton *KZDialog::AddButton(const wchar_t *label, int32_t code, int width)
{
    const int cells = (width < 0 ? Cells(label) + 4 : width) + kButtonAllowance;
    return Place(new KZButton(*column, *row, cells, 1, label ? label : L"", nullptr, KZButton::kPush, code), cells);
}

KZButton *KZDialog::AddBitmapButton(ZafBitmapData *bitmap, int32_t code)
{
    const ZafDisplay &display = Display();
    const int width = (bitmap ? bitmap->Width() : 0) + 6;
    const int height = (bitmap ? bitmap->Bitmap().height : 0) + 6;
    auto *button = new KZButton(*column * display.cellWidth, *row * display.cellHeight, width, height, bitmap, code);
    button->SetCoordinateType(kCoordPixels);
    button->SetFocusBlocked(true);
    AddToContainer(button);
    *column += DivideUp(width, display.cellWidth) + kFieldGap;
    return button;
}

KZButton *KZDialog::AddCheckBox(const wchar_t *label, bool checked, int32_t code, int width)
{
    const int cells = (width < 0 ? Cells(label) : width) + kCheckAllowance;
    auto *box = new KZButton(*column, *row, cells, 1, label ? label : L"", nullptr, KZButton::kCheckBox, code);
    box->SetSelected(checked);
    return Place(box, cells);
}

void KZDialog::BeginRadioGroup()
{
    radioCursor = 0;
}

KZButton *KZDialog::AddRadioButton(const wchar_t *label, int32_t code, int width)
{
    const int cells = (width < 0 ? Cells(label) : width) + kRadioAllowance;
    auto *button = new KZButton(radioCursor, 0, cells, 1, label ? label : L"", nullptr, KZButton::kRadio, code);
    pendingRadios.Add(button);
    radioCursor += cells + kFieldGap;
    return button;
}

KZRadioGroup *KZDialog::EndRadioGroup(int selected)
{
    const int width = std::max(radioCursor - kFieldGap, 0);
    auto *group = new KZRadioGroup(*column, *row, width, 1);
    while (ZafElement *button = pendingRadios.First()) {
        pendingRadios.Subtract(button);
        group->Add(static_cast<ZafWindowObject *>(button));
    }
    group->SetSelection(selected);
    radioCursor = 0;
    return Place(group, width);
}

void KZDialog::BeginComboBox()
{
    listWidth = 0;
}

KZButton *KZDialog::AddComboItem(const wchar_t *text, int32_t value)
{
    listWidth = std::max(listWidth, Cells(text));
    auto *entry = new KZButton(0, 0, listWidth, 1, text ? text : L"", nullptr, KZButton::kPush, value);
    pendingEntries.Add(entry);
    return entry;
}

KZComboBox *KZDialog::EndComboBox(int selected, bool editable, int visibleRows)
{
    const int entries = pendingEntries.Count();
    const int cellHeight = Display().cellHeight;
    // A long list drops down visibleRows lines of the dialog's font and scrolls.
    const int height = entries > visibleRows && cellHeight > 0 ? FontHeight() * visibleRows / cellHeight : entries;
    // A box without entries (no scripts or languages installed) still reads
    // as a list box, not as a sliver holding only its arrow.
    const int width = (entries > 0 ? listWidth : kEmptyListWidth) + kComboAllowance;
    auto *box = new KZComboBox(*column, *row, width, std::max(height, 1), editable);
    while (ZafElement *entry = pendingEntries.First()) {
        pendingEntries.Subtract(entry);
        box->Add(static_cast<ZafWindowObject *>(entry));
    }
    if (entries > visibleRows)
        box->Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    box->SetSelection(selected);
    box->SetSelectionChanged(false);
    listWidth = 0;
    return Place(box, width);
}

KZAnchoredPopUpMenu *KZDialog::AddMenuButton()
{
    constexpr int kWidth = 17, kHeight = 16, kAboveRowBottom = 4;
    const ZafDisplay &display = Display();
    const int bottom = (*row + 1) * display.cellHeight - 1 - kAboveRowBottom;
    auto *button = new KZAnchoredPopUpMenu(*column * display.cellWidth, bottom - kHeight + 1, kWidth, kHeight);
    AddToContainer(button);
    *column += display.cellWidth > 0 ? (display.cellWidth + 16) / display.cellWidth + kFieldGap : kFieldGap;
    return button;
}

KZSelector *KZDialog::AddSelector(int width, int rows)
{
    const ZafDisplay &display = Display();
    const int height = FontHeight() * rows + 4;
    auto *selector = new KZSelector(*column * display.cellWidth, *row * display.cellHeight,
                                    width * display.cellWidth, height);
    selector->Add(new ZafBorder);
    selector->Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    AddToContainer(selector);
    *row += DivideUp(height, display.cellHeight);
    return selector;
}
