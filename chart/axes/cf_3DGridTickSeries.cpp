// cf_3DGridTickSeries: construction, settings, transformation and drawing.

#include "chart/axes/cf_3DGridTickSeries.h"

#include "chart/backend/bf_Display.h"
#include "chart/engine/cf_EngineFrame.h"

#include <initializer_list>

cf_3DGridTickSeries::cf_3DGridTickSeries(cf_EngineFrame *owner)
    : engine(owner), ticks(1), titleMarker(new cf_3DTextMarker)
{
    ticks.Grow(25);
    bf_Color axis = engine ? engine->AxisColor() : bf_Color();
    cf_TextAttribs *titleLook = titleMarker->CreateTextAttribs();
    titleLook->SetSizePercent(5.0);
    titleLook->SetBackColor(axis);
    CreateDispAttribs();
    cf_TextAttribs *look = CreateTextAttribs();
    look->SetSizePercent(4.0);
    look->SetTextColor(bf_Color(0));
    look->SetBackColor(axis);
}

cf_3DGridTickSeries::~cf_3DGridTickSeries()
{
    delete titleMarker;
    ClearTicks();
}

cf_3DTextMarker *cf_3DGridTickSeries::Tick(int n) const
{
    if (n < 1 || n > tickCount)
        return nullptr;
    return static_cast<cf_3DTextMarker *>(const_cast<cf_DyArr &>(ticks).At(n));
}

int cf_3DGridTickSeries::SetScaleSource(int source)
{
    scaleSource = source;
    return 1;
}

bool cf_3DGridTickSeries::SetTickInterval(double interval)
{
    bool ok = interval >= 0;
    tickInterval = ok ? interval : 0;
    autoInterval = 0;
    return ok;
}

bool cf_3DGridTickSeries::SetTickCount(int count)
{
    tickCountWanted = count < 0 ? 0 : count;
    autoInterval = 1;
    return count >= 0;
}

bool cf_3DGridTickSeries::SetTickLength(double percent)
{
    bool ok = percent >= 0;
    tickLength = ok ? percent * 0.01 : 0;
    return ok;
}

bool cf_3DGridTickSeries::SetGridStep(int n)
{
    gridStep = n < 0 ? 0 : n;
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->SetDrawLine12(gridStep > 0 && (i - 1) % gridStep == 0);
    return n >= 0;
}

bool cf_3DGridTickSeries::SetLabelStep(int n)
{
    labelStep = n < 0 ? 0 : n;
    if (labelStep == 0)
        endLabelHigh = endLabelLow = 0;
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->SetLabelVisible(labelStep > 0 && (i - 1) % labelStep == 0);
    return n >= 0;
}

bool cf_3DGridTickSeries::SetMajorTickStep(int n)
{
    majorStep = n < 0 ? 0 : n;
    halfTick = 0;
    return n >= 0;
}

void cf_3DGridTickSeries::SetTicksHidden(unsigned char flag)
{
    ticksHidden = flag;
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->SetDrawLine23(!flag);
}

void cf_3DGridTickSeries::SetAxisColor(bf_Color color)
{
    TextAttribs()->SetBackColor(color);
    titleMarker->TextAttribs()->SetBackColor(color);
}

bool cf_3DGridTickSeries::ProjectTitlePoint1(double x, double y, double z)
{
    return engine && engine->PlaceObject(titleMarker->Point1(), x, y, z, 0);
}

bool cf_3DGridTickSeries::ProjectTitlePoint2(double x, double y, double z)
{
    return engine && engine->PlaceObject(titleMarker->Point2(), x, y, z, 0);
}

bool cf_3DGridTickSeries::ProjectTitlePoint3(double x, double y, double z)
{
    return engine && engine->PlaceObject(titleMarker->Point3(), x, y, z, 0);
}

void cf_3DGridTickSeries::Transform(const cf_Kernel &kernel)
{
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->Transform(kernel);
    titleMarker->Transform(kernel);
}

void cf_3DGridTickSeries::Project(const cf_Kernel &kernel)
{
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->Project(kernel);
    titleMarker->Project(kernel);
}

void cf_3DGridTickSeries::Scale(double sx, double sy, double sz)
{
    double saved[3] = {offset[0], offset[1], offset[2]};
    Translate(-saved[0], -saved[1], -saved[2]);
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->Scale(sx, sy, sz);
    titleMarker->Scale(sx, sy, sz);
    dScaleFacX *= sx;
    dScaleFacY *= sy;
    dScaleFacZ *= sz;
    const double factors[3] = {sx, sy, sz};
    for (int axis = 0; axis < 3; ++axis) {
        bounds[2 * axis] *= factors[axis];
        bounds[2 * axis + 1] *= factors[axis];
    }
    Translate(saved[0], saved[1], saved[2]);
}

void cf_3DGridTickSeries::Translate(double dx, double dy, double dz)
{
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->Translate(dx, dy, dz);
    titleMarker->Translate(dx, dy, dz);
    const double moves[3] = {dx, dy, dz};
    for (int axis = 0; axis < 3; ++axis) {
        offset[axis] += moves[axis];
        bounds[2 * axis] += moves[axis];
        bounds[2 * axis + 1] += moves[axis];
    }
}

void cf_3DGridTickSeries::DrawFormB(bf_Display *display)
{
    if (!shown || !display)
        return;
    cf_TextAttribs *look = TextAttribs();
    bf_Color savedText = display->Foreground();
    bf_Color savedBack = display->Background();
    display->SetForeground(look->TextColor());
    display->SetBackground(look->BackColor());
    display->SelectFont(new bf_Font(look->ScaledFontSpec(display)));
    SelectPen(display);
    SelectBrush(display);

    cf_TextAttribs above, below;
    above.SetAnchorBottom();
    below.SetAnchorTop();
    int alternation = 0;
    for (int i = 1; i <= tickCount; ++i) {
        cf_3DTextMarker *tick = Tick(i);
        if (tick->LabelVisible()) {
            for (unsigned char side : {look->SideB(), look->SideA()}) {
                if (!side)
                    continue;
                if (++alternation < 2) {
                    tick->SetTextAttribs(&above);
                } else {
                    tick->SetTextAttribs(&below);
                    alternation = 0;
                }
            }
        }
        tick->DrawFormB(display);
        tick->SetTextAttribs(look);
    }
    titleMarker->DrawFormB(display);

    display->SetForeground(savedText);
    display->SetBackground(savedBack);
    ReleaseBrush(display);
    ReleasePen(display);
    delete display->PopFont();
}
