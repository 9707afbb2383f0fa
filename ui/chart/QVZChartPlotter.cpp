#include "ui/chart/QVZChartPlotter.h"

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/attribs/cf_TextAttribs.h"
#include "chart/backend/bf_Font.h"
#include "chart/engine/cf_ChartEngine.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "foundation/registry/KRValueOr.h"
#include "foundation/registry/KRegistry.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTimeLine.h"
#include "ui/common/QVZResultsKeys.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kOverlaySequence[QVZChartPlotter::kOverlayColours] = { 0, 9, 10, 13, 4, 2, 1, 3, 5, 6, 8, 11 };
constexpr int kOptionPalette[16] = { 0, 15, 12, 10, 9, 14, 11, 13, 4, 2, 1, 3, 5, 6, 8, 7 };

// Axis slots of the chart control.
constexpr int kSlotMarkers = 1;
constexpr int kSlotTime = 2;
constexpr int kSlotPowerLine = 3;
constexpr int kSlotPowerAxis = 4;
// Axis label kinds.
constexpr int kKindTime = 1;
constexpr int kKindPower = 2;
constexpr int kKindMarker = 4;

bool Inside(double t, const QVZChartSettings &s) { return s.minX <= t && t <= s.maxX; }

// The monochrome half of the chart's background colour.
constexpr ZafInt8 kBackgroundMono = -2;

// Every change of a window object's colours redraws it whole (a second
// invalidation on top of the plot's own): the control takes the colour only
// when it holds another one.
void SetBackground(ZafChartControl &control, ZafInt8 colour)
{
    const ZafPaletteData *palette = control.PaletteData();
    if (palette) {
        const ZafPaletteStruct entry = palette->GetPalette(ZAF_PT_BACKGROUND, 0);
        if (entry.colorBackground == colour && entry.monoBackground == kBackgroundMono)
            return;
    }
    control.SetBackgroundColor(colour, kBackgroundMono);
}

} // namespace

int QVZChartPlotter::OverlayColour(int k)
{
    if (k < 1)
        k = 1;
    return kOverlaySequence[(k - 1) % kOverlayColours];
}

int QVZChartPlotter::PaletteOf(int option, int outside)
{
    return (option >= 0 && option < 16) ? kOptionPalette[option] : outside;
}

void QVZChartPlotter::SetSeriesStyle(int k, bool overlay, const KRNode *registry, bool falseStart)
{
    cf_DispAttribs *series = control.GroupDispAttribs(overlay ? k : 1);
    series->SetLineWidth(overlay ? 2 : KRIntOr(registry, kKeyChartBrushWidth, 1));
    const int style = KRIntOr(registry, kKeyChartBrushStyle, 0);
    control.GroupDispAttribs(1)->SetLineStyle(style == 1 || style == 2 ? 1 : 0);
    series->SetLineColor(bf_Color(0));
    int fill = 0;
    if (overlay)
        fill = OverlayColour(k);
    else if (falseStart && KRBoolOr(registry, kKeyShowAllFSInRed, false))
        fill = kFalseStartColour;
    else
        fill = PaletteOf(KRIntOr(registry, kKeyChartBrushColor, 4), 0);
    series->SetFillColor(bf_Color(static_cast<unsigned char>(fill)));
}

void QVZChartPlotter::AddSeriesData(const QVZChartTraces &traces, int mode, int k, bool overlay, int scale)
{
    const double *values = traces.Plotted(mode);
    const int start = settings.StartSample();
    const int count = settings.SampleCount();
    const int offset = overlay ? k - 1 : scale * (k - 1);
    for (int i = 0; i < count; ++i)
        control.AddGroupValue(k, static_cast<double>(static_cast<int>(values[start + i]) + offset));
}

bool QVZChartPlotter::SetupScales(int scale, const KString &gunText)
{
    const double range = settings.maxX - settings.minX;
    const double width = range * 1000.0;
    control.Model()->Domain()->Clear();
    double step = 0.1;
    double period = 0.5;
    int n = std::max(static_cast<int>(range * 10.0), 1);
    bool labelled = true;
    if (n < 10) {
        step = 0.01;
        period = 0.05;
        n = static_cast<int>(range * 100.0);
        labelled = n > 0;
    }
    if (labelled) {
        const double spacing = width / n;
        double x = 0.0;
        for (int i = 0; i <= n; ++i) {
            if (i > 0)
                x += spacing;
            double t = settings.minX + i * step;
            if (std::fabs(t) < 0.0001)
                t = 0.0;
            const int at = static_cast<int>(x);
            const double r = std::fabs(std::fmod(t, period));
            if (t == 0.0)
                control.AddAxisLabel(gunText.CStr(), kKindTime, at);
            else if (r < 0.0001 || std::fabs(r - period) < 0.0001)
                control.AddAxisValue(t, kKindTime, at);
            else
                control.AddAxisLabel(L"", kKindTime, at);
        }
    }
    control.SetAxisScaleSource(kSlotTime, 1);
    control.SetAxisTicks(kSlotPowerAxis, scale / 5, 1, 2.0, 0);
    control.SetAxisLabelStep(kSlotPowerAxis, 1, 0);
    control.SetAxisTicks(kSlotTime, 100.0, 1, 5.0, 0);
    control.SetAxisTicks(kSlotTime, 1.0, 1, 5.0, 0);
    control.SetRange(0, scale);
    return labelled;
}

void QVZChartPlotter::BuildTimeLines(KSortedList &lines, const Markers &m) const
{
    // Positions count samples from the window's first one, as the series' points do.
    const int from = QVZChartTraces::kGunSample - settings.StartSample();
    const KString empty;
    if (m.showSet && m.hasSet && Inside(-m.setMs * 0.001, settings))
        lines.AddItem(new QVZChartTimeLine(m.setLabel ? *m.setLabel : empty, from - m.setMs));
    if (m.showGun && Inside(0.0, settings))
        lines.AddItem(new QVZChartTimeLine(empty, from));
    if (m.showLegal && Inside(0.1, settings))
        lines.AddItem(new QVZChartTimeLine(m.legalLabel ? *m.legalLabel : empty, from + 100));
    if (m.showReaction)
        for (int rt : m.reactionMs)
            if (Inside(rt * 0.001, settings))
                lines.AddItem(new QVZChartTimeLine(empty, from + rt, rt * 0.001));
}

void QVZChartPlotter::AddMarkerLines(const Markers &markers)
{
    control.ShowAxisTicks(kSlotMarkers, true);
    control.SetAxisScaleSource(kSlotMarkers, 4);
    control.SetAxisTickStep(kSlotMarkers, 1, 1);
    control.SetAxisTicks(kSlotMarkers, 1.0, 1, 3.0, 1);
    control.SetAxisLabelStep(kSlotMarkers, 1, 4);
    control.TextDispAttribs(1)->SetLineColor(bf_Color(0));
    KSortedList lines;
    BuildTimeLines(lines, markers);
    for (KListItem *item = lines.First(); item; item = lines.Next(item)) {
        const auto *line = static_cast<const QVZChartTimeLine *>(item);
        if (line->HasValue())
            control.AddAxisValue(line->value, kKindMarker, line->position);
        else
            control.AddAxisLabel(line->label.CStr(), kKindMarker, line->position);
    }
}

void QVZChartPlotter::AddPowerLines(const std::vector<int> &powers)
{
    for (int power : powers) {
        control.SetAxisTickStep(kSlotPowerLine, 1, 1);
        KString text;
        text.AppendInt(power);
        control.SetAxisScaleSource(kSlotPowerLine, 2);
        control.AddAxisLabel(text.CStr(), kKindPower, power);
    }
}

void QVZChartPlotter::AddDetectedOnset(int onsetSample)
{
    const double t = (onsetSample - QVZChartTraces::kGunSample) * 0.001;
    if (!Inside(t, settings))
        return;
    const int x = onsetSample - settings.StartSample();
    control.AddAxisValue(t, kKindTime, x);
    control.AddAxisLabel(L"", kKindMarker, x);
}

void QVZChartPlotter::SetupFrame(const KRNode *registry, int fontNumber)
{
    control.SetKernelFlag(1);
    control.ShowAxisTicks(kSlotPowerAxis, true);
    if (fontNumber >= 0) {
        const bf_FontSpec font(static_cast<unsigned char>(fontNumber));
        for (int item : { 2, 1, 4, 3 })
            control.TextAttribs(item)->SetFontSpec(font);
    }
    const int back = PaletteOf(KRIntOr(registry, kKeyChartBackColor, 1), 15);
    SetBackground(control, static_cast<ZafInt8>(back));
    const int face = PaletteOf(KRIntOr(registry, kKeyChartFaceColor, 1), 15);
    control.Engine()->SetFaceColor(bf_Color(static_cast<unsigned char>(face)));
    control.SetMargins(KRFloatOr(registry, kKeyChartMarginTop, 8), KRFloatOr(registry, kKeyChartMarginBottom, 12),
                       KRFloatOr(registry, kKeyChartMarginLeft, 10), KRFloatOr(registry, kKeyChartMarginRight, 12));
}
