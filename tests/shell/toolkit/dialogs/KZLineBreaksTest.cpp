// How a line too wide for its place is cut, with one cell a character.
#include "shell/toolkit/dialogs/KZLineBreaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Break(const std::wstring &line, int width)
{
    return KZBreakLine(line, width, [](const std::wstring &text) { return int(text.size()); });
}

bool IsHigh(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool Attaches(wchar_t c) { return c == 0x0301 || c == 0xFE0F || c == 0x200D; }

// Whether piece holds half a surrogate pair, or a mark, selector or joiner
// parted from its character by a cut (at the piece's start or after the
// "..."), or a joiner cut from what follows it.
bool SplitsACharacter(const std::wstring &piece)
{
    for (size_t i = 0; i < piece.size(); ++i) {
        const bool cutBefore = i == 0 || piece[i - 1] == L'.';
        const bool cutAfter = i + 1 == piece.size() || piece[i + 1] == L'.';
        if (IsHigh(piece[i]) && (cutAfter || !IsLow(piece[i + 1])))
            return true;
        if (IsLow(piece[i]) && (cutBefore || !IsHigh(piece[i - 1])))
            return true;
        if ((Attaches(piece[i]) && cutBefore) || (piece[i] == 0x200D && cutAfter))
            return true;
    }
    return false;
}

} // namespace

// At every width from the longest name up, nothing is lost, every piece
// fits, every cut follows a separator and the file's name ends the last.
TEST(KZLineBreaks, APathIsCutAfterItsSeparatorsIntoPiecesThatFitAndLoseNothing)
{
    const std::wstring path = L"C:\\Workouts\\Season 2026/Indoor\\heat-one.qvw";
    for (int width = 12; width <= int(path.size()); ++width) {
        const std::vector<std::wstring> pieces = Break(path, width);
        std::wstring joined;
        for (size_t i = 0; i < pieces.size(); ++i) {
            joined += pieces[i];
            EXPECT_LE(int(pieces[i].size()), width) << width;
            const wchar_t end = pieces[i].back();
            EXPECT_TRUE(i + 1 == pieces.size() || end == L'\\' || end == L'/' || end == L' ') << width;
        }
        EXPECT_EQ(path, joined) << width;
    }
    EXPECT_EQ(std::vector<std::wstring>{ path }, Break(path, int(path.size())));
    EXPECT_EQ((std::vector<std::wstring>{ L"C:\\Workouts\\", L"Season 2026/", L"Indoor\\", L"heat-one.qvw" }),
              Break(path, 12));
}

TEST(KZLineBreaks, ANameWiderThanThePlaceIsShortenedInItsMiddleKeepingBothEnds)
{
    EXPECT_EQ((std::vector<std::wstring>{ L"C:\\a\\", L"abcd...z.qvw" }),
              Break(L"C:\\a\\abcdefghijklmnopqrstuvwxyz.qvw", 12));
    // Nothing fits but the dots themselves.
    EXPECT_EQ(std::vector<std::wstring>{ L"..." }, Break(L"abcdef", 2));
}

// A name of emoji (a woman running: runner, joiner, female sign, emoji
// selector; a flag; a face) and accented letters: at every width each piece
// keeps its surrogate pairs and marks whole, around the "..." as well as at
// separators.
TEST(KZLineBreaks, NoCutPartsASurrogatePairOrACharacterFromItsMarks)
{
    const std::wstring runner = L"\xD83C\xDFC3\x200D\x2640\xFE0F";
    const std::wstring flag = L"\xD83C\xDDEB\xD83C\xDDF7";
    std::wstring name;
    for (int i = 0; i < 6; ++i)
        name += runner + flag + L"e\x0301" + L"\xD83D\xDE00 ";
    for (int i = 0; i < 4; ++i)
        name += runner + L"e\x0301" + runner + flag;
    const std::wstring path = L"C:\\Heats\\" + name + L".qvw";
    for (int width = 10; width <= 80; ++width) {
        for (const std::wstring &piece : Break(path, width)) {
            EXPECT_LE(int(piece.size()), width) << width;
            EXPECT_FALSE(SplitsACharacter(piece)) << width;
        }
    }
}
