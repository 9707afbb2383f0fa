#include "ui/chart/QVZChartPane.h"

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/attribs/cf_TextAttribs.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "domain/charts/QVChartView.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/results/QVTraceInfo.h"
#include "foundation/registry/KRegistry.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZDelayedBusyPointer.h"
#include "shell/app/KZMessageBox.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/window/KZSwitchView.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartPlotter.h"
#include "ui/chart/QVZChartTraceCache.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/common/QVZOverlayList.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/chart/QVZSlopeDetector.h"

#include <algorithm>

int QVZChartPane::paneCount = 0;
int QVZChartPane::fontNumber = -1;

namespace {

KRegistry *Settings() { return VZApplication::Registry(); }

bool Switch(const wchar_t *key)
{
    const KRBool *node = Settings() ? Settings()->GetBool(key) : nullptr;
    return node ? node->Value() : true;
}

ZafGdiDisplay *ScreenDisplay() { return dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()); }

} // namespace

QVZChartPane::QVZChartPane(QVZChartWindow *owner, QVChartView *attached)
    : KZScroller(0, 0, 0, 0), owner(owner)
{
    control = new ZafChartControl(0, 0, 0, 0, 4, 1, 2);
    // The time axis's labels are laid out after each trace's values.
    control->Model()->SetNumberNewValues(false);
    Add(control);
    geometry = new KZGeomMgr;
    for (uint32_t edge : { kGeomLeft, kGeomTop, kGeomRight, kGeomBottom })
        geometry->Add(new KZGeomAtt(control, edge, 0));
    Add(geometry);
    if (paneCount++ == 0)
        if (ZafGdiDisplay *display = ScreenDisplay())
            fontNumber = display->CreateOSFont(-1, L"helvetica", 8, 0, 0);
    printTitle = KString(VZApplication::kProgramTitle);
    printTitle.Append(L" ").Append(KZSettingText(kTextChartPrintTitle));
    SetView(attached);
    // Until a trial is plotted the chart shows its empty frame, not the
    // engine's bare box.
    ShowEmptyFrame();
}

QVZChartPane::~QVZChartPane()
{
    if (--paneCount == 0 && fontNumber >= 0) {
        if (ZafGdiDisplay *display = ScreenDisplay())
            display->DestroyOSFont(fontNumber);
        fontNumber = -1;
    }
    SetView(nullptr);
}

bool QVZChartPane::SetScrollPosition(KPoint position)
{
    const bool moved = KZScroller::SetScrollPosition(position);
    if (view)
        view->SetScrollPosition(ScrollPosition());
    return moved;
}

void QVZChartPane::SetView(QVChartView *attached)
{
    KZSwitchView(view, attached, [this](QVChartView &) { chart = nullptr; }, [this](QVChartView &shown) {
        chart = shown.Chart();
        const KPoint stored = shown.ScrollPosition();
        SetScrollPosition(stored);
        Redisplay();
    });
}

QVZChartTrials *QVZChartPane::Trials() const
{
    return owner ? owner->Trials() : nullptr;
}

bool QVZChartPane::OverlayMode() const
{
    return QVZOverlayList::InOverlayMode();
}

void QVZChartPane::ComputeTraces(const QVResult *result, bool updateScale)
{
    const QVZChartSettings settings = ReadSettings();
    const int mode = QVZChartTraces::DisplayMode();
    QVZChartTraces &traces = QVZChartTraces::Shared();
    QVZChartTraceCache::Shared().Compute(result, settings, mode, traces);
    StillBusy();
    if (updateScale)
        scale = traces.RaisedScale(scale, settings, mode);
}

void QVZChartPane::RaiseScale(const QVResult *result)
{
    const QVZChartSettings settings = ReadSettings();
    const int mode = QVZChartTraces::DisplayMode();
    scale = QVZChartTraceCache::Shared().Computed(result, settings, mode).RaisedScale(scale, settings, mode);
    StillBusy();
}

QVZChartSettings QVZChartPane::ReadSettings() const
{
    return plotSettings ? *plotSettings : QVZChartSettings::Read(Settings());
}

void QVZChartPane::StillBusy()
{
    if (busy)
        busy->Check();
}

void QVZChartPane::RaiseScaleOverAll(const std::vector<const QVResult *> &trials, bool reuse)
{
    const QVZChartSettings settings = ReadSettings();
    const int mode = QVZChartTraces::DisplayMode();
    const std::vector<const QVResult *> &kept = raisedOver.trials;
    size_t from = 0;
    if (reuse && !kept.empty() && kept.size() <= trials.size() && raisedOver.mode == mode &&
        raisedOver.settings.SameAs(settings) && std::equal(kept.begin(), kept.end(), trials.begin())) {
        // The same trials once more: the last one raises the scale again
        // from where it found it.
        from = kept.size() == trials.size() ? kept.size() - 1 : kept.size();
        scale = from < kept.size() ? raisedOver.beforeLast : raisedOver.scale;
    }
    for (size_t i = from; i + 1 < trials.size(); ++i)
        RaiseScale(trials[i]);
    raisedOver.beforeLast = scale;
    if (!trials.empty())
        ComputeTraces(trials.back(), true);
    raisedOver.trials = trials;
    raisedOver.settings = settings;
    raisedOver.mode = mode;
    raisedOver.scale = scale;
}

void QVZChartPane::AddSeriesData(ZafChartControl *target, int k)
{
    QVZChartPlotter(*target, ReadSettings())
        .AddSeriesData(QVZChartTraces::Shared(), QVZChartTraces::DisplayMode(), k, OverlayMode(), scale);
}

void QVZChartPane::SetSeriesStyle(const QVResult *result, int k)
{
    QVZChartPlotter(*control, ReadSettings()).SetSeriesStyle(k, OverlayMode(), Settings(), result && result->IsFalseStart());
}

void QVZChartPane::SetupScales()
{
    if (!QVZChartPlotter(*control, ReadSettings()).SetupScales(scale * rangeMultiplier, KZSettingText(kTextChartGun)))
        ShowDisplayResMessage();
}

void QVZChartPane::ShowDisplayResMessage()
{
    KZMessageBox(KString(VZApplication::kProgramTitle), KZSettingText(kTextChartDisplayRes), kButtonOk, kButtonOk,
                 kIconExclamation);
}

void QVZChartPane::OverlayResults(std::vector<const QVResult *> &out) const
{
    QVZChartTrials *trials = Trials();
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    const QVZOverlayList *overlay = trials ? trials->OverlayList() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    if (!overlay || !results)
        return;
    for (const QVTraceInfo *item = overlay->Next(); item; item = overlay->Next(item))
        if (const QVResult *r = results->MatchingAt(item->Row(), resultsView))
            out.push_back(r);
}

void QVZChartPane::AddMarkerLines(const QVResult *result)
{
    const QVZChartSettings settings = ReadSettings();
    QVZChartPlotter plotter(*control, settings);
    KString set(KZSettingText(kTextChartSet));
    KString legal(KZSettingText(kTextChartLegal));
    QVZChartPlotter::Markers m;
    m.showSet = Switch(kKeyChartLineSet);
    m.showGun = Switch(kKeyChartLineGun);
    m.showLegal = Switch(kKeyChartLineLegal);
    m.showReaction = Switch(kKeyChartLineReaction);
    m.setLabel = &set;
    m.legalLabel = &legal;
    if (result && result->SetCommandTime().IsValid()) {
        m.hasSet = true;
        m.setMs = result->SetCommandTime().Milliseconds();
    }
    std::vector<const QVResult *> reacting;
    if (OverlayMode())
        OverlayResults(reacting);
    else if (result)
        reacting.push_back(result);
    for (const QVResult *r : reacting)
        if (r->ReactionTime().IsValid())
            m.reactionMs.push_back(r->ReactionTime().Milliseconds());
    plotter.AddMarkerLines(m);

    // The local detector, for developers who switched it on.
    KZApplication *app = KZApplication::Instance();
    if (!result || !app || !app->FindOption(L"-devel") || !QVZChartTraces::LocalDetection())
        return;
    if (!result->ReactionTime().IsValid())
        return;
    const int onset = QVZSlopeDetector::Detect(QVZChartTraces::Shared().Integral(), QVZSlopeSettings::Read(Settings()),
                                               result->SetReferenceTime().Milliseconds());
    if (onset != QVZSlopeDetector::kNone)
        plotter.AddDetectedOnset(onset);
}

void QVZChartPane::AddPowerLine(const QVResult *result)
{
    if (!Switch(kKeyChartLinePower))
        return;
    std::vector<const QVResult *> trials;
    if (OverlayMode())
        OverlayResults(trials);
    else if (result)
        trials.push_back(result);
    std::vector<int> powers;
    for (const QVResult *r : trials)
        if (r->HasPower())
            powers.push_back(r->Power());
    QVZChartPlotter(*control, ReadSettings()).AddPowerLines(powers);
}

void QVZChartPane::SetupFrame()
{
    QVZChartPlotter(*control, ReadSettings()).SetupFrame(Settings(), fontNumber);
}

void QVZChartPane::RedrawControl()
{
    control->Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
}

void QVZChartPane::RefreshFrame()
{
    if (control) {
        SetupFrame();
        RedrawControl();
    }
}
