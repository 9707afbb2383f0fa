// The separators and grouping that the "," and "$" flags of the formatted
// text engines use.

#include "framework/core/ZafFormatTables.h"

#include <cstring>
#include <cwchar>

void ZafGetNumberConventions(ZafNumberConventions &conventions, bool monetary)
{
    (void)monetary;
    std::wcscpy(conventions.decimal, L".");
    std::wcscpy(conventions.thousands, L",");
    std::memset(conventions.grouping, 0, sizeof conventions.grouping);
    conventions.grouping[0] = 3;
}

bool ZafFormatIsSpace(wchar_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0 || (c >= 0x2000 && c <= 0x200B) || c == 0x2028
        || c == 0x2029 || c == 0x3000 || c == 0xFEFF;
}
