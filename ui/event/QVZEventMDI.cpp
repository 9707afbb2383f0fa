// The event window: construction, the pane layout and maximising a chart.
#include "ui/event/QVZEventMDI.h"

#include "domain/event/QVEvent.h"
#include "domain/timing/VLeg.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"
#include "shell/app/VZSettingKeys.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/event/QVZEventHost.h"
#include "ui/event/QVZPaneWindows.h"

#include <set>

namespace {

// The numbers the open untitled documents hold (GUI thread only).
std::set<int> &UntitledNumbersInUse()
{
    static std::set<int> numbers;
    return numbers;
}

const uint32_t kEdgeFlags[4] = { kGeomLeft, kGeomTop, kGeomRight | kGeomOpposite, kGeomBottom | kGeomOpposite };

} // namespace

QVZEventMDI::Pane::~Pane()
{
    if (!(flags & kPaneShown))
        delete window;
    if (!(flags & kPaneConstrained))
        for (KZGeomRC *edge : edges)
            delete edge;
}

// ---- Construction -----------------------------------------------------------

QVZEventMDI::QVZEventMDI(QVEvent *document, QVZEventHost *mainWindow)
    : KZMDIChild(0, 0, 500, 350), event(document), host(mainWindow), chartTrials(QVZMakeChartTrials(*this))
{
    SetCoordinateType(kCoordPixels);
    SetMaximized(true);
    ReadLayout();
    event->View().SetWindow(this);
    leg = event->Leg(0);
    TakeUntitledNumber();
    ShowDocumentName();
    geometry = new KZGeomMgr;
    Add(geometry);
    Reset();
    ShowFirstPanes();
    CloseGaps();
    ApplyAll();
    FindCurrentWindows();
}

QVZEventMDI::~QVZEventMDI()
{
    ReleaseUntitledNumber();
    if (event->View().Window() == this)
        event->View().SetWindow(nullptr);
    // The panes first: each deletes what it still owns, while the window
    // and the manager still hold the rest.
    while (Pane *pane = FirstPane()) {
        HidePane(*pane);
        panes.Delete(pane);
    }
    delete event;
}

void QVZEventMDI::Startup()
{
    KRegistry *settings = VZApplication::Registry();
    if (!settings || settings->GetGroup(kKeyEventLayout))
        return;
    KRNode *group = settings->Parse(L"Event\\Layout\\:=");
    if (!group)
        return;
    KString chart(L"Chart1:String=0,26,100,100,");
    chart.Append(settings->GetText(L"\\Strings\\Event\\Layout\\Bottom"));
    group->Parse(chart);
    KString results(L"Results1:String=0,0,100,26,");
    results.Append(settings->GetText(L"\\Strings\\Event\\Layout\\Right"));
    group->Parse(results);
}

// ---- Layout -----------------------------------------------------------------

void QVZEventMDI::ReadLayout()
{
    KRegistry *settings = VZApplication::Registry();
    KRGroup *group = settings ? settings->GetGroup(kKeyEventLayout) : nullptr;
    if (!group)
        return;
    for (KRNode *node = group->NextChild(); node; node = group->NextChild(node)) {
        auto *entry = dynamic_cast<KRString *>(node);
        if (!entry)
            break;
        Pane *pane = MakePane(entry->Name(), entry->GetValue());
        if (!pane) {
            if (KLog *log = KProgramLog())
                log->Error(KString(L"QVZEventMDI::QVZEventMDI: error loading pane"));
            break;
        }
        panes.AddItem(pane);
    }
}

QVZEventMDI::Pane *QVZEventMDI::MakePane(const KString &key, const KString &value)
{
    auto *pane = new Pane;
    if (!QVZParseLayoutEntry(key, value, pane->kind, pane->stored, pane->name)) {
        delete pane;
        return nullptr;
    }
    pane->window = QVZMakePaneWindow(pane->kind, *this);
    for (int i = 0; i < 4; ++i)
        pane->edges[i] = new KZGeomRC(pane->window, kEdgeFlags[i], 0, 0);
    return pane;
}

void QVZEventMDI::HidePane(Pane &pane)
{
    if (pane.flags & kPaneShown) {
        Subtract(pane.window);
        pane.flags &= ~kPaneShown;
    }
    if (pane.flags & kPaneConstrained) {
        for (KZGeomRC *edge : pane.edges)
            geometry->Subtract(edge);
        pane.flags &= ~kPaneConstrained;
    }
}

void QVZEventMDI::ShowPane(Pane &pane)
{
    if (!(pane.flags & kPaneShown)) {
        Add(pane.window);
        pane.flags |= kPaneShown;
    }
    if (!(pane.flags & kPaneConstrained)) {
        for (KZGeomRC *edge : pane.edges)
            geometry->Add(edge);
        pane.flags |= kPaneConstrained;
    }
}

void QVZEventMDI::Reset()
{
    for (Pane *pane = FirstPane(); pane; pane = NextPane(pane)) {
        HidePane(*pane);
        pane->current = pane->stored;
        pane->saved.MakeEmpty();
    }
}

void QVZEventMDI::ShowFirstPanes()
{
    bool shown[4] = {};
    for (Pane *pane = FirstPane(); pane; pane = NextPane(pane)) {
        if (shown[pane->kind])
            continue;
        shown[pane->kind] = true;
        pane->hasView = QVZSetPaneView(pane->kind, pane->window, *this);
        pane->current = pane->stored;
        ShowPane(*pane);
    }
}

void QVZEventMDI::CloseGaps()
{
    std::vector<QVZPaneArea> areas;
    for (Pane *pane = FirstPane(); pane; pane = NextPane(pane))
        areas.push_back({ &pane->current, !(pane->flags & kPaneShown) });
    QVZCloseGaps(areas);
}

void QVZEventMDI::Apply(Pane &pane)
{
    const int32_t percent[4] = { pane.current.left, pane.current.top, pane.current.right, pane.current.bottom };
    for (int i = 0; i < 4; ++i) {
        pane.edges[i]->SetPercent(percent[i]);
        if (i >= 2)
            pane.edges[i]->SetAdjustment(percent[i] == 100 ? -1 : -2);
    }
}

void QVZEventMDI::ApplyAll()
{
    for (Pane *pane = FirstPane(); pane; pane = NextPane(pane))
        if (pane->flags & kPaneConstrained)
            Apply(*pane);
}

void QVZEventMDI::FindCurrentWindows()
{
    ZafWindow **current[4] = { nullptr, &summaryWindow, &resultsWindow, &chartWindow };
    for (int kind : { kPaneKindSummary, kPaneKindResults, kPaneKindChart }) {
        ZafWindow *&window = *current[kind];
        bool keep = false;
        for (Pane *pane = FirstPane(); pane; pane = NextPane(pane))
            if (pane->kind == kind && pane->window == window && pane->hasView)
                keep = true;
        if (keep)
            continue;
        window = nullptr;
        for (Pane *pane = FirstPane(); pane && !window; pane = NextPane(pane))
            if (pane->kind == kind && pane->hasView)
                window = pane->window;
    }
}

// ---- Maximise and restore a chart pane ------------------------------------

void QVZEventMDI::MaximizeChart(ZafWindow *window)
{
    if (maximized || !window)
        return;
    Pane *chart = nullptr;
    for (Pane *pane = FirstPane(); pane && !chart; pane = NextPane(pane))
        if (pane->kind == kPaneKindChart && pane->window == window)
            chart = pane;
    if (!chart)
        return;
    for (Pane *pane = FirstPane(); pane; pane = NextPane(pane)) {
        if (pane == chart)
            continue;
        if (pane->flags & kPaneShown)
            pane->flags |= kPaneHiddenByMaximize;
        HidePane(*pane);
    }
    chart->saved = chart->current;
    chart->current = QVZPercentRect(0, 0, 100, 100);
    Apply(*chart);
    chartWindow = window;
    maximized = chart;
    Event(ZafEventStruct(kEvtRelayout, 0));
}

void QVZEventMDI::RestoreChart(ZafWindow *window)
{
    if (!maximized || !window || maximized->window != window)
        return;
    maximized->current = maximized->saved;
    maximized->saved.MakeEmpty();
    Apply(*maximized);
    for (Pane *pane = FirstPane(); pane; pane = NextPane(pane))
        if (pane->flags & kPaneHiddenByMaximize) {
            pane->flags &= ~kPaneHiddenByMaximize;
            ShowPane(*pane);
        }
    maximized = nullptr;
    Event(ZafEventStruct(kEvtRelayout, 0));
}

// ---- The document's name ---------------------------------------------------

void QVZEventMDI::TakeUntitledNumber()
{
    if (untitledNumber != 0 || !event->FileName().IsEmpty())
        return;
    std::set<int> &used = UntitledNumbersInUse();
    int number = 1;
    while (used.count(number))
        ++number;
    used.insert(number);
    untitledNumber = number;
}

void QVZEventMDI::ReleaseUntitledNumber()
{
    if (untitledNumber != 0)
        UntitledNumbersInUse().erase(untitledNumber);
    untitledNumber = 0;
}

void QVZEventMDI::DocumentName(KString &out) const
{
    if (untitledNumber == 0 || !event->FileName().IsEmpty()) {
        event->FileTitle(out);
        return;
    }
    KRegistry *settings = VZApplication::Registry();
    out.Append(settings ? settings->GetText(kKeyEventUntitled) : KRNode::EmptyText());
    if (untitledNumber > 1)
        out.AppendChar(L' ').AppendInt(untitledNumber);
}

void QVZEventMDI::ShowDocumentName()
{
    KString name;
    DocumentName(name);
    SetTitle(name.CStr());
}
