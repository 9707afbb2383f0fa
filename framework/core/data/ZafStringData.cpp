// Construction, the text buffer and the modifying operations of the string
// data. The formatted-text conversions are in ZafStringDataFormat.cpp.

#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafStrings.h"

#include <cstring>
#include <vector>

namespace {

const int DEFAULT_CAPACITY = 255;
const int SLACK = 11;                       // room given to an unlimited text: its length + 11

} // namespace

ZafStringData::ZafStringData(bool staticText) : staticText(staticText)
{
    RegisterConversions();
    if (!staticText)
        Allocate(DEFAULT_CAPACITY);
}

ZafStringData::ZafStringData(const wchar_t *newText, int maximumLength, bool staticText) :
    staticText(staticText), maxLength(maximumLength < 0 ? -1 : maximumLength)
{
    RegisterConversions();
    int length = newText ? ZafStrLen(newText) : 0;
    if (staticText)
    {
        text = const_cast<wchar_t *>(newText);
        capacity = !text ? 0 : (maxLength >= 0 ? maxLength + 1 : length + 1);
        return;
    }
    Allocate(maxLength >= 0 ? maxLength + 1 : (newText ? length + SLACK : DEFAULT_CAPACITY));
    ZafStrLCpy(text, newText ? newText : L"", capacity);
}

ZafStringData::ZafStringData(const char *localText, int maximumLength, bool staticText) :
    staticText(staticText), maxLength(maximumLength < 0 ? -1 : maximumLength)
{
    RegisterConversions();
    int length = localText ? int(std::strlen(localText)) : 0;
    if (staticText)
    {
        // The caller gives a wide buffer through an 8-bit pointer; it is
        // taken as it stands.
        text = reinterpret_cast<wchar_t *>(const_cast<char *>(localText));
        capacity = !text ? 0 : (maxLength >= 0 ? maxLength + 1 : length + 1);
        return;
    }
    Allocate(maxLength >= 0 ? maxLength + 1 : (localText ? length + SLACK : DEFAULT_CAPACITY));
    std::vector<wchar_t> wide(size_t(length) * 2 + 2, 0);
    ZafStringDataLocalToWide(localText ? localText : "", wide.data(), int(wide.size()));
    ZafStrLCpy(text, wide.data(), capacity);
}

ZafStringData::ZafStringData(const ZafStringData &copy) : ZafFormatData(copy), staticText(copy.staticText)
{
    RegisterConversions();
    SetText(copy);
}

ZafStringData::~ZafStringData()
{
    if (ownsBuffer)
        delete[] text;
}

void ZafStringData::Allocate(int newCapacity)
{
    wchar_t *buffer = new wchar_t[size_t(newCapacity)];
    std::memset(buffer, 0, sizeof(wchar_t) * size_t(newCapacity));
    if (ownsBuffer)
        delete[] text;
    text = buffer;
    capacity = newCapacity;
    ownsBuffer = true;
}

void ZafStringData::Grow(int newCapacity)
{
    wchar_t *buffer = new wchar_t[size_t(newCapacity)];
    std::memset(buffer, 0, sizeof(wchar_t) * size_t(newCapacity));
    if (text)
        ZafStrLCpy(buffer, text, newCapacity);
    if (ownsBuffer)
        delete[] text;
    text = buffer;
    capacity = newCapacity;
    ownsBuffer = true;
}

int ZafStringData::Length() const
{
    if (!text)
        return 0;
    int n = 0;
    // An owned buffer always holds a terminator; a caller's buffer is
    // trusted only as far as its declared room.
    while (text[n] && (n < Room() || capacity == 0 || ownsBuffer))
        ++n;
    return n;
}

int ZafStringData::SetMaxLength(int maximumLength)
{
    maxLength = maximumLength < 0 ? -1 : maximumLength;
    if (staticText && !ownsBuffer)
    {
        // The caller's buffer must hold the maximum and a terminator; that
        // is all the room the object will use.
        if (maxLength >= 0 && text)
            capacity = maxLength + 1;
    }
    else if (maxLength >= 0 && capacity - 1 < maxLength)
        Grow(maxLength + 1);
    if (maxLength >= 0 && text)
        text[maxLength] = 0;
    return maxLength;
}

int ZafStringData::SetText(const wchar_t *newText, int maximumLength)
{
    // newText may lie inside the own buffer (a part of the text itself).
    std::vector<wchar_t> copy;
    if (newText && text && newText >= text && newText < text + capacity)
    {
        copy.assign(newText, newText + ZafStrLen(newText) + 1);
        newText = copy.data();
    }
    BeginUpdate();
    SetMaxLength(maximumLength);
    if (staticText && !ownsBuffer)
    {
        if (text && newText)
            ZafStrLCpy(text, newText, capacity);
        else
        {
            text = const_cast<wchar_t *>(newText);
            capacity = !text ? 0 : (maxLength >= 0 ? maxLength + 1 : ZafStrLen(text) + 1);
        }
    }
    else
    {
        int length = newText ? ZafStrLen(newText) : 0;
        if (!text)
            Allocate(maxLength >= 0 ? maxLength + 1 : (newText ? length + SLACK : DEFAULT_CAPACITY));
        else if (maxLength < 0 && !staticText && length + 1 > capacity)
            Allocate(length + SLACK);
        int limit = maxLength >= 0 && maxLength < Room() ? maxLength : Room();
        ZafStrLCpy(text, newText ? newText : L"", limit + 1);
    }
    EndUpdate(true);
    return 0;
}

int ZafStringData::SetText(const wchar_t *newText)
{
    return SetText(newText, maxLength);
}

int ZafStringData::SetText(const ZafStringData &other)
{
    if (&other == this)
        return 0;
    return SetText(other.text, other.maxLength);
}

void ZafStringData::Clear()
{
    if (!text)
        return;
    BeginUpdate();
    text[0] = 0;
    SetError(ZAF_ERROR_NONE);
    EndUpdate(true);
}

ZafStringData &ZafStringData::Append(const wchar_t *more)
{
    if (!more || !*more || (!text && staticText))
        return *this;
    int length = Length();
    std::vector<wchar_t> joined(size_t(length + ZafStrLen(more) + 1), 0);
    ZafStrCpy(joined.data(), text ? text : L"");
    ZafStrCat(joined.data(), more);
    SetText(joined.data());
    return *this;
}

ZafStringData &ZafStringData::Insert(int position, const wchar_t *more, int length)
{
    if (!more || !*more || !text)
        return *this;
    int n = Length();
    int moreLength = ZafStrLen(more);
    if (length < 0 || length > moreLength)
        length = moreLength;
    if (position < 0)
        position = 0;
    if (position > n)
        position = n;
    bool overflow = n + length > capacity - 1;
    if (overflow && staticText)
        return *this;
    std::vector<wchar_t> inserted(more, more + length);
    BeginUpdate();
    if (overflow)
    {
        std::vector<wchar_t> work(size_t(n + length + SLACK), 0);
        std::memcpy(work.data(), text, sizeof(wchar_t) * size_t(position));
        std::memcpy(work.data() + position, inserted.data(), sizeof(wchar_t) * size_t(length));
        std::memcpy(work.data() + position + length, text + position, sizeof(wchar_t) * size_t(n - position));
        SetText(work.data());
    }
    else
    {
        std::memmove(text + position + length, text + position, sizeof(wchar_t) * size_t(n - position + 1));
        std::memcpy(text + position, inserted.data(), sizeof(wchar_t) * size_t(length));
    }
    EndUpdate(true);
    return *this;
}

ZafStringData &ZafStringData::DeleteChars(int position, int count)
{
    if (!text || count < 0)
        return *this;
    int n = Length();
    if (position < 0)
        position = 0;
    if (position > n)
        position = n;
    if (count > n - position)
        count = n - position;
    BeginUpdate();
    std::memmove(text + position, text + position + count, sizeof(wchar_t) * size_t(n - position - count + 1));
    EndUpdate(true);
    return *this;
}

ZafStringData &ZafStringData::RemoveSubstring(const wchar_t *part)
{
    if (!text || !part || !*part)
        return *this;
    const wchar_t *found = ZafStrStr(text, part);
    if (found)
        DeleteChars(int(found - text), ZafStrLen(part));
    return *this;
}

ZafStringData &ZafStringData::ReplaceChars(int position, int deleteCount, const wchar_t *more, int length)
{
    BeginUpdate();
    DeleteChars(position, deleteCount);
    Insert(position, more, length);
    EndUpdate(true);
    return *this;
}

int ZafStringData::SetChar(int position, wchar_t c, bool quiet)
{
    if (position < 0 || !text)
        return 5;
    // The last slot of the buffer is kept for the terminator.
    if (position > capacity - 2)
    {
        if (staticText || maxLength >= 0)
            return 5;
        Grow(position < DEFAULT_CAPACITY - 1 ? DEFAULT_CAPACITY : position + DEFAULT_CAPACITY);
    }
    bool beyond = position >= Length();
    if (!quiet)
        BeginUpdate();
    text[position] = c;
    if (beyond)
        text[position + 1] = 0;
    if (!quiet)
        EndUpdate(true);
    return 0;
}

bool ZafStringData::SetStaticText(bool flag)
{
    if (!flag && staticText && !ownsBuffer)
    {
        const wchar_t *borrowed = text;
        int length = borrowed ? ZafStrLen(borrowed) : 0;
        int size = capacity > length ? capacity : length + 1;
        text = nullptr;
        Allocate(size < 1 ? DEFAULT_CAPACITY : size);
        ZafStrLCpy(text, borrowed ? borrowed : L"", capacity);
    }
    staticText = flag;
    return staticText;
}

int ZafStringData::Compare(const wchar_t *other, bool ignoreCase) const
{
    const wchar_t *own = text ? text : L"";
    other = other ? other : L"";
    return ignoreCase ? ZafStrICmp(own, other) : ZafStrCmp(own, other);
}

wchar_t *ZafStringData::DuplicateText() const
{
    int length = Length();
    int size = capacity > length ? capacity : length + 1;
    wchar_t *copy = new wchar_t[size_t(size)];
    std::memset(copy, 0, sizeof(wchar_t) * size_t(size));
    ZafStrLCpy(copy, text ? text : L"", size);
    return copy;
}

ZafStringData &ZafStringData::operator=(const ZafStringData &other)
{
    SetText(other);
    return *this;
}

ZafStringData &ZafStringData::operator=(const wchar_t *newText)
{
    SetText(newText, -1);
    return *this;
}

ZafStringData &ZafStringData::operator=(wchar_t c)
{
    wchar_t one[2] = {c, 0};
    SetText(one, -1);
    return *this;
}

ZafStringData &ZafStringData::operator+=(wchar_t c)
{
    wchar_t one[2] = {c, 0};
    return Append(one);
}

ZafStringData operator+(const ZafStringData &a, const ZafStringData &b)
{
    ZafStringData result(a.Text() ? a.Text() : L"", a.MaxLength(), false);
    result.Append(b.Text());
    return result;
}

ZafStringData operator+(const ZafStringData &a, const wchar_t *b)
{
    ZafStringData result(a.Text() ? a.Text() : L"", a.MaxLength(), false);
    result.Append(b);
    return result;
}

ZafStringData operator+(const wchar_t *a, const ZafStringData &b)
{
    ZafStringData result(a ? a : L"", -1, false);
    result.Append(b.Text());
    return result;
}

ZafStringData operator+(const ZafStringData &a, wchar_t b)
{
    ZafStringData result(a.Text() ? a.Text() : L"", a.MaxLength(), false);
    result += b;
    return result;
}

ZafStringData operator+(wchar_t a, const ZafStringData &b)
{
    wchar_t one[2] = {a, 0};
    ZafStringData result(one, -1, false);
    result.Append(b.Text());
    return result;
}

ZafStringData operator-(const ZafStringData &a, const ZafStringData &b)
{
    ZafStringData result(a.Text() ? a.Text() : L"", a.MaxLength(), false);
    result.RemoveSubstring(b.Text());
    return result;
}

ZafStringData operator-(const ZafStringData &a, const wchar_t *b)
{
    ZafStringData result(a.Text() ? a.Text() : L"", a.MaxLength(), false);
    result.RemoveSubstring(b);
    return result;
}

ZafStringData operator-(const wchar_t *a, const ZafStringData &b)
{
    ZafStringData result(a ? a : L"", -1, false);
    result.RemoveSubstring(b.Text());
    return result;
}
