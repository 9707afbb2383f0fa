#include "shell/toolkit/menus/KZPullDownItem.h"

#include "shell/toolkit/menus/KZHotKeyText.h"
#include "shell/toolkit/menus/KZPopUpItem.h"

KZPullDownItem::KZPullDownItem(const wchar_t *text) : ZafPullDownItem(L""), KZWindowObjectLeech(this)
{
    const KZHotKeyText hotKey(text);
    SetText(hotKey.Text().CStr());
    SetHotKey(hotKey.HotKey(), hotKey.HotKeyPosition());
}

KZPullDownItem::~KZPullDownItem() = default;

ZafEventType KZPullDownItem::Event(const ZafEventStruct &event)
{
    return KZLeechThenBase<ZafPullDownItem>(*this, event);
}

template <typename Visit> void KZPullDownItem::ForEachEntry(Visit visit) const
{
    for (ZafElement *e = SubMenu().ZafList::First(); e; e = e->Next())
        if (auto *entry = dynamic_cast<KZPopUpItem *>(static_cast<ZafWindowObject *>(e)))
            if (visit(entry))
                return;
}

bool KZPullDownItem::DispatchAccelerator(const ZafEventStruct &event)
{
    bool dispatched = false;
    ForEachEntry([&](KZPopUpItem *entry) { return dispatched = entry->DispatchAccelerator(event); });
    return dispatched;
}

bool KZPullDownItem::IsAcceleratorOf(int32_t code, const ZafEventStruct &event) const
{
    bool matched = false;
    ForEachEntry([&](KZPopUpItem *entry) { return matched = entry->IsAcceleratorOf(code, event); });
    return matched;
}

void KZPullDownItem::EnableAll(bool enable)
{
    ForEachEntry([&](KZPopUpItem *entry) {
        entry->EnableTree(enable, true);
        return false;
    });
}

bool KZPullDownItem::SetSelected(bool checked)
{
    ForEachEntry([&](KZPopUpItem *entry) {
        entry->SetSelectedTree(checked, true);
        return false;
    });
    return checked;
}

void KZPullDownItem::EnableItem(int32_t code, bool enable)
{
    ForEachEntry([&](KZPopUpItem *entry) {
        entry->EnableIfCode(code, enable);
        return false;
    });
}

void KZPullDownItem::CheckItem(int32_t code, bool checked)
{
    ForEachEntry([&](KZPopUpItem *entry) {
        entry->CheckIfCode(code, checked);
        return false;
    });
}

KZPopUpItem *KZPullDownItem::NextEntry(KZPopUpItem *entry) const
{
    ZafElement *next = entry ? static_cast<ZafWindowObject *>(entry)->Next() : SubMenu().ZafList::First();
    for (; next; next = next->Next())
        if (auto *found = dynamic_cast<KZPopUpItem *>(static_cast<ZafWindowObject *>(next)))
            return found;
    return nullptr;
}

void KZPullDownItem::DeleteEntriesAfter(KZPopUpItem *entry)
{
    while (KZPopUpItem *next = NextEntry(entry))
        delete Subtract(next);
}
