// ZafPrompt, portable half: construction, the string data, the pinned
// settings, the requested region and the setters.
#include "framework/controls/ZafPrompt.h"
#include "framework/core/data/ZafDataLink.h"

#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafCharacters.h"

ZafPrompt::ZafPrompt(int left, int top, int width, ZafStringData *data)
    : ZafWindowObject(left, top, width, 1)
{
    focusBlocked = true;
    border = true;
    stringData = data ? data : new ZafStringData(L"", -1, false);
    Observe();
    requestedRegion = region;
}

ZafPrompt::ZafPrompt(int left, int top, int width, const ZafIChar *text)
    : ZafPrompt(left, top, width, new ZafStringData(text ? text : L"", -1, false))
{
}

ZafPrompt::ZafPrompt(const ZafPrompt &copy)
    : ZafWindowObject(copy), autoSize(copy.autoSize), hotKeyChar(copy.hotKeyChar), hotKeyIndex(copy.hotKeyIndex),
      hzJustify(copy.hzJustify), vtJustify(copy.vtJustify), transparent(copy.transparent),
      requestedRegion(copy.requestedRegion)
{
    stringData = ZafCopiedData(copy.stringData);
    Observe();
}

ZafPrompt::~ZafPrompt()
{
    Release();
}

void ZafPrompt::Observe()
{
    if (stringData)
        stringData->AddNotification(this, &ZafPrompt::Notification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
}

void ZafPrompt::Release()
{
    ZafLetGoData(stringData, this, &ZafPrompt::Notification);
}

ZafError ZafPrompt::Notification(ZafElement *observer, ZafUpdateCode code)
{
    if (code != ZAF_UPDATE_CHANGED)
        return 1;
    return static_cast<ZafPrompt *>(static_cast<ZafWindowObject *>(observer))->UpdateOSListItem();
}

const ZafIChar *ZafPrompt::Text()
{
    return stringData ? stringData->Text() : nullptr;
}

ZafError ZafPrompt::SetText(const ZafIChar *text)
{
    if (stringData)
        stringData->SetText(text ? text : L"");
    else
        SetStringData(new ZafStringData(text ? text : L"", -1, false));
    return 0;
}

ZafError ZafPrompt::SetStringData(ZafStringData *data)
{
    if (!data)
        data = new ZafStringData(L"", -1, false);
    if (ZafReplaceData(stringData, data, this, &ZafPrompt::Notification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED, false))
        UpdateOSListItem();
    return 0;
}

ZafRegionStruct ZafPrompt::SetRegion(const ZafRegionStruct &newRegion)
{
    requestedRegion = newRegion;
    region = newRegion;
    Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    return requestedRegion;
}

void ZafPrompt::ConvertCoordinates(ZafCoordinateType type)
{
    ZafWindowObject::ConvertCoordinates(type);
    ConvertRegion(requestedRegion, type);
}

ZafCoordinateType ZafPrompt::SetCoordinateType(ZafCoordinateType type)
{
    if (Registered() || type == coordinateType)
        return coordinateType;
    bool oneLine = (coordinateType == ZAF_CELL && region.top == region.bottom);
    ZafRegionStruct converted = region;
    ZafWindowObject::SetCoordinateType(type);
    requestedRegion.coordinateType = type;
    if (oneLine)
    {
        ConvertRegion(converted, type);
        region.bottom = region.top + (converted.bottom - converted.top);
        requestedRegion.bottom = requestedRegion.top + (converted.bottom - converted.top);
    }
    return coordinateType;
}

ZafInt8 ZafPrompt::SetFont(ZafInt8 font)
{
    ZafInt8 answer = ZafWindowObject::SetFont(font);
    if (autoSize && Registered())
    {
        Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ApplyPosition();
    }
    return answer;
}

ZafIChar ZafPrompt::SetHotKey(ZafIChar character, int index)
{
    if (!Registered())
    {
        hotKeyChar = ZafToUpper(character);
        hotKeyIndex = index;
    }
    return hotKeyChar;
}

