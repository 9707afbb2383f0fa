#pragma once
// ZafPopUpItem: one entry of a pop-up menu. It is a button without an OS window
// of its own: registered, it is an entry of its parent menu's OS menu at its
// list index. An entry whose sub-menu has entries is an OS sub-menu; choosing a
// plain entry sends it ZAF_EV_MENU_CHOSEN, which calls its user function and,
// for an entry that sends its value, queues that value. The item type gives
// standard entries (close, exit, copy ...) their value and text; in a system
// button's menu the window commands are the OS's own. The parent menu owns the
// entry; the entry owns its sub-menu. GUI thread only.

#include "framework/controls/ZafMenuEntryButton.h"
#include "framework/controls/ZafMenuStorage.h"
#include "framework/controls/ZafPopUpMenu.h"

class ZafLanguageData;

class ZafPopUpItem : public ZafMenuEntryButton
{
public:
    ZafPopUpItem(const ZafIChar *text, int type = 0);
    ZafPopUpItem(ZafStringData *text, int type = 0);
    ZafPopUpItem(const ZafPopUpItem &copy);
    ZafPopUpItem(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafPopUpItem() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_POP_UP_ITEM, L"ZafPopUpItem")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafPopUpItem);
    void Write(ZafObjectPersistence &persistence) override;

    // Pinned settings of this kind of entry (the others: ZafMenuEntryButton).
    int SetHorizontalPlacement(int) override { return horizontalPlacement = 0; }

    // The check mark and the grey state; on screen at once.
    bool SetSelected(bool value) override;                           // Windows half
    bool SetDisabled(bool value) override;                           // Windows half
    void OSRegisterObject() override;                                // Windows half
    // Relabels the OS entry.
    ZafEventType UpdateOSListItem() override;                        // Windows half

    // Only while not registered; answers the type in force.
    virtual int SetType(int type);

    int Type() const { return itemType; }
    // The command id the OS menu carries for the entry.
    ZafUInt32 CommandID() const;
    // The value chosen entries of a type send (0 for types without one).
    static ZafInt32 TypeValue(int type);

protected:
    template <class Entry> friend struct ZafMenuEntryEvents;
    ZafPopUpItem(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<ZafStoredMenu> stored);
    // The 16-bit item type and the sub-menu, after the button's record.
    void WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence) override;
    void Construct(int type);
    // The entry's OS flags and label, as registration and relabelling use them.
    ZafUInt32 OSFlags() const;
    bool InSystemMenu() const;

    int itemType = 0;
    ZafLanguageData *languageData = nullptr;
    bool osCommand = false;         // a system command the OS carries out
};
