// The string data's part in the formatted-text engines: the access the %Zs,
// %Zc and %Z[ conversions use, and formatting and parsing of the value.

#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/data/ZafStringData.h"

struct ZafStringDataEngineAccess
{
    static const ZafStringData *From(const void *data)
    {
        return static_cast<const ZafStringData *>(static_cast<const ZafFormatData *>(data));
    }

    static const wchar_t *Text(const void *data) { return From(data)->text; }

    // The buffer an input conversion writes into directly (without notice),
    // with the room it may use.
    static wchar_t *Buffer(void *data, int *capacity)
    {
        ZafStringData *string = const_cast<ZafStringData *>(From(data));
        *capacity = string->text ? string->capacity : 0;
        if (string->maxLength >= 0 && string->maxLength + 1 < *capacity)
            *capacity = string->maxLength + 1;
        return string->text;
    }
};

void ZafStringData::RegisterConversions()
{
    zafStringDataAccess.text = ZafStringDataEngineAccess::Text;
    zafStringDataAccess.buffer = ZafStringDataEngineAccess::Buffer;
    ZafEnsureStringConversions();
}

int ZafStringData::FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const
{
    return ZafFormatData::FormattedText(buffer, maximum, format);
}

int ZafStringData::SetFormattedText(const wchar_t *newText, const wchar_t *format)
{
    BeginUpdate();
    ZafFormatData::SetFormattedText(newText, format);
    EndUpdate(true);
    return 0;
}
