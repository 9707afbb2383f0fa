// ZafChartStub's placeholder drawing on Windows.

#include "framework/controls/ZafChartStub.h"
#include "framework/windows/ZafGdiDisplay.h"

ZafEventType ZafChartStub::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    ZafRegionStruct drawRegion = BeginDraw();
    DrawBackground(drawRegion, code);
    if (ZafGdiDisplay *display = DrawDisplay()) {
        display->SetForeground(ZafInt8(firstColor));
        display->Rectangle(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, -1, false);
        display->Text(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, className, -1, 2, 2);
    }
    EndDraw();
    return code;
}
