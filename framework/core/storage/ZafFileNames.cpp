// The file-system wrappers of the wide string library: paths go to the C
// runtime in the local code set of the shared code set.

#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/text/ZafStrings.h"

#include <cstdio>
#include <direct.h>
#include <io.h>
#include <vector>

namespace {

// The path in the local code set; a double-byte code set needs up to two
// bytes per character.
std::vector<char> LocalPath(const wchar_t *path)
{
    int length = path ? ZafStrLen(path) : 0;
    std::vector<char> local(size_t(2 * length + 1), 0);
    if (path)
        ZafCodeSetData::Shared()->WideToLocal(path, local.data(), false, int(local.size()));
    return local;
}

} // namespace

int ZafChDir(const wchar_t *path)
{
    return _chdir(LocalPath(path).data());
}

wchar_t *ZafGetCwd(wchar_t *buffer, int size)
{
    static char directory[256];
    if (!buffer || size <= 0 || !_getcwd(directory, int(sizeof directory)))
        return nullptr;
    // Convert into a work buffer first so that a directory that does not fit
    // is refused rather than cut.
    wchar_t wide[257];
    ZafCodeSetData::Shared()->LocalToWide(directory, wide, false, 257);
    if (ZafStrLen(wide) + 1 > size)
        return nullptr;
    return ZafStrCpy(buffer, wide);
}

int ZafRename(const wchar_t *oldPath, const wchar_t *newPath)
{
    return std::rename(LocalPath(oldPath).data(), LocalPath(newPath).data());
}

int ZafUnlink(const wchar_t *path)
{
    return _unlink(LocalPath(path).data());
}

int ZafRemove(const wchar_t *path)
{
    return ZafUnlink(path);
}
