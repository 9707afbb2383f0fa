// The notebook's scroll buttons ("<" and ">", each an OS push button that
// sends its value, -310 or -311, to the notebook when pressed) and the
// titles its pages are stored with.
#include <windows.h>

#include "framework/controls/ZafNotebook.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"

namespace {

class ScrollButton : public ZafWindowObject
{
public:
    ScrollButton(const ZafIChar *label, ZafEventType value) : ZafWindowObject(0, 0, 0, 0), label(label), value(value)
    {
        coordinateType = ZAF_PIXEL;
        focusBlocked = true;
    }
    ZafInt32 Value() const override { return value; }
    const ZafIChar *Text() override { return label; }
    void OSRegisterObject() override
    {
        DWORD style = WS_CHILD | BS_PUSHBUTTON;
        if (visible)
            style |= WS_VISIBLE;
        if (IsDisabled(true))
            style |= WS_DISABLED;
        osWindow = CreateOSWindow(this, L"BUTTON", style, label);
    }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == ZAF_EVENT_OS && event.osEvent.message == WM_COMMAND && !event.osEvent.lParam)
        {
            if (HIWORD(event.osEvent.wParam) == BN_CLICKED)
                Select();
            return 0;
        }
        if (event.type == ZAF_L_SELECT)
        {
            Select();
            return event.type;
        }
        return ZafWindowObject::Event(event);
    }

private:
    void Select()
    {
        if (parent)
            parent->Event(ZafEventStruct(value, 0));
    }

    const ZafIChar *label;
    ZafEventType value;
};

} // namespace

void ZafNotebook::MakeScrollButtons()
{
    DeleteScrollButtons();
    leftButton = new ScrollButton(L"<", -310);
    rightButton = new ScrollButton(L">", -311);
    for (ZafWindowObject *button : { leftButton, rightButton })
    {
        button->SetParent(this);
        button->SetVisible(false);
    }
    leftButton->SetDisabled(true);
}

void ZafNotebook::DeleteScrollButtons()
{
    delete leftButton;
    delete rightButton;
    leftButton = rightButton = nullptr;
}

ZafWindowObject *ZafNotebook::NewTitle(const ZafIChar *)
{
    return nullptr;
}
