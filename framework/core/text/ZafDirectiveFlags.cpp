#include "framework/core/text/ZafDirectiveFlags.h"

void ZafReadDirectiveFlags(const wchar_t *&format, const ZafDirectiveFlag *table, int &flags)
{
    for (;; ++format)
    {
        const ZafDirectiveFlag *entry = table;
        while (entry->character && entry->character != *format)
            ++entry;
        if (!entry->character)
            return;
        flags |= entry->flag;
    }
}

void ZafReadDirectiveCount(const wchar_t *&format, int &count)
{
    for (; *format >= L'0' && *format <= L'9'; ++format)
        count = count < 100000 ? count * 10 + (*format - L'0') : count;
}
