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

} // namespace

KLog::KLog()
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

    std::lock_guard<std::mutex> hold(itsMutex);
    // Another program copy may have appended meanwhile: write at the end.
    LARGE_INTEGER zero = {};
    SetFilePointerEx(itsFile, zero, nullptr, FILE_END);
    DWORD written = 0;
    WriteFile(itsFile, utf8.data(), DWORD(bytes), &written, nullptr);
}

KLog *KProgramLog()
{
    return gProgramLog;
}

void KSetProgramLog(KLog *log)
{
    gProgramLog = log;
}
