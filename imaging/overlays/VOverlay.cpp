#include "imaging/overlays/VOverlay.h"

#include "foundation/app/KApplicationHooks.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/streams/KFileInfo.h"
#include "foundation/strings/KText.h"
#include "imaging/VImagingCodes.h"

#include <algorithm>
#include <memory>

namespace
{
constexpr int32_t kSharedFileBuffer = 4096;
KBufferedFile *g_sharedFile = nullptr;
KSparseArray g_table;

// The overlay number a name's last character asks for: 0-9, or -1 for "A"
// (the next free number from 10); -2 when the file is no overlay.
int32_t RequestedNumber(const KString &name)
{
    const wchar_t last = KTextToUpper(name[name.Length() - 1]);
    if (last >= L'0' && last <= L'9')
        return last - L'0';
    return last == L'A' ? -1 : -2;
}
} // namespace

VOverlay::VOverlay(const KFile &file, uint32_t formatFlags) : itsPicture(formatFlags, kMemoryFlags)
{
    itsPath = file.FullName();
}

void VOverlay::Name(KString &out) const
{
    KFile(itsPath.CStr()).GetName(out, false);
}

uint8_t *VOverlay::Lock()
{
    if (uint8_t *pixels = itsPicture.Lock())
        return pixels;
    std::unique_ptr<KBufferedFile> ownFile;
    KBufferedFile *file = g_sharedFile;
    if (!file) {
        ownFile = std::make_unique<KBufferedFile>(kSharedFileBuffer);
        file = ownFile.get();
    }
    try {
        file->Close();
        file->SetFullName(itsPath);
        file->Open(KFile::kModeRead);
        itsPicture.ImportTarga(*file);
        file->Close();
    } catch (const KX &) {
        file->Close();
    }
    return itsPicture.Lock();
}

void VOverlay::Unlock()
{
    itsPicture.Unlock();
}

void VOverlay::Startup()
{
    if (!g_sharedFile)
        g_sharedFile = new KBufferedFile(kSharedFileBuffer);
}

void VOverlay::Shutdown()
{
    g_table.DeleteAll();
    delete g_sharedFile;
    g_sharedFile = nullptr;
}

KSparseArray &VOverlay::Table()
{
    return g_table;
}

void VOverlay::Discover(KSparseArray &overlays, const KString &folder)
{
    KString pattern(folder);
    pattern.Append(L"*.tg?");
    KFile search(pattern.CStr());
    KFileInfo info;
    while (search.FindNext(info)) {
        if (info.IsFolder() || info.GetName().IsEmpty())
            continue;
        int32_t number = RequestedNumber(info.GetName());
        if (number == -2)
            continue;
        if (number == -1 || overlays.Find(number)) {
            const int32_t last = overlays.LastId();
            number = last == KSparseArray::kNoId ? kFirstLetterNumber : std::max(last + 1, kFirstLetterNumber);
        }
        KString path(folder);
        path.Append(info.GetName());
        auto *overlay = new VOverlay(KFile(path.CStr()));
        overlay->SetId(number);
        overlays.AddItem(overlay);
    }
}

void VOverlay::DiscoverProgramOverlays(KSparseArray &overlays)
{
    if (KFindOption(kOptionNoOverlay))
        return;
    KString program;
    KProgramPath(program);
    KString folder;
    KFile(program.CStr()).GetFolder(folder);
    Discover(overlays, folder);
}
