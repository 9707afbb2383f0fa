#pragma once
// ZafBorder: the support object that gives a window its frame border. It has
// no OS window and draws nothing: the window turns its presence into a frame
// style (a sizing frame for a sizeable window, a thin or dialog frame
// otherwise); the border only reports the frame's width. Its settings are
// fixed. The window owns it. GUI thread only.

#include "framework/core/objects/ZafWindowObject.h"
#include "framework/controls/ZafFixedSettings.h"

class ZafBorder : public ZafWindowObject
{
public:
    ZafBorder();
    ZafBorder(const ZafBorder &copy) : ZafWindowObject(copy) { }
    // A border stores nothing of its own: the entry gives a fresh one.
    ZafBorder(const ZafIChar *, ZafObjectPersistence &) : ZafBorder() { }

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindowObject, ZAF_ID_BORDER, L"ZafBorder")

    // ZAF_EV_REGISTER shares the parent's frame window, ZAF_EV_OS_WINDOW_GONE
    // forgets it; every event answers ZAF_NOT_HANDLED (Windows half).
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafBorder);
    // Stores an empty object file under the string id; reading it back
    // always makes a fresh border.
    void Write(ZafObjectPersistence &persistence) override;

    // The frame width in pixels, refreshed from the system for the border's
    // window (dialog frame, sizing frame or thin border); unchanged without
    // a window parent.
    virtual int Width();
    // Stores max(width, 1) unless the width is fixed (always on Windows).
    virtual int SetWidth(int width);
    virtual bool WidthFixed() const { return true; }

    // Fixed settings.
    ZAF_FIXED_DRAG_AND_PARENT_SETTINGS
    bool SetDisabled(bool) override { return disabled = false; }
    bool SetFocus(bool) override { return focus = false; }
    ZAF_FIXED_HOOK_AND_TEXT_SETTINGS
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    int SetRegionMode(int) override { return regionMode = 1; }
    ZafInt8 SetFont(ZafInt8) override { return -1; }
    ZafInt8 SetTextColor(ZafInt8, ZafInt8) override { return -2; }

    // Nothing to draw or place.
    ZAF_NOTHING_TO_DRAW_OR_PLACE
    void DrawHook() override { }
    void ResolveSystemColors(ZafPaletteStruct &, ZafPaletteType, ZafPaletteState) override { }

private:
    static int width;
};
