#include "shell/toolkit/window/KZWindow.h"

#include "shell/toolkit/KZToolkitCodes.h"

const KZWindow::MouseMapRow KZWindow::mouseMap[] = {
    { kEvtLeftPress, ZAF_INPUT_MOUSE, 0x1100, 0 },
    { kEvtRightPress, ZAF_INPUT_MOUSE, 0x2200, 0 },
    { kEvtLeftDrag, ZAF_INPUT_MOUSE, 0x0100, 0 },
    { kEvtRightDrag, ZAF_INPUT_MOUSE, 0x0200, 0 },
    { kEvtLeftRelease, ZAF_INPUT_MOUSE, 0x1000, 0 },
    { kEvtRightRelease, ZAF_INPUT_MOUSE, 0x2000, 0 },
    { kEvtMouseMove, ZAF_INPUT_MOUSE, 0, 0 },
    { ZAF_NO_EVENT, 0, 0, 0 },
};

KZWindow::KZWindow(int left, int top, int width, int height)
    : ZafWindow(left, top, width, height), KZWindowLeech(this)
{
}

KZWindow::~KZWindow() = default;

ZafEventType KZWindow::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    const ZafEventType answer = ZafWindow::Event(event);
    if (code == kEvtClientResized || code == kEvtRelayout)
        RedisplayIfShown();
    return answer;
}

ZafLogicalEvent KZWindow::MapEvent(ZafEventStruct &event)
{
    const ZafLogicalEvent framework = ZafWindow::MapEvent(event);
    if (event.InputClass() != ZAF_INPUT_MOUSE)
        return framework;
    for (const MouseMapRow *row = mouseMap; row->logicalEvent != ZAF_NO_EVENT; ++row)
        if (row->mouseState == event.rawCode)
            return row->logicalEvent;
    return framework;
}
