// cf_ChartView: axes, ranges, the kernel and engine view, clearing.

#include "chart/view/cf_ChartView.h"

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/engine/cf_ChartEngine.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"

// ---- Grid and tick series ---------------------------------------------------------

cf_3DGridTickSeries *cf_ChartView::GridTickSeries(int slot) const
{
    return engine->GridSeries(slot);
}

void cf_ChartView::SetAxisScaleSource(int slot, int source)
{
    cf_3DGridTickSeries *series = GridTickSeries(slot);
    series->Show();
    series->SetScaleSource(source);
    current = 0;
}

void cf_ChartView::SetAxisTicks(int slot, double interval, int majorStep, double lengthPercent, int flags)
{
    cf_3DGridTickSeries *series = GridTickSeries(slot);
    series->Show();
    series->SetTickInterval(interval);
    series->SetMajorTickStep(majorStep);
    series->SetTickLength(lengthPercent);
    series->SetTicksHidden(flags & 1);
    series->SetTicksInward((flags >> 1) & 1);
    current = 0;
}

void cf_ChartView::SetAxisTickMarks(int slot, int count, int majorStep, double lengthPercent, int flags)
{
    cf_3DGridTickSeries *series = GridTickSeries(slot);
    series->Show();
    series->SetTickCount(count);
    series->SetMajorTickStep(majorStep);
    series->SetTickLength(lengthPercent);
    series->SetTicksHidden(flags & 1);
    series->SetTicksInward((flags >> 1) & 1);
    current = 0;
}

void cf_ChartView::SetAxisTickStep(int slot, int gridStep, int flags)
{
    cf_3DGridTickSeries *series = GridTickSeries(slot);
    series->Show();
    series->SetGridStep(gridStep);
    if (flags & 1)
        series->SetTicksHidden(1);
    current = 0;
}

void cf_ChartView::SetAxisLabelStep(int slot, int labelStep, int flags)
{
    cf_3DGridTickSeries *series = GridTickSeries(slot);
    series->Show();
    series->SetLabelStep(labelStep);
    if (flags & 1)
        series->SetTicksHidden(1);
    if (flags & 4)
        model->TextItem(series->FaceNumber())->TextAttribs().SetSideB();
    current = 0;
}

void cf_ChartView::SetAxisGrid(int slot, int source, double interval, int labelStep, int gridStep, int majorStep,
                               double lengthPercent, int flags)
{
    cf_3DGridTickSeries *series = GridTickSeries(slot);
    series->Show();
    series->SetScaleSource(source);
    series->SetTickInterval(interval);
    series->SetLabelStep(labelStep);
    series->SetGridStep(gridStep);
    series->SetMajorTickStep(majorStep);
    series->SetTickLength(lengthPercent);
    series->SetTicksHidden(flags & 1);
    series->SetTicksInward((flags >> 1) & 1);
    current = 0;
}

void cf_ChartView::ShowAxisTicks(int slot, bool show)
{
    GridTickSeries(slot)->SetShown(show ? 1 : 0);
    current = 0;
}

// ---- Ranges -------------------------------------------------------------------------

double cf_ChartView::XMinimum() const { return model->XMin(); }
double cf_ChartView::XMaximum() const { return model->XMax(); }
double cf_ChartView::RangeMinimum() const { return model->YMin(); }
double cf_ChartView::RangeMaximum() const { return model->YMax(); }
unsigned char cf_ChartView::AutoZero() const { return model->ZeroBase(); }
double cf_ChartView::ZeroRatio() const { return model->ZeroRatio(); }

bool cf_ChartView::SetXRange(double minimum, double maximum)
{
    model->SetXFixedMin(minimum);
    model->SetXFixedMax(maximum);
    return model->XMin() >= minimum || model->XMax() <= maximum;
}

bool cf_ChartView::OneSided() const
{
    return model->YMin() > 0 || model->YMax() < 0;
}

bool cf_ChartView::SetZeroRatio(double ratio)
{
    bool oneSided = OneSided();
    model->SetZeroRatio(ratio);
    return oneSided;
}

bool cf_ChartView::SetAutoZero(unsigned char flag)
{
    bool oneSided = OneSided();
    model->SetZeroBase(flag);
    return oneSided;
}

bool cf_ChartView::SetRange(double minimum, double maximum)
{
    SetZeroRatio(0);
    model->SetYFixedMin(minimum);
    model->SetYFixedMax(maximum);
    return model->YMin() >= minimum || model->YMax() <= maximum;
}

// ---- Kernel and engine view ------------------------------------------------------------

bool cf_ChartView::SetMargins(double top, double bottom, double left, double right)
{
    SetTopMargin(top);
    SetBottomMargin(bottom);
    SetLeftMargin(left);
    SetRightMargin(right);
    return true;
}

bool cf_ChartView::SetTopMargin(double percent)
{
    engine->Kernel()->SetTopMargin(percent);
    return true;
}

bool cf_ChartView::SetBottomMargin(double percent)
{
    engine->Kernel()->SetBottomMargin(percent);
    return true;
}

bool cf_ChartView::SetLeftMargin(double percent)
{
    engine->Kernel()->SetLeftMargin(percent);
    return true;
}

bool cf_ChartView::SetRightMargin(double percent)
{
    engine->Kernel()->SetRightMargin(percent);
    return true;
}

double cf_ChartView::TopMargin() const { return engine->Kernel()->TopMargin(); }
double cf_ChartView::BottomMargin() const { return engine->Kernel()->BottomMargin(); }
double cf_ChartView::LeftMargin() const { return engine->Kernel()->LeftMargin(); }
double cf_ChartView::RightMargin() const { return engine->Kernel()->RightMargin(); }

bool cf_ChartView::SetPlotSize(double widthPercent, double heightPercent)
{
    double vertical = (100 - heightPercent) * 0.5;
    double horizontal = (100 - widthPercent) * 0.5;
    return SetMargins(vertical, vertical, horizontal, horizontal);
}

void cf_ChartView::SetKernelFlag(unsigned char flag) { engine->Kernel()->SetIndependentScale(flag); }
unsigned char cf_ChartView::KernelFlag() const { return engine->Kernel()->IndependentScale(); }

void cf_ChartView::SetBoxProportions(double yPercent, double zPercent, bool keepCurrent)
{
    engine->SetBoxProportions(yPercent, zPercent);
    if (!keepCurrent)
        current = 0;
}

double cf_ChartView::BoxProportionY() const { return engine->BoxProportionY(); }
double cf_ChartView::BoxProportionZ() const { return engine->BoxProportionZ(); }

void cf_ChartView::SetPerspective(double value)
{
    engine->SetPerspective(value);
    current = 0;
}

void cf_ChartView::SetPerspectiveFull() { SetPerspective(100); }
void cf_ChartView::SetPerspectiveHalf() { SetPerspective(50); }
void cf_ChartView::SetPerspectiveNone() { SetPerspective(0); }
double cf_ChartView::Elevation() const { return engine->Kernel()->Elevation(); }
double cf_ChartView::Rotation() const { return engine->Kernel()->Rotation(); }

void cf_ChartView::SetFramePlot(unsigned char flag)
{
    engine->SetFramePlot(flag);
    current = 0;
}

unsigned char cf_ChartView::FramePlot() const { return engine->FramePlot(); }

bool cf_ChartView::SetBarWidth(double percent)
{
    bool ok = engine->SetBarWidth(percent);
    engine->BuildFromModel(model);
    current = 0;
    return ok;
}

double cf_ChartView::BarWidth() const { return engine->BarWidth(); }

bool cf_ChartView::SetRotation(double elevation, double rotation)
{
    current = 0;
    return engine->SetRotation(elevation, rotation);
}

bool cf_ChartView::SetViewMode(int mode)
{
    current = 0;
    return engine->SetViewMode(mode);
}

void cf_ChartView::SetWallBitmapShown(unsigned char flag)
{
    engine->SetWallBitmapShown(flag);
    current = 0;
}

unsigned char cf_ChartView::WallBitmapShown() const { return engine->WallBitmapShown(); }

void cf_ChartView::SetAxisColor(bf_Color color)
{
    engine->SetAxisColor(color);
    current = 0;
}

// ---- Clearing -----------------------------------------------------------------------

int cf_ChartView::Cleared(int flag)
{
    current = 0;
    if (flag != 1)
        return flag - 1;
    model->Notify(false, false, false, false, false);
    return 0;
}

int cf_ChartView::ClearAll(int flag)
{
    model->Reset();
    model->ClearAxisTitles();
    model->ClearLegend();
    model->ClearTitles();
    return Cleared(flag);
}

int cf_ChartView::ClearGroups(int flag)
{
    model->Reset();
    return Cleared(flag);
}

int cf_ChartView::ClearTitles(int flag)
{
    model->ClearTitles();
    return Cleared(flag);
}

int cf_ChartView::ClearLegend(int flag)
{
    model->ClearLegend();
    return Cleared(flag);
}

int cf_ChartView::ClearAxisTitles(int flag)
{
    model->ClearAxisTitles();
    return Cleared(flag);
}
