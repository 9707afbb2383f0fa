#include "framework/core/data/ZafPaletteData.h"


namespace {

const ZafPaletteMap endRecord = { 0, 0, ZafPaletteStruct::Unset() };

} // namespace

ZafPaletteData::ZafPaletteData(bool staticData) : ZafData(!staticData), map{ endRecord }
{
}

ZafPaletteData::ZafPaletteData(const ZafPaletteData &copy) : ZafData(copy), map(copy.map)
{
}

ZafPaletteStruct ZafPaletteData::GetPalette(ZafPaletteType type, ZafPaletteState state) const
{
    for (const ZafPaletteMap &record : map)
        if (record.type == type && record.state == state && record.type != 0)
            return record.palette;
    return ZafPaletteStruct::Unset();
}

bool ZafPaletteData::AddPalette(ZafPaletteType type, ZafPaletteState state,
                                const ZafPaletteStruct &palette)
{
    if (type == 0)
        return false;
    size_t position = 0;
    const size_t records = map.size() - 1;
    while (position < records &&
           (map[position].type < type || (map[position].type == type && map[position].state < state)))
        ++position;
    if (position < records && map[position].type == type && map[position].state == state)
        map[position].palette = palette;
    else
        map.insert(map.begin() + long(position), ZafPaletteMap{ type, state, palette });
    BeginUpdate();
    EndUpdate(true);
    return true;
}
