// ZafWindowObject: palette maps, palette resolution and the attribute setters.
#include "framework/core/objects/ZafWindowObject.h"
#include "framework/core/data/ZafDataLink.h"

namespace {

constexpr ZafUInt8 SYS = ZAF_SYSTEM_COLOR;    // 253
constexpr ZafUInt8 PAR = ZAF_PARENT_COLOR;    // 252
constexpr ZafUInt8 PST = ZAF_PARENT_STYLE;    // 253

constexpr ZafPaletteStruct Entry(ZafUInt8 line, ZafUInt8 fill, ZafUInt8 fg, ZafUInt8 bg, ZafUInt8 monoFg,
    ZafUInt8 monoBg, ZafUInt8 font)
{
    return { ZafInt8(line), fill, ZafInt8(fg), ZafInt8(bg), ZafInt8(monoFg), ZafInt8(monoBg),
             ZafInt8(font), 0, 0 };
}

bool StyleUnset(ZafInt8 value) { return ZafUInt8(value) == ZAF_UNSET_STYLE; }
bool ColorUnset(ZafInt8 value) { return ZafUInt8(value) == ZAF_UNSET_COLOR; }

// A colour and its mono colour of the object's own palette entry, each when
// set, else of the mapped entry, else unset.
void OwnElseMapped(const ZafPaletteStruct &own, const ZafPaletteStruct *mapped, ZafInt8 ZafPaletteStruct::*color,
    ZafInt8 ZafPaletteStruct::*monoColor, ZafInt8 &value, ZafInt8 &mono)
{
    auto pick = [&](ZafInt8 ZafPaletteStruct::*field) {
        if (!ColorUnset(own.*field))
            return own.*field;
        return mapped ? mapped->*field : ZafInt8(ZAF_UNSET_COLOR);
    };
    value = pick(color);
    mono = pick(monoColor);
}

// Every unset byte of the result takes the record's value; OS colours come
// only from ResolveSystemColors.
void FillUnset(ZafPaletteStruct &result, const ZafPaletteStruct &record)
{
    if (StyleUnset(result.lineStyle)) result.lineStyle = record.lineStyle;
    if (result.fillPattern == ZAF_UNSET_STYLE) result.fillPattern = record.fillPattern;
    if (ColorUnset(result.colorForeground)) result.colorForeground = record.colorForeground;
    if (ColorUnset(result.colorBackground)) result.colorBackground = record.colorBackground;
    if (ColorUnset(result.monoForeground)) result.monoForeground = record.monoForeground;
    if (ColorUnset(result.monoBackground)) result.monoBackground = record.monoBackground;
    if (StyleUnset(result.font)) result.font = record.font;
}

bool AnyUnset(const ZafPaletteStruct &p)
{
    return StyleUnset(p.lineStyle) || p.fillPattern == ZAF_UNSET_STYLE || ColorUnset(p.colorForeground)
        || ColorUnset(p.colorBackground) || ColorUnset(p.monoForeground) || ColorUnset(p.monoBackground)
        || StyleUnset(p.font);
}

bool AnySystem(const ZafPaletteStruct &p)
{
    return ZafUInt8(p.lineStyle) == ZAF_SYSTEM_STYLE || p.fillPattern == ZAF_SYSTEM_STYLE
        || ZafUInt8(p.colorForeground) == ZAF_SYSTEM_COLOR || ZafUInt8(p.colorBackground) == ZAF_SYSTEM_COLOR
        || ZafUInt8(p.monoForeground) == ZAF_SYSTEM_COLOR || ZafUInt8(p.monoBackground) == ZAF_SYSTEM_COLOR
        || ZafUInt8(p.font) == ZAF_SYSTEM_STYLE;
}

void ParentToUnset(ZafPaletteStruct &p)
{
    if (ZafUInt8(p.lineStyle) == ZAF_PARENT_STYLE) p.lineStyle = ZafInt8(ZAF_UNSET_STYLE);
    if (p.fillPattern == ZAF_PARENT_STYLE) p.fillPattern = ZAF_UNSET_STYLE;
    if (ZafUInt8(p.colorForeground) == ZAF_PARENT_COLOR) p.colorForeground = ZafInt8(ZAF_UNSET_COLOR);
    if (ZafUInt8(p.colorBackground) == ZAF_PARENT_COLOR) p.colorBackground = ZafInt8(ZAF_UNSET_COLOR);
    if (ZafUInt8(p.monoForeground) == ZAF_PARENT_COLOR) p.monoForeground = ZafInt8(ZAF_UNSET_COLOR);
    if (ZafUInt8(p.monoBackground) == ZAF_PARENT_COLOR) p.monoBackground = ZafInt8(ZAF_UNSET_COLOR);
    if (ZafUInt8(p.font) == ZAF_PARENT_STYLE) p.font = ZafInt8(ZAF_UNSET_STYLE);
}

// Every applying record of an own map, in order, fills what the earlier ones
// left unset: a font set for every state must not hide a text colour set for
// the enabled state.
void FillFromMap(ZafPaletteStruct &result, const ZafPaletteMap *map, ZafPaletteType type, ZafPaletteState state)
{
    for (; map && map->type != 0; ++map)
        if ((map->type & type) && (map->state & state) == map->state)
            FillUnset(result, map->palette);
}

// An index the tables hold, or one of the markers; anything else becomes
// the unset marker, so that resolution falls back to the class default.
ZafInt8 CheckedColorByte(ZafInt8 color)
{
    if ((color >= 0 && color < 127) || ZafUInt8(color) >= ZAF_PARENT_COLOR)
        return color;
    return ZafInt8(ZAF_UNSET_COLOR);
}

ZafInt8 CheckedFontByte(ZafInt8 font)
{
    if ((font >= 0 && font < 10) || ZafUInt8(font) >= ZAF_PARENT_STYLE)
        return font;
    return ZafInt8(ZAF_UNSET_STYLE);
}

} // namespace

const ZafPaletteMap ZafWindowObject::defaultPaletteMap[] = {
    { 0x08, 0, Entry(0, 0, SYS, SYS, 0, 2, 1) },
    { 0x04, 0, Entry(0, 0, SYS, SYS, 0, 2, 1) },
    { 0x02, 0, Entry(0, 0, SYS, SYS, 0, 2, 1) },
    { 0x40, 0, Entry(0, 0, SYS, SYS, 2, 0, 1) },
    { 0x20, 0, Entry(0, 0, SYS, SYS, 2, 0, 1) },
    { 0x01, 0, Entry(0, 0, 0, 0, 0, 0, 1) },
    { 0x80, 0, Entry(0, 0, SYS, 0, 2, 0, 1) },
    { 0xFFFF, 0, Entry(PST, PST, PAR, PAR, PAR, PAR, PST) },
    { 0, 0, Entry(0, 0, 0, 0, 0, 0, 0) },
};

// ---- Lookup -----------------------------------------------------------------

const ZafPaletteStruct *ZafWindowObject::FindPalette(const ZafPaletteMap *map, ZafPaletteType type,
    ZafPaletteState state)
{
    for (; map && map->type != 0; ++map)
        if ((map->type & type) && (map->state & state) == map->state)
            return &map->palette;
    return nullptr;
}

const ZafPaletteStruct *ZafWindowObject::FindPalette(const ZafPaletteData *data, ZafPaletteType type,
    ZafPaletteState state)
{
    return data ? FindPalette(data->PaletteMap(), type, state) : nullptr;
}

const ZafPaletteStruct *ZafWindowObject::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    return FindPalette(defaultPaletteMap, type, state);
}

ZafPaletteState ZafWindowObject::PaletteState()
{
    ZafPaletteState state = 0;
    state |= RootObject()->focus ? ZAF_PS_ROOT_CURRENT : ZAF_PS_ROOT_NOT_CURRENT;
    state |= focus ? ZAF_PS_CURRENT : ZAF_PS_NOT_CURRENT;
    state |= selected ? ZAF_PS_SELECTED : ZAF_PS_NOT_SELECTED;
    state |= IsDisabled(true) ? ZAF_PS_DISABLED : ZAF_PS_ENABLED;
    return state;
}

ZafPaletteStruct ZafWindowObject::ResolvePalette(ZafPaletteType type, ZafPaletteState state)
{
    ZafPaletteStruct result = ZafPaletteStruct::Unset();
    ZafWindowObject *manager = WindowManager();
    ZafWindowObject *object = this;
    while (object)
    {
        if (object->paletteData)
            FillFromMap(result, object->paletteData->PaletteMap(), type, state);
        if (!object->paletteFromParent && AnyUnset(result))
            if (const ZafPaletteStruct *mapped = object->MapPalette(type, state))
                FillUnset(result, *mapped);
        if (Registered() && AnySystem(result))
            object->ResolveSystemColors(result, type, state);
        ParentToUnset(result);
        if (!AnyUnset(result) || object == manager)
            break;
        object = object->parent ? object->parent : (manager != object ? manager : nullptr);
    }
    return result;
}

// ---- Non-virtual queries ------------------------------------------------------

ZafPaletteStruct ZafWindowObject::OwnPaletteEntry(ZafPaletteType type, ZafPaletteState state)
{
    ZafPaletteStruct own = ZafPaletteStruct::Unset();
    if (paletteData)
        FillFromMap(own, paletteData->PaletteMap(), type, state);
    return own;
}

ZafInt8 ZafWindowObject::PaletteFont()
{
    ZafPaletteStruct own = OwnPaletteEntry(ZAF_PT_TEXT, 0x61);
    if (!StyleUnset(own.font))
        return own.font;
    const ZafPaletteStruct *mapped = MapPalette(ZAF_PT_TEXT, 0x61);
    return mapped ? mapped->font : ZafInt8(ZAF_UNSET_STYLE);
}

void ZafWindowObject::PaletteTextColor(ZafInt8 &foreground, ZafInt8 &mono)
{
    OwnElseMapped(OwnPaletteEntry(ZAF_PT_TEXT, 0x61), MapPalette(ZAF_PT_TEXT, 0x61),
        &ZafPaletteStruct::colorForeground, &ZafPaletteStruct::monoForeground, foreground, mono);
}

void ZafWindowObject::PaletteBackgroundColor(ZafInt8 &background, ZafInt8 &mono)
{
    OwnElseMapped(OwnPaletteEntry(ZAF_PT_BACKGROUND, 0x61), MapPalette(ZAF_PT_BACKGROUND, 0x61),
        &ZafPaletteStruct::colorBackground, &ZafPaletteStruct::monoBackground, background, mono);
}

// ---- Setters ------------------------------------------------------------------

ZafInt8 ZafWindowObject::SetFont(ZafInt8 font)
{
    font = CheckedFontByte(font);
    if (!paletteData)
        SetPaletteData(new ZafPaletteData(false));
    ZafPaletteStruct enabled = paletteData->GetPalette(ZAF_PT_TEXT, ZAF_PS_ENABLED);
    ZafPaletteStruct any = paletteData->GetPalette(ZAF_PT_TEXT, 0);
    enabled.font = font;
    any.font = font;
    paletteData->AddPalette(ZAF_PT_TEXT, ZAF_PS_ENABLED, enabled);
    paletteData->AddPalette(ZAF_PT_TEXT, 0, any);
    return font;
}

ZafInt8 ZafWindowObject::SetPaletteColors(ZafPaletteType type, ZafPaletteState state,
                                          ZafInt8 ZafPaletteStruct::*colorField,
                                          ZafInt8 ZafPaletteStruct::*monoField, ZafInt8 color, ZafInt8 mono)
{
    if (!paletteData)
        SetPaletteData(new ZafPaletteData(false));
    ZafPaletteStruct entry = paletteData->GetPalette(type, state);
    entry.*colorField = CheckedColorByte(color);
    entry.*monoField = CheckedColorByte(mono);
    paletteData->AddPalette(type, state, entry);
    return entry.*colorField;
}

ZafInt8 ZafWindowObject::SetTextColor(ZafInt8 color, ZafInt8 mono)
{
    return SetPaletteColors(ZAF_PT_TEXT, ZAF_PS_ENABLED, &ZafPaletteStruct::colorForeground,
                            &ZafPaletteStruct::monoForeground, color, mono);
}

ZafInt8 ZafWindowObject::SetBackgroundColor(ZafInt8 color, ZafInt8 mono)
{
    return SetPaletteColors(ZAF_PT_BACKGROUND, 0, &ZafPaletteStruct::colorBackground,
                            &ZafPaletteStruct::monoBackground, color, mono);
}

ZafError ZafWindowObject::PaletteDataChanged(ZafElement *observer, ZafUpdateCode code)
{
    return ZafFollowChange(code, [observer] { static_cast<ZafWindowObject *>(observer)->ApplyOSFont(); });
}

void ZafWindowObject::ReleasePaletteData()
{
    ZafLetGoData(paletteData, this);
}

ZafPaletteData *ZafWindowObject::SetPaletteData(ZafPaletteData *data)
{
    if (data != paletteData)
    {
        if (paletteData)
        {
            ZafPaletteData *old = paletteData;
            paletteData = nullptr;
            old->SubtractNotification(this);
            if (old != data && old->Destroyable() && old->NotificationCount() == 0)
                delete old;
        }
        paletteData = data;
        if (paletteData)
            paletteData->AddNotification(this, &ZafWindowObject::PaletteDataChanged,
                ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
    }
    ApplyOSFont();
    return paletteData;
}
