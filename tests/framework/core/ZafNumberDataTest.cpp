#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafPrintf.h"
#include "framework/core/data/ZafRealData.h"
#include "framework/core/data/ZafScrollData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct Counter : ZafElement
{
    int changes = 0;
    static ZafError Changed(ZafElement *observer, ZafUpdateCode code)
    {
        if (code == 2)
            ++static_cast<Counter *>(observer)->changes;
        return 0;
    }
};

// Runs a test with the C conventions as the shared locale.
struct CLocale : ::testing::Test
{
    void SetUp() override { ZafLocaleData::SetLocale(new ZafLocaleData); }
};

// FormattedText into a buffer of size characters (filled beforehand, so
// that an untouched buffer shows): its answer and the text written.
template <typename Data>
void ExpectFormatted(Data &data, int size, const wchar_t *format, int length, const std::wstring &text)
{
    wchar_t buffer[32];
    std::fill(buffer, buffer + 31, L'?');
    buffer[31] = 0;
    EXPECT_EQ(data.FormattedText(buffer, size, format), length) << (format ? format : L"(default)");
    EXPECT_EQ(std::wstring(buffer), text) << (format ? format : L"(default)");
}

} // namespace

using ZafIntegerDataTest = CLocale;
using ZafRealDataTest = CLocale;

TEST_F(ZafIntegerDataTest, FormatsWithTheGivenOrTheDefaultFormat)
{
    ZafIntegerData data(1234);
    ExpectFormatted(data, 32, nullptr, 4, L"1234");
    ExpectFormatted(data, 32, L"%,8d", 8, L"   1,234");
    ExpectFormatted(data, 4, nullptr, 0, L"");
}

TEST_F(ZafIntegerDataTest, ParsesThroughTheFormatListAndReportsErrors)
{
    ZafIntegerData data(7);
    Counter counter;
    data.AddNotification(&counter, Counter::Changed, 2);
    EXPECT_EQ(data.SetFormattedText(L" -42", nullptr), 0);
    EXPECT_EQ(data.Value(), -42);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(data.SetFormattedText(L"#17", L"%d\n#%d"), 0);
    EXPECT_EQ(data.Value(), 17);
    EXPECT_EQ(data.SetFormattedText(L"abc", nullptr), ZAF_ERROR_INVALID_TEXT);
    EXPECT_EQ(data.Value(), 17);
    data.SubtractNotification(&counter);
}

TEST_F(ZafIntegerDataTest, ArithmeticNotifiesOncePerChange)
{
    ZafIntegerData data(10);
    Counter counter;
    data.AddNotification(&counter, Counter::Changed, 2);
    EXPECT_EQ(data.Add(5), 15);
    EXPECT_EQ(data.Subtract(20), -5);
    ZafIntegerData other(3);
    EXPECT_EQ(data.SetValue(other), 3);
    EXPECT_EQ(counter.changes, 3);
    data.SubtractNotification(&counter);
}

TEST_F(ZafRealDataTest, FormatsAndParsesRealNumbers)
{
    ZafRealData data(2.5);
    ExpectFormatted(data, 32, nullptr, 3, L"2.5");
    ExpectFormatted(data, 32, L"%08.3f", 8, L"0002.500");
    EXPECT_EQ(data.SetFormattedText(L"1e3", nullptr), 0);
    EXPECT_DOUBLE_EQ(data.Value(), 1000.0);
    EXPECT_EQ(data.SetFormattedText(L"x", nullptr), ZAF_ERROR_INVALID_TEXT);
}

TEST_F(ZafRealDataTest, DataObjectsCanBePassedToTheEnginesDirectly)
{
    ZafIntegerData integer(5);
    ZafRealData real(0.25);
    wchar_t buffer[32];
    ZafSPrintf(buffer, L"%Zd/%Zg", static_cast<ZafFormatData *>(&integer), static_cast<ZafFormatData *>(&real));
    EXPECT_EQ(std::wstring(buffer), L"5/0.25");
    EXPECT_EQ(ZafSScanf(L"8 1.5", L"%Zd %Zf", static_cast<ZafFormatData *>(&integer),
                  static_cast<ZafFormatData *>(&real)),
        2);
    EXPECT_EQ(integer.Value(), 8);
    EXPECT_DOUBLE_EQ(real.Value(), 1.5);
}

TEST(ZafNumberData, EachKindIsItsOwnClassAndAFormatDataButNotTheOtherKind)
{
    ZafIntegerData integer(1);
    ZafRealData real(1.0);
    const struct {
        const ZafFormatData *data;
        ZafClassID id, otherID;
        std::wstring name, otherName;
    } kinds[] = {
        { &integer, ZAF_ID_INTEGER_DATA, ZAF_ID_REAL_DATA, L"ZafIntegerData", L"ZafRealData" },
        { &real, ZAF_ID_REAL_DATA, ZAF_ID_INTEGER_DATA, L"ZafRealData", L"ZafIntegerData" },
    };
    for (const auto &kind : kinds) {
        SCOPED_TRACE(kind.name);
        EXPECT_EQ(kind.id, kind.data->ClassID());
        EXPECT_EQ(kind.name, kind.data->ClassName());
        EXPECT_TRUE(kind.data->IsAClassID(kind.id));
        EXPECT_TRUE(kind.data->IsAClassID(ZAF_ID_FORMAT_DATA));
        EXPECT_TRUE(kind.data->IsAClassID(ZAF_ID_DATA));
        EXPECT_FALSE(kind.data->IsAClassID(kind.otherID));
        EXPECT_TRUE(kind.data->IsAClassName(kind.name.c_str()));
        EXPECT_TRUE(kind.data->IsAClassName(L"ZafFormatData"));
        EXPECT_FALSE(kind.data->IsAClassName(kind.otherName.c_str()));
        EXPECT_FALSE(kind.data->IsAClassName(nullptr));
    }
}

TEST(ZafScrollData, CurrentIsClampedIntoTheRangeAndSetValuesNotifiesOnlyWhenSomethingChanged)
{
    ZafScrollData data(0, 10, 15, 1, 5);
    EXPECT_EQ(data.Current(), 10);
    ZafScrollData below(0, 10, -3, 1, 5);
    EXPECT_EQ(below.Current(), 0);
    Counter counter;
    data.AddNotification(&counter, Counter::Changed, 2);
    data.SetValues(0, 100, 50, 1, 10);
    EXPECT_EQ(counter.changes, 1);
    counter.changes = 0;
    data.SetValues(0, 100, 50, 1, 10);
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(data.SetValues(0, 40, 50, 2, 10), 40);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(data.LineStep(), 2);
    data.SetCurrent(40);
    EXPECT_EQ(counter.changes, 1);
    data.SetCurrent(-1);
    EXPECT_EQ(data.Current(), 0);
    EXPECT_EQ(counter.changes, 2);
    data.SubtractNotification(&counter);
}
