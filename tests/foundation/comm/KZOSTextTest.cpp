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

TEST(KZOSText, LiveTextsKeepTheirOwnBytes)
{
    AnsiPlatform ansi(true);
    KZOSText service(KString(L"Quorvane Training"));
    KZOSText topic(KString(L"System"));
    std::wstring wide(300, L'a');
    KZOSText path(KString(wide.c_str()));
    EXPECT_STREQ(service.GetText(), "Quorvane Training");
    EXPECT_STREQ(topic.GetText(), "System");
    EXPECT_EQ(std::string(path.GetText()), std::string(300, 'a'));
    EXPECT_EQ(topic.Length(), 6);
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
