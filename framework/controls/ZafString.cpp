// ZafString, portable half: construction, the data objects and their
// ownership, the style setters, format lists and ranges, validation.
#include "framework/controls/ZafString.h"
#include "framework/core/data/ZafDataLink.h"

#include "framework/core/data/ZafStringData.h"

#include <string>

namespace {

constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);

} // namespace

const ZafInputMap ZafString::defaultInputMap[] = {
    { 1119, ZAF_INPUT_KEYBOARD, 0x0008, ZAF_KEY_PRESS },             // Backspace
    { 1117, ZAF_INPUT_KEYBOARD, 0x0024, ZAF_KEY_PRESS },             // Home
    { 1117, ZAF_INPUT_KEYBOARD, 0x0021, ZAF_KEY_PRESS },             // Page Up
    { 1127, ZAF_INPUT_KEYBOARD, 0x802D, ZAF_KEY_PRESS | ZAF_CTRL },  // Ctrl+Insert
    { 1104, ZAF_INPUT_KEYBOARD, 0x002E, ZAF_KEY_PRESS | ZAF_SHIFT }, // Shift+Delete
    { 1108, ZAF_INPUT_KEYBOARD, 0x002E, ZAF_KEY_PRESS },             // Delete
    { 1118, ZAF_INPUT_KEYBOARD, 0x0023, ZAF_KEY_PRESS },             // End
    { 1118, ZAF_INPUT_KEYBOARD, 0x0022, ZAF_KEY_PRESS },             // Page Down
    { 1105, ZAF_INPUT_KEYBOARD, 0x802D, ZAF_KEY_PRESS | ZAF_SHIFT }, // Shift+Insert
    { ZAF_L_SELECT, ZAF_INPUT_KEYBOARD, 0x000D, ZAF_KEY_PRESS },     // Enter
    { ZAF_NO_EVENT, 0, 0, 0 },
};

// The background in system colours for any state.
const ZafPaletteMap ZafString::defaultPaletteMap[] = {
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 0, 2, 1, ZAF_UNSET_OS_COLOR, ZAF_UNSET_OS_COLOR } },
    { 0, 0, { 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
};

ZafString::ZafString(int left, int top, int width, const ZafIChar *text, int maxLength)
    : ZafString(left, top, width, new ZafStringData(text ? text : L"", maxLength, false))
{
}

ZafString::ZafString(int left, int top, int width, ZafStringData *data)
    : ZafWindowObject(left, top, width, 1)
{
    ZafWindowObject::SetBorder(true);
    memberFunction = static_cast<ZafMemberUserFunction>(&ZafString::ValidateFunction);
    stringData = data ? data : new ZafStringData(L"", 255, false);
    ObserveStringData();
}

ZafString::ZafString(const ZafString &copy)
    : ZafWindowObject(copy), errorChoice(copy.errorChoice), autoSelect(copy.autoSelect),
      invalid(copy.invalid), unanswered(copy.unanswered), lowerCase(copy.lowerCase),
      password(copy.password), reportErrors(true), upperCase(copy.upperCase),
      underscoreBlanks(copy.underscoreBlanks), viewOnly(copy.viewOnly), justification(copy.justification)
{
    auto take = [](ZafStringData *data) { return ZafCopiedData(data); };
    formatList = take(copy.formatList);
    outputFormat = take(copy.outputFormat);
    range = take(copy.range);
    stringData = take(copy.stringData);
    if (!stringData)
        stringData = new ZafStringData(L"", 255, false);
    ObserveStringData();
}

ZafString::~ZafString()
{
    IgnoreStringData();
    ReleaseData(stringData);
    ReleaseData(formatList);
    ReleaseData(outputFormat);
    ReleaseData(range);
}

void ZafString::ReleaseData(ZafStringData *data)
{
    ZafDeleteIfUnobserved(data);
}

void ZafString::ObserveStringData()
{
    if (stringData)
        stringData->AddNotification(this, &ZafString::Notification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
}

void ZafString::IgnoreStringData()
{
    if (stringData)
        stringData->SubtractNotification(this, &ZafString::Notification);
}

ZafError ZafString::Notification(ZafElement *observer, ZafUpdateCode code)
{
    ZafString *field = static_cast<ZafString *>(static_cast<ZafWindowObject *>(observer));
    return ZafAnswerNotice(code, [field] { return field->UpdateOSListItem(); },
        [field] { field->GetOSText(); return 0; });
}

// ---- Text -------------------------------------------------------------------

const ZafIChar *ZafString::Text()
{
    GetOSText();
    return stringData->Text();
}

ZafError ZafString::SetText(const ZafIChar *text)
{
    stringData->SetText(text ? text : L"");
    unanswered = !text || !*text;
    return 0;
}

bool ZafString::SetUnanswered(bool value)
{
    if (value && !unanswered)
    {
        unanswered = true;
        stringData->Clear();
    }
    return unanswered = value;
}

ZafError ZafString::SetStringData(ZafStringData *data)
{
    if (!data)
        data = new ZafStringData(L"", 255, false);
    if (data == stringData)
        return 0;
    IgnoreStringData();
    ReleaseData(stringData);
    stringData = data;
    ObserveStringData();
    UpdateOSListItem();
    return 0;
}

// ---- Styles -------------------------------------------------------------------

bool ZafString::SetLowerCase(bool value)
{
    if (!Registered())
    {
        lowerCase = value;
        if (value)
            upperCase = false;
    }
    return lowerCase;
}

bool ZafString::SetUpperCase(bool value)
{
    if (!Registered())
    {
        upperCase = value;
        if (value)
            lowerCase = false;
    }
    return upperCase;
}

ZafCoordinateType ZafString::SetCoordinateType(ZafCoordinateType type)
{
    if (Registered() || type == coordinateType)
        return coordinateType;
    ZafCoordinateType old = coordinateType;
    bool oneLine = (old == ZAF_CELL && region.top == region.bottom);
    ZafRegionStruct converted = region;
    ZafWindowObject::SetCoordinateType(type);
    if (oneLine)
    {
        ConvertRegion(converted, type);
        region.bottom = region.top + (converted.bottom - converted.top);
    }
    return coordinateType;
}

// ---- Formats and ranges -----------------------------------------------------

ZafError ZafString::SetFormatListData(ZafStringData *data)
{
    if (Registered())
        return 1;
    if (data != formatList)
        ReleaseData(formatList);
    formatList = data;
    return 0;
}

ZafError ZafString::SetOutputFormatData(ZafStringData *data)
{
    if (Registered())
        return 1;
    if (data != outputFormat)
        ReleaseData(outputFormat);
    outputFormat = data;
    return 0;
}

ZafError ZafString::SetRangeData(ZafStringData *data)
{
    if (data != range)
        ReleaseData(range);
    range = data;
    return 0;
}

ZafError ZafString::SetFormatList(const ZafIChar *text)
{
    if (Registered())
        return 1;
    std::wstring list = text ? text : L"";
    const ZafIChar *output = outputFormat ? outputFormat->Text() : nullptr;
    if (output && *output)
    {
        const std::wstring first = output;
        size_t lineEnd = list.find(L'\n');
        std::wstring firstLine = list.substr(0, lineEnd);
        if (firstLine != first)
        {
            // Drop a later line that is the output format, then put it first.
            for (size_t at = list.find(L"\n" + first); at != std::wstring::npos;
                 at = list.find(L"\n" + first, at + 1))
            {
                size_t after = at + 1 + first.size();
                if (after == list.size() || list[after] == L'\n')
                {
                    list.erase(at, 1 + first.size());
                    break;
                }
            }
            list = list.empty() ? first : first + L"\n" + list;
        }
    }
    if (formatList)
        formatList->SetText(list.c_str());
    else
        formatList = new ZafStringData(list.c_str(), -1, false);
    return 0;
}

ZafError ZafString::SetOutputFormat(const ZafIChar *text)
{
    if (Registered())
        return 1;
    if (outputFormat)
        outputFormat->SetText(text ? text : L"");
    else
        SetOutputFormatData(new ZafStringData(text ? text : L"", -1, false));
    std::wstring list = formatList && formatList->Text() ? formatList->Text()
                                                         : std::wstring(outputFormat->Text());
    return SetFormatList(list.c_str());
}

ZafError ZafString::SetRange(const ZafIChar *text)
{
    if (range)
        range->SetText(text ? text : L"");
    else
        range = new ZafStringData(text ? text : L"", -1, false);
    return 0;
}

const ZafIChar *ZafString::SplitRangeLine(const ZafIChar *rangeText, ZafIChar *minimum, ZafIChar *maximum, int size)
{
    if (minimum && size > 0)
        minimum[0] = 0;
    if (maximum && size > 0)
        maximum[0] = 0;
    if (!rangeText || !*rangeText)
        return nullptr;
    auto copy = [size](ZafIChar *target, const ZafIChar *from, const ZafIChar *to) {
        if (!target || size <= 0)
            return;
        int count = 0;
        for (; from < to && count < size - 1; ++from)
            target[count++] = *from;
        target[count] = 0;
    };
    const ZafIChar *lineEnd = rangeText;
    while (*lineEnd && *lineEnd != L'\n')
        ++lineEnd;
    const ZafIChar *dots = rangeText;
    while (dots + 1 < lineEnd && !(dots[0] == L'.' && dots[1] == L'.'))
        ++dots;
    if (dots + 1 < lineEnd)
    {
        copy(minimum, rangeText, dots);
        const ZafIChar *rest = dots;
        while (rest < lineEnd && *rest == L'.')
            ++rest;
        copy(maximum, rest, lineEnd);
    }
    else
    {
        copy(minimum, rangeText, lineEnd);
        copy(maximum, rangeText, lineEnd);
    }
    return *lineEnd ? lineEnd + 1 : nullptr;
}

// ---- Validation -------------------------------------------------------------

ZafEventType ZafString::ValidateFunction(const ZafEventStruct &event, ZafEventType code)
{
    if (code != ZAF_L_SELECT && code != ZAF_EV_MAY_LEAVE)
    {
        SetError(0);
        return CallUserFunction(event, code);
    }
    if (changedValue)
    {
        bool leaving = false;
        if (code == ZAF_EV_MAY_LEAVE)
        {
            // The object that is to receive the focus, when the query names one.
            ZafWindowObject *target = event.dataObject;
            leaving = !target || target->RootObject() != RootObject();
        }
        ZafError result = Validate(reportErrors && !leaving);
        if (result != 0 && leaving)
            result = 12;
        if (result != 0)
        {
            SetError(result);
            return result;
        }
    }
    SetError(0);
    return CallUserFunction(event, code);
}

ZafLogicalEvent ZafString::MapEvent(ZafEventStruct &event)
{
    ZafLogicalEvent logical = MapInputTable(defaultInputMap, event);
    if (logical != ZAF_NO_EVENT)
        return logical;
    return ZafWindowObject::MapEvent(event);
}

const ZafPaletteStruct *ZafString::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *own = FindPalette(defaultPaletteMap, type, state))
        return own;
    return ZafWindowObject::MapPalette(type, state);
}
