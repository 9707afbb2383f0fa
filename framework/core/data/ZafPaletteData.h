#pragma once
// ZafPaletteData: a palette map as a data object. The map is a run of
// records (palette type mask, palette state mask, palette entry) kept in type
// then state order and ended by a record of type 0, so that it can be walked
// like a class's static map. Observers hear kind 2 when an entry changes.
// GUI thread only.

#include "framework/core/data/ZafData.h"
#include "framework/core/data/ZafPaletteStruct.h"

#include <vector>

class ZafObjectPersistence;

struct ZafPaletteMap
{
    ZafPaletteType type;              // 0 ends a map
    ZafPaletteState state;
    ZafPaletteStruct palette;
};

class ZafPaletteData : public ZafData
{
public:
    // An empty map; a static map is not destroyable.
    explicit ZafPaletteData(bool staticData = false);
    // A destroyable copy of the map.
    ZafPaletteData(const ZafPaletteData &copy);
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafPaletteData(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);
    ~ZafPaletteData() override = default;

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_PALETTE_DATA, L"ZafPaletteData")

    // The palette of exactly that pair; an unset palette when absent.
    ZafPaletteStruct GetPalette(ZafPaletteType type, ZafPaletteState state) const;
    // Adds or replaces the entry of that pair, keeping the order, and
    // notifies the observers with kind 2. A type of 0 is refused (false).
    bool AddPalette(ZafPaletteType type, ZafPaletteState state, const ZafPaletteStruct &palette);
    // The records, ended by a record of type 0; valid until the next change.
    const ZafPaletteMap *PaletteMap() const { return map.data(); }
    int PaletteCount() const { return int(map.size()) - 1; }

private:
    std::vector<ZafPaletteMap> map;   // always ends with the type-0 record
};
