#pragma once
// ZafStatusBar: a strip that stays at the bottom of its window, keeps its
// height when the window is resized, and draws the controls placed in it
// itself (they get no OS windows and take the bar's palettes and border).
// It has an OS child window of its own, a two-pixel edge along its top and a
// size grip at its right end, repainted when the bar's width changes. It is
// a support object of its window; the window owns it, it owns its children.
// GUI thread only.
//
// The portable half (here) holds the settings, the region rule, coordinates
// and storage; the Windows half (framework/windows/ZafStatusBarOS.cpp) the
// drawing. The OS window and its messages are ZafBar's.

#include "framework/controls/ZafBar.h"

class ZafStatusBar : public ZafBar
{
public:
    // The size grip's square, in pixels, at the bar's right end.
    static constexpr int GRIP_SIZE = 14;

    ZafStatusBar(int left, int top, int width, int height);
    ZafStatusBar(const ZafStatusBar &copy);
    ZafStatusBar(const ZafIChar *name, ZafObjectPersistence &persistence);

    static constexpr const ZafIChar *className = L"ZafStatusBar";
    ZAF_CLASS_IDENTITY(ZafWindow, ZAF_ID_STATUS_BAR, className)

    // ZAF_EV_COMPUTE_REGION keeps the height and hangs the bar from the
    // bottom of its area; ZAF_EV_SIZED also invalidates the grip's strip.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Below the edge: (0, upper spacing [+ 2]) to (width - 1, height - 1).
    ZafRegionStruct ClientRegion(ZafWindowObject *object) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafStatusBar);

    // The object is drawn by the bar, in the bar's window, palettes and
    // border; then added as by ZafWindow.
    ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr) override;

    // Pinned beyond a bar's: the argument is ignored and the fixed value answered.
    bool SetFocus(bool) override { return focus = false; }
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    bool SetUseParentFrameHandle(bool) override { return useParentFrameHandle = true; }
    ZafUserFunction SetUserFunction(ZafUserFunction) override { return userFunction = nullptr; }
    int SetSelectionType(int) override { return selectionType = 0; }

    // The children sit 2 pixels lower in the OS window when bordered.
    void ConvertToOSPosition(ZafWindowObject *object, int &x, int &y) const override;
    void ConvertFromOSPosition(ZafWindowObject *object, int &x, int &y) const override;
    void ConvertRegion(ZafRegionStruct &convert, ZafCoordinateType type) const override;
    // Drawing (Windows half): edge, background, grip, then the children that
    // meet the update region.
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;
    ZafEventType DrawBorder(ZafRegionStruct &drawRegion, ZafEventType code) override;
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;

    static const ZafPaletteMap defaultPaletteMap[];

private:
    static void Adopt(ZafWindowObject *object);
    void InvalidateGrip(const ZafRegionStruct &previous);                    // Windows half
    void DrawGrip(const ZafRegionStruct &area);                              // Windows half
};
