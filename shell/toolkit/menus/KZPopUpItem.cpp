#include "shell/toolkit/menus/KZPopUpItem.h"

#include <cwchar>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/window/KZAccelerator.h"
#include "shell/toolkit/menus/KZHotKeyText.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr int kShownLength = 255;

} // namespace

KZPopUpItem::KZPopUpItem(int kind) : ZafPopUpItem(L"", kind), KZWindowObjectLeech(this) {}

KZPopUpItem::KZPopUpItem(const wchar_t *text, int kind)
    : ZafPopUpItem(L"", kind), KZWindowObjectLeech(this), label(text ? text : L"")
{
    UpdateLabel();
}

KZPopUpItem::KZPopUpItem(int32_t value, uint32_t accelerator, const wchar_t *text, int kind)
    : ZafPopUpItem(L"", kind), KZWindowObjectLeech(this), accelerator(accelerator), label(text ? text : L"")
{
    SetCommand(value);
    UpdateLabel();
}

KZPopUpItem::KZPopUpItem(int32_t value, const wchar_t *text, int kind)
    : ZafPopUpItem(L"", kind), KZWindowObjectLeech(this)
{
    SetCommand(value);
    const KString whole(text ? text : L"");
    KString field;
    if (whole.GetField(field, 1) && !field.IsEmpty())
        accelerator = KZParseAccelerator(field);
    whole.GetField(label, 0);
    UpdateLabel();
}

KZPopUpItem::~KZPopUpItem() = default;

void KZPopUpItem::SetCommand(int32_t value)
{
    if (!value)
        return;
    SetValue(value);
    SetSendMessage(true);
}

ZafEventType KZPopUpItem::Event(const ZafEventStruct &event)
{
    // A highlighted command shows its fly-over text in the status bar, as a
    // button under the pointer does; the bar clears when the highlight leaves.
    if (KZStatusBar *bar = KZMainStatusBar()) {
        if (event.type == ZAF_EV_FOCUS_GAINED && Value() > 0 && !IsSeparator())
            bar->SetFlyOver(Value());
        else if (event.type == ZAF_EV_FOCUS_LOST && Value() > 0)
            bar->Clear();
    }
    return KZLeechThenBase<ZafPopUpItem>(*this, event);
}

ZafError KZPopUpItem::SetText(const ZafIChar *text)
{
    SetLabel(text);
    return 0;
}

void KZPopUpItem::SetLabel(const wchar_t *text)
{
    if (label == (text ? text : L""))
        return;
    label = text ? text : L"";
    UpdateLabel();
}

void KZPopUpItem::SetAccelerator(uint32_t value)
{
    if (accelerator == value)
        return;
    accelerator = value;
    UpdateLabel();
}

void KZPopUpItem::UpdateLabel()
{
    const KZHotKeyText hotKey(label.CStr());
    SetHotKey(hotKey.HotKey(), hotKey.HotKeyPosition());
    KString shown(hotKey.Text());
    if (accelerator) {
        accelerator = KZEffectiveAccelerator(accelerator);
        shown.AppendChar(L'\t');
        KZAppendAcceleratorText(accelerator, shown);
    }
    shown.Truncate(kShownLength);
    ZafPopUpItem::SetText(shown.CStr());
}

template <typename Visit> void KZPopUpItem::ForEachSubEntry(Visit visit)
{
    for (ZafElement *e = SubMenu().ZafList::First(); e; e = e->Next())
        if (auto *entry = dynamic_cast<KZPopUpItem *>(static_cast<ZafWindowObject *>(e)))
            if (visit(entry))
                return;
}

bool KZPopUpItem::DispatchAccelerator(const ZafEventStruct &event)
{
    if (IsDisabled(true))
        return false;
    if (accelerator && KZAcceleratorMatches(accelerator, wchar_t(event.key), event.modifiers)) {
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->Put(ZafEventStruct(Value(), 0));
        return true;
    }
    bool dispatched = false;
    ForEachSubEntry([&](KZPopUpItem *entry) { return dispatched = entry->DispatchAccelerator(event); });
    return dispatched;
}

bool KZPopUpItem::IsAcceleratorOf(int32_t code, const ZafEventStruct &event)
{
    if (Value() == code && accelerator && KZAcceleratorMatches(accelerator, wchar_t(event.key), event.modifiers))
        return true;
    bool matched = false;
    ForEachSubEntry([&](KZPopUpItem *entry) { return matched = entry->IsAcceleratorOf(code, event); });
    return matched;
}

void KZPopUpItem::EnableTree(bool enable, bool recursive)
{
    Enable(enable);
    if (recursive)
        ForEachSubEntry([&](KZPopUpItem *entry) {
            entry->EnableTree(enable, true);
            return false;
        });
}

void KZPopUpItem::SetSelectedTree(bool checked, bool recursive)
{
    if (Selected() != checked)
        SetSelected(checked);
    if (recursive)
        ForEachSubEntry([&](KZPopUpItem *entry) {
            entry->SetSelectedTree(checked, true);
            return false;
        });
}

void KZPopUpItem::EnableIfCode(int32_t code, bool enable)
{
    if (Value() == code)
        Enable(enable);
    ForEachSubEntry([&](KZPopUpItem *entry) {
        entry->EnableIfCode(code, enable);
        return false;
    });
}

void KZPopUpItem::CheckIfCode(int32_t code, bool checked)
{
    if (Value() == code && Selected() != checked)
        SetSelected(checked);
    ForEachSubEntry([&](KZPopUpItem *entry) {
        entry->CheckIfCode(code, checked);
        return false;
    });
}

ZafWindow *KZPopUpItem::Window() const
{
    return static_cast<ZafWindow *>(UserObject());
}

void KZPopUpItem::SetWindow(ZafWindow *window)
{
    SetUserObject(window);
}
