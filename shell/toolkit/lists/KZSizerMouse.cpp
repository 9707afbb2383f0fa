// KZSizer: the pointer over dividers, presses and divider drags.
#include "shell/toolkit/lists/KZSizer.h"

#include <windows.h>

#include "shell/app/KZApplication.h"
#include "shell/toolkit/lists/KZListCodes.h"

namespace {

void GrabFor(ZafWindowObject *window, uint32_t flags)
{
    if (KZApplication *app = KZApplication::Instance())
        app->Grab(window, flags);
}

} // namespace

void KZSizer::SetPointer(KPoint point)
{
    if (DividerAt(point, nullptr))
        KZApplication::ShowPointer(IsHorizontal() ? kPointerSizeWE : kPointerSizeNS);
    else
        KZApplication::ShowPointer(kPointerArrow);
}

// The parent hears of the press first, also when the press starts a drag.
void KZSizer::Press(KPoint point)
{
    if ((sizerFlags & kSizerPressFocus) && Parent())
        Parent()->Event(ZafEventStruct(kEvtTakeFocus, 0));
    int index = -1;
    if (DividerAt(point, &index)) {
        SetDraggedDivider(index);
        GrabFor(this, kGrabHidePointer);
    } else if (CellAt(point, &index)) {
        CellClicked(point, index);
    }
}

ZafEventType KZSizer::Event(const ZafEventStruct &event)
{
    // The bar sets its own pointer; the system must not put the class's back.
    if (event.type == ZAF_EVENT_OS && event.osEvent.message == WM_SETCURSOR)
        return 1;
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = ZafWindow::MapEvent(mapped);
    const bool mouse = event.InputClass() == ZAF_INPUT_MOUSE;
    if (!mouse || code < kEvtMouseMove || code > kEvtLeftRelease)
        return KZToolBar::Event(event);
    const KPoint point = ToBar(KPoint(mapped.region.left, mapped.region.top));
    const int divider = DraggedDivider();
    if (divider < 0) {
        if (code == kEvtMouseMove)
            SetPointer(point);
        else if (code == kEvtLeftPress)
            Press(point);
        else
            return KZToolBar::Event(event);
        return code;
    }
    if (code == kEvtMouseMove)
        return KZToolBar::Event(event);
    MoveDivider(divider, IsHorizontal() ? point.x : point.y);
    if (code == kEvtLeftRelease) {
        GrabFor(nullptr, 0);
        SetDraggedDivider(-1);
    }
    return code;
}
