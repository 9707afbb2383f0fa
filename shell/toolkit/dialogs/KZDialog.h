#pragma once
// KZDialog: the program's modal dialog. Code that builds a dialog calls the
// builder operations in order; each places one field at a text cursor in the
// framework's character cells (row and column of the current container:
// the dialog itself or a notebook page) and moves the cursor right by the
// field's width plus the field gap. DoModal sizes the dialog around its
// fields, adds a centred row of standard buttons chosen by the button flags
// (kButtonOk ... kButtonIgnore, labels from "\Strings\Dialog\"), centres it
// and moves it up, and runs the application's modal loop until a code in
// kDialogEndFirst .. kDialogEndLast arrives (the result) or the window goes
// (kEvtWindowGone).
//
// The dialog owns its fields (framework ownership); the caller owns the
// dialog, usually on its stack, and reads the fields it kept after DoModal.
// One dialog object is run once. GUI thread only.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "framework/controls/ZafDialogWindow.h"
#include "framework/core/base/ZafList.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZAnchoredPopUpMenu;
class KZButton;
class KZComboBox;
class KZInteger;
class KZPrompt;
class KZRadioGroup;
class KZReal;
class KZSelector;
class KZSlider;
class KZString;
class KZText;
class ZafBitmapData;
class ZafNotebook;
class ZafStringData;

class KZDialog : public ZafDialogWindow, public KZWindowLeech, public KZModalWindow
{
public:
    // Layout constants, in cells.
    static constexpr int kLeftMargin = 2;        // column of a new line
    static constexpr int kFieldGap = 1;          // added to the cursor after every field
    static constexpr int kPromptAllowance = 0;   // added to a prompt's width
    static constexpr int kEditAllowance = 1;     // string, integer and real fields
    static constexpr int kButtonAllowance = 2;   // push buttons and Browse buttons
    static constexpr int kRadioAllowance = 3;    // each radio button
    static constexpr int kCheckAllowance = 2;    // check boxes
    static constexpr int kComboAllowance = 3;    // combo boxes
    static constexpr int kEmptyListWidth = 10;   // text width of a combo box without entries
    static constexpr int kPageAllowance = 2;     // rows below a notebook page's fields

    // An empty dialog titled title; buttons and defaultButton are kButton...
    // flags (defaultButton 0: none).
    KZDialog(const wchar_t *title, uint32_t buttons, uint32_t defaultButton);
    ~KZDialog() override;

    // The leech first, then the framework dialog.
    ZafEventType Event(const ZafEventStruct &event) override;

    // ---- Cursor ----
    void NewLine();
    void Move(int columns, int rows);
    int CursorColumn() const { return *column; }
    int CursorRow() const { return *row; }
    // Lines up the n-th field (from 0) of every row of the current container,
    // skipping its first firstChild children, behind the rightmost of them.
    void AlignColumn(int n, int firstChild = 0);

    // ---- Fields (a negative width measures the text) ----
    KZPrompt *AddPrompt(const wchar_t *text, int width = -1);
    KZPrompt *AddPrompt(ZafStringData *text, int width);
    // Read-only text placed in pixels; width < 0: the widest line, lines < 0:
    // the number of lines. The column moves, the row does not.
    KZText *AddText(const wchar_t *text, int width = -1, int lines = -1);
    KZText *AddTextField(const wchar_t *text, int width, int height);
    KZString *AddString(const wchar_t *text, int width, int maxLength);
    // A string field and a Browse button behind it; answers the field.
    KZString *AddDirectory(const wchar_t *text, int width, int maxLength);
    KZString *AddFile(const wchar_t *text, const wchar_t *filter, int width, int maxLength);
    KZInteger *AddInteger(int32_t value, int width, int32_t minimum, int32_t maximum);
    KZReal *AddReal(double value, int width, double minimum, double maximum);
    // A horizontal slider whose scroll notices send code to the dialog.
    KZSlider *AddSlider(int minimum, int maximum, int current, int smallStep, int largeStep, int width, int32_t code);
    // A push button sending code; width < 0: the label's width + 4.
    KZButton *AddButton(const wchar_t *label, int32_t code, int width = -1);
    // A button showing the bitmap, placed in pixels, never taking the focus.
    KZButton *AddBitmapButton(ZafBitmapData *bitmap, int32_t code);
    KZButton *AddCheckBox(const wchar_t *label, bool checked, int32_t code, int width = -1);

    // Radio group: the buttons line up in the future group, which is placed
    // at the cursor by EndRadioGroup.
    void BeginRadioGroup();
    KZButton *AddRadioButton(const wchar_t *label, int32_t code, int width = -1);
    KZRadioGroup *EndRadioGroup(int selected);

    // Combo box: the entries carry their values; EndComboBox places the box.
    void BeginComboBox();
    KZButton *AddComboItem(const wchar_t *text, int32_t value);
    KZComboBox *EndComboBox(int selected, bool editable, int visibleRows);

    // A 17 x 16 pixel button that drops a pop-up menu (the caller adds the
    // entries), sitting 4 pixels above the bottom of the row.
    KZAnchoredPopUpMenu *AddMenuButton();

    // A bordered list with a vertical scroll bar, placed in pixels, rows
    // lines of the list font high; the row moves on below it.
    KZSelector *AddSelector(int width, int rows);

    // Notebook: fields go onto pages between BeginPage and EndPage;
    // EndNotebook places the notebook (selected < 0: the last page) and moves
    // the cursor below it.
    void BeginNotebook(int minimumWidth, int minimumHeight);
    ZafWindow *BeginPage(const wchar_t *tab);
    void EndPage();
    ZafNotebook *EndNotebook(int selected);

    // ---- Slots ---- 2 (end the loop with the event's code) for
    // kDialogEndFirst .. kDialogEndLast, else 0.
    int IsEndCode(const ZafEventStruct &event) override;
    // Called by DoModal with the result after the loop; applies nothing here.
    virtual void Finish(int32_t result);
    // The label and result of a standard button; empty and 0 for other flags.
    virtual KString ButtonLabel(uint32_t flag);
    virtual int32_t ButtonResult(uint32_t flag);
    // Lays the dialog out around its fields and adds the standard buttons.
    virtual void Prepare();

    // Prepare, open, the modal loop, Finish, close: the result code.
    int32_t DoModal();

    uint32_t ButtonFlags() const { return buttons; }
    uint32_t DefaultButtonFlag() const { return defaultButton; }
    // The window that receives new fields; none between notebook pages.
    ZafWindow *Container() const { return container; }

protected:
    // Adds a field made at the cursor to the current container and moves the
    // column by width + the field gap. Answers the field.
    template <typename T> T *Place(T *field, int width)
    {
        AddToContainer(field);
        *column += width + kFieldGap;
        return field;
    }
    void AddToContainer(ZafWindowObject *field);
    // Width in cells of a text in the dialog's font, rounded up.
    int Cells(const wchar_t *text) const;

private:
    void AddStandardButtons(int bottom);
    KZButton *AddBrowse(KZString *field, const wchar_t *filter, bool directory);

    uint32_t buttons;
    uint32_t defaultButton;
    ZafWindow *container;
    int dialogRow = 0;
    int dialogColumn = kLeftMargin;
    int *row = &dialogRow;
    int *column = &dialogColumn;

    ZafList pendingPages;
    int notebookRow = 0;
    int notebookColumn = kLeftMargin;
    int notebookMinimumWidth = 0;
    int notebookMinimumHeight = 0;

    ZafList pendingRadios;
    int radioCursor = 0;

    ZafList pendingEntries;
    int listWidth = 0;
};
