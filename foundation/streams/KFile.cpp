// KFile: construction and the path operations.
#include "foundation/streams/KFile.h"

#include <windows.h>

namespace
{
bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }
} // namespace

KFile::KFile() = default;

KFile::KFile(const wchar_t *fullName) : itsPath(fullName) {}

KFile::KFile(const KFile &other) : KStream(), itsPath(other.itsPath), itsMode(other.itsMode) {}

KFile &KFile::operator=(const KFile &other)
{
    if (this != &other) {
        Close();
        itsPath = other.itsPath;
        itsMode = other.itsMode;
    }
    return *this;
}

KFile::~KFile()
{
    // A subclass with a buffer has flushed it in its own destructor.
    CloseHandleOnly();
}

void KFile::SetFullName(const KString &fullName) { itsPath = fullName; }
void KFile::SetFullName(const wchar_t *fullName) { itsPath = fullName ? fullName : L""; }
void KFile::GetFullName(KString &out) const { out.Append(itsPath); }

int KFile::NameStart() const
{
    for (int i = itsPath.Length(); i > 0; --i)
        if (IsSeparator(itsPath[i - 1]))
            return i;
    return 0;
}

int KFile::ExtensionDot() const
{
    int start = NameStart();
    for (int i = itsPath.Length() - 1; i >= start; --i)
        if (itsPath[i] == L'.')
            return i;
    return -1;
}

void KFile::GetName(KString &out, bool withExtension) const
{
    int start = NameStart();
    int end = withExtension || ExtensionDot() < 0 ? itsPath.Length() : ExtensionDot();
    out.Append(itsPath.CStr() + start, end - start);
}

void KFile::SetName(const KString &name, bool carriesExtension)
{
    KString path;
    GetFolder(path);
    path.Append(name);
    int dot = ExtensionDot();
    if (!carriesExtension && dot >= 0)
        path.Append(itsPath.CStr() + dot);
    itsPath = path;
}

void KFile::GetExtension(KString &out) const
{
    int dot = ExtensionDot();
    if (dot >= 0)
        out.Append(itsPath.CStr() + dot + 1);
}

void KFile::SetExtension(const KString &extension)
{
    RemoveExtension();
    if (extension[0] != L'.')
        itsPath.AppendChar(L'.');
    itsPath.Append(extension);
}

void KFile::RemoveExtension()
{
    int dot = ExtensionDot();
    if (dot >= 0)
        itsPath.Truncate(dot);
}

void KFile::GetFolder(KString &out) const { out.Append(itsPath.CStr(), NameStart()); }

void KFile::SetFolderPath(const KString &folder)
{
    KString path(folder);
    if (!path.IsEmpty() && !IsSeparator(path[path.Length() - 1]))
        path.AppendChar(L'\\');
    path.Append(itsPath.CStr() + NameStart());
    itsPath = path;
}

bool KFile::Exists() const
{
    if (itsPath.IsEmpty())
        return false;
    DWORD attributes = GetFileAttributesW(itsPath.CStr());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
