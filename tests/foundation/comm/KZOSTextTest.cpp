#include "foundation/comm/KZOSText.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
// Pretends the 8-bit system calls are (or are not) the only ones, for one test.
class AnsiPlatform
{
public:
    explicit AnsiPlatform(bool ansi) { KForceAnsiApi(ansi ? 1 : 0); }
    ~AnsiPlatform() { KForceAnsiApi(-1); }
};
} // namespace

TEST(KZOSText, ShortTextsShareOneBufferUnlessAPrivateCopyIsAsked)
{
    AnsiPlatform ansi(true);
    KZOSText first(KString(L"first"));
    const char *shared = first.GetText();
    KZOSText second(KString(L"second"));
    EXPECT_EQ(second.GetText(), shared);
    EXPECT_STREQ(first.GetText(), "second"); // the shared buffer was reused
    EXPECT_EQ(second.Length(), 6);

    KZOSText own(KString(L"own"), true);
    EXPECT_NE(own.GetText(), shared);
    EXPECT_STREQ(own.GetText(), "own");
    EXPECT_STREQ(second.GetText(), "second");
}

TEST(KZOSText, LongTextsGetTheirOwnBuffer)
{
    AnsiPlatform ansi(true);
    std::wstring wide(KZOSText::kSharedLength, L'a');
    KZOSText atLimit(KString(wide.c_str()));
    wide += L'b';
    KZOSText beyond(KString(wide.c_str()));
    EXPECT_NE(beyond.GetText(), atLimit.GetText());
    EXPECT_EQ(std::string(beyond.GetText()), std::string(KZOSText::kSharedLength, 'a') + "b");
}

TEST(KZOSText, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    AnsiPlatform ansi(true);
    KZOSText text(KString(L"a\x4E2D" L"b"), true); // a CJK character in a Western code page
    ASSERT_NE(text.GetText(), nullptr);
    EXPECT_EQ(text.GetText()[0], 'a');
    EXPECT_EQ(text.GetText()[text.Length() - 1], 'b');
    EXPECT_LE(text.Length(), 2 * 3 + 1);
}
