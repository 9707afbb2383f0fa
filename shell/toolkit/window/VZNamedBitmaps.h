#pragma once
// VZNamedBitmaps: the tool-bar and button bitmaps of one window module, read
// by name from the program's data file at the module's start-up and deleted
// at its shut-down. A name the data file does not hold gives an empty bitmap
// and an error line in the program log. GUI thread.

#include <vector>

class KZBitmap;

class VZNamedBitmaps
{
public:
    VZNamedBitmaps() = default;
    ~VZNamedBitmaps() { Free(); }
    VZNamedBitmaps(const VZNamedBitmaps &) = delete;
    VZNamedBitmaps &operator=(const VZNamedBitmaps &) = delete;

    // Reads the count bitmaps named, in order (those loaded before are freed).
    void Load(const wchar_t *const *names, int count);
    // Load, unless bitmaps are loaded already: for a module whose windows
    // may be made before its start-up, whose buttons keep the bitmaps.
    void LoadOnce(const wchar_t *const *names, int count);
    void Free();

    int Count() const { return int(bitmaps.size()); }
    // The bitmap at index, none outside the list or before Load.
    KZBitmap *At(int index) const;
    // The bitmap of that name, none when it is not in the list.
    KZBitmap *Find(const wchar_t *name) const;

private:
    std::vector<const wchar_t *> names;
    std::vector<KZBitmap *> bitmaps;
};
