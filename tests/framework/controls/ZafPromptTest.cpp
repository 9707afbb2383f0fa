#include "ZafFieldTestSupport.h"

#include "framework/controls/ZafPrompt.h"
#include "framework/controls/ZafString.h"

using ZafPromptLabel = FieldTest;

TEST_F(ZafPromptLabel, TheControlTextDoublesAmpersandsAndMarksTheHotKey)
{
    struct Case { int index; const wchar_t *expected; };
    const Case cases[] = { { 0, L"&a&&b" }, { 2, L"a&&&b" }, { 3, L"a&&b" }, { -1, L"a&&b" } };
    for (const Case &c : cases)
    {
        ZafPrompt *prompt = new ZafPrompt(1, 1, 20, L"a&b");
        prompt->SetHotKey(L'a', c.index);
        ZafWindow *window = ShowWindow({ prompt });
        EXPECT_EQ(c.expected, ControlText(prompt->OSWindow())) << c.index;
        manager->Remove(window);
    }
}

TEST_F(ZafPromptLabel, ALongerTextWidensTheShownRegionButNotTheRequestedOne)
{
    ZafPrompt *prompt = new ZafPrompt(1, 1, 30, L"ab");
    ShowWindow({ prompt });
    ZafRegionStruct requested = prompt->Region();
    int shortWidth = prompt->ShownRegion().Width();
    prompt->SetText(L"a much longer label text");
    EXPECT_GT(prompt->ShownRegion().Width(), shortWidth);
    EXPECT_EQ(requested.left, prompt->Region().left);
    EXPECT_EQ(requested.right, prompt->Region().right);
    RECT rect;
    GetWindowRect(static_cast<HWND>(prompt->OSWindow()), &rect);
    EXPECT_EQ(prompt->ShownRegion().Width(), rect.right - rect.left);
}

TEST_F(ZafPromptLabel, ItsHotKeyMovesTheFocusToTheNextObject)
{
    ZafString *first = new ZafString(12, 1, 10, L"");
    ZafPrompt *prompt = new ZafPrompt(1, 3, 10, L"Name");
    ZafString *field = new ZafString(12, 3, 10, L"");
    prompt->SetHotKey(L'n', 0);
    ZafWindow *window = ShowWindow({ first, prompt, field });
    ASSERT_TRUE(Activate(window));
    ZafEventStruct other(ZAF_EV_HOT_KEY, 0);
    other.key = L'X';
    EXPECT_EQ(ZAF_NOT_HANDLED, prompt->Event(other));
    ZafEventStruct hotKey(ZAF_EV_HOT_KEY, 0);
    hotKey.key = L'N';
    EXPECT_EQ(ZAF_EV_HOT_KEY, prompt->Event(hotKey));
    EXPECT_EQ(static_cast<HWND>(field->OSWindow()), GetFocus());
}

TEST_F(ZafPromptLabel, ALabelNeverTakesTheFocusOrAUserFunction)
{
    ZafPrompt prompt(0, 0, 10, L"x");
    EXPECT_TRUE(prompt.SetFocusBlocked(false));
    EXPECT_FALSE(prompt.SetFocus(true));
    EXPECT_EQ(nullptr, prompt.SetUserFunction([](ZafWindowObject *, ZafEventStruct &, ZafEventType) { return 0; }));
}
