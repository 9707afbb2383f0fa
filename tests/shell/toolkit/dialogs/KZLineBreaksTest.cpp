// How a line too wide for its place is cut, with one cell a character.
#include "shell/toolkit/dialogs/KZLineBreaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Characters(const std::wstring &text)
{
    return int(text.size());
}

std::vector<std::wstring> Break(const std::wstring &line, int width)
{
    return KZBreakLine(line, width, Characters);
}

std::wstring Joined(const std::vector<std::wstring> &pieces)
{
    std::wstring all;
    for (const std::wstring &piece : pieces)
        all += piece;
    return all;
}

} // namespace

TEST(KZLineBreaks, ALineThatFitsStaysWholeAndAnEmptyOneKeepsItsRow)
{
    EXPECT_EQ(std::vector<std::wstring>{ L"C:\\a\\b.qvw" }, Break(L"C:\\a\\b.qvw", 10));
    EXPECT_EQ(std::vector<std::wstring>{ L"" }, Break(L"", 10));
}

TEST(KZLineBreaks, APathIsCutAfterItsSeparatorsIntoPiecesThatFitAndLoseNothing)
{
    const std::wstring path = L"C:\\Workouts\\Season 2026/Indoor\\heat-one.qvw";
    for (int width = 12; width <= int(path.size()); ++width) {
        const std::vector<std::wstring> pieces = Break(path, width);
        EXPECT_EQ(path, Joined(pieces)) << width;
        for (const std::wstring &piece : pieces)
            EXPECT_LE(int(piece.size()), width) << width;
        EXPECT_EQ(L"heat-one.qvw", pieces.back().substr(pieces.back().size() - 12)) << width;
        for (size_t i = 0; i + 1 < pieces.size(); ++i) {
            const wchar_t end = pieces[i].back();
            EXPECT_TRUE(end == L'\\' || end == L'/' || end == L' ') << "cut inside a name at width " << width;
        }
    }
    EXPECT_EQ((std::vector<std::wstring>{ L"C:\\Workouts\\", L"Season 2026/", L"Indoor\\", L"heat-one.qvw" }),
              Break(path, 12));
}

TEST(KZLineBreaks, ANameWiderThanThePlaceIsShortenedInItsMiddleKeepingBothEnds)
{
    const std::vector<std::wstring> pieces = Break(L"C:\\a\\abcdefghijklmnopqrstuvwxyz.qvw", 12);
    ASSERT_EQ(2u, pieces.size());
    EXPECT_EQ(L"C:\\a\\", pieces[0]);
    EXPECT_EQ(L"abcd...z.qvw", pieces[1]);
    // Nothing fits but the dots themselves.
    EXPECT_EQ(std::vector<std::wstring>{ L"..." }, Break(L"abcdef", 2));
}
