// Collation keys for sorted lists. A key is the primary weights (base
// letters), then the secondary weights (accents, last letter first), then the
// tertiary weights (case), then for each punctuation character its position
// and weight; keys compare character by character.

#include "framework/core/text/ZafStrings.h"

#include <cstdint>
#include <vector>

namespace {

struct Punctuation
{
    uint16_t character;
    uint16_t weight;
};

const Punctuation punctuationTable[58] = {
    {0x20, 0x20}, {0x21, 0x28}, {0x22, 0x38}, {0x23, 0x52}, {0x24, 0x4C}, {0x25, 0x53},
    {0x26, 0x57}, {0x27, 0x35}, {0x28, 0x3D}, {0x29, 0x3F}, {0x2A, 0x4F}, {0x2B, 0x55},
    {0x2C, 0x25}, {0x2D, 0x24}, {0x2E, 0x2D}, {0x2F, 0x2C}, {0x3A, 0x27}, {0x3B, 0x26},
    {0x3C, 0x5B}, {0x3D, 0x5D}, {0x3E, 0x5F}, {0x3F, 0x2A}, {0x40, 0x49}, {0x5B, 0x41},
    {0x5C, 0x50}, {0x5D, 0x42}, {0x5E, 0x30}, {0x5F, 0x21}, {0x60, 0x2F}, {0x7B, 0x43},
    {0x7C, 0x61}, {0x7D, 0x44}, {0x7E, 0x32}, {0xA1, 0x29}, {0xA2, 0x4B}, {0xA3, 0x4D},
    {0xA4, 0x4A}, {0xA5, 0x4E}, {0xA6, 0x62}, {0xA7, 0x45}, {0xA8, 0x31}, {0xA9, 0x47},
    {0xAB, 0x3B}, {0xAC, 0x60}, {0xAD, 0x23}, {0xAE, 0x48}, {0xAF, 0x22}, {0xB0, 0x63},
    {0xB1, 0x57}, {0xB4, 0x2E}, {0xB5, 0x64}, {0xB6, 0x46}, {0xB7, 0x33}, {0xB8, 0x34},
    {0xBB, 0x3C}, {0xBF, 0x2B}, {0xD7, 0x59}, {0xF7, 0x58},
};

struct Weights
{
    uint16_t primary;
    uint16_t secondary;
    uint16_t tertiary;
};

// Marks of the secondary weight.
enum : uint16_t
{
    PLAIN = 0x0F,
    GRAVE = 0x13,
    ACUTE = 0x12,
    CIRCUMFLEX = 0x14,
    TILDE = 0x17,
    DIAERESIS = 0x16,
    RING = 0x15,
    CEDILLA = 0x19,
    STROKE = 0x18,
};

// Base letter and mark of U+00C0-U+00DF; the small letters U+00E0-U+00FF
// follow the same pattern 0x20 higher. Entries 0x17 (multiplication sign) and
// the special rows are handled before this table is consulted.
const char latinBase[32] = {
    'a', 'a', 'a', 'a', 'a', 'a', 'a', 'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0, 'o', 'u', 'u', 'u', 'u', 'y', 't', 's',
};
const uint16_t latinMark[32] = {
    GRAVE, ACUTE, CIRCUMFLEX, TILDE, DIAERESIS, RING, 0x11, CEDILLA,
    GRAVE, ACUTE, CIRCUMFLEX, DIAERESIS, GRAVE, ACUTE, CIRCUMFLEX, DIAERESIS,
    0x10, TILDE, GRAVE, ACUTE, CIRCUMFLEX, TILDE, DIAERESIS, 0,
    STROKE, GRAVE, ACUTE, CIRCUMFLEX, DIAERESIS, ACUTE, 0x10, 0x11,
};

bool PunctuationWeight(uint16_t c, uint16_t &weight)
{
    for (const Punctuation &p : punctuationTable)
        if (p.character == c)
        {
            weight = p.weight;
            return true;
        }
    return false;
}

bool LetterWeights(uint16_t c, Weights &w)
{
    if (c >= '0' && c <= '9')
        w = {c, PLAIN, 7};
    else if (c >= 'A' && c <= 'Z')
        w = {uint16_t(c + 0x20), PLAIN, 0x0A};
    else if (c >= 'a' && c <= 'z')
        w = {c, PLAIN, 7};
    else if (c == 0xA0)
        w = {0x20, PLAIN, 7};
    else if (c == 0xAA)
        w = {'a', 0x10, 9};
    else if (c == 0xBA)
        w = {'o', 0x10, 9};
    else if (c == 0xB2 || c == 0xB3)
        w = {uint16_t('2' + (c - 0xB2)), PLAIN, 9};
    else if (c == 0xB9)
        w = {'1', PLAIN, 9};
    else if (c >= 0xBC && c <= 0xBE)
        w = {'0', uint16_t(0x14 + 2 * (c - 0xBC)), 7};
    else if (c == 0xFE)
        w = {'t', 0x14, 7};
    else if (c == 0xFF)
        w = {'y', DIAERESIS, 7};
    else if (c >= 0xC0 && c <= 0xFD && c != 0xD7 && c != 0xF7)
    {
        int index = (c - 0xC0) & 0x1F;
        bool capital = c < 0xE0 && c != 0xDF;
        w = {uint16_t(latinBase[index]), latinMark[index], uint16_t(capital ? 0x0A : 7)};
    }
    else
        return false;
    return true;
}

bool ExpansionWeights(uint16_t c, Weights &w)
{
    switch (c)
    {
    case 0xC6: w = {'e', 0x11, 0x0A}; return true;
    case 0xDE: w = {'h', 0x10, 0x0A}; return true;
    case 0xDF: w = {'s', 0x11, 7}; return true;
    case 0xE6: w = {'e', 0x11, 7}; return true;
    case 0xFE: w = {'h', 0x10, 7}; return true;
    default: return false;
    }
}

} // namespace

int ZafStrXfrm(wchar_t *dest, const wchar_t *src, int maximum)
{
    std::vector<wchar_t> primary, secondary, tertiary, punctuation;
    for (int i = 0; src[i]; ++i)
    {
        uint16_t c = uint16_t(src[i]);
        uint16_t weight;
        Weights w;
        if (PunctuationWeight(c, weight))
        {
            punctuation.push_back(wchar_t(i + 1));
            punctuation.push_back(wchar_t(weight));
            continue;
        }
        if (!LetterWeights(c, w))
            continue;
        primary.push_back(wchar_t(w.primary));
        secondary.insert(secondary.begin(), wchar_t(w.secondary));
        tertiary.push_back(wchar_t(w.tertiary));
        if (ExpansionWeights(c, w))
        {
            primary.push_back(wchar_t(w.primary));
            secondary.insert(secondary.begin(), wchar_t(w.secondary));
            tertiary.push_back(wchar_t(w.tertiary));
        }
    }
    int length = int(primary.size() + secondary.size() + tertiary.size() + punctuation.size());
    if (dest && length < maximum)
    {
        wchar_t *out = dest;
        for (const auto *part : {&primary, &secondary, &tertiary, &punctuation})
            for (wchar_t c : *part)
                *out++ = c;
        *out = 0;
    }
    return length;
}

int ZafStrColl(const wchar_t *a, const wchar_t *b)
{
    // Six key characters per source character always suffice (a letter with
    // an expansion gives six, punctuation two).
    int sizeA = 6 * ZafStrLen(a) + 1;
    int sizeB = 6 * ZafStrLen(b) + 1;
    std::vector<wchar_t> keyA(size_t(sizeA), 0), keyB(size_t(sizeB), 0);
    ZafStrXfrm(keyA.data(), a, sizeA);
    ZafStrXfrm(keyB.data(), b, sizeB);
    return ZafStrSafeCmp(keyA.data(), keyB.data());
}
