#pragma once
// ZafToolBar: a strip docked to one side of its window (top, left, bottom or
// right) that lays its child controls out in rows (or columns), wrapping
// them when the strip is too short, and draws a two-pixel edge on the side
// facing the window's client area. It is a support object of its window with
// an OS child window of its own; the window owns it, it owns its children.
// Dock type and wrap are fixed once the OS window exists. GUI thread only.
//
// The portable half (here) holds the layout, storage and settings; the
// Windows half (framework/windows/ZafToolBarOS.cpp) moving the children's OS
// windows and drawing. The OS window and its messages are ZafBar's.

#include "framework/controls/ZafBar.h"

class ZafToolBar : public ZafBar
{
public:
    // Dock sides.
    static constexpr int DOCK_TOP = 0;
    static constexpr int DOCK_LEFT = 1;
    static constexpr int DOCK_BOTTOM = 2;
    static constexpr int DOCK_RIGHT = 3;

    // Docked at the top, wrapping, bordered, never moved, sized or focused.
    ZafToolBar(int left, int top, int width, int height);
    ZafToolBar(const ZafToolBar &copy);
    // Persistent constructor: the window's record, then wrap and dock type
    // (the last four bytes of the record).
    ZafToolBar(const ZafIChar *name, ZafObjectPersistence &persistence);

    static constexpr const ZafIChar *className = L"ZafToolBar";
    ZAF_CLASS_IDENTITY(ZafWindow, ZAF_ID_TOOL_BAR, className)

    // ZAF_EV_COMPUTE_REGION lays the children out and docks the bar;
    // ZAF_EV_SIZED moves their OS windows and repaints the edge;
    // ZAF_L_PREVIOUS and ZAF_L_NEXT answer ZAF_NOT_HANDLED.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The bar's whole area, from (0, 0), in pixels.
    ZafRegionStruct ClientRegion(ZafWindowObject *object) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafToolBar);

    // 0 top, 1 left, 2 bottom, 3 right; ignored once the OS window exists.
    int SetDockType(int value) { return SetBeforeRegistration(dockType, value); }
    // Ignored once the OS window exists.
    bool SetWrap(bool value) { return SetBeforeRegistration(wrap, value); }
    int DockType() const { return dockType; }
    bool Wrap() const { return wrap; }
    // Acts only while the bar has no parent.
    bool SetUseParentFrameHandle(bool value) override;

    // The 2-pixel edge leaves the height while converting to cells.
    void ConvertRegion(ZafRegionStruct &convert, ZafCoordinateType type) const override;
    // Drawing (Windows half): edge, then background; no focus rectangle.
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;
    ZafEventType DrawBorder(ZafRegionStruct &drawRegion, ZafEventType code) override;
    ZafEventType DrawFocus(ZafRegionStruct &, ZafEventType code) override { return code; }
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;

    static const ZafPaletteMap defaultPaletteMap[];

protected:
    void WriteSupportObjects(ZafObjectPersistence &persistence) override;

private:
    void LayOut(int oldWidth, int oldHeight);
    // Places the children in lines along the bar (rows, else columns), each
    // line as thick as the thickest child, a new line wherever the next
    // child would pass the far edge; answers the bar's height (width).
    int WrapLines(int barLength, bool rows);
    ZafEventType ApplyLayout(const ZafEventStruct &event);             // Windows half

    int dockType = DOCK_TOP;
    bool wrap = true;
};
