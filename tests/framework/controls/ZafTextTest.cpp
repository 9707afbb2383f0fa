#include "ZafFieldTestSupport.h"

#include "framework/controls/ZafText.h"
#include "framework/core/data/ZafStringData.h"

using ZafTextField = FieldTest;

TEST_F(ZafTextField, TypingMarksAChangeByTheUserButFillingTheControlDoesNot)
{
    ZafText *text = new ZafText(1, 1, 30, 4, L"filled");
    text->SetUnanswered(true);
    text->SetText(L"filled");
    ShowWindow({ text });
    EXPECT_FALSE(text->SelectionChanged());
    SendMessageW(static_cast<HWND>(text->OSWindow()), WM_CHAR, L'x', 1);
    EXPECT_TRUE(text->SelectionChanged());
    EXPECT_FALSE(text->Unanswered());
}

TEST_F(ZafTextField, EnterInsertsALineBreakAndTabIsLeftToTheWindow)
{
    ZafText *text = new ZafText(1, 1, 30, 4, L"");
    ShowWindow({ text });
    HWND edit = static_cast<HWND>(text->OSWindow());
    for (wchar_t c : { L'a', L'\r', L'b' })
        SendMessageW(edit, WM_CHAR, c, 1);
    EXPECT_STREQ(L"a\r\nb", text->Text());
    EXPECT_EQ(ZAF_NOT_HANDLED, text->Event(RawMessage(edit, WM_KEYDOWN, VK_TAB)));
}

TEST_F(ZafTextField, TheCaretGoesToARowAndColumnWithinTheText)
{
    ZafText *text = new ZafText(1, 1, 30, 4, L"one\r\ntwo\r\nthree");
    ShowWindow({ text });
    struct Case { int column; int line; int position; };
    const Case cases[] = { { 1, 1, 6 }, { 99, 0, 3 }, { 0, 99, 15 }, { 0, 3, 15 } };
    for (const Case &c : cases)
    {
        EXPECT_EQ(0, text->SetCursorRowColumn(c.column, c.line));
        EXPECT_EQ(c.position, text->CursorPosition()) << c.column << "," << c.line;
    }
    text->SetCursorRowColumn(2, 2);
    ZafTextPosition position = text->CursorRowColumn();
    EXPECT_EQ(2, position.column);
    EXPECT_EQ(2, position.line);
}

TEST_F(ZafTextField, TheEditControlIsMultiLineWithoutLimitAndWordWrapRemakesIt)
{
    ZafText *text = new ZafText(1, 1, 30, 4, L"");
    ShowWindow({ text });
    HWND edit = static_cast<HWND>(text->OSWindow());
    LONG style = WindowStyle(edit);
    EXPECT_EQ(LONG(ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN), style & (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN));
    EXPECT_FALSE(style & ES_AUTOHSCROLL);
    EXPECT_GT(DWORD(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)), 30000u);
    SetWindowTextW(edit, L"typed before");
    text->SetWordWrap(false);
    ASSERT_TRUE(text->Registered());
    EXPECT_TRUE(WindowStyle(text->OSWindow()) & ES_AUTOHSCROLL);
    EXPECT_EQ(L"typed before", ControlText(text->OSWindow()));
}

TEST_F(ZafTextField, TextDrawnByTheFrameworkWrapsWithinTheRegion)
{
    const wchar_t *paragraphs =
        L"The first paragraph is long enough to need several lines in a narrow field.\n"
        L"The second paragraph is just as long and must also wrap inside the field.";
    ZafText *text = new ZafText(10, 10, 150, 120, paragraphs);
    text->SetCoordinateType(ZAF_PIXEL);
    text->SetSystemDrawn(false);
    text->SetBorder(false);
    ShowWindow({ text }, 300, 200);
    HWND window = static_cast<HWND>(text->OSWindow());
    UpdateWindow(window);
    Pump(50);
    HDC screen = GetDC(window);
    COLORREF background = GetPixel(screen, 0, 0);   // the text starts one pixel in
    int lineHeight = display->cellHeight;
    int inkedBands = 0;
    for (int band = 0; band * lineHeight < 120; ++band)
    {
        bool ink = false;
        for (int y = band * lineHeight; y < (band + 1) * lineHeight && y < 120 && !ink; ++y)
            for (int x = 0; x < 150 && !ink; x += 1)
                ink = GetPixel(screen, x, y) != background;
        inkedBands += ink ? 1 : 0;
    }
    ReleaseDC(window, screen);
    EXPECT_GE(inkedBands, 4);
    RECT rect;
    GetClientRect(window, &rect);
    EXPECT_EQ(150, rect.right);
    // Nothing of the text beside the field: the parent's strip to its right
    // is one colour.
    HWND parentWindow = GetParent(window);
    HDC parentContext = GetDC(parentWindow);
    COLORREF beside = GetPixel(parentContext, 165, 15);
    bool plain = true;
    for (int y = 10; y < 130 && plain; ++y)
        for (int x = 161; x < 200 && plain; ++x)
            plain = GetPixel(parentContext, x, y) == beside;
    ReleaseDC(parentWindow, parentContext);
    EXPECT_TRUE(plain);
}
