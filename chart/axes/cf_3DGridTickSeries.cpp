// cf_3DGridTickSeries: construction, settings, transformation and drawing.

#include "chart/axes/cf_3DGridTickSeries.h"

#include "chart/backend/bf_Display.h"
#include "chart/axes/cf_EngineFrame.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/values/cf_Extent.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

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
    return cf_SlotAt<cf_3DTextMarker>(ticks, n, tickCount);
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
    cf_ScaleBounds(bounds, sx, sy, sz);
    Translate(saved[0], saved[1], saved[2]);
}

void cf_3DGridTickSeries::Translate(double dx, double dy, double dz)
{
    for (int i = 1; i <= tickCount; ++i)
        Tick(i)->Translate(dx, dy, dz);
    titleMarker->Translate(dx, dy, dz);
    cf_MoveBounds(bounds, offset, dx, dy, dz);
}

namespace {

constexpr int kTextGap = 2; // pixels kept between a title and the labels

bool Overlap(const cf_2DRect &a, const cf_2DRect &b, int gap)
{
    return a.left < b.right + gap && b.left < a.right + gap && a.top < b.bottom + gap && b.top < a.bottom + gap;
}

void Unite(cf_2DRect &into, bool &any, const cf_2DRect &box)
{
    if (!any) {
        into = box;
        any = true;
        return;
    }
    into.left = std::min(into.left, box.left);
    into.top = std::min(into.top, box.top);
    into.right = std::max(into.right, box.right);
    into.bottom = std::max(into.bottom, box.bottom);
}

} // namespace

// Ticks whose labels go on both sides take turns above and below.
void cf_3DGridTickSeries::ApplyTickLook(cf_3DTextMarker *tick, int &alternation, cf_TextAttribs &above,
                                        cf_TextAttribs &below)
{
    cf_TextAttribs *look = TextAttribs();
    if (!tick->LabelVisible())
        return;
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

// The title goes on past the labels, away from the plot, when it would
// touch one of them where its place puts it.
cf_2DPoint cf_3DGridTickSeries::TitleShift(const std::vector<cf_2DRect> &boxes, const cf_2DRect &labels,
                                            const cf_2DRect &title) const
{
    cf_2DPoint shift;
    const bool touches =
        std::any_of(boxes.begin(), boxes.end(), [&](const cf_2DRect &box) { return Overlap(box, title, kTextGap); });
    if (!touches || !engine || !engine->Kernel())
        return shift;
    const cf_2DRect &plot = engine->Kernel()->PlotRect();
    const double dx = ((title.left + title.right) / 2.0 - (plot.left + plot.right) / 2.0) / std::max(1, plot.Width());
    const double dy = ((title.top + title.bottom) / 2.0 - (plot.top + plot.bottom) / 2.0) / std::max(1, plot.Height());
    if (std::fabs(dy) >= std::fabs(dx))
        shift.y = dy > 0 ? labels.bottom + kTextGap - title.top : labels.top - kTextGap - title.bottom;
    else
        shift.x = dx > 0 ? labels.right + kTextGap - title.left : labels.left - kTextGap - title.right;
    return shift;
}

cf_3DGridTickSeries::TextLayout cf_3DGridTickSeries::WalkTexts(bf_Display *display, bool draw)
{
    TextLayout layout;
    cf_TextAttribs *look = TextAttribs();
    cf_TextAttribs above, below;
    above.SetAnchorBottom();
    below.SetAnchorTop();
    int alternation = 0;
    cf_2DRect box;
    std::vector<cf_2DRect> boxes;
    // Labels of ticks that stand off the display (beyond the data) do not count.
    cf_2DRect shown;
    display->DeviceRect(shown);
    auto onDisplay = [&shown](const cf_2DPoint &p) {
        return p.x >= shown.left && p.x <= shown.right && p.y >= shown.top && p.y <= shown.bottom;
    };
    for (int i = 1; i <= tickCount; ++i) {
        cf_3DTextMarker *tick = Tick(i);
        ApplyTickLook(tick, alternation, above, below);
        if (onDisplay(tick->LabelAnchor()) && tick->LabelBox(display, box)) {
            Unite(layout.labels, layout.hasLabels, box);
            boxes.push_back(box);
        }
        if (draw)
            tick->DrawFormB(display);
        tick->SetTextAttribs(look);
    }
    titleMarker->SetLabelShift(cf_2DPoint());
    if (titleMarker->LabelBox(display, layout.title)) {
        layout.hasTitle = true;
        if (layout.hasLabels) {
            const cf_2DPoint shift = TitleShift(boxes, layout.labels, layout.title);
            layout.title = cf_2DRect(layout.title.left + shift.x, layout.title.top + shift.y,
                                     layout.title.right + shift.x, layout.title.bottom + shift.y);
            titleMarker->SetLabelShift(shift);
        }
    }
    if (draw)
        titleMarker->DrawFormB(display);
    titleMarker->SetLabelShift(cf_2DPoint());
    return layout;
}

cf_3DGridTickSeries::TextLayout cf_3DGridTickSeries::LayOutTexts(bf_Display *display)
{
    if (!shown || !display)
        return TextLayout();
    display->SelectFont(new bf_Font(TextAttribs()->ScaledFontSpec(display)));
    TextLayout layout = WalkTexts(display, false);
    delete display->PopFont();
    return layout;
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

    WalkTexts(display, true);

    display->SetForeground(savedText);
    display->SetBackground(savedBack);
    ReleaseBrush(display);
    ReleasePen(display);
    delete display->PopFont();
}
