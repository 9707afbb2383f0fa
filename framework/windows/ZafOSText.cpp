#include "framework/windows/ZafOSText.h"

#include <windows.h>

#include <cwchar>

char *ZafNewLocalText(const ZafIChar *text, int length)
{
    if (!text)
        return nullptr;
    if (length < 0)
        length = int(std::wcslen(text));
    int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    char *local = new char[size_t(size) + 1];
    WideCharToMultiByte(CP_ACP, 0, text, length, local, size, nullptr, nullptr);
    local[size] = 0;
    return local;
}

ZafIChar *ZafNewWideText(const char *text)
{
    if (!text)
        return nullptr;
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    ZafIChar *wide = new ZafIChar[size_t(size) + 1];
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, size);
    wide[size] = 0;
    return wide;
}
