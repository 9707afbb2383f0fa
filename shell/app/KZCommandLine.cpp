// Command-line splitting.
#include "shell/app/KZCommandLine.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

} // namespace

std::vector<std::wstring> KZSplitCommandLine(const wchar_t *line)
{
    std::vector<std::wstring> arguments;
    if (!line)
        return arguments;
    const wchar_t *p = line;
    bool quoteOpens = false;   // the previous argument ended at a double quote
    while (true) {
        if (!quoteOpens) {
            while (IsBlank(*p))
                ++p;
            if (!*p)
                break;
        }
        std::wstring argument;
        if (quoteOpens || *p == L'"') {
            if (!quoteOpens)
                ++p;
            quoteOpens = false;
            while (*p && *p != L'"')
                argument += *p++;
            if (*p == L'"')
                ++p;
        } else {
            while (*p && !IsBlank(*p) && *p != L'"')
                argument += *p++;
            if (*p == L'"') {
                ++p;
                quoteOpens = true;
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

const wchar_t *KZSkipProgramName(const wchar_t *commandLine)
{
    if (!commandLine)
        return L"";
    const wchar_t *p = commandLine;
    while (IsBlank(*p))
        ++p;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p)
            ++p;
    } else {
        while (*p && !IsBlank(*p))
            ++p;
    }
    return p;
}
