#include "ui/chart/QVZChartWindow.h"

#include <cwchar>

#include "domain/charts/QVChartView.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/results/QVTraceInfo.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/bars/KZTBSpace.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "ui/chart/QVZChartKeys.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/main/QVZCommands.h"
#include "ui/results/QVZResultsKeys.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"

namespace {

// The tool-bar bitmaps, by name, from Startup to Shutdown.
enum Bitmap { kPrint, kMaximize, kRestore, kFirstLine };
const wchar_t *const kBitmapNames[] = {
    L"Print", L"MaximizeChart", L"RestoreChart",
    L"ShowSetLine", L"HideSetLine", L"ShowGunLine", L"HideGunLine", L"ShowLegalLine", L"HideLegalLine",
    L"ShowReactionTimeLine", L"HideReactionTimeLine", L"ShowPowerLine", L"HidePowerLine",
};
constexpr int kBitmapCount = sizeof kBitmapNames / sizeof kBitmapNames[0];
KZBitmap *bitmaps[kBitmapCount] = {};

// The line toggles in tool-bar order.
constexpr int kLineCount = 5;
const int kLineCodes[kLineCount] = { kCmdChartShowSet, kCmdChartShowGun, kCmdChartShowLegal, kCmdChartShowReaction,
                                     kCmdChartShowPower };
const wchar_t *const kLineKeys[kLineCount] = { kKeyChartLineSet, kKeyChartLineGun, kKeyChartLineLegal,
                                               kKeyChartLineReaction, kKeyChartLinePower };

KRegistry *Settings() { return VZApplication::Registry(); }

const KString &SettingText(const wchar_t *key)
{
    return Settings() ? Settings()->GetText(key) : KRNode::EmptyText();
}

bool LineOn(int line)
{
    const KRBool *node = Settings() ? Settings()->GetBool(kLineKeys[line]) : nullptr;
    return node ? node->Value() : true;
}

bool BarSetting(const wchar_t *key)
{
    const KRInt *node = Settings() ? Settings()->GetInt(key) : nullptr;
    return node ? node->Value() != 0 : true;
}

ZafBitmapData *LineBitmap(int line, bool on)
{
    return bitmaps[kFirstLine + 2 * line + (on ? 0 : 1)];
}

bool OverlayMode()
{
    VZApplication *app = VZApplication::Instance();
    return app && app->IsOverlayMode();
}

// The trials of the event window's results window.
class EventWindowTrials : public QVZChartTrials
{
public:
    explicit EventWindowTrials(QVZEventMDI *eventWindow) : eventWindow(eventWindow) {}

    QVResultsView *ResultsView() override
    {
        QVZResultsWindow *results = Results();
        return results ? results->View() : nullptr;
    }

    const QVZOverlayList *OverlayList() override
    {
        QVZResultsWindow *results = Results();
        return results && results->Pane() ? &results->Pane()->Overlay() : nullptr;
    }

private:
    QVZResultsWindow *Results() const
    {
        return eventWindow ? dynamic_cast<QVZResultsWindow *>(eventWindow->ResultsWindow()) : nullptr;
    }

    QVZEventMDI *eventWindow;
};

} // namespace

QVZChartTrials *QVZChartWindow::Trials() const
{
    return trials ? trials : eventTrials.get();
}

void QVZChartWindow::Startup()
{
    for (int i = 0; i < kBitmapCount; ++i)
        if (!bitmaps[i])
            bitmaps[i] = new KZBitmap(kBitmapNames[i]);
}

ZafBitmapData *QVZChartWindow::Bitmap(const wchar_t *name)
{
    for (int i = 0; i < kBitmapCount; ++i)
        if (std::wcscmp(kBitmapNames[i], name) == 0)
            return bitmaps[i];
    return nullptr;
}

void QVZChartWindow::Shutdown()
{
    for (KZBitmap *&bitmap : bitmaps) {
        delete bitmap;
        bitmap = nullptr;
    }
}

QVZChartWindow::QVZChartWindow(QVZEventMDI *eventWindow, QVChartView *attached)
    : KZWindow(0, 0, 0, 0), eventWindow(eventWindow), eventTrials(new EventWindowTrials(eventWindow))
{
    Startup(); // the bitmaps must exist before the buttons show them
    toolBar = new KZToolBar(0, -1);
    if (BarSetting(kKeyChartBarPrint)) {
        printButton = new KZTBButton(kCmdChartPrint, bitmaps[kPrint], 0, 0);
        toolBar->Add(printButton);
    }
    if (BarSetting(kKeyChartBarMaximize)) {
        sizeButton = new KZTBButton(kCmdChartMaximize, bitmaps[kMaximize], 0, 0);
        toolBar->Add(sizeButton);
    }
    for (int i = 0; i < 4; ++i)
        toolBar->Add(new KZTBSpace(4));
    for (int line = 0; line < kLineCount; ++line) {
        lineButtons[line] = new KZTBButton(kLineCodes[line], LineBitmap(line, LineOn(line)), 0, 0);
        toolBar->Add(lineButtons[line]);
    }
    pane = new QVZChartPane(this, nullptr);
    Add(toolBar);
    Add(pane);
    geometry = new KZGeomMgr;
    // The pane fills the client area below the bar.
    for (uint32_t edge : { kGeomLeft, kGeomTop, kGeomRight, kGeomBottom })
        geometry->Add(new KZGeomAtt(pane, edge, 0));
    Add(geometry);
    SetView(attached);
}

QVZChartWindow::~QVZChartWindow()
{
    SetView(nullptr);
}

void QVZChartWindow::SetView(QVChartView *attached)
{
    if (attached == view)
        return;
    if (view) {
        view->SetWindow(nullptr);
        pane->SetView(nullptr);
    }
    view = attached;
    chart = attached ? attached->Chart() : nullptr;
    if (!attached)
        return;
    attached->SetWindow(this);
    pane->SetView(attached);
    UpdateButtons(false);
}

KZTBButton *QVZChartWindow::Button(int code) const
{
    for (ZafWindowObject *child = toolBar->FirstChild(); child;
         child = static_cast<ZafWindowObject *>(child->Next()))
        if (auto *button = dynamic_cast<KZTBButton *>(child))
            if (button->Value() == code)
                return button;
    return nullptr;
}

void QVZChartWindow::UpdateButtons(bool redisplay)
{
    if (redisplay)
        pane->Redisplay();
    if (sizeButton) {
        sizeButton->SetBitmap(bitmaps[maximized ? kRestore : kMaximize]);
        sizeButton->SetValue(maximized ? kCmdChartRestore : kCmdChartMaximize);
    }
    for (int line = 0; line < kLineCount; ++line)
        lineButtons[line]->SetBitmap(LineBitmap(line, LineOn(line)));
}

void QVZChartWindow::Update(const KPoint &selection)
{
    if (!OverlayMode()) {
        KString caption;
        QVZChartTrials *source = Trials();
        QVResultsView *resultsView = source ? source->ResultsView() : nullptr;
        QVResults *results = resultsView ? resultsView->Results() : nullptr;
        const KPoint cell = selection == KPoint(-1, -1) && resultsView ? resultsView->Selection() : selection;
        if (const QVResult *result = results ? results->MatchingAt(cell.y, resultsView) : nullptr) {
            caption.Append(SettingText(kTextTrialNum)).Append(L" ").AppendInt(cell.y + 1);
            caption.Append(L"     (").Append(SettingText(kTextChartSetTime)).Append(L" = ");
            const VRaceTime &set = result->SetCommandTime();
            if (set.IsValid() && set.Milliseconds() != VRaceTime::kNoMilliseconds) {
                set.Format(caption, VRaceTime::kHundredth);
                caption.Append(L"s");
            } else {
                caption.Append(SettingText(kTextChartNotAvailable));
            }
            caption.Append(L")");
        }
        toolBar->SetText(caption);
    }
    if (OverlayMode()) {
        if (pane->HoldOverlayChange(selection))
            return;
        // Without a cell (the results changed), or after a held change, an
        // overlay is drawn again as a whole: plotting the selected row would
        // add its curve a second time.
        const bool whole = selection == KPoint(-1, -1);
        if (whole || pane->OverlayStale()) {
            pane->PlotOverlay();
            if (whole || pane->InOverlay(selection.y))
                return;
        }
    }
    pane->Plot(selection, true);
}

void QVZChartWindow::ShowChartData()
{
    pane->ShowChartData();
}

void QVZChartWindow::Clear()
{
    if (KZTBButton *set = lineButtons[0]) {
        if (OverlayMode()) {
            set->SetDisabled(true);
            toolBar->SetText(KString());
        } else {
            set->SetDisabled(false);
        }
    }
    pane->Clear();
}

void QVZChartWindow::RefreshFrame()
{
    pane->RefreshFrame();
}
