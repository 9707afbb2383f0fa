#pragma once
// ZafPopUpMenu: a list of menu entries (ZafPopUpItem) shown by the OS as a
// pop-up menu. It is either the sub-menu of an entry (its parent is the
// entry, which owns it) or free-standing: added to the window manager as a
// temporary window, shown at its position (screen pixels) with
// TrackPopupMenu, and closed again at once; whoever made it deletes it.
//
// Its OS handle is a menu handle, never a window: the menu has no OS window
// of its own, and nothing of the window object's handling that acts on OS
// windows runs for it. A menu handle it created is destroyed when the menu
// is unregistered. GUI thread only.

#include "framework/controls/ZafFramelessWindow.h"
#include "framework/controls/ZafFixedSettings.h"

class ZafPopUpItem;

// Sent to a menu entry when it was chosen (the number of the logical cancel
// event, which menus use for this).
constexpr ZafEventType ZAF_EV_MENU_CHOSEN = ZAF_L_CANCEL;

class ZafPopUpMenu : public ZafFramelessWindow
{
public:
    // A menu at a screen point (pixels).
    explicit ZafPopUpMenu(int left = 0, int top = 0);
    ZafPopUpMenu(const ZafPopUpMenu &copy);
    ZafPopUpMenu(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafPopUpMenu() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_POP_UP_MENU, L"ZafPopUpMenu")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafPopUpMenu);
    void Write(ZafObjectPersistence &persistence) override;

    // Pinned settings.
    ZAF_FIXED_MENU_SETTINGS
    int SetRegionMode(int) override { return regionMode = 0; }
    bool SetTemporary(bool) override { return temporary = true; }

    // Menus draw nothing: the OS does.
    ZAF_MENU_DRAWN_BY_OS
    void DrawHook() override { }
    // Creates the OS menu, only when the menu has entries.
    void OSRegisterObject() override;                                // Windows half

    // Uses an existing OS menu (the system menu of a window) instead of
    // creating one: the menu puts its entries in it but never destroys it.
    void UseOSMenu(ZafOSWindow menu) { osWindow = menu; createdMenu = false; }

protected:
    template <class Menu> friend struct ZafMenuEvents;
    // Shows a free-standing menu and closes it (ZAF_EV_REBUILD).
    ZafEventType Show();                                             // Windows half
    ZafEventType MenuSelect(const ZafEventStruct &event);            // Windows half
    void Unregister();                                               // Windows half
    ZafPopUpItem *CurrentItem() const;

    bool createdMenu = false;       // the handle came from CreatePopupMenu
};

// The lookups of a button that carries a menu (the menu entries, the system
// button): the button itself when its number (string id) is id, else the
// menu's object of that id.
ZafWindowObject *ZafMenuOwnerByNumberID(ZafWindowObject &owner, ZafPopUpMenu &menu, ZafNumberID id);
ZafWindowObject *ZafMenuOwnerByStringID(ZafWindowObject &owner, ZafPopUpMenu &menu, const ZafIChar *id);
