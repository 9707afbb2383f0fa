// KZEditableSelectorString: the in-place cell field's events.
#include "shell/toolkit/lists/KZEditableSelectorString.h"

#include <windows.h>

#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/lists/KZEditableSelector.h"
#include "shell/toolkit/lists/KZListCodes.h"

namespace {

void GrabFor(ZafWindowObject *window)
{
    if (KZApplication *app = KZApplication::Instance())
        app->Grab(window, 0);
}

} // namespace

KZEditableSelectorString::KZEditableSelectorString(KZEditableSelector *owner, const KRect &rect, const wchar_t *text)
    : KZString(rect, text, -1), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    SetBorder(false);
}

KZEditableSelectorString::~KZEditableSelectorString()
{
    capture = false;
    GrabFor(nullptr);
}

void KZEditableSelectorString::PostEnd(int32_t code)
{
    ZafEventManager *events = ZafEventManager::Shared();
    if (!events || !owner)
        return;
    ZafEventStruct end(kEvtCellEdited, ZafRawCode(code));
    end.windowObject = owner;
    if (events->Put(end, ZAF_QUEUE_BACK))
        owner->NoteQueuedEnd();
}

// The open field keeps the mouse and the keyboard until it is closed.
void KZEditableSelectorString::KeepInput()
{
    if (!capture || !HasOSWindow() || keeping)
        return;
    keeping = true;
    GrabFor(this);
    if (GetFocus() != static_cast<HWND>(OSWindow()))
        TakeFocus();
    keeping = false;
}

ZafEventType KZEditableSelectorString::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    ZafLogicalEvent code = MapEvent(mapped);
    if (event.InputClass() == ZAF_INPUT_MOUSE && !ClientRect().ContainsPoint(KPoint(mapped.region.left, mapped.region.top))) {
        KZApplication::ShowPointer(kPointerArrow);
        if (code != kEvtLeftPress)
            return code;
        // A click elsewhere keeps what was typed, as leaving a field does.
        PostEnd(kEvtEnter);
        return code;
    }
    // Tab keys are the window's: they reach the field itself when the keys
    // go to the window that has the focus.
    if (event.InputClass() == ZAF_INPUT_KEYBOARD) {
        ZafEventStruct window = event;
        const ZafLogicalEvent tab = MapInputTable(ZafWindow::defaultInputMap, window);
        if (tab == kEvtTab || tab == kEvtShiftTab)
            code = tab;
    }
    ZafEventType answer = code;
    switch (code) {
    case kEvtMouseMove:
        KZApplication::ShowPointer(kPointerText);
        break;
    case kEvtObjectRemoved:
        capture = false;
        answer = KZString::Event(event);
        break;
    case kEvtEnter:
    case kEvtCancelKey:
    case kEvtTab:
    case kEvtShiftTab:
        PostEnd(code);
        break;
    default:
        answer = KZString::Event(event);
        if (code == kEvtObjectAdded) {
            capture = true;
            KZApplication::ShowPointer(kPointerText);
        }
        break;
    }
    // Only input moves the mouse or the focus away; taking the focus again
    // on drawing events would make them repeat.
    const ZafEventType inputClass = event.InputClass();
    if (inputClass == ZAF_INPUT_MOUSE || inputClass == ZAF_INPUT_KEYBOARD || code == kEvtObjectAdded)
        KeepInput();
    return answer;
}
