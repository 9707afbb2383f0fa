#pragma once
// ZafBar: what the status bar and the tool bar share. A bar is a bordered
// strip with an OS child window of its own, a support object of its window
// that is never destroyed by the window manager, moved, sized or focused,
// and some of its settings are pinned (the argument is ignored and the fixed
// value answered). It adds no data. GUI thread only.
//
// The portable half (here and ZafBar.cpp) holds the pinned settings; the
// Windows half (framework/windows/ZafBarOS.cpp) the OS window, messages and
// colours.

#include "framework/controls/ZafFramelessWindow.h"

class ZafBar : public ZafFramelessWindow
{
public:
    bool SetDropTarget(bool) override { return dropTarget = false; }
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = false; }
    bool SetTemporary(bool) override { return temporary = false; }
    int SetRegionMode(int) override { return regionMode = 2; }

    // Windows half. A plain child window of the bar's own, shown when
    // visible (null when creation failed), placed as a window object.
    void OSRegisterObject() override;
    ZafOSWindow OSHandle(int kind = 2) const override;
    void ApplyPosition() override;
    // Painting and clicks as a window object (a click also brings the top
    // window to the front), the other messages as a window.
    ZafEventType OSEvent(const ZafEventStruct &event) override;
    // Background colours left to the system become the button face; other
    // palettes resolve as a window's.
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;

protected:
    // Each configures the bar after the window's own construction; the copy
    // keeps the settings of the bar it copies.
    ZafBar(int left, int top, int width, int height);
    ZafBar(const ZafBar &copy) : ZafFramelessWindow(copy) { }
    ZafBar(const ZafIChar *name, ZafObjectPersistence &persistence);

    // Bordered, kept, never moved, sized or focused, in its own OS child
    // window placed by the parent's frame.
    void Configure();
};
