#include "shell/toolkit/menus/KZHotKeyText.h"

KZHotKeyText::KZHotKeyText(const wchar_t *source)
{
    if (!source)
        return;
    for (const wchar_t *p = source; *p; ++p) {
        if (*p == L'&') {
            ++p;
            if (!*p)
                break;
            if (*p != L'&' && !hotKey) {
                hotKey = *p;
                position = text.Length();
            }
        }
        text.AppendChar(*p);
    }
}
