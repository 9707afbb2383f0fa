#include "ui/chart/QVZChartWindow.h"

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
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/window/KZSwitchView.h"
#include "shell/toolkit/window/VZNamedBitmaps.h"
#include "ui/chart/QVZChartHost.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZOverlayList.h"
#include "ui/common/QVZResultsKeys.h"

namespace {

// The tool-bar bitmaps, by name, from Startup to Shutdown.
enum Bitmap { kPrint, kMaximize, kRestore, kFirstLine };
const wchar_t *const kBitmapNames[] = {
    L"Print", L"MaximizeChart", L"RestoreChart",
    L"ShowSetLine", L"HideSetLine", L"ShowGunLine", L"HideGunLine", L"ShowLegalLine", L"HideLegalLine",
    L"ShowReactionTimeLine", L"HideReactionTimeLine", L"ShowPowerLine", L"HidePowerLine",
};
constexpr int kBitmapCount = sizeof kBitmapNames / sizeof kBitmapNames[0];
VZNamedBitmaps bitmaps;

// The line toggles in tool-bar order.
constexpr int kLineCount = 5;
const int kLineCodes[kLineCount] = { kCmdChartShowSet, kCmdChartShowGun, kCmdChartShowLegal, kCmdChartShowReaction,
                                     kCmdChartShowPower };
const wchar_t *const kLineKeys[kLineCount] = { kKeyChartLineSet, kKeyChartLineGun, kKeyChartLineLegal,
                                               kKeyChartLineReaction, kKeyChartLinePower };

KRegistry *Settings() { return VZApplication::Registry(); }

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
    return bitmaps.At(kFirstLine + 2 * line + (on ? 0 : 1));
}

} // namespace

QVZChartTrials *QVZChartWindow::Trials() const
{
    return trials ? trials : host ? host->ChartTrials() : nullptr;
}

void QVZChartWindow::Startup()
{
    bitmaps.LoadOnce(kBitmapNames, kBitmapCount);
}

ZafBitmapData *QVZChartWindow::Bitmap(const wchar_t *name)
{
    return bitmaps.Find(name);
}

void QVZChartWindow::Shutdown()
{
    bitmaps.Free();
}

QVZChartWindow::QVZChartWindow(QVZChartHost *host, QVChartView *attached) : KZWindow(0, 0, 0, 0), host(host)
{
    Startup(); // the bitmaps must exist before the buttons show them
    toolBar = new KZToolBar(0, -1);
    if (BarSetting(kKeyChartBarPrint)) {
        printButton = new KZTBButton(kCmdChartPrint, bitmaps.At(kPrint), 0, 0);
        toolBar->Add(printButton);
    }
    if (BarSetting(kKeyChartBarMaximize)) {
        sizeButton = new KZTBButton(kCmdChartMaximize, bitmaps.At(kMaximize), 0, 0);
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
    KZSwitchView(view, attached, [this](QVChartView &old) {
        old.SetWindow(nullptr);
        pane->SetView(nullptr);
        chart = nullptr;
    }, [this](QVChartView &shown) {
        chart = shown.Chart();
        shown.SetWindow(this);
        pane->SetView(&shown);
        UpdateButtons(false);
    });
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
        sizeButton->SetBitmap(bitmaps.At(maximized ? kRestore : kMaximize));
        sizeButton->SetValue(maximized ? kCmdChartRestore : kCmdChartMaximize);
    }
    for (int line = 0; line < kLineCount; ++line)
        lineButtons[line]->SetBitmap(LineBitmap(line, LineOn(line)));
}

void QVZChartWindow::Update(const KPoint &selection)
{
    if (!QVZOverlayList::InOverlayMode()) {
        KString caption;
        QVZChartTrials *source = Trials();
        QVResultsView *resultsView = source ? source->ResultsView() : nullptr;
        QVResults *results = resultsView ? resultsView->Results() : nullptr;
        const KPoint cell = selection == KPoint(-1, -1) && resultsView ? resultsView->Selection() : selection;
        if (const QVResult *result = results ? results->MatchingAt(cell.y, resultsView) : nullptr) {
            caption.Append(KZSettingText(kTextTrialNum)).Append(L" ").AppendInt(cell.y + 1);
            caption.Append(L"     (").Append(KZSettingText(kTextChartSetTime)).Append(L" = ");
            const VRaceTime &set = result->SetCommandTime();
            if (set.IsValid()) {
                set.Format(caption, VRaceTime::kHundredth);
                caption.Append(L"s");
            } else {
                caption.Append(KZSettingText(kTextChartNotAvailable));
            }
            caption.Append(L")");
        }
        toolBar->SetText(caption);
    }
    if (QVZOverlayList::InOverlayMode()) {
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
        if (QVZOverlayList::InOverlayMode()) {
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
