#pragma once
// cf_String: the chart library's own text, an owned zero-terminated buffer of
// 16-bit characters with its capacity (characters, terminator included) and
// length. An empty string has capacity 1. Numbers are formatted into it by
// the bounded formatter (cf_Format): a result longer than the capacity asked
// for is kept whole, the capacity growing to fit. Plain value, any thread.

class cf_String {
public:
    cf_String();
    cf_String(const cf_String &other);
    explicit cf_String(const wchar_t *text); // null gives the empty string
    // The value formatted by fmt; capacity is the room the caller asks for.
    cf_String(double value, const wchar_t *fmt, int capacity);
    cf_String(int value, const wchar_t *fmt, int capacity);
    ~cf_String();

    cf_String &operator=(const cf_String &other);
    cf_String &operator=(const wchar_t *text); // null gives the empty string

    const wchar_t *Text() const { return text; }
    int Length() const { return length; }
    int Capacity() const { return capacity; }
    bool IsEmpty() const { return length == 0; }

    // Appends a zero-terminated text (null appends nothing).
    cf_String &Append(const wchar_t *more);
    // Replaces the contents by the formatted value, as the constructors do.
    void SetFormatted(double value, const wchar_t *fmt, int capacity);
    void SetFormatted(int value, const wchar_t *fmt, int capacity);
    // Back to the empty string.
    void Clear();

    bool operator==(const wchar_t *other) const;

private:
    void Assign(const wchar_t *source, int sourceLength, int minCapacity);

    wchar_t *text;
    int capacity;
    int length;
};
