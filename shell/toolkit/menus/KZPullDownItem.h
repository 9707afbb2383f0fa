#pragma once
// KZPullDownItem: a title of the toolkit's menu bar with its menu of entries
// (KZPopUpItem), a framework menu-bar entry with the object leech. The title
// shows its text without the hot-key marker. The bar owns its titles; each
// title owns its entries. GUI thread only.

#include <cstdint>

#include "framework/controls/ZafPullDownItem.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class KZPopUpItem;

class KZPullDownItem : public ZafPullDownItem, public KZWindowObjectLeech
{
public:
    explicit KZPullDownItem(const wchar_t *text);
    ~KZPullDownItem() override;

    ZafEventType Event(const ZafEventStruct &event) override;

    // The first entry whose accelerator the key press matches queues its value.
    bool DispatchAccelerator(const ZafEventStruct &event);
    // True when the key press is the accelerator of an entry whose value is code.
    bool IsAcceleratorOf(int32_t code, const ZafEventStruct &event) const;
    // Every entry and sub-entry enabled or disabled.
    void EnableAll(bool enable);
    // Every entry and sub-entry checked or cleared.
    bool SetSelected(bool checked) override;
    // Entries (and sub-entries) whose value is code.
    void EnableItem(int32_t code, bool enable);
    void CheckItem(int32_t code, bool checked);
    // The entry after entry (the first with null); null at the end.
    KZPopUpItem *NextEntry(KZPopUpItem *entry) const;
    // Removes and deletes every entry after entry (all of them with null).
    void DeleteEntriesAfter(KZPopUpItem *entry);

    using ZafPullDownItem::DrawBackground;
    using ZafPullDownItem::DrawEdge;

private:
    template <typename Visit> void ForEachEntry(Visit visit) const;
};
