// The notebook's scroll buttons ("<" and ">": buttons whose selection sends
// their value, -310 or -311, to the notebook) and the titles its pages are
// stored with.
#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafNotebook.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/base/ZafConstants.h"

namespace {

ZafEventType SendValueToParent(ZafWindowObject *object, ZafEventStruct &, ZafEventType code)
{
    if (code == ZAF_L_SELECT && object->Parent())
        object->Parent()->Event(ZafEventStruct(object->Value(), 0));
    return 0;
}

ZafButton *NewScrollButton(const ZafIChar *label, ZafEventType value)
{
    auto *button = new ZafButton(0, 0, 0, 0, label);
    button->SetCoordinateType(ZAF_PIXEL);
    button->SetAutoSize(false);
    button->SetFocusBlocked(true);
    button->SetValue(value);
    button->SetUserFunction(SendValueToParent);
    button->SetVisible(false);
    return button;
}

} // namespace

void ZafNotebook::MakeScrollButtons()
{
    DeleteScrollButtons();
    leftButton = NewScrollButton(L"<", -310);
    rightButton = NewScrollButton(L">", -311);
    leftButton->SetParent(this);
    rightButton->SetParent(this);
    leftButton->SetDisabled(true);
}

void ZafNotebook::DeleteScrollButtons()
{
    delete leftButton;
    delete rightButton;
    leftButton = rightButton = nullptr;
}

ZafWindowObject *ZafNotebook::NewTitle(const ZafIChar *text)
{
    return new ZafTitle(text ? text : L"");
}
