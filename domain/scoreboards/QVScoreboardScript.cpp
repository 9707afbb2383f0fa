#include "domain/scoreboards/QVScoreboardScript.h"

#include "domain/scoreboards/QVScoreboardData.h"
#include "foundation/streams/KStream.h"
#include "foundation/strings/KText.h"

namespace {

const wchar_t *const kSectionNames[QVScoreboardScript::kSectionCount] = {
    L"Init", L"Clear", L"TimeOfDay", L"Results", L"Message"};

const wchar_t *const kFieldNames[QVScoreboardScript::kFieldCount] = {
    L"TIME", L"TIME24", L"DATE", L"EVENT", L"EVENTNO", L"ROUND", L"HEAT", L"PLACE", L"LANE", L"ID", L"NAME",
    L"FIRST", L"LAST", L"AFFIL", L"RT", L"TTD", L"POWER", L"TRIAL", L"PAGE", L"PAGES", L"TEXT"};

constexpr int kMaxWidth = 200;

void AppendTwoDigits(KString &out, int32_t value)
{
    out.AppendChar(wchar_t(L'0' + (value / 10) % 10));
    out.AppendChar(wchar_t(L'0' + value % 10));
}

} // namespace

// The line-by-line parser; it fills the script's sections or stops at the
// first error.
class QVScoreboardScript::Parser
{
public:
    explicit Parser(QVScoreboardScript &script) : m_script(script) {}

    bool Run(const KString &text)
    {
        int start = 0;
        int lineNumber = 0;
        while (start <= text.Length()) {
            int end = text.Find(L'\n', start);
            if (end < 0)
                end = text.Length();
            KString line;
            text.Extract(line, start, end - start);
            if (line.Length() > 0 && line[line.Length() - 1] == L'\r')
                line.Truncate(line.Length() - 1);
            ++lineNumber;
            if (!Line(line, lineNumber))
                return false;
            start = end + 1;
        }
        return CloseSection(lineNumber);
    }

private:
    bool Fail(int line, const wchar_t *reason, const KString *detail = nullptr)
    {
        m_script.m_errorLine = line;
        m_script.m_errorText = reason;
        if (detail) {
            m_script.m_errorText.Append(L" \"");
            m_script.m_errorText.Append(*detail);
            m_script.m_errorText.AppendChar(L'"');
        }
        return false;
    }

    bool Line(const KString &line, int number)
    {
        if (line[0] == L';')
            return true;
        KString trimmed(line);
        trimmed.Trim();
        if (line[0] == L'[')
            return Header(trimmed, number);
        if (m_section < 0) {
            if (trimmed.IsEmpty())
                return true;
            return Fail(number, L"text outside a section");
        }
        return Body(line, number);
    }

    bool Header(const KString &trimmed, int number)
    {
        if (trimmed[trimmed.Length() - 1] != L']')
            return Fail(number, L"section header without ]");
        KString name;
        trimmed.Extract(name, 1, trimmed.Length() - 2);
        name.Trim();
        Section section = SectionByName(name);
        if (section == kSectionCount)
            return Fail(number, L"unknown section", &name);
        if (m_script.m_present[section])
            return Fail(number, L"section given twice", &name);
        if (!CloseSection(number))
            return false;
        m_section = section;
        m_script.m_present[section] = true;
        return true;
    }

    bool CloseSection(int number)
    {
        if (m_rowsOpenedAt > 0)
            return Fail(m_rowsOpenedAt, L"{#ROWS} without {/ROWS}");
        (void)number;
        return true;
    }

    Template &Current() { return m_script.m_sections[m_section]; }

    void AddLiteral(wchar_t c)
    {
        Template &t = Current();
        if (t.empty() || t.back().kind != Element::kLiteral) {
            t.emplace_back();
            t.back().kind = Element::kLiteral;
        }
        t.back().text.AppendChar(c);
    }

    bool Body(const KString &line, int number)
    {
        int i = 0;
        while (i < line.Length()) {
            wchar_t c = line[i];
            if (c == L'\\') {
                if (!Escape(line, i, number))
                    return false;
            } else if (c == L'{') {
                int close = line.Find(L'}', i + 1);
                if (close < 0)
                    return Fail(number, L"{ without }");
                KString inner;
                line.Extract(inner, i + 1, close - i - 1);
                if (!Brace(inner, number))
                    return false;
                i = close + 1;
            } else if (c == L'}') {
                return Fail(number, L"} without {");
            } else {
                AddLiteral(c);
                ++i;
            }
        }
        return true;
    }

    // Reads the escape at line[i] and moves i past it.
    bool Escape(const KString &line, int &i, int number)
    {
        wchar_t c = line[i + 1];
        switch (c) {
        case L'r': AddLiteral(L'\r'); i += 2; return true;
        case L'n': AddLiteral(L'\n'); i += 2; return true;
        case L't': AddLiteral(L'\t'); i += 2; return true;
        case L'x':
        case L'u': {
            int digits = c == L'x' ? 2 : 4;
            int value = 0;
            for (int k = 0; k < digits; ++k) {
                const int d = KTextDigitValue(line[i + 2 + k]);
                if (d >= 16)
                    return Fail(number, c == L'x' ? L"\\x needs two hex digits" : L"\\u needs four hex digits");
                value = value * 16 + d;
            }
            AddLiteral(wchar_t(value));
            i += 2 + digits;
            return true;
        }
        case 0:
            return Fail(number, L"\\ at the end of a line");
        default:
            if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) {
                KString escape(L"\\");
                escape.AppendChar(c);
                return Fail(number, L"unknown escape", &escape);
            }
            AddLiteral(c);
            i += 2;
            return true;
        }
    }

    bool Brace(KString inner, int number)
    {
        inner.Trim();
        if (inner.EqualsIgnoreCase(KString(L"#ROWS")))
            return RowsBegin(number);
        if (inner.EqualsIgnoreCase(KString(L"/ROWS")))
            return RowsEnd(number);
        Element e;
        e.kind = Element::kField;
        int colon = inner.Find(L':');
        KString name;
        inner.Extract(name, 0, colon < 0 ? -1 : colon);
        name.Trim();
        e.field = FieldByName(name);
        if (e.field == kFieldCount)
            return Fail(number, L"unknown field", &name);
        if (colon >= 0 && !Width(inner, colon + 1, e, number))
            return false;
        Current().push_back(e);
        return true;
    }

    bool Width(const KString &inner, int from, Element &e, int number)
    {
        KString text;
        inner.Extract(text, from, -1);
        text.Trim();
        bool left = text[0] == L'-';
        int digitsAt = left ? 1 : 0;
        if (text.Length() <= digitsAt)
            return Fail(number, L"width missing after :");
        int value = 0;
        for (int k = digitsAt; k < text.Length(); ++k) {
            if (text[k] < L'0' || text[k] > L'9')
                return Fail(number, L"width is not a number", &text);
            value = value * 10 + (text[k] - L'0');
            if (value > kMaxWidth)
                return Fail(number, L"width above 200", &text);
        }
        if (value == 0)
            return Fail(number, L"width 0", &text);
        e.zeroPad = text[digitsAt] == L'0';
        e.width = left ? -value : value;
        return true;
    }

    bool RowsBegin(int number)
    {
        if (m_section != kResults)
            return Fail(number, L"{#ROWS} outside the Results section");
        if (m_rowsOpenedAt > 0 || m_script.m_hasRows)
            return Fail(number, L"only one {#ROWS} block per script");
        m_rowsOpenedAt = number;
        m_script.m_hasRows = true;
        Element e;
        e.kind = Element::kRowsBegin;
        Current().push_back(e);
        return true;
    }

    bool RowsEnd(int number)
    {
        if (m_rowsOpenedAt == 0)
            return Fail(number, L"{/ROWS} without {#ROWS}");
        m_rowsOpenedAt = 0;
        Element e;
        e.kind = Element::kRowsEnd;
        Current().push_back(e);
        return true;
    }

    QVScoreboardScript &m_script;
    int m_section = -1;
    int m_rowsOpenedAt = 0;
};

QVScoreboardScript::QVScoreboardScript()
{
    for (bool &p : m_present)
        p = false;
}

bool QVScoreboardScript::Parse(const KString &text)
{
    for (int s = 0; s < kSectionCount; ++s) {
        m_sections[s].clear();
        m_present[s] = false;
    }
    m_hasRows = false;
    m_errorLine = 0;
    m_errorText.Clear();
    Parser parser(*this);
    m_loaded = parser.Run(text);
    if (!m_loaded) {
        for (int s = 0; s < kSectionCount; ++s) {
            m_sections[s].clear();
            m_present[s] = false;
        }
        m_hasRows = false;
    }
    return m_loaded;
}

bool QVScoreboardScript::Parse(KStream &stream)
{
    KString text;
    for (int c = stream.ReadChar(); c >= 0; c = stream.ReadChar())
        text.AppendChar(wchar_t(c));
    return Parse(text);
}

bool QVScoreboardScript::HasSection(Section section) const
{
    return section >= 0 && section < kSectionCount && m_present[section];
}

QVScoreboardScript::Section QVScoreboardScript::SectionByName(const KString &name)
{
    for (int s = 0; s < kSectionCount; ++s)
        if (name.EqualsIgnoreCase(KString(kSectionNames[s])))
            return Section(s);
    return kSectionCount;
}

QVScoreboardScript::Field QVScoreboardScript::FieldByName(const KString &name)
{
    for (int f = 0; f < kFieldCount; ++f)
        if (name.EqualsIgnoreCase(KString(kFieldNames[f])))
            return Field(f);
    return kFieldCount;
}

void QVScoreboardScript::Render(Section section, const QVScoreboardData &data, KString &out) const
{
    if (!HasSection(section))
        return;
    const Template &t = m_sections[section];
    RenderRange(t, 0, t.size(), data, 0, out);
}

void QVScoreboardScript::RenderRange(const Template &t, size_t from, size_t to, const QVScoreboardData &data,
                                     int row, KString &out) const
{
    for (size_t i = from; i < to; ++i) {
        const Element &e = t[i];
        if (e.kind == Element::kLiteral) {
            out.Append(e.text);
        } else if (e.kind == Element::kField) {
            FieldValue(e, data, row, out);
        } else if (e.kind == Element::kRowsBegin) {
            size_t end = i + 1;
            while (end < to && t[end].kind != Element::kRowsEnd)
                ++end;
            int rows = data.pageSize > 0 ? data.pageSize : int(data.rows.size());
            for (int r = 0; r < rows; ++r)
                RenderRange(t, i + 1, end, data, r, out);
            i = end;
        }
    }
}

void QVScoreboardScript::FieldValue(const Element &e, const QVScoreboardData &data, int row, KString &out) const
{
    static const QVScoreboardRow kBlank;
    const QVScoreboardRow &r = row >= 0 && row < int(data.rows.size()) ? data.rows[size_t(row)] : kBlank;
    bool rowPresent = &r != &kBlank;
    KString value;
    switch (e.field) {
    case kFieldTime:
    case kFieldTime24: {
        int32_t hour = data.hour;
        if (e.field == kFieldTime && !data.use24Hour) {
            hour %= 12;
            if (hour == 0)
                hour = 12;
            value.AppendInt(hour);
        } else {
            AppendTwoDigits(value, hour);
        }
        value.AppendChar(L':');
        AppendTwoDigits(value, data.minute);
        value.AppendChar(L':');
        AppendTwoDigits(value, data.second);
        break;
    }
    case kFieldDate:
        value.AppendIntFormat(data.year, L"%04d");
        value.AppendChar(L'-');
        AppendTwoDigits(value, data.month);
        value.AppendChar(L'-');
        AppendTwoDigits(value, data.day);
        break;
    case kFieldEvent: value = data.eventName; break;
    case kFieldEventNo: value = data.eventNumber; break;
    case kFieldRound: value = data.roundNumber; break;
    case kFieldHeat: value = data.heatNumber; break;
    case kFieldPlace: value = r.place; break;
    case kFieldLane: value = r.lane; break;
    case kFieldId: value = r.id; break;
    case kFieldName:
        if (data.includeFirst && !r.first.IsEmpty()) {
            value = r.first;
            value.AppendChar(L' ');
        }
        value.Append(r.last);
        break;
    case kFieldFirst: value = r.first; break;
    case kFieldLast: value = r.last; break;
    case kFieldAffil:
        value = r.affiliation;
        if (data.affiliationAbbreviated)
            value.Truncate(3);
        break;
    case kFieldRT: value = r.reaction; break;
    case kFieldTTD: value = r.timeToDistance; break;
    case kFieldPower: value = r.power; break;
    case kFieldTrial:
        if (rowPresent && r.trial > 0)
            value.AppendInt(r.trial);
        break;
    case kFieldPage: value.AppendInt(data.page); break;
    case kFieldPages: value.AppendInt(data.pages); break;
    case kFieldText: value = data.message; break;
    case kFieldCount: break;
    }
    if (e.width == 0) {
        out.Append(value);
        return;
    }
    int width = e.width < 0 ? -e.width : e.width;
    value.Truncate(width);
    int pad = width - value.Length();
    if (e.width < 0) {
        out.Append(value);
        for (int k = 0; k < pad; ++k)
            out.AppendChar(L' ');
    } else {
        for (int k = 0; k < pad; ++k)
            out.AppendChar(e.zeroPad && !value.IsEmpty() ? L'0' : L' ');
        out.Append(value);
    }
}
