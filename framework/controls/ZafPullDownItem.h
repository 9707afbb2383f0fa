#pragma once
// ZafPullDownItem: one entry of a menu bar. A button without an OS window of
// its own: on screen it is the bar's OS menu entry at its list index (plus
// one after a maximized MDI child's system menu). An entry whose pop-up
// menu has entries drops that menu down; a plain entry sends itself
// ZAF_EV_MENU_CHOSEN when chosen, which calls its user function. The bar
// owns the entry; the entry owns its pop-up menu. GUI thread only.

#include "framework/controls/ZafMenuEntryButton.h"
#include "framework/controls/ZafMenuStorage.h"
#include "framework/controls/ZafPopUpMenu.h"

class ZafPullDownItem : public ZafMenuEntryButton
{
public:
    explicit ZafPullDownItem(const ZafIChar *text);
    explicit ZafPullDownItem(ZafStringData *text);
    ZafPullDownItem(const ZafPullDownItem &copy);
    ZafPullDownItem(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafPullDownItem() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_PULL_DOWN_ITEM, L"ZafPullDownItem")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafPullDownItem);
    void Write(ZafObjectPersistence &persistence) override;

    // Pinned settings of this kind of entry (the others: ZafMenuEntryButton).
    bool SetSelected(bool) override { return selected = false; }
    bool SetToggle(bool) override { return toggle = false; }
    bool SetSendMessage(bool) override { return sendMessage = false; }
    int SetHorizontalPlacement(int) override { return horizontalPlacement = 2; }
    ZafInt32 SetValue(ZafInt32) override { return value = 0; }

    // The grey state; on screen at once.
    bool SetDisabled(bool value) override;                           // Windows half
    void OSRegisterObject() override;                                // Windows half
    ZafEventType UpdateOSListItem() override;                        // Windows half


    ZafUInt32 CommandID() const;
    // The entry's position in the bar's OS menu.
    int OSPosition() const;

protected:
    template <class Entry> friend struct ZafMenuEntryEvents;
    ZafPullDownItem(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<ZafStoredMenu> stored);
    // The drop-down menu, after the button's record.
    void WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence) override;
    void Construct();
    int MDIAdjustment() const;

};
