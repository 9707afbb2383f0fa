// The %c, %s and %[ conversions of the output and input engines, in their
// plain form (wide characters and texts) and their data-object form (a "Z"
// before the letter: the argument is a string data object).

#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafStrings.h"

#include <cstdint>
#include <cstring>

ZafStringDataAccess zafStringDataAccess = {nullptr, nullptr};

namespace {

int OutputConversion(va_list *args, ZafFormatOutput *output, wchar_t conversion, int flags, int width,
    int precision)
{
    const wchar_t *source;
    int length;
    wchar_t single;
    if (flags & ZAF_PRINTF_DATA)
    {
        const void *data = va_arg(*args, const void *);
        source = data && zafStringDataAccess.text ? zafStringDataAccess.text(data) : nullptr;
        if (!source)
            return 0;
    }
    else
        source = nullptr;
    if (conversion == L'c')
    {
        single = source ? source[0] : wchar_t(va_arg(*args, int));
        source = &single;
        length = 1;
    }
    else
    {
        if (!source)
            source = va_arg(*args, const wchar_t *);
        if (!source)
            source = L"(null)";
        length = 0;
        while (source[length] && (precision < 0 || length < precision))
            ++length;
    }
    int pad = width - length;
    bool left = flags & ZAF_PRINTF_LEFT;
    if (pad > 0 && !left)
        output->Fill((flags & ZAF_PRINTF_ZERO) ? L'0' : L' ', pad);
    output->Put(source, length);
    if (pad > 0 && left)
        output->Fill(L' ', pad);
    output->Terminate();
    return 0;
}

// The accepted characters of an input conversion, one bit per character.
class CharacterMap
{
public:
    void Clear(bool value) { std::memset(bits, value ? 0xFF : 0, sizeof bits); }
    void Toggle(wchar_t c) { bits[uint16_t(c) >> 3] ^= uint8_t(1u << (uint16_t(c) & 7)); }
    void Set(wchar_t c, bool value)
    {
        if (Contains(c) != value)
            Toggle(c);
    }
    bool Contains(wchar_t c) const { return bits[uint16_t(c) >> 3] & (1u << (uint16_t(c) & 7)); }

private:
    uint8_t bits[8192];
};

// Parses the scan set after "[" and leaves format past its "]" (or on the
// terminator when the format ends first).
void ParseScanSet(const wchar_t *&format, CharacterMap &map)
{
    bool negated = *format == L'^';
    if (negated)
        ++format;
    map.Clear(negated);
    bool first = true;
    wchar_t previous = 0;
    while (*format && (first || *format != L']'))
    {
        wchar_t c = *format++;
        if (c == L'-' && !first && *format && *format != L']' && uint16_t(*format) >= uint16_t(previous))
        {
            // A range: previous is already a member, add the rest.
            wchar_t last = *format++;
            for (uint32_t x = uint32_t(uint16_t(previous)) + 1; x <= uint16_t(last); ++x)
                map.Set(wchar_t(x), !negated);
            previous = last;
        }
        else
        {
            map.Toggle(c);
            previous = c;
        }
        first = false;
    }
    if (*format == L']')
        ++format;
}

int InputConversion(va_list *args, const wchar_t **input, wchar_t conversion, int flags, int width,
    const wchar_t **format)
{
    // 8 KB: kept per thread rather than on a worker's small stack.
    static thread_local CharacterMap map;
    if (conversion == L'c' || conversion == L'[')
        flags |= ZAF_SCANF_NO_SKIP;
    if (!(flags & ZAF_SCANF_NO_SKIP))
        while (**input && ZafFormatIsSpace(**input))
            ++*input;
    if (conversion == L'[')
        ParseScanSet(*format, map);
    else
    {
        map.Clear(true);
        if (conversion == L's')
        {
            // The seven white-space ranges end a %s.
            static const uint16_t spaceRanges[][2] = {{0x09, 0x0D}, {0x20, 0x20}, {0xA0, 0xA0},
                {0x2000, 0x200B}, {0x2028, 0x2029}, {0x3000, 0x3000}, {0xFEFF, 0xFEFF}};
            for (const auto &range : spaceRanges)
                for (uint32_t c = range[0]; c <= range[1]; ++c)
                    map.Set(wchar_t(c), false);
        }
        if (conversion == L'c' && width == 0)
            width = 1;
    }
    map.Set(0, false);

    wchar_t *dest = nullptr;
    int room = -1;                      // characters that fit before the terminator; -1 unknown
    bool suppress = flags & ZAF_SCANF_SUPPRESS;
    if (!suppress)
    {
        if (flags & ZAF_SCANF_DATA)
        {
            void *data = va_arg(*args, void *);
            int capacity = 0;
            dest = data && zafStringDataAccess.buffer ? zafStringDataAccess.buffer(data, &capacity) : nullptr;
            if (capacity <= 0)
                dest = nullptr;
            room = capacity - 1;
        }
        else
            dest = va_arg(*args, wchar_t *);
    }
    int taken = 0, stored = 0;
    const wchar_t *p = *input;
    while (*p && map.Contains(*p) && (width == 0 || taken < width))
    {
        if (dest && (room < 0 || stored < room))
            dest[stored++] = *p;
        ++p;
        ++taken;
    }
    *input = p;
    if (dest)
        dest[stored] = 0;
    if (conversion == L'[' && taken == 0)
        return -1;
    return 1;
}

} // namespace

void ZafEnsureStringConversions()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // The locale must exist before the first number is formatted.
    ZafI18nStartUp(0);
    ZafRegisterOutputConversion(L'c', OutputConversion);
    ZafRegisterOutputConversion(L's', OutputConversion);
    ZafRegisterInputConversion(L's', InputConversion);
    ZafRegisterInputConversion(L'c', InputConversion);
    ZafRegisterInputConversion(L'[', InputConversion);
}
