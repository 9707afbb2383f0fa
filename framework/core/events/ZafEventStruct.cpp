#include "framework/core/events/ZafEventStruct.h"

#include <cstring>

namespace {

// Raw Windows message numbers the input class depends on.
constexpr ZafUInt32 OS_KEYDOWN = 0x0100;
constexpr ZafUInt32 OS_KEYUP = 0x0101;
constexpr ZafUInt32 OS_SYSKEYDOWN = 0x0104;
constexpr ZafUInt32 OS_SYSKEYUP = 0x0105;
constexpr ZafUInt32 OS_MOUSE_FIRST = 0x0200;
constexpr ZafUInt32 OS_MOUSE_LAST = 0x0209;
constexpr ZafUInt32 OS_NC_MOUSE_FIRST = 0x00A0;
constexpr ZafUInt32 OS_NC_MOUSE_LAST = 0x00A9;

} // namespace

ZafEventStruct::ZafEventStruct()
{
    std::memset(static_cast<void *>(this), 0, sizeof(*this));
}

ZafEventStruct::ZafEventStruct(ZafEventType type, ZafRawCode value) : ZafEventStruct()
{
    this->type = type;
    rawCode = value;
}

ZafEventStruct::ZafEventStruct(ZafEventType type, const ZafOSEventStruct &osEvent) : ZafEventStruct()
{
    this->type = type;
    this->osEvent = osEvent;
}

ZafEventStruct::ZafEventStruct(ZafEventType type, ZafRawCode value, const ZafRegionStruct &region)
    : ZafEventStruct()
{
    this->type = type;
    rawCode = value;
    this->region = region;
}

ZafEventType ZafEventStruct::InputClass() const
{
    if (type == ZAF_EVENT_OS) {
        const ZafUInt32 message = osEvent.message;
        if (message == OS_KEYDOWN || message == OS_KEYUP || message == OS_SYSKEYDOWN ||
            message == OS_SYSKEYUP)
            return ZAF_INPUT_KEYBOARD;
        if ((message >= OS_MOUSE_FIRST && message <= OS_MOUSE_LAST) ||
            (message >= OS_NC_MOUSE_FIRST && message <= OS_NC_MOUSE_LAST))
            return ZAF_INPUT_MOUSE;
    }
    if (type >= -2999 && type <= -1)
        return ZAF_INPUT_SYSTEM;
    if (type >= 100 && type <= 9999)
        return ZAF_INPUT_USER;
    return type;
}
