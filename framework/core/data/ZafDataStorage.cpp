// Storage forms of the palette, format, string, number and scroll data
// objects.

#include "framework/core/data/ZafDataRecord.h"
#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/data/ZafPaletteData.h"
#include "framework/core/data/ZafRealData.h"
#include "framework/core/data/ZafScrollData.h"
#include "framework/core/data/ZafStringData.h"

#include <cstring>

namespace {

constexpr ZafInt32 paletteRecordSize = 2 + 2 + 7 + 4 + 4;

void WritePalette(ZafFile &file, const ZafPaletteMap &record)
{
    file.WriteUInt16(record.type);
    file.WriteUInt16(record.state);
    const ZafPaletteStruct &p = record.palette;
    const ZafUInt8 bytes[7] = { ZafUInt8(p.lineStyle), p.fillPattern, ZafUInt8(p.colorForeground),
        ZafUInt8(p.colorBackground), ZafUInt8(p.monoForeground), ZafUInt8(p.monoBackground), ZafUInt8(p.font) };
    file.WriteBlock(bytes, 1, 7);
    file.WriteUInt32(p.osColorForeground);
    file.WriteUInt32(p.osColorBackground);
}

bool ReadPalette(ZafFile &file, ZafPaletteType &type, ZafPaletteState &state, ZafPaletteStruct &p)
{
    ZafUInt8 bytes[7];
    if (!file.ReadUInt16(type) || !file.ReadUInt16(state) || file.ReadBlock(bytes, 1, 7) != 7)
        return false;
    p.lineStyle = ZafInt8(bytes[0]);
    p.fillPattern = bytes[1];
    p.colorForeground = ZafInt8(bytes[2]);
    p.colorBackground = ZafInt8(bytes[3]);
    p.monoForeground = ZafInt8(bytes[4]);
    p.monoBackground = ZafInt8(bytes[5]);
    p.font = ZafInt8(bytes[6]);
    return file.ReadUInt32(p.osColorForeground) && file.ReadUInt32(p.osColorBackground);
}

} // namespace

// ---- ZafPaletteData: u16 count, then per entry u16 type, u16 state, seven
// bytes (line style, fill pattern, foreground, background, mono foreground,
// mono background, font) and the two u32 OS colours.

ZafPaletteData::ZafPaletteData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafPaletteData(false)
{
    ZafReadDataRecord(*this, name, persistence, L"ZafPaletteData", ZAF_ID_PALETTE_DATA, [this](ZafFile &file) {
        ZafUInt16 count;
        if (!file.ReadUInt16(count) || !ZafRecordHolds(file, count, paletteRecordSize))
            return false;
        std::vector<ZafPaletteMap> records;
        for (int i = 0; i < count; ++i) {
            ZafPaletteMap record;
            if (!ReadPalette(file, record.type, record.state, record.palette) || record.type == 0)
                return false;
            records.push_back(record);
        }
        for (const ZafPaletteMap &record : records)
            AddPalette(record.type, record.state, record.palette);
        return true;
    });
}

ZafError ZafPaletteData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafPaletteData", ZAF_ID_PALETTE_DATA, [this](ZafFile &file) {
        file.WriteUInt16(ZafUInt16(PaletteCount()));
        for (int i = 0; i < PaletteCount(); ++i)
            WritePalette(file, map[size_t(i)]);
    });
}

// ---- ZafFormatData: the data part alone.

ZafFormatData::ZafFormatData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafFormatData()
{
    ZafReadDataRecord(*this, name, persistence, L"ZafFormatData", ZAF_ID_FORMAT_DATA,
        [](ZafFile &) { return true; });
}

ZafError ZafFormatData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafFormatData", ZAF_ID_FORMAT_DATA, [](ZafFile &) { });
}

// ---- ZafStringData: i16 maximum length (-1 unlimited), the text.

ZafElement *ZafStringData::New(const ZafIChar *name, ZafObjectPersistence &persistence)
{
    return new ZafStringData(name, persistence);
}

ZafStringData::ZafStringData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafStringData(false)
{
    ZafReadDataRecord(*this, name, persistence, L"ZafStringData", ZAF_ID_STRING_DATA, [this](ZafFile &file) {
        ZafInt16 maximum;
        if (!file.ReadInt16(maximum))
            return false;
        ZafIChar *stored = file.ReadNewString();
        if (file.Error()) {
            delete[] stored;
            return false;
        }
        BeginUpdate();
        SetText(stored ? stored : L"", maximum < 0 ? -1 : maximum);
        EndUpdate(false);
        delete[] stored;
        return true;
    });
}

ZafError ZafStringData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafStringData", ZAF_ID_STRING_DATA, [this](ZafFile &file) {
        // A maximum beyond what the record holds is stored as unlimited.
        file.WriteInt16(ZafInt16(maxLength > 0x7FFF ? -1 : maxLength));
        file.WriteString(text);
    });
}

// ---- ZafScrollData: i32 minimum, maximum, current, line step, page size.

ZafScrollData::ZafScrollData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafScrollData()
{
    ZafReadDataRecord(*this, name, persistence, L"ZafScrollData", ZAF_ID_SCROLL_DATA, [this](ZafFile &file) {
        ZafInt32 values[5];
        for (ZafInt32 &value : values)
            if (!file.ReadInt32(value))
                return false;
        minimum = values[0];
        maximum = values[1];
        current = Clamp(values[2], minimum, maximum);
        lineStep = values[3];
        pageSize = values[4];
        return true;
    });
}

ZafError ZafScrollData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafScrollData", ZAF_ID_SCROLL_DATA, [this](ZafFile &file) {
        file.WriteInt32(minimum);
        file.WriteInt32(maximum);
        file.WriteInt32(current);
        file.WriteInt32(lineStep);
        file.WriteInt32(pageSize);
    });
}

// ---- ZafIntegerData: i32 value.

ZafIntegerData::ZafIntegerData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafIntegerData(0)
{
    ZafReadDataRecord(*this, name, persistence, L"ZafIntegerData", ZAF_ID_INTEGER_DATA, [this](ZafFile &file) {
        ZafInt32 stored;
        if (!file.ReadInt32(stored))
            return false;
        value = stored;
        return true;
    });
}

ZafError ZafIntegerData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafIntegerData", ZAF_ID_INTEGER_DATA,
        [this](ZafFile &file) { file.WriteInt32(value); });
}

// ---- ZafRealData: the value as an IEEE double, low word first.

ZafRealData::ZafRealData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafRealData(0.0)
{
    ZafReadDataRecord(*this, name, persistence, L"ZafRealData", ZAF_ID_REAL_DATA, [this](ZafFile &file) {
        ZafUInt32 low, high;
        if (!file.ReadUInt32(low) || !file.ReadUInt32(high))
            return false;
        unsigned long long bits = (static_cast<unsigned long long>(high) << 32) | low;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    });
}

ZafError ZafRealData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafRealData", ZAF_ID_REAL_DATA, [this](ZafFile &file) {
        unsigned long long bits;
        std::memcpy(&bits, &value, sizeof bits);
        file.WriteUInt32(ZafUInt32(bits));
        file.WriteUInt32(ZafUInt32(bits >> 32));
    });
}
