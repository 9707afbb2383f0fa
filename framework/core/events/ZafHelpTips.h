#pragma once
// ZafHelpTips: the device (type 71) that shows tool tips. When the pointer
// rests on a window object that has a tip text, a small top-most pop-up of
// the class "ZafHelpTips" shows that text near the pointer (style 0); the
// object's second tip text can at the same time go into the window
// manager's status object (style 1), or both (style 2). The event manager
// owns the device while it is added. The pop-up window (Windows half) holds
// the address of the device's tip palette, so the device outlives it.
// GUI thread only.

#include "framework/core/events/ZafDevice.h"
#include "framework/core/data/ZafPaletteStruct.h"

class ZafWindowObject;

class ZafHelpTips : public ZafDevice
{
public:
    static constexpr int SHOW_DELAY = 500;      // milliseconds
    static constexpr int RESHOW_DELAY = 500;

    explicit ZafHelpTips(ZafDeviceState state = ZAF_DEVICE_ON, int style = 0);
    ~ZafHelpTips() override;

    ZAF_CLASS_IDENTITY(ZafDevice, ZAF_ID_HELP_TIPS, L"ZafHelpTips")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    void Poll() override;                                            // Windows half

    // The object the tips follow (ZAF_TIPS_FOLLOW_OBJECT): the window manager's
    // tip object.
    virtual void FollowObject(ZafWindowObject *object);
    // 0 pop-up only, 1 status line only, 2 both.
    int Style() const { return style; }
    int SetStyle(int value) { return style = value; }

    // The status text of the tip object (styles 1 and 2), the old status
    // text saved the first time.
    virtual void ShowStatusText();                                   // Windows half
    // Shows the tip object's tip now (styles 0 and 2 make the pop-up).
    virtual void ShowTip();                                          // Windows half
    // Takes the tip away and gives the status object its text back.
    virtual void HideTip();                                          // Windows half

    // Stops the running timer; when start is set, takes the pointer
    // position of a mouse-move event and starts a thread timer of delay
    // milliseconds (only while there is a tip object).
    void SetTimer(bool start, int delay, const ZafEventStruct &event);   // Windows half

    bool WindowShown() const { return windowShown != 0; }
    bool Armed() const { return armed != 0; }
    ZafOSWindow PopUpWindow() const { return popUpWindow; }
    ZafRegionStruct TipRegion() const { return tipRegion; }
    static bool TipsActive() { return tipsActive != 0; }

protected:
    void SaveStatusText(const ZafIChar *text);
    void ForgetStatusText();

    ZafUInt32 timerID = 0;
    ZafUInt8 windowShown = 0;
    ZafUInt8 armed = 0;
    int style;
    int mouseX = 0;
    int mouseY = 0;
    ZafRegionStruct tipRegion;
    ZafIChar *savedStatusText = nullptr;
    bool statusSaved = false;
    ZafOSWindow popUpWindow = nullptr;
    ZafPaletteStruct tipPalette;

    static ZafUInt8 tipsActive;
};
