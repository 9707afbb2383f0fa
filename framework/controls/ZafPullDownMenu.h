#pragma once
// ZafPullDownMenu: a window's menu bar, a support object of the window (number
// id -11). It has no OS window: on screen it is an OS menu attached to the
// window's frame, in which each entry (ZafPullDownItem) stands at its list
// index (after the system menu of a maximized MDI child, which takes
// position 0). The window owns the bar; the bar owns its entries. GUI
// thread only.

#include "framework/controls/ZafFramelessWindow.h"

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
    bool SetDropTarget(bool) override { return dropTarget = false; }
    bool SetBorder(bool) override { return border = true; }
    bool SetDisabled(bool) override { return disabled = false; }
    bool SetFocusBlocked(bool) override { return focusBlocked = false; }
    bool SetPaletteFromParent(bool) override { return paletteFromParent = false; }
    int SetRegionMode(int) override { return regionMode = 2; }
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetTemporary(bool) override { return temporary = false; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = true; }
    int SetSelectionType(int) override { return selectionType = 0; }
    bool SetVisible(bool value) override { return visible = value; }
    bool SetFocus(bool) override { return focus; }

    ZafEventType Redisplay(const ZafEventStruct &, ZafEventType code) override { return code; }
    ZafEventType DrawBorder(ZafRegionStruct &, ZafEventType code) override { return code; }
    // The menu handle (null while unregistered).
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }
    void ApplyPosition() override { }
    // The menu is made on event -26.
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
