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
