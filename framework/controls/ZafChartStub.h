#ifndef ZAF_CHARTSTUB_H
#define ZAF_CHARTSTUB_H

#include "framework/core/objects/ZafWindowObject.h"

// ZafChartStub: the framework's side of a chart window object. It gives a
// chart a place in a window (region, palette, storage), keeps a few chart
// settings (two colours, a chart type, a chart option, two flags, three
// texts) and draws a placeholder: the background, a rectangle in the first
// colour and "ZafChart" in the middle. A chart engine's control derives from
// it and replaces the drawing and the event handling.
//
// It draws into its parent's OS window (no OS window of its own) and never
// takes the focus. The three texts are owned copies. GUI thread only.
class ZafChartStub : public ZafWindowObject
{
public:
    // Colours 0, flags true, no texts; then SetChartType(chartType) and
    // SetChartOption(chartOption), which a derived class may override.
    ZafChartStub(int left, int top, int width, int height, ZafInt32 chartType, ZafInt32 chartOption);
    ZafChartStub(const ZafChartStub &copy);
    // Reads the window object and the stub's data stored under "ZafChart";
    // a storage error goes to SetError and leaves the defaults.
    ZafChartStub(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafChartStub() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindowObject, ZAF_ID_CHART_STUB, L"ZafChart")
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafChartStub);

    void Write(ZafObjectPersistence &persistence) override;

    // Pinned: these ignore their argument. The help topic stays empty (null);
    // the drag, drop, selection, disabled and focus flags stay false; the
    // object stays focus-blocked.
    const ZafIChar *SetHelpTopic(const ZafIChar *topic) override;
    bool SetDropTarget(bool value) override;
    bool SetSelectionChanged(bool value) override;
    bool SetDragCtrl(bool value) override;
    bool SetDisabled(bool value) override;
    bool SetFocus(bool value) override;
    bool SetDragCtrlShift(bool value) override;
    bool SetDragShift(bool value) override;
    bool SetFocusBlocked(bool value) override;

    // The placeholder drawing (Windows half); answers code.
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;

    // Settings; each setter stores and answers the value. Colours are
    // indexes of the display's colour table.
    virtual ZafUInt8 SetColors(ZafUInt8 first, ZafUInt8 second);
    virtual ZafInt32 SetChartType(ZafInt32 type);
    virtual ZafInt32 SetChartOption(ZafInt32 option);
    virtual bool SetFirstFlag(bool value);
    virtual bool SetSecondFlag(bool value);
    // Each stores a copy of text (null clears) and answers the stored copy.
    // Giving a text its own current pointer keeps it.
    virtual const ZafIChar *SetText1(const ZafIChar *text);
    virtual const ZafIChar *SetText2(const ZafIChar *text);
    virtual const ZafIChar *SetText3(const ZafIChar *text);

    // The first colour; the second through the optional out-argument.
    ZafUInt8 Colors(ZafUInt8 *second = nullptr) const;
    ZafInt32 ChartType() const { return chartType; }
    ZafInt32 ChartOption() const { return chartOption; }
    bool FirstFlag() const { return firstFlag; }
    bool SecondFlag() const { return secondFlag; }
    const ZafIChar *Text1() const { return text1; }
    const ZafIChar *Text2() const { return text2; }
    const ZafIChar *Text3() const { return text3; }

private:

    ZafUInt8 firstColor = 0;
    ZafUInt8 secondColor = 0;
    ZafInt32 chartType = 0;
    ZafInt32 chartOption = 0;
    bool firstFlag = true;
    bool secondFlag = true;
    ZafIChar *text1 = nullptr;
    ZafIChar *text2 = nullptr;
    ZafIChar *text3 = nullptr;
};

#endif
