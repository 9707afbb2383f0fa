// The portable half of ZafButton: construction, data objects, settings,
// placement of bitmap and text, selection and the event table.
#include "framework/controls/ZafButton.h"
#include "framework/core/data/ZafDataLink.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/text/ZafCharacters.h"
#include "framework/core/text/ZafStrings.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>

namespace {

constexpr int gap = 4;
constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);

} // namespace

const ZafInputMap ZafButton::defaultInputMap[] = {
    { ZAF_L_BEGIN_SELECT, ZAF_INPUT_KEYBOARD, 32, ZAF_KEY_PRESS },
    { ZAF_L_END_SELECT, ZAF_INPUT_KEYBOARD, 32, ZAF_KEY_RELEASE },
    { ZAF_NO_EVENT, 0, 0, 0 },
};

const ZafPaletteMap ZafButton::defaultPaletteMap[] = {
    { ZAF_PT_TEXT, 0, { 0, 0, SYS, SYS, 0, 2, 1, 0, 0 } },
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 0, 2, 1, 0, 0 } },
    { ZAF_PT_FOCUS, 0, { 0, 0, SYS, 0, 2, 0, 1, 0, 0 } },
    { 0, 0, {} },
};

// ---- Placement --------------------------------------------------------------

ZafButtonPlacement ZafPlaceButtonContents(ZafRegionStruct &region, int bw, int bh, int tw, int th,
    int horizontalPlacement, int verticalPlacement)
{
    const int space = (bw == 0 || tw == 0) ? 0 : gap;
    const bool sideBySide = horizontalPlacement != ZAF_PLACE_CENTER;
    const int blockHeight = sideBySide ? std::max(bh, th) : bh + th + space;
    const int blockWidth = sideBySide ? bw + tw + space : std::max(bw, tw);
    if (region.right == region.left - 1)
        region.right = region.left + blockWidth - 1;
    if (region.bottom == region.top - 1)
        region.bottom = region.top + blockHeight - 1;
    const int width = region.right - region.left + 1, height = region.bottom - region.top + 1;
    const int dy = verticalPlacement == ZAF_PLACE_LEFT ? 0
        : verticalPlacement == ZAF_PLACE_RIGHT ? height - blockHeight : (height - blockHeight) / 2;
    int bitmapLeft, bitmapTop, textLeft, textTop;
    if (sideBySide)
    {
        bitmapTop = region.top + dy + (blockHeight - bh) / 2;
        textTop = region.top + dy + (blockHeight - th) / 2;
        if (horizontalPlacement == ZAF_PLACE_LEFT)
        {
            bitmapLeft = region.left;
            textLeft = region.left + bw + space;
        }
        else
        {
            const int dx = width - blockWidth;
            textLeft = region.left + dx;
            bitmapLeft = region.left + dx + tw + space;
        }
    }
    else
    {
        const int dx = (width - blockWidth) / 2;
        bitmapLeft = region.left + dx + (blockWidth - bw) / 2;
        textLeft = region.left + dx + (blockWidth - tw) / 2;
        if (verticalPlacement == ZAF_PLACE_RIGHT)
        {
            textTop = region.top + dy;
            bitmapTop = textTop + th + space;
        }
        else
        {
            bitmapTop = region.top + dy;
            textTop = bitmapTop + bh + space;
        }
    }
    ZafButtonPlacement result;
    result.bitmap.Assign(bitmapLeft, bitmapTop, bitmapLeft + bw - 1, bitmapTop + bh - 1, region.coordinateType);
    result.text.Assign(textLeft, textTop, textLeft + tw - 1, textTop + th - 1, region.coordinateType);
    result.block.Assign(1, 1, blockWidth, blockHeight, region.coordinateType);
    return result;
}

// ---- Construction ----------------------------------------------------------

ZafButton::ZafButton(int left, int top, int width, int height, const ZafIChar *text, ZafBitmapData *bitmap,
    int type)
    : ZafButton(left, top, width, height, text ? new ZafStringData(text, -1, false) : nullptr, bitmap, type)
{
}

ZafButton::ZafButton(int left, int top, int width, int height, ZafStringData *text, ZafBitmapData *bitmap,
    int type)
    : ZafWindowObject(left, top, width, height)
{
    Initialise(type);
    if (bitmap)
        SetBitmap(bitmap);
    if (text)
        SetStringData(text);
}

void ZafButton::Initialise(int type)
{
    savedRegion = region;
    buttonType = type;
    depth = (type == ZAF_PUSH_BUTTON || type == ZAF_PUSH_BUTTON_2) ? 2 : 0;
    CreateBuiltInImages();
}

ZafButton::ZafButton(const ZafButton &copy)
    : ZafWindowObject(copy), value(copy.value), messageText(ZafStrDup(copy.messageText)), depth(copy.depth),
      allowDefault(copy.allowDefault), toggle(copy.toggle), autoRepeat(copy.autoRepeat), autoSize(copy.autoSize),
      buttonType(copy.buttonType), hotKeyChar(copy.hotKeyChar), hotKeyIndex(copy.hotKeyIndex),
      selectOnDoubleClick(copy.selectOnDoubleClick), selectOnPress(copy.selectOnPress),
      sendMessage(copy.sendMessage), horizontalPlacement(copy.horizontalPlacement),
      verticalPlacement(copy.verticalPlacement), savedRegion(copy.savedRegion)
{
    if (copy.stringData)
        SetStringData(ZafCopiedData(copy.stringData));
    if (copy.bitmapData)
        SetBitmap(ZafCopiedData(copy.bitmapData));
    if (sendMessage)
        memberFunction = static_cast<ZafMemberUserFunction>(&ZafButton::SendMessageRoutine);
}

ZafButton::~ZafButton()
{
    LetGo(stringData);
    LetGo(bitmapData);
    delete[] messageText;
}

// ---- Data objects -----------------------------------------------------------

void ZafButton::LetGo(ZafStringData *&data)
{
    ZafLetGoData(data, this);
}

void ZafButton::LetGo(ZafBitmapData *&data)
{
    ZafLetGoData(data, this);
}

ZafError ZafButton::StringChanged(ZafElement *observer, ZafUpdateCode code)
{
    return ZafFollowChange(code, [observer] { static_cast<ZafButton *>(observer)->UpdateOSListItem(); });
}

ZafError ZafButton::BitmapChanged(ZafElement *observer, ZafUpdateCode code)
{
    return ZafFollowChange(code, [observer] { static_cast<ZafButton *>(observer)->UpdateSize(); });
}

ZafError ZafButton::SetStringData(ZafStringData *data)
{
    if (ZafReplaceData(stringData, data, this, &ZafButton::StringChanged, ZAF_NOTIFY_CHANGED) && Registered())
        UpdateOSListItem();
    return 0;
}

ZafError ZafButton::SetBitmap(ZafBitmapData *bitmap)
{
    if (ZafReplaceData(bitmapData, bitmap, this, &ZafButton::BitmapChanged, ZAF_NOTIFY_CHANGED) && Registered())
        UpdateSize();
    return 0;
}

void ZafButton::ClearBitmap()
{
    if (bitmapData)
        SetBitmap(nullptr);
}

void ZafButton::ClearText()
{
    LetGo(stringData);
    if (Registered())
        Event(ZafEventStruct(ZAF_EV_REDRAW_DATA, 0));
}

const ZafIChar *ZafButton::Text()
{
    return stringData ? stringData->Text() : nullptr;
}

ZafError ZafButton::SetText(const ZafIChar *text)
{
    if (!stringData)
        return SetStringData(new ZafStringData(text ? text : L"", -1, false));
    stringData->SetText(text ? text : L"");
    return 0;
}

// ---- Settings ---------------------------------------------------------------

ZafRegionStruct ZafButton::SetRegion(const ZafRegionStruct &newRegion)
{
    savedRegion = newRegion;
    region = newRegion;
    return region;
}

void ZafButton::ConvertCoordinates(ZafCoordinateType type)
{
    ZafWindowObject::ConvertCoordinates(type);
    ConvertRegion(savedRegion, type);
}

ZafCoordinateType ZafButton::SetCoordinateType(ZafCoordinateType type)
{
    if (!Registered())
        savedRegion.coordinateType = type;
    return ZafWindowObject::SetCoordinateType(type);
}

bool ZafButton::SetPaletteFromParent(bool value)
{
    if (buttonType != ZAF_PUSH_BUTTON && buttonType != ZAF_PUSH_BUTTON_2)
        return paletteFromParent = false;
    return ZafWindowObject::SetPaletteFromParent(value);
}

bool ZafButton::SetAllowDefault(bool value) { return Registered() ? allowDefault : (allowDefault = value); }
bool ZafButton::SetToggle(bool value) { return Registered() ? toggle : (toggle = value); }
bool ZafButton::SetAutoRepeat(bool value) { return Registered() ? autoRepeat : (autoRepeat = value); }
bool ZafButton::SetAutoSize(bool value) { return Registered() ? autoSize : (autoSize = value); }
int ZafButton::SetDepth(int value) { return Registered() ? depth : (depth = value); }
int ZafButton::SetHorizontalPlacement(int value)
{
    return Registered() ? horizontalPlacement : (horizontalPlacement = value);
}
int ZafButton::SetVerticalPlacement(int value)
{
    return Registered() ? verticalPlacement : (verticalPlacement = value);
}
bool ZafButton::SetSelectOnDoubleClick(bool value)
{
    return Registered() ? selectOnDoubleClick : (selectOnDoubleClick = value);
}
bool ZafButton::SetSelectOnPress(bool value) { return Registered() ? selectOnPress : (selectOnPress = value); }
ZafInt32 ZafButton::SetValue(ZafInt32 newValue) { return value = newValue; }

int ZafButton::SetButtonType(int type)
{
    if (Registered())
        return buttonType;
    buttonType = type;
    depth = (type == ZAF_PUSH_BUTTON || type == ZAF_PUSH_BUTTON_2) ? 2 : 0;
    return buttonType;
}

ZafIChar ZafButton::SetHotKey(ZafIChar character, int index)
{
    if (!Registered())
    {
        hotKeyChar = ZafToUpper(character);
        hotKeyIndex = index;
    }
    return hotKeyChar;
}

const ZafIChar *ZafButton::SetMessageText(const ZafIChar *text)
{
    ZafIChar *copy = ZafStrDup(text);
    delete[] messageText;
    messageText = copy;
    return messageText;
}

bool ZafButton::SetSendMessage(bool value)
{
    if (Registered())
        return sendMessage;
    return SwitchSendMessage(value);
}

bool ZafButton::SwitchSendMessage(bool value)
{
    sendMessage = value;
    memberFunction = value ? static_cast<ZafMemberUserFunction>(&ZafButton::SendMessageRoutine)
                           : &ZafWindowObject::CallUserFunction;
    return sendMessage;
}

bool ZafButton::SetPressed(bool value)
{
    if (value == pressed)
        return pressed;
    pressed = value;
    if (Registered() && !selected)
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return pressed;
}

ZafError ZafButton::UpdateSize()
{
    if (!Registered())
        return 0;
    Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    ApplyPosition();
    Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return 0;
}

bool ZafButton::Native() const
{
    if (designMode || buttonType == ZAF_FLAT_BUTTON || buttonType == ZAF_TOOL_BAR_BUTTON)
        return false;
    if (buttonType == ZAF_RADIO_BUTTON || buttonType == ZAF_CHECK_BOX)
        return horizontalPlacement == ZAF_PLACE_LEFT && verticalPlacement == ZAF_PLACE_CENTER;
    return horizontalPlacement == ZAF_PLACE_CENTER && verticalPlacement == ZAF_PLACE_CENTER && !toggle
        && !bitmapData && !paletteData;
}

bool ZafButton::IsDefault() const
{
    if (focus)
        return true;
    const ZafWindow *root = dynamic_cast<const ZafWindow *>(RootObject());
    return root && root->DefaultButton(true) == this && root->DefaultButton(false) == this;
}

const ZafPaletteStruct *ZafButton::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *palette = FindPalette(defaultPaletteMap, type, state))
        return palette;
    return ZafWindowObject::MapPalette(type, state);
}

ZafLogicalEvent ZafButton::MapEvent(ZafEventStruct &event)
{
    ZafLogicalEvent mapped = MapInputTable(defaultInputMap, event);
    return mapped != ZAF_NO_EVENT ? mapped : ZafWindowObject::MapEvent(event);
}

// ---- Selection ----------------------------------------------------------------

ZafEventType ZafButton::Select(const ZafEventStruct &event, ZafEventType code)
{
    if (toggle)
    {
        const ZafWindow *window = dynamic_cast<const ZafWindow *>(parent);
        if (!(selected && window && window->SelectionType() == 0))
            SetSelected(!selected);
    }
    return memberFunction ? (this->*memberFunction)(event, code) : 0;
}

ZafEventType ZafButton::SendMessageRoutine(const ZafEventStruct &event, ZafEventType code)
{
    ZafEventType answer = CallUserFunction(event, code);
    if (code == ZAF_L_DOUBLE_CLICK || (code == ZAF_L_SELECT && !selectOnDoubleClick))
        if (ZafEventManager *events = ZafEventManager::Shared())
        {
            ZafEventStruct message(value, 0);
            message.text = ZafStrDup(messageText);
            message.region.top = ZafInt32(reinterpret_cast<intptr_t>(this));
            events->Put(message, ZAF_QUEUE_BACK);
        }
    return answer;
}

// ---- Events -----------------------------------------------------------------------

ZafEventType ZafButton::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_HOT_KEY:
        if (hotKeyChar && ZafToUpper(ZafIChar(event.key)) == hotKeyChar && !IsDisabled(true))
        {
            Event(ZafEventStruct(ZAF_L_SELECT, 0));
            return type;
        }
        return ZAF_NOT_HANDLED;
    case ZAF_EV_DEFAULT_BUTTON:
        return DefaultStateEvent(event);
    case ZAF_EV_FOCUS_GAINED:
    case ZAF_EV_FOCUS_LOST:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        if (buttonType != ZAF_RADIO_BUTTON && buttonType != ZAF_CHECK_BOX)
        {
            const ZafWindow *root = dynamic_cast<const ZafWindow *>(RootObject());
            const bool permanent = root && root->DefaultButton(true) == this;
            if (answer == ZAF_EV_FOCUS_GAINED || !permanent)
                Event(ZafEventStruct(ZAF_EV_DEFAULT_BUTTON, 0));
        }
        return answer;
    }
    case ZAF_EV_COMPUTE_REGION:
        return SizeEvent(event);
    case ZAF_L_SELECT:
    case ZAF_L_DOUBLE_CLICK:
        return Select(event, selectOnDoubleClick ? type : ZAF_L_SELECT);
    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafButton::DragDropEvent(const ZafEventStruct &event)
{
    ZafEventType type = event.type;
    if (type != ZAF_EV_DROP_DEFAULT && type != ZAF_EV_DROP_COPY && type != ZAF_EV_DROP_MOVE)
        return ZafWindowObject::DragDropEvent(event);
    ZafWindowManager *manager = ZafWindowManager::Shared();
    ZafWindowObject *dragged = manager ? manager->dragObject : nullptr;
    if (type == ZAF_EV_DROP_DEFAULT)
    {
        if (!dragged)
            return ZAF_REFUSED;
        if (dragged->DragShift())
            type = ZAF_EV_DROP_MOVE;
        else if (dragged->DragCtrl())
            type = ZAF_EV_DROP_COPY;
        else
            return ZAF_REFUSED;
    }
    if (IsDisabled(true))
        return ZAF_REFUSED;
    ZafButton *other = dynamic_cast<ZafButton *>(dragged);
    if (dropTarget && other && other != this)
    {
        const bool marks = buttonType == ZAF_RADIO_BUTTON || buttonType == ZAF_CHECK_BOX
            || other->buttonType == ZAF_RADIO_BUTTON || other->buttonType == ZAF_CHECK_BOX;
        if (other->bitmapData && other->bitmapData != bitmapData && !marks)
            SetBitmap(other->bitmapData);
        const ZafIChar *text = other->Text();
        if (text && (!Text() || std::wcscmp(text, Text()) != 0))
            SetText(text);
    }
    return type;
}
