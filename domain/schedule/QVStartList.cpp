#include "domain/schedule/QVStartList.h"

#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/strings/KPathText.h"

#include <cwctype>
#include <iterator>

namespace {

// Longest line taken from a start-list file; the rest of a longer line is
// dropped (and the line then fails its checks or is cut).
constexpr int kMaxLine = 1023;

bool IsDigits(const KString &text)
{
    if (text.IsEmpty())
        return false;
    for (int i = 0; i < text.Length(); ++i)
        if (text[i] < L'0' || text[i] > L'9')
            return false;
    return true;
}

// The line's fields, in order, into the record's fields named; a field the
// line lacks stays empty.
template <class... Fields> void TakeFields(const std::vector<KString> &f, Fields &...fields)
{
    size_t i = 0;
    ((i < f.size() ? (void)(fields = f[i]) : void(), ++i), ...);
}

struct FieldLimit
{
    int index;
    int chars;
    const wchar_t *name;
};

const FieldLimit kScheduleLimits[] = {
    {0, kStartListNumberChars, L"event"},
    {1, kStartListNumberChars, L"round"},
    {2, kStartListNumberChars, L"heat"},
};
const FieldLimit kEventLimits[] = {
    {0, kStartListNumberChars, L"event"},
    {1, kStartListNumberChars, L"round"},
    {2, kStartListNameChars, L"name"},
};
const FieldLimit kPeopleLimits[] = {
    {0, kStartListNumberChars, L"event"},
    {1, kStartListNumberChars, L"round"},
    {2, kStartListNumberChars, L"heat"},
    {3, kStartListNumberChars, L"lane"},
    {4, kStartListIdChars, L"id"},
    {5, kStartListNameChars, L"last name"},
    {6, kStartListNameChars, L"first name"},
    {7, kStartListNameChars, L"affiliation"},
    {8, kStartListIdChars, L"licence"},
};

// A number as SameNumber sees it: digits without leading zeros, other
// texts in capitals.
void AppendNumberKey(std::wstring &key, const KString &number)
{
    KString text(number);
    text.Trim();
    int i = 0;
    if (IsDigits(text))
        while (i < text.Length() - 1 && text[i] == L'0')
            ++i;
    for (; i < text.Length(); ++i)
        key.push_back(wchar_t(towupper(text[i])));
}

} // namespace

void QVStartList::Clear()
{
    m_heats.clear();
    m_events.clear();
    m_people.clear();
    m_skipped = 0;
    m_firstSkipped.Clear();
    for (std::unordered_set<std::wstring> &seen : m_seen)
        seen.clear();
}

bool QVStartList::SameNumber(const KString &a, const KString &b)
{
    KString x(a), y(b);
    x.Trim();
    y.Trim();
    if (IsDigits(x) && IsDigits(y)) {
        int i = 0, j = 0;
        while (i < x.Length() - 1 && x[i] == L'0')
            ++i;
        while (j < y.Length() - 1 && y[j] == L'0')
            ++j;
        KString xs, ys;
        x.Extract(xs, i, -1);
        y.Extract(ys, j, -1);
        return xs == ys;
    }
    return x.EqualsIgnoreCase(y);
}

bool QVStartList::NextLine(KStream &stream, KString &line, int &lineNumber)
{
    for (;;) {
        line.Clear();
        int end = stream.ReadLine(line, L"\n", L"\r", nullptr, kMaxLine);
        if (end < 0 && line.IsEmpty())
            return false;
        ++lineNumber;
        if (IsComment(line))
            continue;
        return true;
    }
}

int QVStartList::SplitFields(const KString &line, std::vector<KString> &fields)
{
    fields.clear();
    KString field;
    bool quoted = false;
    for (int i = 0; i <= line.Length(); ++i) {
        wchar_t c = line[i];
        if (i == line.Length() || (c == L',' && !quoted)) {
            field.Trim();
            fields.push_back(field);
            field.Clear();
        } else if (c == L'"') {
            if (quoted && line[i + 1] == L'"') {
                field.AppendChar(L'"');
                ++i;
            } else {
                quoted = !quoted;
            }
        } else {
            field.AppendChar(c);
        }
    }
    return quoted ? -1 : int(fields.size());
}

void QVStartList::Skip(const KString &name, int lineNumber, const wchar_t *reason)
{
    Skip(name, lineNumber, KString(reason));
}

bool QVStartList::FieldsFit(File which, const std::vector<KString> &f, const KString &name, int lineNumber)
{
    const FieldLimit *limits = which == kScheduleLines ? kScheduleLimits
                               : which == kEventLines  ? kEventLimits
                                                       : kPeopleLimits;
    const size_t count = which == kScheduleLines ? std::size(kScheduleLimits)
                         : which == kEventLines  ? std::size(kEventLimits)
                                                 : std::size(kPeopleLimits);
    for (size_t i = 0; i < count; ++i) {
        const FieldLimit &limit = limits[i];
        if (size_t(limit.index) < f.size() && f[size_t(limit.index)].Length() > limit.chars) {
            KString reason(limit.name);
            reason.Append(L" longer than ").AppendInt(limit.chars).Append(L" characters");
            Skip(name, lineNumber, reason);
            return false;
        }
    }
    return true;
}

bool QVStartList::IsNewLine(File which, const std::vector<KString> &f)
{
    std::wstring key;
    const size_t numbers = which == kEventLines ? 2 : 3;   // event, round[, heat]
    for (size_t i = 0; i < f.size(); ++i) {
        if (i < numbers)
            AppendNumberKey(key, f[i]);
        else
            key.append(f[i].CStr(), size_t(f[i].Length()));
        key.push_back(L'\x1F');
    }
    return m_seen[which].insert(key).second;
}

void QVStartList::Skip(const KString &name, int lineNumber, const KString &reason)
{
    ++m_skipped;
    KString text(name);
    text.Append(L" line ");
    text.AppendInt(lineNumber);
    text.Append(L" skipped: ");
    text.Append(reason);
    if (m_firstSkipped.IsEmpty())
        m_firstSkipped = text;
    if (KLog *log = KProgramLog())
        log->Warning(text);
}

bool QVStartList::IsComment(const KString &line)
{
    KString trimmed(line);
    trimmed.Trim();
    return trimmed.IsEmpty() || trimmed[0] == L';' || trimmed[0] == L'#';
}

void QVStartList::AddLine(File which, const KString &line, const KString &name, int number,
                          const KString &statusChar)
{
    if (IsComment(line))
        return;
    std::vector<KString> f;
    int count = SplitFields(line, f);
    if (count < 0) {
        Skip(name, number, L"unclosed quote");
    } else if (!FieldsFit(which, f, name, number)) {
        return;
    } else if (which == kScheduleLines) {
        if (count < 3 || f[0].IsEmpty() || f[1].IsEmpty() || f[2].IsEmpty()) {
            Skip(name, number, L"event, round and heat are needed");
        } else if (FindHeat(f[0], f[1], f[2]) >= 0) {
            Skip(name, number, L"heat listed twice");
        } else {
            QVStartListHeat heat;
            TakeFields(f, heat.event, heat.round, heat.heat);
            heat.done = count > 3 && !statusChar.IsEmpty() && f[3] == statusChar;
            m_heats.push_back(heat);
        }
    } else if (which == kEventLines) {
        if (count < 3 || f[0].IsEmpty() || f[2].IsEmpty()) {
            Skip(name, number, L"event and name are needed");
        } else if (!IsNewLine(which, f)) {
            Skip(name, number, L"line listed twice");
        } else {
            QVStartListEvent event;
            TakeFields(f, event.event, event.round, event.name);
            m_events.push_back(event);
        }
    } else if (count < 7 || f[0].IsEmpty() || f[1].IsEmpty() || f[2].IsEmpty()) {
        Skip(name, number, L"event, round, heat, lane, id, last and first name are needed");
    } else if (!f[3].IsEmpty() && !IsDigits(f[3])) {
        Skip(name, number, L"lane is not a number");
    } else if (f[5].IsEmpty() && f[6].IsEmpty()) {
        Skip(name, number, L"no name");
    } else if (!IsNewLine(which, f)) {
        Skip(name, number, L"line listed twice");
    } else {
        QVStartListPerson p;
        TakeFields(f, p.event, p.round, p.heat, p.lane, p.id, p.last, p.first, p.affiliation, p.licence);
        m_people.push_back(p);
    }
}

int QVStartList::ReadLines(File which, KStream &stream, const KString &name, const KString &statusChar)
{
    int before = m_skipped;
    KString line;
    int number = 0;
    while (NextLine(stream, line, number))
        AddLine(which, line, name, number, statusChar);
    return m_skipped - before;
}

int QVStartList::ReadSchedule(KStream &stream, const KString &name, const KString &statusChar)
{
    return ReadLines(kScheduleLines, stream, name, statusChar);
}

int QVStartList::ReadEvents(KStream &stream, const KString &name)
{
    return ReadLines(kEventLines, stream, name, KString());
}

int QVStartList::ReadPeople(KStream &stream, const KString &name)
{
    return ReadLines(kPeopleLines, stream, name, KString());
}

bool QVStartList::ReadFile(const KString &folder, const wchar_t *file, int charMode, File which,
                           const KString &statusChar)
{
    KBufferedFile stream;
    KString path(folder);
    KAppendPathName(path, KString(file));
    stream.SetFullName(path);
    if (!stream.Exists()) {
        if (which == kScheduleLines) {
            m_loadError = kErrFileOpen;
            m_loadErrorExtra = -1;
            m_loadErrorFile = stream.FullName();
        }
        return false;
    }
    KString name(file);
    try {
        stream.Open(KFile::kModeRead);
        stream.SetReadEncoding(charMode == 1 ? KStream::kEncoding16Bit : KStream::kEncodingDetect);
        if (charMode == 1) {
            // Skip the byte-order mark when there is one.
            uint8_t bom[2] = {0, 0};
            if (stream.Read(bom, 2) != 2 || bom[0] != 0xFF || bom[1] != 0xFE)
                stream.Seek(0);
        }
        ReadLines(which, stream, name, statusChar);
        stream.Close();
    } catch (const KX &error) {
        if (KLog *log = KProgramLog()) {
            KString text(name);
            text.Append(L" could not be read, error ");
            text.AppendInt(error.Code());
            log->Error(text);
        }
        if (which == kScheduleLines) {
            m_loadError = error.Code();
            m_loadErrorExtra = error.Extra();
            m_loadErrorFile = stream.FullName();
        }
        return false;
    }
    return true;
}

bool QVStartList::Load(const KString &folder, int charMode, const KString &statusChar)
{
    Clear();
    m_loadError = 0;
    if (!ReadFile(folder, kScheduleFile, charMode, kScheduleLines, statusChar)) {
        Clear();
        return false;
    }
    ReadFile(folder, kEventFile, charMode, kEventLines, statusChar);
    ReadFile(folder, kPeopleFile, charMode, kPeopleLines, statusChar);
    return true;
}

int QVStartList::FindHeat(const KString &event, const KString &round, const KString &heat) const
{
    for (size_t i = 0; i < m_heats.size(); ++i) {
        const QVStartListHeat &h = m_heats[i];
        if (SameNumber(h.event, event) && SameNumber(h.round, round) && SameNumber(h.heat, heat))
            return int(i);
    }
    return -1;
}

const KString &QVStartList::EventName(const KString &event, const KString &round) const
{
    static const KString kNone;
    const QVStartListEvent *any = nullptr;
    for (const QVStartListEvent &e : m_events) {
        if (!SameNumber(e.event, event))
            continue;
        if (e.round.IsEmpty()) {
            if (!any)
                any = &e;
        } else if (SameNumber(e.round, round)) {
            return e.name;
        }
    }
    return any ? any->name : kNone;
}

void QVStartList::PeopleOf(const KString &event, const KString &round, const KString &heat,
                           std::vector<const QVStartListPerson *> &out) const
{
    out.clear();
    for (const QVStartListPerson &p : m_people)
        if (SameNumber(p.event, event) && SameNumber(p.round, round) && SameNumber(p.heat, heat))
            out.push_back(&p);
}
