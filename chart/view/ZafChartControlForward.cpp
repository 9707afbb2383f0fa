// ZafChartControl: the chart operations, forwarded to the view.

#include "chart/view/ZafChartControl.h"

#include "chart/view/cf_ChartView.h"

cf_ChartEngine *ZafChartControl::Engine() const { return view->Engine(); }
cf_ChartModel *ZafChartControl::Model() const { return view->Model(); }

void ZafChartControl::AddGroupValue(int group, double y) { view->AddGroupValue(group, y); }
void ZafChartControl::AddGroupValueXY(int group, double x, double y) { view->AddGroupValueXY(group, x, y); }
void ZafChartControl::AddGroupValueXYZ(int group, double x, double y, double z)
{
    view->AddGroupValueXYZ(group, x, y, z);
}
void ZafChartControl::AddLegendEntry(const wchar_t *text, double x, double y, double z)
{
    view->AddLegendEntry(text, x, y, z);
}
void ZafChartControl::AddAxisTitle(const wchar_t *text, int kind) { view->AddAxisTitle(text, kind); }
void ZafChartControl::AddAxisTitleAt(const wchar_t *text, int kind, double x, double y, double z)
{
    view->AddAxisTitleAt(text, kind, x, y, z);
}
void ZafChartControl::AddTitle(const wchar_t *text, int kind) { view->AddTitle(text, kind); }
void ZafChartControl::AddTitleAt(const wchar_t *text, int kind, double x, double y, double z)
{
    view->AddTitleAt(text, kind, x, y, z);
}
void ZafChartControl::AddAxisLabel(const wchar_t *label, int kind, double value)
{
    view->AddAxisLabel(label, kind, value);
}
void ZafChartControl::AddAxisValue(double labelNumber, int kind, double value)
{
    view->AddAxisValue(labelNumber, kind, value);
}

bool ZafChartControl::SetChartEngineType(int type)
{
    bool done = view->SetChartType(type);
    RedisplayIfAutomatic();
    return done;
}

bool ZafChartControl::SetDimension(int dimension)
{
    bool done = view->SetDimension(dimension);
    RedisplayIfAutomatic();
    return done;
}

void ZafChartControl::SetValueMode(int mode)
{
    view->SetValueMode(mode);
    RedisplayIfAutomatic();
}

int ZafChartControl::ChartType() const { return view->ChartType(); }
int ZafChartControl::Dimension() const { return view->Dimension(); }
int ZafChartControl::ValueMode() const { return view->ValueMode(); }

cf_DispAttribs *ZafChartControl::TextDispAttribs(int n) { return view->TextDispAttribs(n); }
cf_TextAttribs *ZafChartControl::TextAttribs(int n) { return view->TextAttribs(n); }
cf_DispAttribs *ZafChartControl::AxisTitleDispAttribs(int n) { return view->AxisTitleDispAttribs(n); }
cf_TextAttribs *ZafChartControl::AxisTitleTextAttribs(int n) { return view->AxisTitleTextAttribs(n); }
cf_DispAttribs *ZafChartControl::EngineDispAttribs(int n) { return view->EngineDispAttribs(n); }
cf_DispAttribs *ZafChartControl::GroupDispAttribs(int n) { return view->GroupDispAttribs(n); }
cf_TextAttribs *ZafChartControl::DataGroupTextAttribs(int n) { return view->DataGroupTextAttribs(n); }
cf_DispAttribs *ZafChartControl::LegendDispAttribs(int n) { return view->LegendDispAttribs(n); }
cf_TextAttribs *ZafChartControl::LegendTextAttribs(int n) { return view->LegendTextAttribs(n); }
cf_DispAttribs *ZafChartControl::TitleDispAttribs(int n) { return view->TitleDispAttribs(n); }
cf_TextAttribs *ZafChartControl::TitleTextAttribs(int n) { return view->TitleTextAttribs(n); }

cf_3DGridTickSeries *ZafChartControl::GridTickSeries(int slot) { return view->GridTickSeries(slot); }
void ZafChartControl::SetAxisGrid(int slot, int source, double interval, int labelStep, int gridStep,
                                  int majorStep, double lengthPercent, int flags)
{
    view->SetAxisGrid(slot, source, interval, labelStep, gridStep, majorStep, lengthPercent, flags);
}
void ZafChartControl::SetAxisScaleSource(int slot, int source) { view->SetAxisScaleSource(slot, source); }
void ZafChartControl::SetAxisTicks(int slot, double interval, int majorStep, double lengthPercent, int flags)
{
    view->SetAxisTicks(slot, interval, majorStep, lengthPercent, flags);
}
void ZafChartControl::SetAxisTickStep(int slot, int gridStep, int flags) { view->SetAxisTickStep(slot, gridStep, flags); }
void ZafChartControl::SetAxisLabelStep(int slot, int labelStep, int flags)
{
    view->SetAxisLabelStep(slot, labelStep, flags);
}
void ZafChartControl::SetAxisTickMarks(int slot, int count, int majorStep, double lengthPercent, int flags)
{
    view->SetAxisTickMarks(slot, count, majorStep, lengthPercent, flags);
}
void ZafChartControl::ShowAxisTicks(int slot, bool show) { view->ShowAxisTicks(slot, show); }

double ZafChartControl::RangeMinimum() const { return view->RangeMinimum(); }
double ZafChartControl::RangeMaximum() const { return view->RangeMaximum(); }
bool ZafChartControl::SetRange(double minimum, double maximum) { return view->SetRange(minimum, maximum); }
bool ZafChartControl::SetAutoZero(unsigned char flag) { return view->SetAutoZero(flag); }
unsigned char ZafChartControl::AutoZero() const { return view->AutoZero(); }
double ZafChartControl::ZeroRatio() const { return view->ZeroRatio(); }
bool ZafChartControl::SetZeroRatio(double ratio) { return view->SetZeroRatio(ratio); }

bool ZafChartControl::SetMargins(double top, double bottom, double left, double right)
{
    return view->SetMargins(top, bottom, left, right);
}
bool ZafChartControl::SetTopMargin(double percent) { return view->SetTopMargin(percent); }
bool ZafChartControl::SetBottomMargin(double percent) { return view->SetBottomMargin(percent); }
bool ZafChartControl::SetLeftMargin(double percent) { return view->SetLeftMargin(percent); }
bool ZafChartControl::SetRightMargin(double percent) { return view->SetRightMargin(percent); }
bool ZafChartControl::SetPlotSize(double widthPercent, double heightPercent)
{
    return view->SetPlotSize(widthPercent, heightPercent);
}
void ZafChartControl::SetBoxProportions(double yPercent, double zPercent) { view->SetBoxProportions(yPercent, zPercent); }
void ZafChartControl::SetKernelFlag(unsigned char flag) { view->SetKernelFlag(flag); }

int ZafChartControl::ClearAll(int flag) { return view->ClearAll(flag); }
int ZafChartControl::ClearGroups(int flag) { return view->ClearGroups(flag); }
int ZafChartControl::ClearTitles(int flag) { return view->ClearTitles(flag); }
int ZafChartControl::ClearLegend(int flag) { return view->ClearLegend(flag); }
int ZafChartControl::ClearAxisTitles(int flag) { return view->ClearAxisTitles(flag); }

bool ZafChartControl::SetViewMode(int mode) { return view->SetViewMode(mode); }
bool ZafChartControl::SetRotation(double elevation, double rotation) { return view->SetRotation(elevation, rotation); }
