#pragma once
// VOverlay: a Targa picture of the program folder ("*.tg?") that can be laid
// over an image or a printout, numbered by the last character of its name
// ("x.tg3" is overlay 3; "y.tga", or a digit already taken, gets the next
// number from 10 up). The picture is read on first use through the module's
// shared file and then stays loaded. The overlays live in the image pane
// module's table from start-up to shut-down. GUI thread.

#include "foundation/bitmap/KBitmap.h"
#include "foundation/containers/KSparseArray.h"
#include "foundation/strings/KString.h"

#include <cstdint>

class KFile;

class VOverlay : public KSparseArrayItem
{
public:
    static constexpr uint32_t kFormatFlags = KBitmap::kFormat32Bit | KBitmap::kFormatBottomUp;  // 136
    static constexpr uint32_t kMemoryFlags = KBitmap::kMemoryOnDemand | KBitmap::kMemoryShared;  // 6
    static constexpr int32_t kFirstLetterNumber = 10;

    VOverlay(const KFile &file, uint32_t formatFlags = kFormatFlags);

    const KString &Path() const { return itsPath; }
    // Appends the file name without folder and extension.
    void Name(KString &out) const;
    // The picture's pixels, read from the file at the first call; 0 when the
    // file cannot be read (nothing is reported).
    uint8_t *Lock();
    void Unlock();
    const KBitmap &Picture() const { return itsPicture; }

    // Module start-up and shut-down: the shared file overlays are read
    // through; shut-down also empties the program's overlay table.
    static void Startup();
    static void Shutdown();
    // The program's overlays, by number (filled by the image pane's start-up).
    static KSparseArray &Table();
    // Adds an overlay for every "*.tg?" file of folder (ending with its
    // separator) whose last character is a digit or "A" (either case).
    static void Discover(KSparseArray &overlays, const KString &folder);
    // The overlays of the program's folder, none with "-nooverlay".
    static void DiscoverProgramOverlays(KSparseArray &overlays);

private:
    KBitmap itsPicture;
    KString255 itsPath;
};
