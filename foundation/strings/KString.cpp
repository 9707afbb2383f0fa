#include "foundation/strings/KString.h"

#include "foundation/strings/KText.h"
#include "foundation/values/KPoint.h"

#include <climits>
#include <cstdlib>
#include <cwchar>
#include <new>

namespace {

// A heap string without text points here until it first needs a buffer.
wchar_t gEmptyText[1] = {0};

int TextLength(const wchar_t *text)
{
    return text ? int(std::wcslen(text)) : 0;
}

} // namespace

KString::KString() : itsText(gEmptyText)
{
}

KString::KString(const wchar_t *text) : KString()
{
    Assign(text, TextLength(text));
}

KString::KString(const KString &other) : KString()
{
    Assign(other.itsText, other.itsLength);
}

KString::KString(wchar_t *buffer, int capacity) : KString(buffer, capacity, kBorrowed)
{
    if (itsKind == kBorrowed) {
        itsLength = int(wcsnlen(buffer, size_t(itsCapacity)));
        itsText[itsLength] = 0;
    }
}

KString::KString(wchar_t *buffer, int capacity, Kind kind)
    : itsText(buffer), itsCapacity(capacity < 0 ? 0 : capacity), itsKind(kind)
{
    if (!buffer) {
        // Nothing to borrow: behave as an empty heap string.
        itsText = gEmptyText;
        itsCapacity = 0;
        itsKind = kHeap;
    }
    if (itsKind == kFixed)
        itsText[0] = 0;
}

KString::~KString()
{
    if (itsKind == kHeap && itsText != gEmptyText)
        delete[] itsText;
}

KString &KString::operator=(const KString &other)
{
    if (this != &other)
        Assign(other.itsText, other.itsLength);
    return *this;
}

KString &KString::operator=(const wchar_t *text)
{
    if (text >= itsText && text <= itsText + itsLength) {
        // Assigning a tail of our own text.
        KString copy(text);
        Assign(copy.itsText, copy.itsLength);
    } else {
        Assign(text, TextLength(text));
    }
    return *this;
}

wchar_t KString::operator[](int index) const
{
    return index >= 0 && index < itsLength ? itsText[index] : 0;
}

void KString::Clear()
{
    itsLength = 0;
    itsCursor = 0;
    // The shared empty text is never written, not even its 0.
    if (itsText != gEmptyText)
        itsText[0] = 0;
}

void KString::Truncate(int length)
{
    if (length < 0)
        length = 0;
    if (length >= itsLength)
        return;
    itsLength = length;
    itsText[length] = 0;
    if (itsCursor > length)
        itsCursor = length;
}

int KString::Reserve(int length)
{
    if (length <= itsCapacity)
        return length;
    if (itsKind != kHeap)
        return itsCapacity;
    int capacity = itsCapacity < 15 ? 15 : itsCapacity;
    while (capacity < length)
        capacity = capacity > INT_MAX / 2 ? length : capacity * 2 + 1;
    wchar_t *text = new wchar_t[size_t(capacity) + 1];
    std::wmemcpy(text, itsText, size_t(itsLength) + 1);
    if (itsText != gEmptyText)
        delete[] itsText;
    itsText = text;
    itsCapacity = capacity;
    return length;
}

void KString::Assign(const wchar_t *text, int count)
{
    Clear();
    Append(text, count);
}

KString &KString::Append(const KString &text)
{
    return Append(text.itsText, text.itsLength);
}

KString &KString::Append(const wchar_t *text)
{
    return Append(text, TextLength(text));
}

KString &KString::Append(const wchar_t *text, int count)
{
    if (!text || count <= 0)
        return *this;
    if (count > INT_MAX - itsLength)
        count = INT_MAX - itsLength;
    // The source may lie inside our own buffer, which Reserve may move.
    bool inside = text >= itsText && text < itsText + itsCapacity + 1;
    ptrdiff_t offset = text - itsText;
    int length = Reserve(itsLength + count);
    if (inside)
        text = itsText + offset;
    int n = length - itsLength;
    if (n > 0) {
        std::wmemmove(itsText + itsLength, text, size_t(n));
        itsLength = length;
        itsText[itsLength] = 0;
    }
    return *this;
}

KString &KString::AppendChar(wchar_t c)
{
    return Append(&c, 1);
}

KString &KString::AppendInt(int32_t value)
{
    wchar_t digits[12];
    int n = 0;
    // Work with the negative value, which also holds INT32_MIN.
    int32_t rest = value < 0 ? value : -value;
    do {
        digits[n++] = wchar_t(L'0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        digits[n++] = L'-';
    wchar_t text[12];
    for (int i = 0; i < n; ++i)
        text[i] = digits[n - 1 - i];
    return Append(text, n);
}

bool KString::AppendIntFormat(int32_t value, const wchar_t *format)
{
    int capacity = TextLength(format) + 600;
    wchar_t *buffer = new wchar_t[size_t(capacity)];
    int n = KTextFormatInt(buffer, capacity, format, value);
    if (n > 0)
        Append(buffer, n);
    delete[] buffer;
    return n >= 0;
}

KString &KString::AppendAnsi(const char *text, int length)
{
    int need = KTextAnsiToWide(text, length, nullptr, 0);
    if (need <= 0)
        return *this;
    wchar_t *wide = new wchar_t[size_t(need)];
    int n = KTextAnsiToWide(text, length, wide, need);
    Append(wide, n);
    delete[] wide;
    return *this;
}

KString &KString::AppendPoint(const KPoint &point)
{
    AppendChar(L'(');
    AppendInt(point.x);
    AppendChar(L',');
    AppendInt(point.y);
    return AppendChar(L')');
}

void KString::Trim()
{
    itsCursor = 0;
    if (itsLength == 0)
        return;
    int end = itsLength;
    while (end > 0 && KTextIsSpace(itsText[end - 1]))
        --end;
    int start = 0;
    while (start < end && KTextIsSpace(itsText[start]))
        ++start;
    if (start > 0)
        std::wmemmove(itsText, itsText + start, size_t(end - start));
    itsLength = end - start;
    itsText[itsLength] = 0;
}

void KString::ExpandNewlines()
{
    // The text keeps its length: each two-character sequence becomes two.
    for (int i = 0; i + 1 < itsLength; ++i) {
        if (itsText[i] == L'\\' && itsText[i + 1] == L'n') {
            itsText[i] = L'\r';
            itsText[++i] = L'\n';
        }
    }
}

int KString::Find(wchar_t c, int start) const
{
    for (int i = start < 0 ? 0 : start; i < itsLength; ++i)
        if (itsText[i] == c)
            return i;
    return -1;
}

void KString::Extract(KString &target, int start, int count) const
{
    if (start < 0)
        start = 0;
    if (start > itsLength)
        start = itsLength;
    if (count < 0 || count > itsLength - start)
        count = itsLength - start;
    if (&target == this) {
        KString copy(*this);
        copy.Extract(target, start, count);
        return;
    }
    target.Assign(itsText + start, count);
}

bool KString::GetField(KString &target, int index, wchar_t delimiter, wchar_t quote, int maximum) const
{
    if (&target == this) {
        KString copy(*this);
        return copy.GetField(target, index, delimiter, quote, maximum);
    }
    target.Clear();
    if (index < 0)
        return false;
    int field = 0;
    bool quoted = false;
    for (int i = 0; i < itsLength; ++i) {
        wchar_t c = itsText[i];
        if (quote && c == quote) {
            quoted = !quoted;
            continue;
        }
        if (c == delimiter && !quoted) {
            if (field == index)
                return true;
            ++field;
            continue;
        }
        if (field == index && (maximum < 0 || target.itsLength < maximum))
            target.AppendChar(c);
    }
    return field == index;
}

bool KString::GetField(const KString &text, KString &target, int index, wchar_t delimiter, wchar_t quote,
                       int maximum)
{
    return text.GetField(target, index, delimiter, quote, maximum);
}

bool KString::operator==(const KString &other) const
{
    return itsLength == other.itsLength && std::wmemcmp(itsText, other.itsText, size_t(itsLength)) == 0;
}

bool KString::operator==(const wchar_t *text) const
{
    return itsLength == TextLength(text) && std::wmemcmp(itsText, text ? text : L"", size_t(itsLength)) == 0;
}

bool KString::EqualsIgnoreCase(const KString &other, int n) const
{
    if (n < 0) {
        if (itsLength != other.itsLength)
            return false;
        n = itsLength;
    }
    for (int i = 0; i < n; ++i) {
        wchar_t a = (*this)[i];
        wchar_t b = other[i];
        if (KTextToLower(a) != KTextToLower(b))
            return false;
        if (a == 0)
            return true; // both ended together
    }
    return true;
}

bool KString::EqualsIgnoreCase(const KString &a, const KString &b, int n)
{
    return a.EqualsIgnoreCase(b, n);
}

void KString::SetCursor(int index)
{
    itsCursor = index < 0 ? 0 : index > itsLength ? itsLength : index;
}

wchar_t KString::NextChar()
{
    wchar_t c = Peek();
    if (itsCursor < itsLength)
        ++itsCursor;
    return c;
}

void KString::SkipWhiteSpace()
{
    while (itsCursor < itsLength && KTextIsSpace(itsText[itsCursor]))
        ++itsCursor;
}

bool KString::ParseInt(int32_t &value, int radix)
{
    if (radix != 0 && (radix < 2 || radix > 36))
        return false;
    int i = itsCursor;
    while (i < itsLength && KTextIsSpace(itsText[i]))
        ++i;
    bool negative = false;
    if ((*this)[i] == L'+' || (*this)[i] == L'-')
        negative = itsText[i++] == L'-';
    bool hexPrefix = (*this)[i] == L'0' && ((*this)[i + 1] == L'x' || (*this)[i + 1] == L'X') &&
                     KTextDigitValue((*this)[i + 2]) < 16;
    if (radix == 0)
        radix = hexPrefix ? 16 : (*this)[i] == L'0' ? 8 : 10;
    if (radix == 16 && hexPrefix)
        i += 2;
    int start = i;
    int64_t magnitude = 0;
    while (i < itsLength && KTextDigitValue(itsText[i]) < radix) {
        if (magnitude <= int64_t(INT32_MAX) + 1)
            magnitude = magnitude * radix + KTextDigitValue(itsText[i]);
        ++i;
    }
    if (i == start)
        return false;
    int64_t result = negative ? -magnitude : magnitude;
    value = result > INT32_MAX ? INT32_MAX : result < INT32_MIN ? INT32_MIN : int32_t(result);
    itsCursor = i;
    return true;
}

bool KString::ParseInt(const KString &text, int32_t &value, int radix)
{
    KString copy(text);
    return copy.ParseInt(value, radix);
}

bool KString::ParseIntField(const KString &text, int32_t &value, int index)
{
    value = 0;
    KString field;
    if (!text.GetField(field, index))
        return false;
    int32_t parsed = 0;
    if (!field.ParseInt(parsed))
        return false;
    value = parsed;
    return true;
}
