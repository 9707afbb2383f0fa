#pragma once
// ZafPullDownMenu: a window's menu bar, a support object of the window (number
// id ZAF_NUMID_PULL_DOWN_MENU). It has no OS window: on screen it is an OS menu
// attached to the window's frame, in which each entry (ZafPullDownItem) stands
// at its list index (after the system menu of a maximized MDI child, which
// takes position 0). The window owns the bar; the bar owns its entries. GUI
// thread only.

#include "framework/controls/ZafFramelessWindow.h"
#include "framework/controls/ZafFixedSettings.h"

class ZafPullDownItem;

class ZafPullDownMenu : public ZafFramelessWindow
{
public:
    ZafPullDownMenu();
    ZafPullDownMenu(const ZafPullDownMenu &copy);
    ZafPullDownMenu(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafPullDownMenu() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_PULL_DOWN_MENU, L"ZafPullDownMenu")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafPullDownMenu);
    void Write(ZafObjectPersistence &persistence) override;
    ZafRegionStruct ClientRegion(ZafWindowObject *) override { return region; }

    // Pinned settings.
    ZAF_FIXED_MENU_SETTINGS
    int SetRegionMode(int) override { return regionMode = 2; }
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetTemporary(bool) override { return temporary = false; }
    int SetSelectionType(int) override { return selectionType = 0; }

    ZAF_MENU_DRAWN_BY_OS
    // The menu is made on ZAF_EV_REGISTER.
    void OSRegisterObject() override { }

    // 1 when the bar's window is an MDI window whose last child is
    // maximized (its system menu then takes position 0), else 0.
    int MDIAdjustment() const;
    // True while the bar is putting its entries into a new OS menu.
    bool Building() const { return building; }

protected:
    template <class Menu> friend struct ZafMenuEvents;
    ZafEventType MenuSelect(const ZafEventStruct &event);            // Windows half
    ZafPullDownItem *CurrentItem() const;
    ZafOSWindow FrameWindow() const;

    bool building = false;
};
