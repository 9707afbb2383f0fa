#pragma once
// ZafScrollBar: the framework's scroll bar and slider. The scroll type picks
// the use: 0 the corner piece between a window's two scroll bars, 1 and 2 a
// horizontal and a vertical scroll bar, 3 and 4 a horizontal and a vertical
// slider (a track bar). A scroll bar of type 0 to 2 made by the first
// constructors is a support object of its window: it has no OS window of its
// own, stands for the window's own scroll bars and reports scrolling to the
// window (ZAF_EV_VERTICAL_SCROLLED, ZAF_EV_HORIZONTAL_SCROLLED for the others,
// the change in scroll.delta). A free-standing bar or a slider is an OS control
// of its own and reports to its user function (code ZAF_L_SELECT) instead.
//
// The range and position live in a ZafScrollData that the bar observes; it
// is owned by the bar when destroyable and nobody else observes it. The OS
// control works in 16-bit positions: a range wider than 65535 units is
// scaled by scaleFactor. GUI thread only.
//
// The portable half is here and in ZafScrollBar.cpp; the OS control lives in
// framework/windows/ZafScrollBarOS.cpp.

#include "framework/controls/ZafFramelessWindow.h"

#include <memory>

class ZafScrollData;

class ZafScrollBar : public ZafFramelessWindow
{
public:
    enum ScrollType : int {
        CORNER = 0, HORIZONTAL_BAR = 1, VERTICAL_BAR = 2, HORIZONTAL_SLIDER = 3, VERTICAL_SLIDER = 4
    };

    explicit ZafScrollBar(int scrollType);
    ZafScrollBar(int left, int top, int width, int height, int minimum, int maximum, int current,
        int lineStep, int pageSize, int scrollType);
    // Over the given data (a new empty one when null).
    ZafScrollBar(int left, int top, int width, int height, ZafScrollData *scrollData, int scrollType);
    // A destroyable data object is copied, another one shared.
    ZafScrollBar(const ZafScrollBar &copy);
    ZafScrollBar(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafScrollBar() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_SCROLL_BAR, L"ZafScrollBar")

    ZafEventType Event(const ZafEventStruct &event) override;        // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;      // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafScrollBar);
    void Write(ZafObjectPersistence &persistence) override;
    // The scroll data is stored beside the record.
    void WriteSupportObjects(ZafObjectPersistence &persistence) override;

    bool SetFocus(bool value) override { return ZafWindowObject::SetFocus(value); }
    bool SetVisible(bool value) override { return ZafWindowObject::SetVisible(value); }
    ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained) override
    {
        return ZafWindowObject::NotifyFocus(object, gained);
    }
    ZafEventType DropHook(const ZafEventStruct &event) override { return event.type; }
    // The OS draws the control.
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType) override { return event.type; }
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override
    {
        ZafWindowObject::ResolveSystemColors(palette, type, state);
    }
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }
    void ApplyPosition() override { ZafWindowObject::ApplyPosition(); }
    void OSRegisterObject() override;                                 // Windows half
    bool SetUseParentFrameHandle(bool value) override;

    // Refused features: each clears its flag and answers false (null, 0).
    bool SetDropTarget(bool) override { return dropTarget = false; }
    bool SetBorder(bool) override { return border = false; }
    bool SetPaletteFromParent(bool) override { return paletteFromParent = false; }
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = false; }
    int SetSelectionType(int) override { return selectionType = 0; }
    bool SetTemporary(bool) override { return temporary = false; }

    // Before registration only.
    virtual bool SetAutoSize(bool value) { return SetBeforeRegistration(autoSize, value); }
    // Replaces the data (null: a new empty one), observes it and shows it.
    virtual ZafScrollData *SetScrollData(ZafScrollData *data);
    // Before registration and on a change only; a slider type also makes
    // the object free-standing. Answers the type in force.
    virtual int SetScrollType(int type);
    // Reads the OS position into the data's current value.
    virtual ZafEventType ReadOSPosition();                              // Windows half
    // Shows the data in the OS control (or the parent's scroll bar).
    virtual ZafEventType UpdateOSScroll();                             // Windows half
    // The end of an edit control's selection in the OS window; 0.
    int SelectionEnd() const;                                           // Windows half

    int ScrollType() const { return scrollType; }
    bool AutoSize() const { return autoSize; }
    ZafScrollData *ScrollData() const { return scrollData; }
    int ScaleFactor() const { return scaleFactor; }

    // The data units per OS position for a range (at least 1).
    static int ScaleFor(int minimum, int maximum);
    // The value one of the OS scroll codes (SB_LINEUP 0 .. SB_BOTTOM 7; p
    // the thumb position of 4 and 5) asks for, clamped into the range, and
    // the framework event code of the step (0 for any other code).
    struct Step
    {
        int value;
        ZafLogicalEvent code;
    };
    Step ScrollStep(int osCode, int thumbPosition) const;
    // The value an OS position stands for (the inverse of the position the
    // data shows at).
    int ValueAtPosition(int osPosition) const;

    // The data's notification: 2 shows the data, 1 reads the OS position.
    static ZafError Notification(ZafElement *observer, ZafUpdateCode code);

protected:
    bool IsSlider() const { return scrollType == HORIZONTAL_SLIDER || scrollType == VERTICAL_SLIDER; }
    // Sets the current value without telling anybody, clamped.
    void StoreCurrent(int value);
    // A user's step: stores the new value, shows it and reports the change.
    void ApplyStep(const Step &step);

    int scrollType = -1;
    ZafScrollData *scrollData = nullptr;
    bool autoSize = true;
    int scaleFactor = 1;

    void WriteRecordExtension(ZafFile &file) override;

private:
    struct Stored
    {
        bool autoSize = true;
        int scrollType = -1;
        ZafScrollData *data = nullptr;
    };
    ZafScrollBar(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<Stored> stored);
    void Finish();
    void ReleaseData(ZafScrollData *data);
};
