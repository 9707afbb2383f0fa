#include "framework/core/text/ZafCharacters.h"

#include <gtest/gtest.h>

TEST(ZafCharacters, CaseMappingCoversLatinGreekAndCyrillic)
{
    EXPECT_EQ(ZafToUpper(0x00E9), 0x00C9);   // é -> É
    EXPECT_EQ(ZafToLower(0x00C9), 0x00E9);
    EXPECT_EQ(ZafToUpper(0x00FF), 0x0178);   // ÿ -> Ÿ
    EXPECT_EQ(ZafToUpper(0x0101), 0x0100);   // ā -> Ā (alternating block)
    EXPECT_EQ(ZafToLower(0x0100), 0x0101);
    EXPECT_EQ(ZafToUpper(0x03B1), 0x0391);   // α -> Α
    EXPECT_EQ(ZafToUpper(0x03C2), 0x03A3);   // final ς -> Σ
    EXPECT_EQ(ZafToUpper(0x0436), 0x0416);   // ж -> Ж
    EXPECT_EQ(ZafToLower(0x0401), 0x0451);   // Ё -> ё
    EXPECT_EQ(ZafToUpper(0xFF41), 0xFF21);   // fullwidth a
}

TEST(ZafCharacters, CharactersWithoutAnotherCaseStayUnchanged)
{
    EXPECT_EQ(ZafToUpper(0x00DF), 0x00DF);   // ß has no single-character upper case
    EXPECT_EQ(ZafToUpper(L'1'), L'1');
    EXPECT_EQ(ZafToLower(0x4E2D), 0x4E2D);   // a CJK ideograph
    EXPECT_EQ(ZafToUpper(0x00D7), 0x00D7);   // multiplication sign between letters
    EXPECT_EQ(ZafToUpper(0xD800), 0xD800);
}

TEST(ZafCharacters, AsciiMapsExactlyItsLettersAsTheLetterClassesSay)
{
    for (ZafIChar c = 0; c < 0x80; ++c) {
        const ZafIChar upper = ZafToUpper(c), lower = ZafToLower(c);
        EXPECT_EQ(ZafIsLower(c), upper != c) << int(c);
        EXPECT_EQ(ZafIsUpper(c), lower != c) << int(c);
        if (upper != c) {
            EXPECT_TRUE(ZafIsUpper(upper) && ZafToLower(upper) == c) << int(c);
        }
    }
    EXPECT_EQ(ZafToUpper(L'q'), L'Q');
    EXPECT_EQ(ZafToLower(L'Z'), L'z');
}

TEST(ZafCharacters, UpperAndLowerClassesFollowTheLetter)
{
    EXPECT_TRUE(ZafIsUpper(0x00C9));
    EXPECT_FALSE(ZafIsLower(0x00C9));
    EXPECT_TRUE(ZafIsLower(0x00DF));         // ß is lower case
    EXPECT_TRUE(ZafIsUpper(0x0100));
    EXPECT_FALSE(ZafIsUpper(0x0101));
    EXPECT_FALSE(ZafIsUpper(L'5'));
    EXPECT_FALSE(ZafIsUpper(0x00D7));
}

TEST(ZafCharacters, SpaceIsTheListedSetOnly)
{
    const ZafIChar spaces[] = { 0x09, 0x0A, 0x0D, 0x20, 0xA0, 0x2000, 0x200B, 0x2028, 0x2029, 0x3000, 0xFEFF };
    for (ZafIChar c : spaces)
        EXPECT_TRUE(ZafIsSpace(c)) << int(c);
    const ZafIChar others[] = { 0x08, 0x0E, 0x1F, L'a', 0x200C, 0x202F, 0x2027 };
    for (ZafIChar c : others)
        EXPECT_FALSE(ZafIsSpace(c)) << int(c);
}
