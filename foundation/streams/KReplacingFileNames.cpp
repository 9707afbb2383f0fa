// KReplacingFile: the temporary names, and clearing what is found under one.
#include "foundation/streams/KReplacingFile.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KKeptFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace
{
// A handle closed when it goes out of scope.
struct ScopedHandle
{
    explicit ScopedHandle(HANDLE h) : handle(h) {}
    ~ScopedHandle()
    {
        if (Valid())
            CloseHandle(handle);
    }
    ScopedHandle(const ScopedHandle &) = delete;
    ScopedHandle &operator=(const ScopedHandle &) = delete;
    bool Valid() const { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
    HANDLE handle;
};

// Opens what has the name, with every sharing so that a file another
// program holds can be freed of its name. With linkItself the name itself
// is opened, not what a link names, where the system can (Wine follows a
// symbolic link all the same).
HANDLE OpenName(const wchar_t *path, DWORD access, bool linkItself)
{
    return CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | (linkItself ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr);
}

// The system's calls that tell about an open file, among others its path
// on its volume as the file system knows it, links followed and names in
// the case the file system keeps, at any length; and its volume's flags
// (from Windows Vista on; looked up at run time). The class for the path.
using FileInformationCall = BOOL(WINAPI *)(HANDLE, int, void *, DWORD);
using VolumeCall = BOOL(WINAPI *)(HANDLE, wchar_t *, DWORD, DWORD *, DWORD *, DWORD *, wchar_t *, DWORD);
constexpr int kFileNameInfo = 2;

template <typename Call> Call KernelCall(const char *name)
{
    return reinterpret_cast<Call>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

FileInformationCall InformationCall()
{
    static const FileInformationCall call = KernelCall<FileInformationCall>("GetFileInformationByHandleEx");
    return call;
}

// The open file's path on its volume; empty when the system cannot tell.
std::wstring PathOnVolume(HANDLE handle)
{
    // The length in bytes, then the characters: at most 32,767 of them.
    std::vector<DWORD> record(1 + 32768 / 2);
    if (!InformationCall()(handle, kFileNameInfo, record.data(), DWORD(record.size() * sizeof(DWORD))))
        return std::wstring();
    const size_t length = std::min<size_t>(record[0] / sizeof(wchar_t), (record.size() - 1) * 2);
    return std::wstring(reinterpret_cast<const wchar_t *>(record.data() + 1), length);
}

// Whether the two open files are on the same volume (Wine gives each drive
// letter a volume of its own); false when the system cannot tell.
bool SameVolume(HANDLE one, HANDLE other)
{
    BY_HANDLE_FILE_INFORMATION first, second;
    return GetFileInformationByHandle(one, &first) && GetFileInformationByHandle(other, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber;
}

// Wine maps names to those of the Linux file system, which tells case
// apart, while it reports every volume as one that does not.
bool RunsOnWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// Whether names on the folder's volume differ by case alone; so where the
// system cannot tell.
bool CaseMatters(HANDLE folder)
{
    static const VolumeCall call = KernelCall<VolumeCall>("GetVolumeInformationByHandleW");
    DWORD flags = 0;
    if (RunsOnWine() || !call || !call(folder, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0))
        return true;
    return (flags & FILE_CASE_SENSITIVE_SEARCH) != 0;
}

bool SamePath(const std::wstring &a, const std::wstring &b, bool caseMatters)
{
    if (caseMatters)
        return a == b;
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(), int(b.size())) ==
           CSTR_EQUAL;
}

enum class Lead
{
    kOwnName,   // the file of that name in its folder
    kElsewhere, // a file of another name, in another folder or on another drive
    kUnknown    // the system cannot tell
};

// Where the name at path, open as file, leads: a link that the system
// followed when it opened the name (Wine does so for a symbolic link, even
// when asked for the link itself, and then deletes or renames the file the
// link names, never the link) leads elsewhere: to another volume (another
// drive), and to a name that differs from its own in case alone where the
// file system tells case apart. Before Windows Vista, which makes no links
// to files, every name is its file's own.
Lead WhereNameLeads(HANDLE file, const KString &path)
{
    if (!InformationCall())
        return Lead::kOwnName;
    const DWORD length = GetFullPathNameW(path.CStr(), 0, nullptr, nullptr);
    std::vector<wchar_t> full(length + 1);
    wchar_t *name = nullptr;
    if (length == 0 || GetFullPathNameW(path.CStr(), DWORD(full.size()), full.data(), &name) >= full.size() || !name)
        return Lead::kUnknown;
    // The folder as the file system knows it, the links to it followed as
    // they are on the way to the file.
    const std::wstring folderPath(full.data(), name);
    ScopedHandle folder(OpenName(folderPath.c_str(), FILE_READ_ATTRIBUTES, false));
    std::wstring expected = folder.Valid() ? PathOnVolume(folder.handle) : std::wstring();
    const std::wstring found = PathOnVolume(file);
    if (expected.empty() || found.empty())
        return Lead::kUnknown;
    if (!SameVolume(folder.handle, file))
        return Lead::kElsewhere;
    if (expected.back() != L'\\')
        expected += L'\\';
    expected += name;
    return SamePath(expected, found, CaseMatters(folder.handle)) ? Lead::kOwnName : Lead::kElsewhere;
}

// The mark of a cut name: "~" and the hexadecimal digits of a 64-bit FNV-1a
// hash of the file name's characters in capitals, as the file systems
// compare names.
KString NameMark(const KString &target, int nameStart)
{
    const int length = target.Length() - nameStart;
    std::wstring name(size_t(length), L'\0');
    if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, target.CStr() + nameStart, length, &name[0], length) != length)
        name.assign(target.CStr() + nameStart, size_t(length));
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : name) {
        hash ^= uint16_t(c);
        hash *= 1099511628211ull;
    }
    KString mark(L"~");
    for (int shift = 4 * (KReplacingFile::kNameMarkDigits - 1); shift >= 0; shift -= 4)
        mark.AppendChar(L"0123456789abcdef"[(hash >> shift) & 0xF]);
    return mark;
}

bool NameTaken(DWORD error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }
} // namespace

KString KReplacingFile::TemporaryName(const KString &target, int attempt)
{
    KString suffix(L".");
    if (attempt > 0)
        suffix.AppendInt(attempt).AppendChar(L'.');
    suffix.Append(L"tmp");
    int nameStart = target.Length();
    while (nameStart > 0 && target[nameStart - 1] != L'\\' && target[nameStart - 1] != L'/' &&
           target[nameStart - 1] != L':')
        --nameStart;
    KString name(target);
    if (target.Length() - nameStart + suffix.Length() > kMaxNameLength) {
        const KString mark = NameMark(target, nameStart);
        int end = nameStart + kMaxNameLength - mark.Length() - suffix.Length();
        // Never half of a character that takes two.
        if (target[end - 1] >= 0xD800 && target[end - 1] <= 0xDBFF)
            --end;
        name.Truncate(end);
        name.Append(mark);
    }
    name.Append(suffix);
    return name;
}

bool KReplacingFile::MadeTemporaryFile()
{
    try {
        Open(kModeWrite, true);
        return true;
    } catch (const KXStream &x) {
        const DWORD error = DWORD(x.Extra());
        if (NameTaken(error))
            return false;
        throw KXStream(WriteErrorCode(error), x.Extra(), FullName());
    }
}

bool KReplacingFile::ClearTemporaryName() const
{
    const KString &path = FullName();
    ScopedHandle found(OpenName(path.CStr(), DELETE | FILE_READ_ATTRIBUTES, true));
    if (!found.Valid())
        return ClearUnopenedName(GetLastError());
    const Lead lead = WhereNameLeads(found.handle, path);
    if (lead == Lead::kElsewhere)
        return false;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(found.handle, &information)) {
        const DWORD error = GetLastError();
        throw KXStream(WriteErrorCode(error), int32_t(error), path);
    }
    if (KKeptFile::IsKept(path, uint64_t(information.nFileIndexHigh) << 32 | information.nFileIndexLow))
        return false;
    const DWORD attributes = information.dwFileAttributes;
    // Not told by the paths: only a file with the mark of a save is its own.
    if (lead == Lead::kUnknown && (attributes & (FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_REPARSE_POINT)) !=
                                      FILE_ATTRIBUTE_TEMPORARY)
        return false;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        throw KXStream(kErrFileWrite, ERROR_ALREADY_EXISTS, path);
    DWORD error = DeleteOpenFile(found.handle);
    if (error == ERROR_CALL_NOT_IMPLEMENTED) {
        // Older systems make no links to files: the name is the file's own.
        CloseHandle(found.handle);
        found.handle = nullptr;
        error = DeleteFileW(path.CStr()) ? 0 : GetLastError();
    }
    if (error != 0)
        throw KXStream(WriteErrorCode(error), int32_t(error), path);
    return true;
}

bool KReplacingFile::ClearUnopenedName(unsigned long error) const
{
    // Gone since the name was found taken.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return true;
    // A link that leads round in a circle.
    if (error == ERROR_CANT_RESOLVE_FILENAME)
        return false;
    // Held by another program, or a device: a link to it is left alone,
    // a file of that name cannot be cleared. Looking at it needs no sharing.
    const KString &path = FullName();
    ScopedHandle look(OpenName(path.CStr(), FILE_READ_ATTRIBUTES, true));
    if (look.Valid() && WhereNameLeads(look.handle, path) == Lead::kElsewhere)
        return false;
    throw KXStream(WriteErrorCode(error), int32_t(error), path);
}

void KReplacingFile::OpenTemporaryFile()
{
    for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
        SetFullName(TemporaryName(itsTarget, attempt));
        // Only a name found taken is looked at; taken again after it was
        // cleared, or not cleared, the next name.
        if (MadeTemporaryFile() || (ClearTemporaryName() && MadeTemporaryFile()))
            return;
    }
    SetFullName(TemporaryName(itsTarget, 0));
    throw KXStream(kErrFileWrite, ERROR_FILE_EXISTS, FullName());
}
