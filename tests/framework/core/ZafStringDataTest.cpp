#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafPrintf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Counts the change notifications a string data sends.
struct Observer : ZafElement
{
    int changes = 0;
    static ZafError Changed(ZafElement *observer, ZafUpdateCode code)
    {
        if (code == 2)
            ++static_cast<Observer *>(observer)->changes;
        return 0;
    }
    void Watch(ZafStringData &data) { data.AddNotification(this, Changed, 3); }
};

std::wstring TextOf(const ZafStringData &data)
{
    return data.Text() ? data.Text() : L"<null>";
}

// A caller's buffer with guard characters on both sides.
struct GuardedBuffer
{
    static const wchar_t GUARD = 0x7E7E;
    wchar_t cells[16];
    explicit GuardedBuffer(const wchar_t *text)
    {
        for (wchar_t &c : cells)
            c = GUARD;
        int i = 0;
        for (; text[i]; ++i)
            cells[1 + i] = text[i];
        cells[1 + i] = 0;
    }
    wchar_t *Inner() { return cells + 1; }
    // The inner buffer is cells[1..room]; everything after must be intact.
    bool GuardsIntact(int room) const
    {
        if (cells[0] != GUARD)
            return false;
        for (int i = 1 + room; i < 16; ++i)
            if (cells[i] != GUARD)
                return false;
        return true;
    }
};

} // namespace

TEST(ZafStringData, CapacityFollowsTheTextAndTheMaximum)
{
    ZafStringData three(L"abc");
    EXPECT_EQ(three.Capacity(), 14);
    ZafStringData empty;
    EXPECT_EQ(empty.Capacity(), 255);
    EXPECT_EQ(TextOf(empty), L"");
    ZafStringData limited(L"abc", 10);
    EXPECT_EQ(limited.Capacity(), 11);
}

TEST(ZafStringData, LimitedValuesKeepOnlyTheirMaximum)
{
    ZafStringData data(L"", 5);
    data.SetText(L"twenty characters!!!");
    EXPECT_EQ(TextOf(data), L"twent");
    // The constructor cuts too: its buffer has only maximum + 1 characters.
    ZafStringData cut(L"much longer than five", 5);
    EXPECT_EQ(TextOf(cut), L"much ");
    data.Append(L"xyz");
    EXPECT_EQ(TextOf(data), L"twent");
    data.SetMaxLength(2);
    EXPECT_EQ(TextOf(data), L"tw");
    ZafStringData inserted(L"abcd", 6);
    inserted.Insert(2, L"12345");
    EXPECT_EQ(TextOf(inserted), L"ab1234");
}

TEST(ZafStringData, UnlimitedValuesGrow)
{
    ZafStringData data(L"ab");
    std::wstring longText(100, L'x');
    data.SetText(longText.c_str());
    EXPECT_EQ(TextOf(data), longText);
    EXPECT_GE(data.Capacity(), 101);
    data.Append(L"yz");
    EXPECT_EQ(data.Length(), 102);
}

TEST(ZafStringData, SetCharGrowsUnlimitedValuesAndRefusesOthers)
{
    ZafStringData unlimited(L"abc");
    EXPECT_EQ(unlimited.SetChar(300, L'x'), 0);
    EXPECT_EQ(unlimited.Capacity(), 555);
    EXPECT_EQ(TextOf(unlimited), L"abc");
    EXPECT_EQ(unlimited.SetChar(3, L'd'), 0);
    EXPECT_EQ(TextOf(unlimited), L"abcd");
    ZafStringData limited(L"abc", 10);
    EXPECT_EQ(limited.SetChar(300, L'x'), 5);
    EXPECT_EQ(limited.SetChar(-1, L'x'), 5);
    EXPECT_EQ(TextOf(limited), L"abc");
}

TEST(ZafStringData, EveryChangeNotifiesOnceAndQuietChangesNotAtAll)
{
    ZafStringData data(L"hello world");
    Observer observer;
    observer.Watch(data);
    data.ReplaceChars(0, 5, L"HELLO");
    EXPECT_EQ(observer.changes, 1);
    EXPECT_EQ(TextOf(data), L"HELLO world");
    data.SetChar(0, L'J', true);
    EXPECT_EQ(observer.changes, 1);
    data.SetChar(0, L'Y');
    EXPECT_EQ(observer.changes, 2);
    data.Clear();
    EXPECT_EQ(observer.changes, 3);
    EXPECT_EQ(TextOf(data), L"");
    data.SubtractNotification(&observer);
}

TEST(ZafStringData, RemoveSubstringTakesTheFirstOccurrenceOrNothing)
{
    ZafStringData data(L"abcabd");
    Observer observer;
    observer.Watch(data);
    data.RemoveSubstring(L"zz");
    EXPECT_EQ(observer.changes, 0);
    data.RemoveSubstring(L"abd");
    EXPECT_EQ(TextOf(data), L"abc");
    EXPECT_EQ(observer.changes, 1);
    data.SubtractNotification(&observer);
}

TEST(ZafStringData, InsertAndDeleteClampPositionsToTheText)
{
    ZafStringData data(L"abc");
    data.Insert(1, L"XY");
    EXPECT_EQ(TextOf(data), L"aXYbc");
    data.Insert(99, L"!");
    EXPECT_EQ(TextOf(data), L"aXYbc!");
    data.Insert(-5, L"<", 1);
    EXPECT_EQ(TextOf(data), L"<aXYbc!");
    data.Insert(0, L"12", 10);                   // length longer than the text
    EXPECT_EQ(TextOf(data), L"12<aXYbc!");
    data.DeleteChars(7, 100);
    EXPECT_EQ(TextOf(data), L"12<aXYb");
    data.DeleteChars(50, 2);
    data.DeleteChars(0, -3);
    EXPECT_EQ(TextOf(data), L"12<aXYb");
    data.Insert(2, data.Text(), 2);               // a part of itself
    EXPECT_EQ(TextOf(data), L"1212<aXYb");
}

TEST(ZafStringData, StaticBuffersAreNeverWrittenPastTheirRoom)
{
    GuardedBuffer buffer(L"abc");
    {
        ZafStringData data(buffer.Inner(), 5, true);
        data.SetText(L"a much longer text");
        EXPECT_EQ(TextOf(data), L"a muc");
        data.Append(L"more");
        EXPECT_EQ(TextOf(data), L"a muc");
        data.Insert(0, L"zz");                    // would overflow: unchanged
        EXPECT_EQ(TextOf(data), L"a muc");
        data.SetMaxLength(5);
        EXPECT_EQ(data.SetChar(5, L'!'), 5);
        data.DeleteChars(0, 2);
        data.Insert(0, L"Q");
        EXPECT_EQ(TextOf(data), L"Qmuc");
        EXPECT_EQ(ZafSScanf(L"overlong input", L"%Zs", &data), 1);
        EXPECT_EQ(TextOf(data), L"overl");
    }
    EXPECT_TRUE(buffer.GuardsIntact(6));
    EXPECT_EQ(std::wstring(buffer.Inner()), L"overl");
}

TEST(ZafStringData, StaticValuesTakeOnlyTheirSettersAndSwitchedOffOwnACopy)
{
    ZafStringData data(true);
    EXPECT_EQ(data.Text(), nullptr);
    EXPECT_EQ(data.Length(), 0);
    data.Append(L"x");
    data.Insert(0, L"x");
    data.Clear();
    EXPECT_EQ(data.SetChar(0, L'x'), 5);
    EXPECT_EQ(data.Compare(L""), 0);
    wchar_t *copy = data.DuplicateText();
    EXPECT_EQ(std::wstring(copy), L"");
    delete[] copy;
    data.SetStaticText(false);
    data.SetText(L"now owned");
    EXPECT_EQ(TextOf(data), L"now owned");
    wchar_t buffer[8] = L"abc";
    ZafStringData borrowed(buffer, 7, true);
    borrowed.SetStaticText(false);
    borrowed.SetText(L"changed");
    EXPECT_EQ(std::wstring(buffer), L"abc");
    EXPECT_EQ(TextOf(borrowed), L"changed");
}

TEST(ZafStringData, OperatorsBuildNewOwnedValues)
{
    wchar_t buffer[8] = L"abc";
    ZafStringData borrowed(buffer, 7, true);
    ZafStringData joined = borrowed + L"def";
    EXPECT_EQ(TextOf(joined), L"abcdef");
    EXPECT_FALSE(joined.StaticText());
    EXPECT_EQ(std::wstring(buffer), L"abc");
    EXPECT_EQ(TextOf(borrowed - L"b"), L"ac");
    EXPECT_EQ(TextOf(L'<' + borrowed + L'>'), L"<abc>");
    EXPECT_EQ(TextOf(L"xabcx" - borrowed), L"xx");
    ZafStringData other(L"123");
    EXPECT_EQ(TextOf(other + borrowed), L"123abc");
    other = L'z';
    other += L'!';
    EXPECT_EQ(TextOf(other), L"z!");
}

TEST(ZafStringData, LocalTextConvertsThroughTheCodeSet)
{
    ZafStringData data("caf\xe9", -1, false);
    EXPECT_EQ(TextOf(data), L"caf\u00e9");
    data.SetLocalText("na\xefve");
    EXPECT_EQ(TextOf(data), L"na\u00efve");
    char *local = data.DuplicateLocalText();
    EXPECT_STREQ(local, "na\xefve");
    delete[] local;
    wchar_t *mapped = data.DuplicateMappedText();
    EXPECT_EQ(std::wstring(mapped), L"na\u00efve");
    delete[] mapped;
}

TEST(ZafStringData, FormatsAndParsesItselfThroughTheEngines)
{
    ZafStringData data(L"ab");
    wchar_t buffer[16];
    EXPECT_EQ(data.FormattedText(buffer, 16, L"%5s"), 5);
    EXPECT_EQ(std::wstring(buffer), L"   ab");
    EXPECT_EQ(data.FormattedText(buffer, 4, L"%5s"), 0);
    EXPECT_EQ(data.FormattedText(buffer, 16, L"[%-4s]\nignored"), 6);
    EXPECT_EQ(std::wstring(buffer), L"[ab  ]");
    Observer observer;
    observer.Watch(data);
    data.SetFormattedText(L"  word rest", L"%s");
    EXPECT_EQ(TextOf(data), L"word");
    EXPECT_EQ(observer.changes, 1);
    data.SubtractNotification(&observer);
    EXPECT_EQ(data.FormattedText(buffer, 16, L"%c"), 1);
    EXPECT_EQ(std::wstring(buffer), L"w");
}
