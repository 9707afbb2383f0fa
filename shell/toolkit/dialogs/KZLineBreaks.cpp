#include "shell/toolkit/dialogs/KZLineBreaks.h"

namespace {

bool BreaksAfter(wchar_t c)
{
    return c == L'\\' || c == L'/' || c == L' ';
}

// The length of the longest start of text that ends at a break and fits;
// 0 when none does.
size_t FittingBreak(const std::wstring &text, int width, const KZMeasure &measure)
{
    size_t best = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!BreaksAfter(text[i]))
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
        if (BreaksAfter(text[i]))
            return i + 1;
    return text.size();
}

// text shortened in its middle with "..." until it fits within width.
std::wstring ShortenMiddle(const std::wstring &text, int width, const KZMeasure &measure)
{
    if (measure(text) <= width)
        return text;
    for (size_t keep = text.size(); keep-- > 0;) {
        const size_t head = keep / 2;
        const std::wstring shortened = text.substr(0, head) + L"..." + text.substr(text.size() - (keep - head));
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
