#include "domain/scoreboards/QVScoreboardData.h"
#include "domain/scoreboards/QVScoreboardEncoding.h"
#include "domain/scoreboards/QVScoreboardScript.h"
#include "foundation/streams/KFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Render(const QVScoreboardScript &script, QVScoreboardScript::Section section,
                    const QVScoreboardData &data)
{
    KString out;
    script.Render(section, data, out);
    return std::wstring(out.CStr());
}

// Parses a script that must be accepted and renders one of its sections.
std::wstring RenderScript(const wchar_t *text, QVScoreboardScript::Section section, const QVScoreboardData &data)
{
    QVScoreboardScript script;
    EXPECT_TRUE(script.Parse(KString(text))) << script.ErrorLine();
    return Render(script, section, data);
}

QVScoreboardRow Row(const wchar_t *place, const wchar_t *lane, const wchar_t *last, const wchar_t *rt)
{
    QVScoreboardRow r;
    r.place = place;
    r.lane = lane;
    r.last = last;
    r.first = L"Ann";
    r.reaction = rt;
    return r;
}

} // namespace

TEST(QVScoreboardScript, TimeOfDayFollowsThe24HourSwitch)
{
    const wchar_t *clock = L"; clock board\r\n[TimeOfDay]\r\n{TIME}\\r\r\n";
    QVScoreboardData data;
    data.hour = 14;
    data.minute = 5;
    data.second = 9;
    EXPECT_EQ(RenderScript(clock, QVScoreboardScript::kTimeOfDay, data), L"14:05:09\r");
    data.use24Hour = false;
    EXPECT_EQ(RenderScript(clock, QVScoreboardScript::kTimeOfDay, data), L"2:05:09\r");
    QVScoreboardScript script;
    ASSERT_TRUE(script.Parse(KString(clock)));
    EXPECT_FALSE(script.HasSection(QVScoreboardScript::kResults));
    EXPECT_EQ(Render(script, QVScoreboardScript::kResults, data), L"");
}

TEST(QVScoreboardScript, WidthsAlignCutAndZeroPad)
{
    QVScoreboardData data;
    data.message = L"Wind";
    data.page = 7;
    EXPECT_EQ(RenderScript(L"[Message]\n<{TEXT:-6}][{TEXT:6}][{TEXT:3}][{PAGE:03}][{ID:04}]",
                           QVScoreboardScript::kMessage, data),
              L"<Wind  ][  Wind][Win][007][    ]");
}

TEST(QVScoreboardScript, RowBlockRepeatsPerPageRowAndBlanksAShortPage)
{
    const wchar_t *board = L"[Results]\n{EVENT}|\n{#ROWS}{PLACE:2} {NAME:-8}{RT:6}\\n{/ROWS}\nP{PAGE}/{PAGES}";
    QVScoreboardData data;
    data.eventName = L"60m";
    data.pageSize = 3;
    data.includeFirst = false;
    data.rows.push_back(Row(L"1", L"4", L"Smith", L"0.142"));
    data.rows.push_back(Row(L"2", L"5", L"Jones", L"0.151"));
    data.pages = 2;
    EXPECT_EQ(RenderScript(board, QVScoreboardScript::kResults, data),
              L"60m| 1 Smith    0.142\n 2 Jones    0.151\n" + std::wstring(17, L' ') + L"\nP1/2");
    data.includeFirst = true;
    data.pageSize = 1;
    EXPECT_EQ(RenderScript(board, QVScoreboardScript::kResults, data), L"60m| 1 Ann Smit 0.142\nP1/2");
}

TEST(QVScoreboardScript, EscapesGiveControlAndHexCharacters)
{
    EXPECT_EQ(RenderScript(L"[Init]\n\\x02\\t\\{x\\}\\\\\\u00E9\\[\\x1B", QVScoreboardScript::kInit, QVScoreboardData()),
              std::wstring(L"\x02\t{x}\\\x00E9[\x1B"));
}

TEST(QVScoreboardScript, ErrorsAreRefusedWithTheirLineNumber)
{
    struct Case
    {
        const wchar_t *text;
        int line;
    } cases[] = {
        {L"text before any section", 1},
        {L"[Results]\n{PLACE}\n{NAMEX}", 3},
        {L"[Init]\n\n{TIME", 3},
        {L"[Init]\nabc}", 2},
        {L"[Init]\n\\q", 2},
        {L"[Init]\n\\x4", 2},
        {L"; c\n[Bogus]", 2},
        {L"[Init]\n[Init]", 2},
        {L"[Init]\n{#ROWS}", 2},
        {L"[Results]\n{#ROWS}\n{LANE}\n[Clear]", 2},
        {L"[Results]\n{/ROWS}", 2},
        {L"[Results]\n{LANE:x}", 2},
        {L"[Results]\n{LANE:0}", 2},
        {L"[Results]\n{LANE:999}", 2},
    };
    for (const Case &c : cases) {
        QVScoreboardScript script;
        EXPECT_FALSE(script.Parse(KString(c.text))) << std::wstring(c.text).size();
        EXPECT_EQ(script.ErrorLine(), c.line) << std::wstring(c.text).c_str();
        EXPECT_FALSE(script.ErrorText().IsEmpty());
        EXPECT_FALSE(script.IsLoaded());
        EXPECT_FALSE(script.HasSection(QVScoreboardScript::kInit));
    }
}

TEST(QVScoreboardScript, RefusedScriptForgetsTheOneBefore)
{
    QVScoreboardScript script;
    ASSERT_TRUE(script.Parse(KString(L"[Clear]\nX")));
    ASSERT_FALSE(script.Parse(KString(L"[Clear]\n{")));
    QVScoreboardData data;
    EXPECT_EQ(Render(script, QVScoreboardScript::kClear, data), L"");
}

TEST(QVScoreboardEncoding, TheThreeCharacterModes)
{
    KString text(L"A\x00E9\x20AC");
    std::vector<uint8_t> single, unicode, native;
    QVEncodeScoreboardText(text, kCharModeSingleByte, single);
    QVEncodeScoreboardText(text, kCharModeUnicode, unicode);
    QVEncodeScoreboardText(text, kCharModeNative, native);
    EXPECT_EQ(single, (std::vector<uint8_t>{'A', 0xE9, '?'}));
    EXPECT_EQ(unicode, (std::vector<uint8_t>{'A', 0, 0xE9, 0, 0xAC, 0x20}));
    ASSERT_GE(native.size(), 2u);
    EXPECT_EQ(native[0], 'A');
}

TEST(QVScoreboardScript, ExampleScriptOfTheUserPageRendersAsDescribed)
{
    KFile file(QV_SERVICES_INPUTS L"/scoreboard/example.vss");
    file.Open(KFile::kModeRead);
    QVScoreboardScript script;
    ASSERT_TRUE(script.Parse(file)) << script.ErrorLine() << " " << std::wstring(script.ErrorText().CStr()).size();
    QVScoreboardData data;
    data.year = 2026;
    data.month = 5;
    data.day = 1;
    data.hour = 18;
    data.minute = 32;
    data.second = 5;
    data.eventName = L"60 m Women Heats";
    data.page = 1;
    data.pages = 2;
    data.pageSize = 2;
    data.rows.push_back(Row(L"1", L"2", L"Dubois", L"0.142"));
    data.rows.push_back(Row(L"2", L"5", L"O'Neill", L"0.093"));
    data.message = L"Wind +0.4";
    EXPECT_EQ(Render(script, QVScoreboardScript::kInit, data), L"\x02\x1B" L"C\x03");
    EXPECT_EQ(Render(script, QVScoreboardScript::kTimeOfDay, data),
              L"\x02      18:32:05      \r2026-05-01          \x03");
    EXPECT_EQ(Render(script, QVScoreboardScript::kResults, data),
              L"\x02" L"60 m Women Heats1/2\r 1 2 Dubois    0.142\r 2 5 O'Neill   0.093\r\x03");
    EXPECT_EQ(Render(script, QVScoreboardScript::kMessage, data),
              L"\x02Wind +0.4" + std::wstring(31, L' ') + L"\x03");
}

TEST(QVScoreboardScript, RandomBytesAreRefusedCleanly)
{
    KFile file(QV_SERVICES_INPUTS L"/scoreboard/random.vss");
    file.Open(KFile::kModeRead);
    QVScoreboardScript script;
    EXPECT_FALSE(script.Parse(file));
    EXPECT_GE(script.ErrorLine(), 1);
    EXPECT_FALSE(script.HasSection(QVScoreboardScript::kResults));
}
