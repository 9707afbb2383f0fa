// ZafChartStub: construction, settings and the pinned setters.

#include "framework/controls/ZafChartStub.h"

#include "framework/core/base/ZafConstants.h"

#include <cstring>

ZafChartStub::ZafChartStub(int left, int top, int width, int height, ZafInt32 type, ZafInt32 option)
    : ZafWindowObject(left, top, width, height)
{
    ownOSWindow = false;
    ZafChartStub::SetFocusBlocked(true);
    SetSystemDrawn(false);
    // A derived class is not built yet: these are always the stub's own.
    SetChartType(type);
    SetChartOption(option);
}

ZafChartStub::ZafChartStub(const ZafChartStub &copy) : ZafWindowObject(copy)
{
    ZafChartStub::SetColors(copy.firstColor, copy.secondColor);
    ZafChartStub::SetChartType(copy.chartType);
    ZafChartStub::SetChartOption(copy.chartOption);
    ZafChartStub::SetFirstFlag(copy.firstFlag);
    ZafChartStub::SetSecondFlag(copy.secondFlag);
    ZafChartStub::SetText1(copy.text1);
    ZafChartStub::SetText2(copy.text2);
    ZafChartStub::SetText3(copy.text3);
}

ZafChartStub::~ZafChartStub()
{
    delete[] text1;
    delete[] text2;
    delete[] text3;
}

// ---- Pinned setters ---------------------------------------------------------

const ZafIChar *ZafChartStub::SetHelpTopic(const ZafIChar *)
{
    return ZafWindowObject::SetHelpTopic(nullptr);
}

bool ZafChartStub::SetDropTarget(bool) { return dropTarget = false; }
bool ZafChartStub::SetSelectionChanged(bool) { return selectionChanged = false; }
bool ZafChartStub::SetDragCtrl(bool) { return dragCtrl = false; }
bool ZafChartStub::SetDisabled(bool) { return ZafWindowObject::SetDisabled(false); }
bool ZafChartStub::SetFocus(bool) { return focus = false; }
bool ZafChartStub::SetDragCtrlShift(bool) { return dragCtrlShift = false; }
bool ZafChartStub::SetDragShift(bool) { return dragShift = false; }
bool ZafChartStub::SetFocusBlocked(bool) { return focusBlocked = true; }

// ---- Settings -----------------------------------------------------------------

ZafUInt8 ZafChartStub::SetColors(ZafUInt8 first, ZafUInt8 second)
{
    secondColor = second;
    return firstColor = first;
}

ZafUInt8 ZafChartStub::Colors(ZafUInt8 *second) const
{
    if (second)
        *second = secondColor;
    return firstColor;
}

ZafInt32 ZafChartStub::SetChartType(ZafInt32 type) { return chartType = type; }
ZafInt32 ZafChartStub::SetChartOption(ZafInt32 option) { return chartOption = option; }
bool ZafChartStub::SetFirstFlag(bool value) { return firstFlag = value; }
bool ZafChartStub::SetSecondFlag(bool value) { return secondFlag = value; }

const ZafIChar *ZafChartStub::SetText1(const ZafIChar *text) { return ReplaceText(text1, text); }
const ZafIChar *ZafChartStub::SetText2(const ZafIChar *text) { return ReplaceText(text2, text); }
const ZafIChar *ZafChartStub::SetText3(const ZafIChar *text) { return ReplaceText(text3, text); }
