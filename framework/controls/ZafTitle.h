#pragma once
// ZafTitle: the title bar of a window, a support object that holds the window's
// title text (ZafWindow::Text and SetText read and write it). On Windows it has
// no OS window and draws nothing: the window's frame gets a caption, and the
// title keeps the frame's caption text equal to its own text, at registration
// and whenever the text changes. Its settings are fixed; as a value it accepts
// only the window commands ZAF_EV_MAXIMIZE, ZAF_EV_RESTORE and their MDI forms
// (ZAF_EV_MDI_MAXIMIZE, ZAF_EV_MDI_RESTORE). The window owns it. GUI thread
// only.

#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafFixedSettings.h"

class ZafTitle : public ZafButton
{
public:
    explicit ZafTitle(const ZafIChar *text);
    explicit ZafTitle(ZafStringData *text);
    ZafTitle(const ZafTitle &copy);
    ZafTitle(const ZafIChar *name, ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY_MEMBERS(ZafButton, ZAF_ID_TITLE, L"ZafTitle")

    // ZAF_EV_REGISTER shares the frame window and sets its caption,
    // ZAF_EV_OS_WINDOW_GONE forgets it; every event answers ZAF_NOT_HANDLED
    // (Windows half).
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafTitle);
    void Write(ZafObjectPersistence &persistence) override;
    // WM_SETTEXT of the frame with the title's text (Windows half).
    ZafEventType UpdateOSListItem() override;

    // Fixed settings.
    ZAF_FIXED_DRAG_AND_PARENT_SETTINGS
    bool SetAllowDefault(bool) override { return allowDefault = false; }
    bool SetToggle(bool) override { return toggle = false; }
    bool SetAutoRepeat(bool) override { return autoRepeat = false; }
    bool SetDisabled(bool) override { return disabled = false; }
    bool SetFocus(bool) override { return focus = false; }
    ZAF_FIXED_HOOK_AND_TEXT_SETTINGS
    bool SetPressed(bool) override { return pressed = false; }
    bool SetAutoSize(bool) override { return autoSize = true; }
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    bool SetSelectOnDoubleClick(bool) override { return selectOnDoubleClick = true; }
    bool SetSelectOnPress(bool) override { return selectOnPress = true; }
    bool SetSendMessage(bool) override { return SwitchSendMessage(true); }
    int SetButtonType(int) override { return buttonType = ZAF_FLAT_BUTTON; }
    int SetDepth(int) override { return depth = 0; }
    int SetHorizontalPlacement(int) override { return horizontalPlacement = ZAF_PLACE_CENTER; }
    int SetVerticalPlacement(int) override { return verticalPlacement = ZAF_PLACE_CENTER; }
    int SetRegionMode(int) override { return regionMode = 2; }
    ZAF_FIXED_FRAME_BUTTON_TEXT_SETTINGS
    // Removes any bitmap; answers 1.
    ZafError SetBitmap(ZafBitmapData *bitmap) override;
    // Accepts those four commands only; answers the value in force.
    ZafInt32 SetValue(ZafInt32 newValue) override;

    // Nothing to draw or place on Windows.
    ZAF_NOTHING_TO_DRAW_OR_PLACE

    static const ZafPaletteMap defaultPaletteMap[];
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;

private:
    void ApplySettings();
};
