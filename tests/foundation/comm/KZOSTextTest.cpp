#include "foundation/comm/KZOSText.h"
#include "foundation/strings/KString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(KZOSText, WideSystemCallsNeedNoConversion)
{
    KZOSText text(KString(L"Printer"), false, false);
    EXPECT_EQ(text.GetText(), nullptr);
}

TEST(KZOSText, AnsiSystemCallsGetTheTextInTheCodePage)
{
    KZOSText text(KString(L"Page 1 of 2"), false, true);
    ASSERT_NE(text.GetText(), nullptr);
    EXPECT_STREQ(text.GetText(), "Page 1 of 2");
    EXPECT_EQ(text.Length(), 11);
}

TEST(KZOSText, ShortTextsShareOneBufferUnlessAPrivateCopyIsAsked)
{
    KZOSText first(KString(L"first"), false, true);
    const char *shared = first.GetText();
    KZOSText second(KString(L"second"), false, true);
    EXPECT_EQ(second.GetText(), shared);
    EXPECT_STREQ(first.GetText(), "second"); // the shared buffer was reused

    KZOSText own(KString(L"own"), true, true);
    EXPECT_NE(own.GetText(), shared);
    EXPECT_STREQ(own.GetText(), "own");
    EXPECT_STREQ(second.GetText(), "second");
}

TEST(KZOSText, LongTextsGetTheirOwnBuffer)
{
    std::wstring wide(KZOSText::kSharedLength, L'a');
    KZOSText atLimit(KString(wide.c_str()), false, true);
    wide += L'b';
    KZOSText beyond(KString(wide.c_str()), false, true);
    EXPECT_NE(beyond.GetText(), atLimit.GetText());
    EXPECT_EQ(std::string(beyond.GetText()), std::string(KZOSText::kSharedLength, 'a') + "b");
}

TEST(KZOSText, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    KZOSText text(KString(L"a\x4E2D" L"b"), true, true); // a CJK character in a Western code page
    ASSERT_NE(text.GetText(), nullptr);
    EXPECT_EQ(text.GetText()[0], 'a');
    EXPECT_EQ(text.GetText()[text.Length() - 1], 'b');
    EXPECT_LE(text.Length(), 2 * 3 + 1);
}
