#pragma once
// The button-shaped frame objects of a window: ZafMaximizeButton,
// ZafMinimizeButton and ZafSystemButton. They are support objects of their
// window without OS windows of their own: on Windows the window shows them
// as frame styles (WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_SYSMENU) and the OS
// draws them. Where the framework handles them itself a selection queues the
// window command named by their value. The system button holds a pop-up menu
// that can replace the items of the window's OS system menu. The window owns
// them. GUI thread only.

#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafMenuStorage.h"
#include "framework/controls/ZafPopUpMenu.h"
#include "framework/controls/ZafFixedSettings.h"

// What the three frame buttons share: the pinned settings, no drawing and
// no OS window; registration remembers the window's frame.
class ZafFrameButton : public ZafButton
{
public:
    ZafFrameButton(ZafNumberID id, const ZafIChar *stringID, bool blocked, bool sends, ZafInt32 value);
    // The button's stored record, read on the class's level.
    ZafFrameButton(const ZafIChar *name, ZafObjectPersistence &persistence, const RecordExtensionReader &reader);
    ZafFrameButton(const ZafFrameButton &copy);

    ZAF_FIXED_DRAG_AND_PARENT_SETTINGS
    bool SetDisabled(bool) override { return disabled = false; }
    ZAF_FIXED_HOOK_AND_TEXT_SETTINGS
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    int SetRegionMode(int) override { return regionMode = 2; }
    bool SetVisible(bool value) override { return visible = value; }
    bool SetAllowDefault(bool) override { return allowDefault = false; }
    bool SetToggle(bool) override { return toggle = false; }
    bool SetAutoRepeat(bool) override { return autoRepeat = false; }
    bool SetSelectOnDoubleClick(bool) override { return selectOnDoubleClick = false; }
    bool SetSelectOnPress(bool) override { return selectOnPress = false; }
    bool SetAutoSize(bool) override { return autoSize = true; }
    int SetButtonType(int) override { return buttonType = 3; }
    int SetDepth(int) override { return depth = 1; }
    int SetHorizontalPlacement(int) override { return horizontalPlacement = 2; }
    int SetVerticalPlacement(int) override { return verticalPlacement = 2; }
    ZAF_FIXED_FRAME_BUTTON_TEXT_SETTINGS
    // The maximize and minimize buttons always queue their command; the
    // system button overrides this and never does.
    bool SetSendMessage(bool) override { return SwitchSendMessage(true); }

    ZAF_NOTHING_TO_DRAW_OR_PLACE
    // ZAF_EV_REGISTER remembers the window's frame, ZAF_EV_OS_WINDOW_GONE
    // forgets it; everything else is left to the window (ZAF_NOT_HANDLED).
    ZafEventType Event(const ZafEventStruct &event) override;        // Windows half

protected:
    ~ZafFrameButton() override;
    void WriteEmpty(ZafObjectPersistence &persistence);
    // The maximize and minimize buttons' values: stores command when it is
    // size, mdiSize or a restore (plain or MDI); answers the value in force.
    ZafInt32 SetSizeCommand(ZafInt32 command, ZafInt32 size, ZafInt32 mdiSize);
};

class ZafMaximizeButton : public ZafFrameButton
{
public:
    ZafMaximizeButton();
    ZafMaximizeButton(const ZafMaximizeButton &copy) = default;
    // Nothing of its own is stored: the entry gives a fresh button.
    ZafMaximizeButton(const ZafIChar *, ZafObjectPersistence &) : ZafMaximizeButton() { }
    ~ZafMaximizeButton() override = default;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_MAXIMIZE_BUTTON, L"ZafMaximizeButton")
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafMaximizeButton);
    void Write(ZafObjectPersistence &persistence) override { WriteEmpty(persistence); }

    bool SetFocus(bool) override { return focus = false; }
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    // Only the commands of its kind: maximize, restore and their MDI forms.
    ZafInt32 SetValue(ZafInt32 value) override;
};

class ZafMinimizeButton : public ZafFrameButton
{
public:
    ZafMinimizeButton();
    ZafMinimizeButton(const ZafMinimizeButton &copy) = default;
    ZafMinimizeButton(const ZafIChar *, ZafObjectPersistence &) : ZafMinimizeButton() { }
    ~ZafMinimizeButton() override = default;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_MINIMIZE_BUTTON, L"ZafMinimizeButton")
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafMinimizeButton);
    void Write(ZafObjectPersistence &persistence) override { WriteEmpty(persistence); }

    bool SetFocus(bool) override { return focus = false; }
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    // Only the commands of its kind: minimize, restore and their MDI forms.
    ZafInt32 SetValue(ZafInt32 value) override;
};

class ZafSystemButton : public ZafFrameButton
{
public:
    // Menu type 0 keeps the OS's own system menu; any other lets the
    // button's menu items replace it while the window is on screen.
    explicit ZafSystemButton(int menuType = 0);
    ZafSystemButton(const ZafSystemButton &copy);
    ZafSystemButton(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafSystemButton() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_SYSTEM_BUTTON, L"ZafSystemButton")
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafSystemButton);
    void Write(ZafObjectPersistence &persistence) override;
    ZafEventType Event(const ZafEventStruct &event) override;        // Windows half
    ZafWindowObject *GetObjectByNumberID(ZafNumberID id) override;
    ZafWindowObject *GetObjectByStringID(const ZafIChar *id) override;
    using ZafWindowObject::GetObjectByStringID;

    bool SetFocusBlocked(bool) override { return focusBlocked = false; }
    bool SetSendMessage(bool) override { return SwitchSendMessage(false); }
    ZafInt32 SetValue(ZafInt32) override { return value = 0; }

    // Before registration only; answers the type in force.
    virtual int SetSystemMenuType(int value) { return SetBeforeRegistration(systemMenuType, value); }
    virtual ZafWindowObject *AddMenuItem(ZafWindowObject *item, ZafWindowObject *position = nullptr);
    virtual void DestroyMenuItems() { systemMenu.DestroyChildren(); }
    virtual void SortMenuItems() { systemMenu.Sort(); }
    virtual ZafWindowObject *SubtractMenuItem(ZafWindowObject *item) { return systemMenu.Subtract(item); }

    int SystemMenuType() const { return systemMenuType; }
    ZafPopUpMenu &SystemMenu() { return systemMenu; }

protected:
    ZafSystemButton(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<ZafStoredMenu> stored);
    // The 16-bit menu type and, for a type other than 0, the menu.
    void WriteRecordExtension(ZafFile &file, ZafObjectPersistence &persistence) override;
    void SetUp();

    ZafPopUpMenu systemMenu;
    int systemMenuType = -1;
};
