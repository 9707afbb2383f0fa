// Integer and real fields on real windows: formatting, the range checks and
// their messages through a recording error system, what the field shows
// after a rejected entry, stepping, and storage.
#include "ZafFieldTestSupport.h"

#include "framework/controls/ZafNumberField.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafErrorSystem.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/text/ZafLanguageData.h"

namespace {

// Records every report and answers a chosen code.
class RecordingErrorSystem : public ZafErrorSystem
{
public:
    ZafInt32 ReportError(ZafWindowManager *, const ZafIChar *title, ZafUInt32 options,
        const ZafIChar *message) override
    {
        titles.push_back(title ? title : L"");
        optionWords.push_back(options);
        messages.push_back(message ? message : L"");
        return answer;
    }
    std::vector<std::wstring> titles;
    std::vector<ZafUInt32> optionWords;
    std::vector<std::wstring> messages;
    ZafInt32 answer = -2993;
};

class NumberFieldTest : public FieldTest
{
protected:
    void SetUp() override
    {
        FieldTest::SetUp();
        previous = ZafErrorSystem::SetShared(&errors);
    }
    void TearDown() override
    {
        ZafErrorSystem::SetShared(previous);
        FieldTest::TearDown();
    }

    // A shown integer field holding value, with a range and a neighbour
    // in the same window that the focus may move to.
    ZafInteger *ShowInteger(int value, const wchar_t *rangeText)
    {
        auto *field = new ZafInteger(10, 10, 100, value);
        field->SetCoordinateType(ZAF_PIXEL);
        if (rangeText)
            field->SetRange(rangeText);
        neighbour = new ZafInteger(10, 40, 100, 0);
        neighbour->SetCoordinateType(ZAF_PIXEL);
        ShowWindow({ field, neighbour });
        return field;
    }

    // Types text into the control and asks whether the focus may move to
    // the neighbour.
    ZafEventType EnterAndLeave(ZafString *field, const wchar_t *text)
    {
        SetWindowTextW(static_cast<HWND>(field->OSWindow()), text);
        ZafEventStruct leave(ZAF_EV_MAY_LEAVE, 0);
        leave.dataObject = neighbour;
        return field->Event(leave);
    }

    RecordingErrorSystem errors;
    ZafErrorSystem *previous = nullptr;
    ZafInteger *neighbour = nullptr;
};

using ZafIntegerFieldTest = NumberFieldTest;
using ZafRealFieldTest = NumberFieldTest;

std::wstring Shown(ZafWindowObject *field)
{
    return ControlText(field->OSWindow());
}

} // namespace

TEST_F(ZafIntegerFieldTest, OutOfRangeEntriesAreReportedAndThePreviousValueShownAgain)
{
    const struct { const wchar_t *range; const wchar_t *entry; const wchar_t *message; } cases[] = {
        { L"1..10", L"11", L"The number 11 is not in the range 1..10." },
        { L"..10", L"11", L"The number 11 is greater than 10." },
        { L"1..", L"0", L"The number 0 is less than 1." },
        { L"1..5\n8..9", L"7", L"The number 7 is not in the range 1..5, 8..9." },
        { L"1..10", L"abc", L"The number abc is invalid." },
    };
    for (const auto &c : cases)
    {
        errors.messages.clear();
        errors.optionWords.clear();
        ZafInteger *field = ShowInteger(3, c.range);
        ZafEventType answer = EnterAndLeave(field, c.entry);
        EXPECT_NE(0, answer) << c.range;
        ASSERT_EQ(1u, errors.messages.size()) << c.range << " " << c.entry;
        EXPECT_EQ(c.message, errors.messages[0]);
        EXPECT_EQ(std::wstring(L"abc") == c.entry ? 1u : 0x40u, errors.optionWords[0]);
        EXPECT_EQ(L"3", Shown(field)) << c.range;
        EXPECT_EQ(3, field->Value());
    }
}

TEST_F(ZafIntegerFieldTest, AnEntryInsideTheRangeIsTakenWithoutAMessageAndLeavingForAnotherWindowIsSilent)
{
    ZafInteger *field = ShowInteger(3, L"1..5\n8..9");
    EXPECT_EQ(0, EnterAndLeave(field, L" 8"));
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_EQ(8, field->ValueData()->Value());
    EXPECT_EQ(L"8", Shown(field));
    // Leaving for another window keeps a bad text and the old value silently.
    SetWindowTextW(static_cast<HWND>(field->OSWindow()), L"11");
    EXPECT_EQ(12, field->Event(ZafEventStruct(ZAF_EV_MAY_LEAVE, 0)));
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_EQ(L"11", Shown(field));
    EXPECT_EQ(8, field->ValueData()->Value());
}

TEST_F(ZafIntegerFieldTest, ChoosingToKeepABadEntryLeavesItInvalid)
{
    ZafInteger *field = ShowInteger(3, L"1..10");
    field->SetErrorChoice(true);
    errors.answer = -2999;
    EXPECT_EQ(12, EnterAndLeave(field, L"11"));
    ASSERT_EQ(1u, errors.optionWords.size());
    EXPECT_EQ(0x41u, errors.optionWords[0]);
    EXPECT_EQ(L"11", Shown(field));
    EXPECT_TRUE(field->Invalid());
}

TEST_F(ZafIntegerFieldTest, AnEmptyUnansweredFieldLeftWithEnterOrTabHoldsNoValueWithoutAMessage)
{
    ZafInteger *field = ShowInteger(3, L"1..10");
    field->SetUnanswered(true);
    EXPECT_EQ(L"", Shown(field));
    EXPECT_EQ(0, field->Event(RawMessage(field->OSWindow(), WM_KEYDOWN, VK_RETURN)));
    EXPECT_EQ(0, EnterAndLeave(field, L""));
    EXPECT_TRUE(errors.messages.empty()) << errors.messages[0];
    EXPECT_TRUE(field->Unanswered());
    EXPECT_EQ(L"", Shown(field));
    // A number typed later is an answer again.
    EXPECT_EQ(0, EnterAndLeave(field, L"4"));
    EXPECT_FALSE(field->Unanswered());
    EXPECT_EQ(4, field->ValueData()->Value());
}

TEST_F(ZafIntegerFieldTest, AStoredMessageThatAsksForOtherArgumentsIsNotUsed)
{
    ZafLanguageData *language = ZafLanguageManager::GetLanguageData(L"ZafInteger", ZafNumberFieldMessages());
    // Replace the entry by a hostile one and restore it afterwards.
    ZafLanguageData hostile(L"ZafInteger", nullptr);
    hostile.AddText(L"Zahl %s %d %s", 5);
    for (ZafNumberID id : { 1, 6, 7 })
        hostile.AddText(language->GetText(id), id);
    language->ReplaceEntries(hostile);
    ZafInteger *field = ShowInteger(3, L"1..10");
    EnterAndLeave(field, L"11");
    ASSERT_EQ(1u, errors.messages.size());
    EXPECT_EQ(L"The number 11 is not in the range 1..10.", errors.messages[0]);
    ZafLanguageData builtIn(L"ZafInteger", ZafNumberFieldMessages());
    language->ReplaceEntries(builtIn);
    ZafLanguageManager::FreeLanguageData(language);
}

TEST_F(ZafIntegerFieldTest, WrapSteppingTurnsAroundAtTheRangeEnds)
{
    ZafInteger field(0, 0, 10, 10);
    field.SetRange(L"1..10");
    ZafIntegerData one(1);
    EXPECT_EQ(0, field.Increment(&one, true));
    EXPECT_EQ(1, field.ValueData()->Value());
    EXPECT_EQ(0, field.Decrement(&one, true));
    EXPECT_EQ(10, field.ValueData()->Value());
    // Without wrap the value stays at the end.
    field.Increment(&one, false);
    EXPECT_EQ(10, field.ValueData()->Value());
    field.Decrement(&one, false);
    EXPECT_EQ(9, field.ValueData()->Value());
    ZafRealData realStep(1.0);
    EXPECT_EQ(9, field.Increment(&realStep, true));
    EXPECT_EQ(9, field.ValueData()->Value());
}

TEST_F(ZafIntegerFieldTest, AValueSetFromOutsideOrThroughASharedValueShowsAtOnce)
{
    ZafInteger *field = ShowInteger(3, nullptr);
    field->SetValue(42);
    EXPECT_EQ(L"42", Shown(field));
    EXPECT_EQ(0, field->SetText(L"17"));
    EXPECT_EQ(17, field->ValueData()->Value());
    EXPECT_EQ(L"17", Shown(field));
    EXPECT_NE(0, field->SetText(L"x"));
    EXPECT_EQ(17, field->ValueData()->Value());
    // Number fields never take these styles nor another string data.
    EXPECT_FALSE(field->SetPassword(true));
    EXPECT_EQ(1, field->SetStringData(nullptr));
    // Sharing the value makes two fields edit one number.
    ZafEventStruct share(ZAF_EV_SHARE_VALUE, 0);
    share.dataObject = field;
    neighbour->Event(share);
    EXPECT_EQ(field->ValueData(), neighbour->ValueData());
    field->SetValue(8);
    EXPECT_EQ(L"8", Shown(neighbour));
}

TEST_F(ZafIntegerFieldTest, AStoredFieldReadsBackWithItsValueAndRange)
{
    ZafStorage storage;
    ZafObjectPersistence persistence(&storage);
    ZafInteger field(1, 2, 10, 77);
    field.SetStringID(L"count");
    field.SetRange(L"1..100");
    field.Write(persistence);
    ASSERT_EQ(0, field.Error());
    ZafInteger read(L"count", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_EQ(77, read.ValueData()->Value());
    EXPECT_STREQ(L"1..100", read.RangeData()->Text());
    EXPECT_STREQ(L"77", read.StringData()->Text());
}

TEST_F(ZafRealFieldTest, ARealRangeRefusesAnEntryAboveIt)
{
    auto *field = new ZafReal(10, 10, 100, 0.75);
    field->SetCoordinateType(ZAF_PIXEL);
    field->SetRange(L"0.5..1.0");
    neighbour = new ZafInteger(10, 40, 100, 0);
    neighbour->SetCoordinateType(ZAF_PIXEL);
    ShowWindow({ field, neighbour });
    EXPECT_NE(0, EnterAndLeave(field, L"1.5"));
    ASSERT_EQ(1u, errors.messages.size());
    EXPECT_EQ(0u, errors.messages[0].find(L"The number 1.5 is not in the range 0.5"));
    EXPECT_DOUBLE_EQ(0.75, field->ValueData()->Value());
    EXPECT_EQ(0, EnterAndLeave(field, L"0.6"));
    EXPECT_DOUBLE_EQ(0.6, field->ValueData()->Value());
}

TEST_F(ZafRealFieldTest, ARealStepsByARealAndRefusesAnIntegerStep)
{
    ZafReal field(0, 0, 10, 1.5);
    ZafRealData half(0.5);
    EXPECT_EQ(0, field.Increment(&half, false));
    EXPECT_DOUBLE_EQ(2.0, field.ValueData()->Value());
    ZafIntegerData one(1);
    EXPECT_EQ(9, field.Decrement(&one, false));
}
