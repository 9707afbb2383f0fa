// ZafChartControl: construction, the redraw road and framework events.

#include "chart/view/ZafChartControl.h"

#include "chart/backend/bf_Display.h"
#include "chart/engine/cf_ChartEngine.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/view/cf_ChartView.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/display/ZafDisplay.h"

#include <memory>

ZafChartControl::ZafChartControl(int left, int top, int width, int height, int chartType, int dimension, int flag)
    : ZafChartStub(left, top, width, height, chartType, flag)
{
    SetFocusBlocked(true);
    SetSystemDrawn(false);
    // A window of its own: its paint message redraws the chart, and a
    // redisplay it asks for reaches it whatever its parent paints.
    SetOwnOSWindow(true);
    view = new cf_ChartView(chartType, dimension, flag);
}

ZafChartControl::~ZafChartControl()
{
    delete view;
}

ZafInt32 ZafChartControl::SetChartType(ZafInt32)
{
    return 1;
}

ZafEventType ZafChartControl::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    ZafRegionStruct drawRegion = BeginDraw();
    DrawBackground(drawRegion, code);
    {
        bf_Display display(ZafDisplay::Shared(), this);
        display.UseTextExtents(&view->TextExtents());
        view->Prepare(&display);
        view->Draw(&display);
        EndDraw();
    }
    return code;
}

ZafEventType ZafChartControl::Event(const ZafEventStruct &event)
{
    if (event.type != ZAF_EV_SIZED)
        return ZafChartStub::Event(event);
    // The kernel takes the new region directly: the shared display is left
    // alone outside a drawing sequence. The redisplay rebuilds the rest.
    ZafRegionStruct region = OSRegion();
    cf_ChartEngine *engine = view->Engine();
    const cf_2DRect shown(region.left, region.top, region.right, region.bottom);
    const cf_2DRect &before = engine->Kernel()->DisplayRect();
    // Texts may be drawn in another size on another display size: they are
    // measured again.
    if (shown.Width() != before.Width() || shown.Height() != before.Height())
        view->TextExtents().Clear();
    engine->Kernel()->PrepareRect(shown);
    engine->Project();
    engine->Refresh();
    Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return ZAF_EV_SIZED;
}

void ZafChartControl::PrepareIfStale()
{
    if (!view || view->IsCurrent())
        return;
    auto display = std::make_unique<bf_Display>(ZafDisplay::Shared(), this);
    display->UseTextExtents(&view->TextExtents());
    view->Prepare(display.get());
}

void ZafChartControl::RedisplayIfAutomatic()
{
    if (AutomaticUpdate())
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
}
