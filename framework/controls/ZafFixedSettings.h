#pragma once
// ZafFixedSettings: the settings that the framework's support objects (the
// border, title, frame buttons, menus, menu entries and geometry manager)
// and top-level windows keep fixed whatever they are given. Each macro goes
// in the public part of the class body of a ZafWindowObject descendant and
// overrides the functions it names; each such setter ignores its argument
// and answers the fixed value.

// No drag and drop, no border of its own, nothing taken from the parent.
#define ZAF_FIXED_DRAG_AND_PARENT_SETTINGS                                             \
    bool SetDropTarget(bool) override { return dropTarget = false; }                   \
    bool SetBorder(bool) override { return border = false; }                           \
    bool SetDragCtrl(bool) override { return dragCtrl = false; }                       \
    bool SetDragCtrlShift(bool) override { return dragCtrlShift = false; }             \
    bool SetDragShift(bool) override { return dragShift = false; }                     \
    bool SetBorderByParent(bool) override { return borderByParent = false; }           \
    bool SetFocusByParent(bool) override { return focusByParent = false; }             \
    bool SetPaletteFromParent(bool) override { return paletteFromParent = false; }

// Never selected, no user function, no help topic and no tips.
#define ZAF_FIXED_HOOK_AND_TEXT_SETTINGS                                               \
    bool SetSelected(bool) override { return selected = false; }                       \
    ZafUserFunction SetUserFunction(ZafUserFunction) override { return userFunction = nullptr; } \
    const ZafIChar *SetHelpTopic(const ZafIChar *) override { return nullptr; }        \
    const ZafIChar *SetTipText(const ZafIChar *) override { return nullptr; }          \
    const ZafIChar *SetTipText2(const ZafIChar *) override { return nullptr; }

// A button that is part of its window's frame: no hot key, no text sent
// with its command (answers none).
#define ZAF_FIXED_FRAME_BUTTON_TEXT_SETTINGS                                           \
    ZafIChar SetHotKey(ZafIChar, int) override { hotKeyIndex = -1; return hotKeyChar = 0; } \
    const ZafIChar *SetMessageText(const ZafIChar *) override { delete[] messageText; return messageText = nullptr; }

// Shown by the OS as part of its window's frame: nothing of its own to
// draw, place or register.
#define ZAF_NOTHING_TO_DRAW_OR_PLACE                                                   \
    ZafEventType Redisplay(const ZafEventStruct &, ZafEventType code) override { return code; } \
    void OSRegisterObject() override { }                                               \
    void ApplyPosition() override { }                                                  \
    ZafEventType ApplyOSFont() override { return 0; }

// A menu (pop-up or pull-down): no drag and drop, always bordered, never
// disabled or focus-blocked, its own palettes, hot keys without Alt. It is
// no window on screen: visibility only keeps the flag and the focus cannot
// be set.
#define ZAF_FIXED_MENU_SETTINGS                                                        \
    bool SetDropTarget(bool) override { return dropTarget = false; }                   \
    bool SetBorder(bool) override { return border = true; }                            \
    bool SetDisabled(bool) override { return disabled = false; }                       \
    bool SetFocusBlocked(bool) override { return focusBlocked = false; }               \
    bool SetPaletteFromParent(bool) override { return paletteFromParent = false; }     \
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = true; }            \
    bool SetVisible(bool value) override { return visible = value; }                   \
    bool SetFocus(bool) override { return focus; }

// A menu draws nothing and is placed by the OS; its OS handle is the menu
// handle (null while unregistered).
#define ZAF_MENU_DRAWN_BY_OS                                                           \
    ZafEventType Redisplay(const ZafEventStruct &, ZafEventType code) override { return code; } \
    ZafEventType DrawBorder(ZafRegionStruct &, ZafEventType code) override { return code; } \
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }                  \
    void ApplyPosition() override { }

// A top-level window (dialog or MDI window): no border object of its own,
// never disabled, focus-blocked or temporary, its own palettes, placed by
// its own region.
#define ZAF_FIXED_TOP_WINDOW_SETTINGS                                                  \
    bool SetBorder(bool) override { return border = false; }                           \
    bool SetDisabled(bool) override { return disabled = false; }                       \
    bool SetFocusBlocked(bool) override { return focusBlocked = false; }               \
    bool SetPaletteFromParent(bool) override { return paletteFromParent = false; }     \
    int SetRegionMode(int) override { return regionMode = 0; }                         \
    bool SetTemporary(bool) override { return temporary = false; }
