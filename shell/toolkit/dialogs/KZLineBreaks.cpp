#include "shell/toolkit/dialogs/KZLineBreaks.h"

namespace {

constexpr wchar_t kJoiner = 0x200D;   // zero-width joiner: binds the characters on both sides

bool BreaksAfter(wchar_t c)
{
    return c == L'\\' || c == L'/' || c == L' ';
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether c belongs to the character before it: the common blocks of
// combining marks, the variation selectors and the joiner. Marks outside
// these blocks may still be parted from their letter; that only looks odd.
bool Attaches(wchar_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
           c == kJoiner;
}

// Whether text may be cut before its unit at: not inside a surrogate pair,
// not before a mark that belongs to the character before, not after a joiner.
bool CutsCleanly(const std::wstring &text, size_t at)
{
    if (at == 0 || at >= text.size())
        return true;
    if (IsHighSurrogate(text[at - 1]) && IsLowSurrogate(text[at]))
        return false;
    return !Attaches(text[at]) && text[at - 1] != kJoiner;
}

bool BreaksAt(const std::wstring &text, size_t i)
{
    return BreaksAfter(text[i]) && CutsCleanly(text, i + 1);
}

size_t CleanCutAtOrBefore(const std::wstring &text, size_t at)
{
    while (!CutsCleanly(text, at))
        --at;
    return at;
}

size_t CleanCutAtOrAfter(const std::wstring &text, size_t at)
{
    while (!CutsCleanly(text, at))
        ++at;
    return at;
}

// The length of the longest start of text that ends at a break and fits;
// 0 when none does.
size_t FittingBreak(const std::wstring &text, int width, const KZMeasure &measure)
{
    size_t best = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!BreaksAt(text, i))
            continue;
        if (measure(text.substr(0, i + 1)) > width)
            break;   // a longer start is no narrower
        best = i + 1;
    }
    return best;
}

// The length of text up to and with its first break; all of it without one.
size_t FirstPiece(const std::wstring &text)
{
    for (size_t i = 0; i < text.size(); ++i)
        if (BreaksAt(text, i))
            return i + 1;
    return text.size();
}

// text shortened in its middle with "..." until it fits within width; both
// ends keep whole characters.
std::wstring ShortenMiddle(const std::wstring &text, int width, const KZMeasure &measure)
{
    if (measure(text) <= width)
        return text;
    for (size_t keep = text.size(); keep-- > 0;) {
        const size_t head = CleanCutAtOrBefore(text, keep / 2);
        const size_t tail = CleanCutAtOrAfter(text, text.size() - (keep - keep / 2));
        const std::wstring shortened = text.substr(0, head) + L"..." + text.substr(tail);
        if (measure(shortened) <= width)
            return shortened;
    }
    return L"...";
}

} // namespace

std::vector<std::wstring> KZBreakLine(const std::wstring &line, int width, const KZMeasure &measure)
{
    std::vector<std::wstring> pieces;
    std::wstring rest = line;
    while (!rest.empty() && measure(rest) > width) {
        size_t cut = FittingBreak(rest, width, measure);
        if (cut > 0) {
            pieces.push_back(rest.substr(0, cut));
        } else {
            cut = FirstPiece(rest);
            pieces.push_back(ShortenMiddle(rest.substr(0, cut), width, measure));
        }
        rest.erase(0, cut);
    }
    if (!rest.empty() || pieces.empty())
        pieces.push_back(rest);
    return pieces;
}
