#include "imaging/windows/VZRemoteButton.h"

#include "imaging/windows/VZRemotePane.h"
#include "shell/toolkit/KZToolkitCodes.h"

VZRemoteButton::VZRemoteButton(VZRemotePane *pane, int left, int top, ZafBitmapData *bitmap, int32_t code,
                               wchar_t command)
    : KZButton(left, top, kSize, kSize, bitmap, code), pane(pane), code(code), command(command)
{
    SetCoordinateType(kCoordPixels);
}

ZafEventType VZRemoteButton::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent logical = MapEvent(mapped);
    if (logical == ZAF_L_BEGIN_SELECT && !Selected()) {
        const ZafEventType answer = KZButton::Event(event);
        pane->Pressed(this);
        return answer;
    }
    if (logical == ZAF_L_CONTINUE_SELECT && pane->HeldCode() == code) {
        pane->Held();
        return logical;
    }
    if (logical == ZAF_L_END_SELECT && pane->HeldCode() == code) {
        const ZafEventType answer = KZButton::Event(event);
        pane->Released(this);
        return answer;
    }
    return KZButton::Event(event);
}
