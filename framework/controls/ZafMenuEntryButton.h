#pragma once
// ZafMenuEntryButton: what the two kinds of menu entry (ZafPopUpItem in a
// pop-up menu, ZafPullDownItem in a menu bar) share as buttons: they have no
// OS window of their own, draw nothing (the OS menu shows them) and keep the
// button settings an OS menu entry cannot honour pinned. Each entry owns a
// pop-up menu: the sub-menu of a pop-up entry, the drop-down menu of a bar
// entry. GUI thread only.

#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafFixedSettings.h"
#include "framework/controls/ZafPopUpMenu.h"

class ZafMenuEntryButton : public ZafButton
{
public:
    using ZafButton::ZafButton;
    // The copy has a copy of the menu.
    ZafMenuEntryButton(const ZafMenuEntryButton &copy) : ZafButton(copy), subMenu(copy.subMenu) { }

    ZafPopUpMenu &SubMenu() { return subMenu; }
    const ZafPopUpMenu &SubMenu() const { return subMenu; }
    virtual void DestroyChildren() { subMenu.DestroyChildren(); }
    virtual void Destroy() { subMenu.Destroy(); }

    // The entry when its number (string id) is id, else the menu's object
    // of that id.
    ZafWindowObject *GetObjectByNumberID(ZafNumberID id) override;
    ZafWindowObject *GetObjectByStringID(const ZafIChar *id) override;
    using ZafWindowObject::GetObjectByStringID;
    // The string-id lookup with a local 8-bit text (null finds nothing named).
    virtual ZafWindowObject *GetObjectByText(const char *text);
    // The open menu's focus object, the menu itself while nothing in it is
    // current, the entry when it is current, else null.
    ZafWindowObject *FocusObject() const override;
    // Add to / remove from the menu and answer the object. An entry on
    // screen whose form changes (plain to drop-down or back) is unregistered
    // first and rebuilt after, so it keeps its position in its OS menu.
    virtual ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr);
    virtual ZafWindowObject *Subtract(ZafWindowObject *object);

    // Pinned settings of an entry.
    ZAF_FIXED_DRAG_AND_PARENT_SETTINGS
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = false; }
    int SetRegionMode(int) override { return regionMode = 0; }
    bool SetVisible(bool value) override { return visible = value; }
    bool SetFocus(bool) override { return focus; }
    bool SetAllowDefault(bool) override { return allowDefault = false; }
    bool SetAutoRepeat(bool) override { return autoRepeat = false; }
    bool SetAutoSize(bool) override { return autoSize = false; }
    bool SetPressed(bool) override { return pressed = false; }
    bool SetSelectOnDoubleClick(bool) override { return selectOnDoubleClick = false; }
    bool SetSelectOnPress(bool) override { return selectOnPress = false; }
    int SetButtonType(int) override { return buttonType = 4; }
    int SetDepth(int) override { return depth = 0; }
    int SetVerticalPlacement(int) override { return verticalPlacement = 2; }

    // Entries draw nothing: the OS menu shows them.
    ZafEventType Redisplay(const ZafEventStruct &, ZafEventType code) override { return code; }
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }
    void ApplyPosition() override { }

protected:
    ZafPopUpMenu subMenu;
};
