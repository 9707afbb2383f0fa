#pragma once
// KZPopUpItem: one entry of the toolkit's menus, a framework menu entry with
// the object leech. Its label comes from the settings with "&" marking the
// hot key, optionally followed by a comma and a keyboard accelerator
// ("&New,N"); the entry shows the label, a tab and the accelerator
// ("New<tab>Ctrl+N"). Chosen, or its accelerator pressed while it is
// enabled, the entry sends its value (its command id) as an event. Kind 7
// is a separator. The menu owns its entries; GUI thread only.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "framework/controls/ZafPopUpItem.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class ZafWindow;

class KZPopUpItem : public ZafPopUpItem, public KZWindowObjectLeech
{
public:
    static constexpr int kSeparator = 7;

    explicit KZPopUpItem(int kind);
    KZPopUpItem(const wchar_t *text, int kind);
    KZPopUpItem(int32_t value, uint32_t accelerator, const wchar_t *label, int kind);
    // The program's form: text is a label, optionally followed by a comma
    // and the accelerator.
    KZPopUpItem(int32_t value, const wchar_t *text, int kind);
    ~KZPopUpItem() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // The framework's set-text: replaces the label.
    ZafError SetText(const ZafIChar *text) override;
    using ZafPopUpItem::SetText;

    // Replaces the label (only when it differs) and shows it again.
    void SetLabel(const wchar_t *label);
    // Replaces the accelerator (only when it differs) and shows it again.
    void SetAccelerator(uint32_t accelerator);
    // Shows the label without markers and the accelerator, and sets the hot key.
    void UpdateLabel();
    // Queues the value of this entry or of its first enabled sub-entry whose
    // accelerator matches the key press; true when one did.
    bool DispatchAccelerator(const ZafEventStruct &event);
    // True when the key press is the accelerator of this entry or of a
    // sub-entry whose value is code, enabled or not; nothing is queued.
    bool IsAcceleratorOf(int32_t code, const ZafEventStruct &event);
    // Enables or disables (checks or clears) the entry, and with recursive its sub-entries.
    void EnableTree(bool enable, bool recursive);
    void SetSelectedTree(bool checked, bool recursive);
    // Enables (checks) this entry and every sub-entry whose value is code.
    void EnableIfCode(int32_t code, bool enable);
    void CheckIfCode(int32_t code, bool checked);

    bool IsSeparator() const { return Type() == kSeparator; }
    uint32_t Accelerator() const { return accelerator; }
    const KString &Label() const { return label; }
    uint32_t Flags() const { return flags; }
    // The window an entry of the Window menu stands for; null for others.
    ZafWindow *Window() const;
    void SetWindow(ZafWindow *window);

    using ZafPopUpItem::DrawBackground;
    using ZafPopUpItem::DrawEdge;

private:
    void SetCommand(int32_t value);
    template <typename Visit> void ForEachSubEntry(Visit visit);

    uint32_t accelerator = 0;
    uint32_t flags = 0;
    KString label;
};
