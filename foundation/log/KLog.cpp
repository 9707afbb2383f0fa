#include "foundation/log/KLog.h"

#include "foundation/app/KApplicationHooks.h"

#include <windows.h>

#include <vector>

namespace {

KLog *gProgramLog = nullptr;

// Replaces the extension of the file part of path (or adds one).
void SetExtension(KString &path, const wchar_t *extension)
{
    int dot = -1;
    for (int i = path.Length() - 1; i >= 0; --i) {
        wchar_t c = path[i];
        if (c == L'\\' || c == L'/' || c == L':')
            break;
        if (c == L'.') {
            dot = i;
            break;
        }
    }
    if (dot >= 0)
        path.Truncate(dot);
    path.AppendChar(L'.').Append(extension);
}

void AppendTwoDigits(KString &text, int value)
{
    text.AppendChar(wchar_t(L'0' + value / 10 % 10)).AppendChar(wchar_t(L'0' + value % 10));
}

// Cuts a line longer than the whole log to most bytes, at a character's
// start, keeping its line end.
void CutToFit(std::vector<char> &utf8, int64_t most)
{
    size_t keep = most > 2 ? size_t(most - 2) : 0;
    while (keep > 0 && (utf8[keep] & 0xC0) == 0x80)
        --keep;
    utf8.resize(keep);
    utf8.push_back('\r');
    utf8.push_back('\n');
}

// Moves the whole lines among the last keep bytes of the file (size bytes
// long) to its start and drops the rest; the file pointer ends at the new
// end. A file that cannot be read is emptied: the log never grows past its
// size.
void DropOldest(HANDLE file, int64_t size, int64_t keep)
{
    // One byte more, to see whether the first kept byte starts a line.
    std::vector<char> tail(size_t(keep > 0 ? keep + 1 : 0));
    LARGE_INTEGER at = {};
    at.QuadPart = size - int64_t(tail.size());
    DWORD read = 0;
    size_t from = tail.size();
    if (!tail.empty() && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
        ReadFile(file, tail.data(), DWORD(tail.size()), &read, nullptr) && read == tail.size())
        for (size_t i = 0; i < tail.size(); ++i)
            if (tail[i] == '\n') {
                from = i + 1;
                break;
            }
    at.QuadPart = 0;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    DWORD written = 0;
    if (from < tail.size())
        WriteFile(file, tail.data() + from, DWORD(tail.size() - from), &written, nullptr);
    SetEndOfFile(file);
}

} // namespace

KLog::KLog() : KLog(kMostBytes) {}

KLog::KLog(int64_t mostBytes) : itsMostBytes(mostBytes)
{
    KProgramPath(itsPath);
    if (itsPath.IsEmpty())
        return;
    SetExtension(itsPath, L"log");
    HANDLE file = CreateFileW(itsPath.CStr(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        itsFile = file;
}

KLog::~KLog()
{
    if (gProgramLog == this)
        gProgramLog = nullptr;
    if (!itsFile)
        return;
    LARGE_INTEGER size = {};
    bool empty = GetFileSizeEx(itsFile, &size) && size.QuadPart == 0;
    CloseHandle(itsFile);
    if (empty)
        DeleteFileW(itsPath.CStr());
}

void KLog::Error(const KString &text)
{
    WriteLine(L'E', text);
}

void KLog::Warning(const KString &text)
{
    WriteLine(L'W', text);
}

void KLog::Consistency(const wchar_t *className, const wchar_t *method, const wchar_t *condition)
{
    KString text(className);
    text.Append(L"::").Append(method).Append(L": ").Append(condition);
    WriteLine(L'E', text);
}

void KLog::WriteLine(wchar_t tag, const KString &text)
{
    if (!itsFile)
        return;
    SYSTEMTIME st;
    GetLocalTime(&st);
    KString line;
    line.AppendChar(tag).AppendChar(L' ').AppendInt(st.wYear).AppendChar(L'-');
    AppendTwoDigits(line, st.wMonth);
    line.AppendChar(L'-');
    AppendTwoDigits(line, st.wDay);
    line.AppendChar(L' ');
    AppendTwoDigits(line, st.wHour);
    line.AppendChar(L':');
    AppendTwoDigits(line, st.wMinute);
    line.AppendChar(L':');
    AppendTwoDigits(line, st.wSecond);
    line.AppendChar(L'.');
    line.AppendIntFormat(st.wMilliseconds, L"%03d");
    line.AppendChar(L' ').Append(text).Append(L"\r\n");

    int bytes = WideCharToMultiByte(CP_UTF8, 0, line.CStr(), line.Length(), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return;
    std::vector<char> utf8(size_t(bytes), 0);
    WideCharToMultiByte(CP_UTF8, 0, line.CStr(), line.Length(), utf8.data(), bytes, nullptr, nullptr);

    Append(utf8);
}

void KLog::Append(std::vector<char> &utf8)
{
    if (int64_t(utf8.size()) > itsMostBytes)
        CutToFit(utf8, itsMostBytes);
    std::lock_guard<std::mutex> hold(itsMutex);
    // Another program copy may have appended meanwhile: write at the end.
    LARGE_INTEGER zero = {}, end = {};
    if (!SetFilePointerEx(itsFile, zero, &end, FILE_END))
        return;
    const int64_t room = itsMostBytes - int64_t(utf8.size());
    if (end.QuadPart > room)
        DropOldest(itsFile, end.QuadPart, room < itsMostBytes / 2 ? room : itsMostBytes / 2);
    DWORD written = 0;
    WriteFile(itsFile, utf8.data(), DWORD(utf8.size()), &written, nullptr);
}

KLog *KProgramLog()
{
    return gProgramLog;
}

void KSetProgramLog(KLog *log)
{
    gProgramLog = log;
}
