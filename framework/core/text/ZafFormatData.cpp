#include "framework/core/text/ZafFormatData.h"
#include "framework/core/text/ZafPrintf.h"
#include "framework/core/text/ZafStrings.h"

ZafFormatData::ZafFormatData() : ZafData(true)
{
}

ZafFormatData::ZafFormatData(const ZafFormatData &copy) : ZafData(copy)
{
}

const wchar_t *ZafFormatData::DataFormatLine(const wchar_t *line, wchar_t *out, int size)
{
    int n = 0;
    bool inserted = false;
    const wchar_t *p = line;
    for (; *p && *p != L'\n' && *p != L'\r'; ++p)
    {
        if (n < size - 1)
            out[n++] = *p;
        // A doubled percent sign is a literal one, not the conversion.
        if (*p == L'%' && p[1] == L'%')
        {
            if (n < size - 1)
                out[n++] = *++p;
            continue;
        }
        if (*p == L'%' && !inserted && n < size - 1)
        {
            out[n++] = L'Z';
            inserted = true;
        }
    }
    out[n] = 0;
    while (*p == L'\r' || *p == L'\n')
        ++p;
    return *p ? p : nullptr;
}

int ZafFormatData::FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const
{
    if (!buffer || maximum <= 0)
        return 0;
    wchar_t line[256];
    DataFormatLine(format ? format : L"", line, 256);
    const ZafFormatData *self = this;
    wchar_t *work = new wchar_t[size_t(maximum) + 1];
    int length = ZafSNPrintf(work, maximum + 1, line, self);
    int result = 0;
    if (length < maximum)
    {
        ZafStrCpy(buffer, work);
        result = length;
    }
    else
        buffer[0] = 0;
    delete[] work;
    return result;
}

int ZafFormatData::SetFormattedText(const wchar_t *text, const wchar_t *format)
{
    wchar_t line[256];
    const wchar_t *next = format ? format : L"";
    ZafFormatData *self = this;
    do
    {
        next = DataFormatLine(next, line, 256);
        int assigned = ZafSScanf(text ? text : L"", line, self);
        if (assigned > 0)
            return assigned;
    } while (next);
    return 0;
}
