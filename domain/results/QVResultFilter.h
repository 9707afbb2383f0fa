#pragma once
// QVResultFilter: decides which results a results view lists. A filter with
// no field (or an empty text) lists every result; otherwise a result is
// listed when its text field of that index equals the text, case ignored.
// Option bit 0 hides results whose code is 7. Held by its view; GUI thread.

#include <cstdint>

#include "foundation/strings/KString.h"

class KStream;
class QVResult;

class QVResultFilter
{
public:
    static constexpr uint32_t kHideCodeLast = 1;   // option: hide results of code 7

    QVResultFilter() = default;

    uint32_t Options() const { return m_options; }
    void SetOptions(uint32_t options) { m_options = options; }
    int32_t Field() const { return m_field; }
    const KString &Text() const { return m_text; }
    // field -1 lists every result.
    void SetMatch(int32_t field, const KString &text);

    bool Matches(const QVResult &result) const;

    void CopyFrom(const QVResultFilter &other);
    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    uint32_t m_options = 0;
    int32_t m_field = -1;
    KString63 m_text;
};
