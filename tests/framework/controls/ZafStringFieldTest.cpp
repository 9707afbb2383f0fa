#include "ZafFieldTestSupport.h"

#include <vector>

#include "framework/controls/ZafString.h"
#include "framework/core/data/ZafStringData.h"

namespace {

std::vector<ZafEventType> userCodes;

ZafEventType RecordCode(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    userCodes.push_back(code);
    return 0;
}

void Type(ZafString *field, const wchar_t *text)
{
    for (const wchar_t *c = text; *c; ++c)
        SendMessageW(static_cast<HWND>(field->OSWindow()), WM_CHAR, *c, 1);
}

} // namespace

using ZafStringField = FieldTest;

TEST_F(ZafStringField, UpperAndLowerCaseExcludeEachOtherAndBecomeTheControlStyle)
{
    ZafString *upper = new ZafString(1, 1, 20, L"Ab");
    upper->SetLowerCase(true);
    EXPECT_TRUE(upper->SetUpperCase(true));
    EXPECT_FALSE(upper->LowerCase());
    ZafString *lower = new ZafString(1, 3, 20, L"Ab");
    lower->SetUpperCase(true);
    EXPECT_TRUE(lower->SetLowerCase(true));
    EXPECT_FALSE(lower->UpperCase());
    ShowWindow({ upper, lower });
    EXPECT_TRUE(WindowStyle(upper->OSWindow()) & ES_UPPERCASE);
    EXPECT_FALSE(WindowStyle(upper->OSWindow()) & ES_LOWERCASE);
    EXPECT_TRUE(WindowStyle(lower->OSWindow()) & ES_LOWERCASE);
    // The control has its style: the setter no longer changes anything.
    EXPECT_FALSE(upper->SetLowerCase(true));
    EXPECT_TRUE(upper->SetUpperCase(false));
}

TEST_F(ZafStringField, AnEmptyTextMarksTheFieldUnansweredAndATextClearsIt)
{
    ZafString field(0, 0, 10, L"x");
    field.SetText(L"");
    EXPECT_TRUE(field.Unanswered());
    field.SetText(L"y");
    EXPECT_FALSE(field.Unanswered());
    field.SetUnanswered(true);
    EXPECT_STREQ(L"", field.Text());
}

TEST_F(ZafStringField, TheControlShowsTheDataAndTheDataTakesWhatWasTyped)
{
    ZafString *field = new ZafString(1, 1, 20, L"start");
    ShowWindow({ field });
    EXPECT_EQ(L"start", ControlText(field->OSWindow()));
    field->StringData()->SetText(L"changed");
    EXPECT_EQ(L"changed", ControlText(field->OSWindow()));
    SetWindowTextW(static_cast<HWND>(field->OSWindow()), L"typed");
    EXPECT_STREQ(L"typed", field->Text());
}

TEST_F(ZafStringField, UnderscoreBlanksStoreTypedBlanksAsUnderscores)
{
    ZafString *field = new ZafString(1, 1, 20, L"");
    field->SetUnderscoreBlanks(true);
    ShowWindow({ field });
    Type(field, L"a b");
    EXPECT_STREQ(L"a_b", field->Text());
    field->SetText(L"c d");
    EXPECT_EQ(L"c_d", ControlText(field->OSWindow()));
}

TEST_F(ZafStringField, PastingWithUnderscoreBlanksTypesTheWideClipboardText)
{
    ZafString *field = new ZafString(1, 1, 20, L"");
    field->SetUnderscoreBlanks(true);
    ShowWindow({ field });
    ASSERT_TRUE(PutOnClipboard(static_cast<HWND>(field->OSWindow()), L"a b\x03A9"));
    field->Event(ZafEventStruct(ZAF_EV_PASTE, 0));
    EXPECT_STREQ(L"a_b\x03A9", field->Text());
}

TEST_F(ZafStringField, PastingCountsTheSelectionItReplacesAsRoomAndAnEmptyClipboardChangesNothing)
{
    ZafString *limited = new ZafString(1, 1, 20, L"abcd", 5);
    ZafString *kept = new ZafString(1, 3, 20, L"keep");
    for (ZafString *field : { limited, kept })
        field->SetUnderscoreBlanks(true);
    ShowWindow({ limited, kept });
    HWND edit = static_cast<HWND>(limited->OSWindow());
    ASSERT_TRUE(PutOnClipboard(edit, L"x y z"));
    SendMessageW(edit, EM_SETSEL, 1, 3);    // "bc" goes
    limited->Event(ZafEventStruct(ZAF_EV_PASTE, 0));
    EXPECT_STREQ(L"ax_yd", limited->Text());

    ASSERT_TRUE(OpenClipboard(static_cast<HWND>(kept->OSWindow())));
    EmptyClipboard();
    CloseClipboard();
    kept->Event(ZafEventStruct(ZAF_EV_PASTE, 0));
    EXPECT_STREQ(L"keep", kept->Text());
}

TEST_F(ZafStringField, EnterCallsTheUserFunctionWithSelectAndTabIsLeftToTheWindow)
{
    userCodes.clear();
    ZafString *field = new ZafString(1, 1, 20, L"x");
    field->SetUserFunction(RecordCode);
    ShowWindow({ field });
    userCodes.clear();    // becoming current called it with -3502
    EXPECT_EQ(0, field->Event(RawMessage(field->OSWindow(), WM_KEYDOWN, VK_RETURN)));
    EXPECT_EQ(std::vector<ZafEventType>{ ZAF_L_SELECT }, userCodes);
    EXPECT_EQ(ZAF_NOT_HANDLED, field->Event(RawMessage(field->OSWindow(), WM_KEYDOWN, VK_TAB)));
    EXPECT_EQ(1u, userCodes.size());
}

TEST_F(ZafStringField, TheMaximumLengthLimitsTheControlAndMinusOneSetsNoLimit)
{
    ZafString *limited = new ZafString(1, 1, 20, L"", 5);
    ZafString *free = new ZafString(1, 3, 20, L"", -1);
    ShowWindow({ limited, free });
    EXPECT_EQ(5, SendMessageW(static_cast<HWND>(limited->OSWindow()), EM_GETLIMITTEXT, 0, 0));
    EXPECT_GT(DWORD(SendMessageW(static_cast<HWND>(free->OSWindow()), EM_GETLIMITTEXT, 0, 0)), 30000u);
}

TEST_F(ZafStringField, TheFormatListPutsTheOutputFormatFirst)
{
    struct Case { const wchar_t *list; const wchar_t *expected; };
    const Case cases[] = {
        { L"B\nA", L"A\nB" },
        { L"D", L"A\nD" },
        { L"A\nC", L"A\nC" },
        { L"C\nA\nD", L"A\nC\nD" },
        { L"C\nAB", L"A\nC\nAB" },
    };
    for (const Case &c : cases)
    {
        ZafString field(0, 0, 10, L"");
        field.SetOutputFormat(L"A");
        field.SetFormatList(c.list);
        EXPECT_STREQ(c.expected, field.FormatListData()->Text()) << c.list;
    }
}

TEST_F(ZafStringField, SplitRangeLineGivesEachLinesLimits)
{
    struct Case { const wchar_t *range; const wchar_t *minimum; const wchar_t *maximum; bool more; };
    const Case cases[] = {
        { L"5", L"5", L"5", false },
        { L"..9", L"", L"9", false },
        { L"1...9", L"1", L"9", false },
        { L"3..", L"3", L"", false },
        { L"1..2\n7..8", L"1", L"2", true },
    };
    for (const Case &c : cases)
    {
        ZafIChar minimum[16], maximum[16];
        const ZafIChar *next = ZafString::SplitRangeLine(c.range, minimum, maximum, 16);
        EXPECT_STREQ(c.minimum, minimum) << c.range;
        EXPECT_STREQ(c.maximum, maximum) << c.range;
        EXPECT_EQ(c.more, next != nullptr) << c.range;
    }
    ZafIChar minimum[4], maximum[4];
    ZafString::SplitRangeLine(L"123456..7", minimum, maximum, 4);
    EXPECT_STREQ(L"123", minimum);
}

TEST_F(ZafStringField, ASharedValueOutlivesTheFieldThatGaveItUp)
{
    ZafString *first = new ZafString(1, 1, 20, L"one");
    ZafString *second = new ZafString(1, 3, 20, L"two");
    ZafWindow *window = ShowWindow({ first, second });
    ZafEventStruct share(ZAF_EV_SHARE_VALUE, 0);
    share.dataObject = first;
    second->Event(share);
    EXPECT_EQ(first->StringData(), second->StringData());
    EXPECT_EQ(L"one", ControlText(second->OSWindow()));
    delete window->Subtract(first);
    second->SetText(L"still here");
    EXPECT_EQ(L"still here", ControlText(second->OSWindow()));
}

namespace {

// A field whose value is always out of range, as a number field's can be.
class RejectingField : public ZafString
{
public:
    RejectingField() : ZafString(0, 0, 10, L"11") { changedValue = true; }
    ZafError Validate(bool processError) override
    {
        reported.push_back(processError);
        return 5;
    }
    std::vector<bool> reported;
};

} // namespace

TEST_F(ZafStringField, AFailedValidationKeepsTheFocusOrMarksTheFieldWhenLeavingTheWindow)
{
    userCodes.clear();
    RejectingField field;
    field.SetUserFunction(RecordCode);
    EXPECT_EQ(5, field.Event(ZafEventStruct(ZAF_L_SELECT, 0)));
    EXPECT_EQ(5, field.Error());
    EXPECT_FALSE(field.Invalid());
    EXPECT_TRUE(userCodes.empty());     // a rejected value goes no further

    ZafWindow elsewhere(0, 0, 10, 5);
    ZafEventStruct leave(ZAF_EV_MAY_LEAVE, 0);
    leave.dataObject = &elsewhere;
    EXPECT_EQ(12, field.Event(leave));
    EXPECT_TRUE(field.Invalid());
    EXPECT_EQ((std::vector<bool>{ true, false }), field.reported);   // no message while leaving
    EXPECT_EQ(ZAF_REFUSED, field.Event(ZafEventStruct(ZAF_EV_RESTORE_FOCUS, 0)));
}
