#include "domain/resultslink/QVResultsFile.h"

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/schedule/QVServiceKeys.h"
#include "domain/timing/VLeg.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/streams/KReplacingFile.h"
#include "foundation/strings/KPathText.h"
#include "foundation/strings/KText.h"
#include "foundation/threads/KMutex.h"

#include <cstdint>
#include <unordered_set>

namespace {

constexpr int32_t kNoTime = INT32_MIN;

void AppendTime(KString &out, const VRaceTime &time)
{
    out.AppendChar(L',');
    if (time.IsValid())
        QVResultsFile::AppendMilliseconds(out, time.Milliseconds());
}

void AppendTwo(KString &out, int32_t value)
{
    out.AppendIntFormat(value < 0 ? 0 : value, L"%02d");
}

// The two later parts of a date or a time, each after the separator.
void AppendTwoParts(KString &out, wchar_t separator, int32_t second, int32_t third)
{
    out.AppendChar(separator);
    AppendTwo(out, second);
    out.AppendChar(separator);
    AppendTwo(out, third);
}

} // namespace

void QVResultsFile::AppendField(KString &out, const KString &field)
{
    bool quote = false;
    for (int i = 0; i < field.Length(); ++i)
        if (field[i] == L',' || field[i] == L'"')
            quote = true;
    if (quote)
        out.AppendChar(L'"');
    for (int i = 0; i < field.Length(); ++i) {
        wchar_t c = field[i];
        if (c == L'"')
            out.AppendChar(L'"');
        out.AppendChar(c == L'\r' || c == L'\n' ? L' ' : c);
    }
    if (quote)
        out.AppendChar(L'"');
}

void QVResultsFile::AppendMilliseconds(KString &out, int32_t milliseconds)
{
    if (milliseconds == kNoTime)
        return;
    if (milliseconds < 0)
        out.AppendChar(L'-');
    int64_t magnitude = milliseconds < 0 ? -int64_t(milliseconds) : milliseconds;
    out.AppendInt(int32_t(magnitude / 1000));
    out.AppendChar(L'.');
    out.AppendIntFormat(int32_t(magnitude % 1000), L"%03d");
}

namespace {

// 64-bit FNV-1a over the characters, continued from hash.
uint64_t Hash(uint64_t hash, const wchar_t *text, int length)
{
    for (int i = 0; i < length; ++i) {
        hash ^= uint64_t(uint16_t(text[i]));
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// Whether the line was said already from where: a peer that asks for the
// same results again and again, or saves of the same document, say each
// line once for as long as the program runs. Only a hash of each line is
// kept, a few bytes whatever the line's length.
bool SaidBefore(const KString &where, const wchar_t *text, int length)
{
    static KMutex *mutex = new KMutex;
    static std::unordered_set<uint64_t> *said = new std::unordered_set<uint64_t>;
    const wchar_t separator = L'\n';
    uint64_t key = Hash(0xCBF29CE484222325ull, where.CStr(), where.Length());
    key = Hash(Hash(key, &separator, 1), text, length);
    KMutexHold hold(*mutex);
    return !said->insert(key).second;
}

} // namespace

void QVResultsFile::LogLostCharacters(const KString &text, const KString &where)
{
    KLog *log = KProgramLog();
    if (!log)
        return;
    for (int start = 0, end = 0; start < text.Length(); start = end + 1) {
        for (end = start; end < text.Length() && text[end] != L'\n';)
            ++end;
        if (KTextAnsiHolds(text.CStr() + start, end - start) || SaidBefore(where, text.CStr() + start, end - start))
            continue;
        KString line(where);
        line.Append(L": characters the 8-bit code page lacks are \"?\" in ").Append(text.CStr() + start, end - start);
        line.Append(L" (").Append(kKeyCharModeVIF).Append(L"=1 writes results files in Unicode, keeping every character)");
        log->Warning(line);
    }
}

void QVResultsFile::ResultLine(const QVResult &r, int leg, int row, KString &out)
{
    out.Append(L"RESULT,");
    out.AppendInt(leg);
    out.AppendChar(L',');
    out.AppendInt(row);
    const int fields[] = {QVResult::kLane, QVResult::kIdentity, QVResult::kLicence,
                          QVResult::kLastName, QVResult::kFirstName, QVResult::kAffiliation};
    for (int f : fields) {
        out.AppendChar(L',');
        AppendField(out, r.TextField(f));
    }
    AppendTime(out, r.ReactionTime());
    AppendTime(out, r.TimeToDistance());
    out.AppendChar(L',');
    r.FormatPower(out);
    out.AppendChar(L',');
    out.AppendInt(r.ResultCode());
    out.AppendChar(L',');
    out.AppendInt(r.IsFalseStart() ? 1 : 0);
}

int QVResultsFile::ResultLines(const QVResults &results, int leg, KString &out)
{
    int row = 0;
    for (QVResult *r = results.NextResult(nullptr); r; r = results.NextResult(r)) {
        ResultLine(*r, leg, ++row, out);
        out.AppendChar(L'\n');
    }
    return row;
}

void QVResultsFile::Format(const QVEvent &event, KString &out)
{
    out.Append(L"QIT,");
    out.AppendInt(kFormatVersion);
    out.Append(L"\nEVENT,");
    AppendField(out, event.EventNumber());
    out.AppendChar(L',');
    AppendField(out, event.RoundNumber());
    out.AppendChar(L',');
    AppendField(out, event.HeatNumber());
    out.AppendChar(L',');
    AppendField(out, event.Name());
    out.AppendChar(L',');
    const KDateTime &when = event.DateTime();
    if (when.IsDateSet()) {
        out.AppendIntFormat(when.Year(), L"%04d");
        AppendTwoParts(out, L'-', when.Month(), when.Day());
    }
    out.AppendChar(L',');
    if (when.IsTimeSet()) {
        AppendTwo(out, when.Hour());
        AppendTwoParts(out, L':', when.Minute(), when.Second());
    }
    out.AppendChar(L'\n');
    int count = 0;
    int legNumber = 0;
    for (VLeg *leg = event.NextLeg(nullptr); leg; leg = event.NextLeg(leg)) {
        ++legNumber;
        if (leg->Results())
            count += ResultLines(*leg->Results(), legNumber, out);
    }
    out.Append(L"END,");
    out.AppendInt(count);
    out.AppendChar(L'\n');
}

void QVResultsFile::FileName(const QVEvent &event, KString &out)
{
    KString name;
    if (!event.CompetitionId(name)) {
        name.Clear();
        event.FileTitle(name);
    }
    if (name.IsEmpty())
        name = L"results";
    // Characters a file name cannot hold become '_'.
    for (int i = 0; i < name.Length(); ++i) {
        wchar_t c = name[i];
        bool bad = c < 32 || c == L'\\' || c == L'/' || c == L':' || c == L'*' || c == L'?' || c == L'"' ||
                   c == L'<' || c == L'>' || c == L'|';
        out.AppendChar(bad ? L'_' : c);
    }
    out.AppendChar(L'.').Append(kExtension);
}

int32_t QVResultsFile::Write(const QVEvent &event, const KString &folder, int charMode, KString &path)
{
    path = folder;
    KString name;
    FileName(event, name);
    KAppendPathName(path, name);
    KString text;
    Format(event, text);
    try {
        KReplacingFile file(path);
        file.Begin();
        file.SetWriteEncoding(charMode == 1 ? KStream::kEncoding16Bit : KStream::kEncoding8Bit);
        file.SetWriteLineEnd(KStream::kLineEndCRLF);
        file.WriteByteOrderMark();
        file.WriteText(text);
        file.Commit();
        if (charMode != 1)
            LogLostCharacters(text, KString(L"results file ").Append(path));
    } catch (const KX &error) {
        if (KLog *log = KProgramLog()) {
            KString line(L"results file ");
            line.Append(path).Append(L" not written, error ");
            line.AppendInt(error.Code());
            log->Error(line);
        }
        return kErrWriteQifFile;
    }
    return 0;
}
