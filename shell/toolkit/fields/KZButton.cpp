#include "shell/toolkit/fields/KZButton.h"

#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZStatusLine.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZButton::KZButton(int left, int top, int width, int height, const wchar_t *text, ZafBitmapData *bitmap, int mode,
    int32_t value)
    : ZafButton(left, top, width, height, text, bitmap, mode), KZWindowObjectLeech(this)
{
    Configure(mode, value);
}

KZButton::KZButton(int left, int top, int width, int height, ZafBitmapData *bitmap, int32_t value)
    : ZafButton(left, top, width, height, static_cast<const ZafIChar *>(nullptr), bitmap, kPush),
      KZWindowObjectLeech(this)
{
    Configure(kPush, value);
}

void KZButton::Configure(int mode, int32_t value)
{
    // A click or Space flips a check box; a radio button turns on (its
    // group, which allows one selection, turns the others off).
    if (mode == kRadio || mode == kCheckBox) {
        SetHorizontalPlacement(ZAF_PLACE_LEFT);
        SetToggle(true);
    }
    if (value) {
        SetValue(value);
        SetSendMessage(true);
    }
}

ZafEventType KZButton::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowObjectLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (KZStatusLine *line = KZMainStatusLine()) {
        if (code == kEvtPointerLeft)
            line->Clear();
        else if (code == kEvtPointerEntered)
            line->SetFlyOver(Value());
    }
    return ZafButton::Event(event);
}

ZafError KZButton::SetBitmap(ZafBitmapData *bitmap)
{
    if (bitmap == BitmapData())
        return 0;
    return ZafButton::SetBitmap(bitmap);
}
