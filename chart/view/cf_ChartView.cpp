// cf_ChartView: life, engine, drawing, data, titles and attributes.

#include "chart/view/cf_ChartView.h"

#include "chart/engine/cf_ChartEngine.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"

cf_ChartView::cf_ChartView(int chartType, int dimension, int valueMode)
{
    model = new cf_ChartModel(this, valueMode);
    ownsModel = 1;
    cf_EngineFactory(this, chartType, dimension, 0);
}

cf_ChartView::~cf_ChartView()
{
    if (ownsEngine)
        delete engine;
    if (ownsModel)
        delete model;
}

void cf_ChartView::AdoptEngine(cf_ChartEngine *newEngine)
{
    if (engine && ownsEngine && engine != newEngine)
        delete engine;
    engine = newEngine;
    ownsEngine = newEngine ? 1 : 0;
    if (newEngine)
        model->SetEngine(newEngine);
    current = 0;
}

bool cf_ChartView::SetEngine(cf_ChartEngine *newEngine, bool deleteOld)
{
    if (!newEngine)
        return false;
    if (!deleteOld && engine != newEngine)
        engine = nullptr; // the caller keeps the old one
    AdoptEngine(newEngine);
    engine->BuildFromModel(model);
    return true;
}

void cf_ChartView::PrepareEngine(bf_Display *display)
{
    engine->Kernel()->Prepare(display);
    engine->Project();
    engine->Refresh();
}

void cf_ChartView::Prepare(bf_Display *display)
{
    PrepareEngine(display);
    model->Notify(true, true, true, true, true);
    current = 1;
}

bool cf_ChartView::Draw(bf_Display *display)
{
    if (model->Changed())
        model->Notify(false, false, false, false, false);
    engine->Draw(display);
    return true;
}

bool cf_ChartView::SetChartType(int type)
{
    return cf_EngineFactory(this, type, engine->Dimension(), 1);
}

bool cf_ChartView::SetDimension(int dimension)
{
    return cf_EngineFactory(this, engine->ChartType(), dimension, 1);
}

int cf_ChartView::ChartType() const { return engine->ChartType(); }
int cf_ChartView::Dimension() const { return engine->Dimension(); }
void cf_ChartView::SetValueMode(int mode) { model->SetValueMode(mode, false); }
int cf_ChartView::ValueMode() const { return model->ValueMode(); }

// ---- Data and titles ----------------------------------------------------------

void cf_ChartView::AddGroupValue(int group, double y)
{
    if (group != model->CurrentGroupNumber())
        model->SelectGroup(group);
    model->AddValue(y);
}

void cf_ChartView::AddGroupValueXY(int group, double x, double y)
{
    if (group != model->CurrentGroupNumber())
        model->SelectGroup(group);
    model->AddValueXYZ(x, y, model->CurrentGroupNumber());
}

void cf_ChartView::AddGroupValueXYZ(int group, double x, double y, double z, const wchar_t *labelX,
                                    const wchar_t *labelY)
{
    if (group != model->CurrentGroupNumber())
        model->SelectGroup(group);
    model->AddValueXYZ(x, y, z, labelX, labelY);
}

void cf_ChartView::AddLegendEntry(const wchar_t *text, double x, double y, double z)
{
    model->AddLegendEntry(text, x, y, z);
    current = 0;
}

void cf_ChartView::AddAxisTitleAt(const wchar_t *text, int kind, double x, double y, double z)
{
    model->SetAxisTitle(text, kind, x, y, z);
    current = 0;
}

void cf_ChartView::AddAxisTitle(const wchar_t *text, int kind)
{
    static const double presets[8][3] = {
        {-100, -125, 125}, // any other kind, as kind 2
        {100, 120, -120},  {-100, -125, 125}, {125, 100, -125}, {-125, -100, 125},
        {110, -110, 0},    {-110, 110, 0},    {0, -120, 120},
    };
    const double *at = presets[kind >= 1 && kind <= 7 ? kind : 0];
    AddAxisTitleAt(text, kind, at[0], at[1], at[2]);
}

void cf_ChartView::AddTitleAt(const wchar_t *text, int kind, double x, double y, double z)
{
    model->SetTitle(text, kind == 2 ? 2 : 1, x, y, z);
    current = 0;
}

void cf_ChartView::AddTitle(const wchar_t *text, int kind)
{
    if (kind == 2)
        AddTitleAt(text, 2, 0, 115, -115);
    else
        AddTitleAt(text, 1, 0, 125, -125);
}

namespace {

// Adds the label (a text or a number) at value to the axis list of the
// kind: 1 or 5 the domain, 2 or 6 the range, 4 or 8 the groups; other
// kinds add nothing.
template <class Label> void AddToAxisList(cf_ChartModel &model, int kind, double value, Label label)
{
    if (kind == 1 || kind == 5)
        model.AddDomainLabel(value, label);
    else if (kind == 2 || kind == 6)
        model.AddRangeLabel(value, label);
    else if (kind == 4 || kind == 8)
        model.AddGroupsLabel(value, label);
}

} // namespace

void cf_ChartView::AddAxisLabel(const wchar_t *label, int kind, double value)
{
    AddToAxisList(*model, kind, value, label);
    current = 0;
}

void cf_ChartView::AddAxisValue(double labelNumber, int kind, double value)
{
    AddToAxisList(*model, kind, value, labelNumber);
    current = 0;
}

// ---- Attributes -----------------------------------------------------------------

cf_DispAttribs *cf_ChartView::TextDispAttribs(int n) { return &model->TextItem(n)->DispAttribs(); }
cf_TextAttribs *cf_ChartView::TextAttribs(int n) { return &model->TextItem(n)->TextAttribs(); }
cf_DispAttribs *cf_ChartView::AxisTitleDispAttribs(int n) { return &model->AxisTitleItem(n)->DispAttribs(); }
cf_TextAttribs *cf_ChartView::AxisTitleTextAttribs(int n) { return &model->AxisTitleItem(n)->TextAttribs(); }
cf_DispAttribs *cf_ChartView::GroupDispAttribs(int n) { return &model->SelectGroup(n)->DispAttribs(); }
cf_TextAttribs *cf_ChartView::DataGroupTextAttribs(int n) { return &model->SelectGroup(n)->TextAttribs(); }
cf_DispAttribs *cf_ChartView::LegendDispAttribs(int n) { return &model->LegendEntry(n)->DispAttribs(); }
cf_TextAttribs *cf_ChartView::LegendTextAttribs(int n) { return &model->LegendEntry(n)->TextAttribs(); }
cf_DispAttribs *cf_ChartView::TitleDispAttribs(int n) { return &model->TitleItem(n)->DispAttribs(); }
cf_TextAttribs *cf_ChartView::TitleTextAttribs(int n) { return &model->TitleItem(n)->TextAttribs(); }
cf_DispAttribs *cf_ChartView::EngineDispAttribs(int n) { return engine->WallDispAttribs(n); }
