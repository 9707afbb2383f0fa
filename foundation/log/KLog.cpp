#include "foundation/log/KLog.h"

#include "foundation/app/KApplicationHooks.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

KLog *gProgramLog = nullptr;

// What the name of a file's lock starts with.
constexpr wchar_t kLockPrefix[] = L"KLog.";

// The full path of path in its long form and in upper case, the same for
// every spelling the system resolves to the file (relative, a short name,
// another case). The file must exist.
std::wstring FullPathInCapitals(const KString &path)
{
    std::wstring full(32768, L'\0');
    DWORD length = GetFullPathNameW(path.CStr(), DWORD(full.size()), &full[0], nullptr);
    full.resize(length < full.size() ? length : 0);
    if (full.empty())
        full = path.CStr();
    std::wstring longer(32768, L'\0');
    length = GetLongPathNameW(full.c_str(), &longer[0], DWORD(longer.size()));
    if (length > 0 && length < longer.size())
        full.assign(longer.c_str(), length);
    const int count = int(full.size());
    std::wstring upper(full.size(), L'\0');
    if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, full.c_str(), count, &upper[0], count) != count)
        return full;
    return upper;
}

// The name of the lock of the file at path: the prefix and the file's full
// path with '/' for '\', which a name of a system object cannot hold. A
// path too long for a name (fewer than MAX_PATH characters) gives way to
// its 64-bit FNV-1a hash.
KString LockNameOf(const KString &path)
{
    std::wstring name = FullPathInCapitals(path);
    std::replace(name.begin(), name.end(), L'\\', L'/');
    if (name.size() + wcslen(kLockPrefix) >= MAX_PATH) {
        uint64_t hash = 14695981039346656037ull;
        for (wchar_t c : name)
            hash = (hash ^ uint16_t(c)) * 1099511628211ull;
        name.clear();
        for (int shift = 60; shift >= 0; shift -= 4)
            name += L"0123456789ABCDEF"[(hash >> shift) & 15];
    }
    return KString((kLockPrefix + name).c_str());
}

// Holds the lock of a log file for a scope, once it had it within
// KLog::kLockWait. A lock whose holder ended without releasing it
// (WAIT_ABANDONED: a copy died, perhaps in the middle of a line) is held
// all the same: the log goes on.
class HeldLock
{
public:
    explicit HeldLock(HANDLE lock)
    {
        const DWORD waited = WaitForSingleObject(lock, KLog::kLockWait);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
            itsLock = lock;
    }
    ~HeldLock()
    {
        if (itsLock)
            ReleaseMutex(itsLock);
    }
    HeldLock(const HeldLock &) = delete;
    HeldLock &operator=(const HeldLock &) = delete;

    bool IsHeld() const { return itsLock != nullptr; }

private:
    HANDLE itsLock = nullptr;
};

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
    if (file == INVALID_HANDLE_VALUE)
        return;
    const KString lockName = LockNameOf(itsPath);
    HANDLE lock = CreateMutexW(nullptr, FALSE, lockName.CStr());
    // Without the lock another copy's lines could tear this one's.
    if (!lock) {
        CloseHandle(file);
        return;
    }
    itsFile = file;
    itsLock = lock;
    itsLockName = lockName;
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
    CloseHandle(itsLock);
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
    HeldLock hold(itsLock);
    if (!hold.IsHeld())
        return; // rather than write past another copy's cut
    // Another copy may have appended or cut meanwhile: write at the end.
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
