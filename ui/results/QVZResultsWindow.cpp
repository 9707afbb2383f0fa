// QVZResultsWindow: the results tool bar over the results pane.
#include "ui/results/QVZResultsWindow.h"

#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/VZNamedBitmaps.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/window/KZSwitchView.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/bars/KZTBSpace.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZOverlayList.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsPrompts.h"

namespace {

enum Picture { kAddTimes, kDownload, kDelete, kOverlayOn, kOverlayOff, kOverlayClear, kPrint, kPictureCount };

const wchar_t *const kPictureNames[kPictureCount] = {
    L"AddReactionTimes", L"DownloadData", L"DeleteTrace", L"OverlayModeOn", L"OverlayModeOff", L"OverlayClear", L"Print",
};

VZNamedBitmaps pictures;

KZBitmap *Picture(int index)
{
    pictures.LoadOnce(kPictureNames, kPictureCount);
    return pictures.At(index);
}

constexpr int kSpacers = 10;
constexpr int kSpacerSize = 4;

} // namespace

QVZResultsWindow *QVZResultsWindow::front = nullptr;

void QVZResultsWindow::Startup()
{
    pictures.LoadOnce(kPictureNames, kPictureCount);
}

void QVZResultsWindow::Shutdown()
{
    pictures.Free();
}

QVZResultsWindow::QVZResultsWindow(ZafWindowObject *owner, QVResultsView *attach, int left, int top, int width,
                                   int height)
    : KZWindow(left, top, width, height), owner(owner)
{
    BuildToolBar();
    pane = new QVZResultsPane(this, nullptr, 0, 0, width, height);
    Add(pane);
    Add(KZGeomFill(pane));
    clearButton->SetVisible(QVZOverlayList::InOverlayMode());
    SetView(attach);
}

QVZResultsWindow::~QVZResultsWindow()
{
    SetView(nullptr);
    if (front == this)
        ClearScoreboards();
}

void QVZResultsWindow::BuildToolBar()
{
    toolBar = new KZToolBar(0, -1);
    auto button = [this](int32_t command, int picture) {
        auto *made = new KZTBButton(command, Picture(picture), 0, 0);
        toolBar->Add(made);
        return made;
    };
    button(kCmdResultsAddTimes, kAddTimes);
    button(kCmdResultsDownloadTraces, kDownload);
    button(kCmdResultsDeleteTrial, kDelete);
    button(kCmdResultsPrint, kPrint);
    for (int i = 0; i < kSpacers; ++i)
        toolBar->Add(new KZTBSpace(kSpacerSize));
    overlayButton = button(kCmdOverlayMode, kOverlayOff);
    clearButton = button(kCmdOverlayClear, kOverlayClear);
    Add(toolBar);
}

ZafEventType QVZResultsWindow::Event(const ZafEventStruct &event)
{
    if ((event.type >= kCmdResultsWindowFirst && event.type <= kCmdResultsWindowLast) ||
        event.type == kEvtMenuOpening)
        return pane->Event(event);
    return KZWindow::Event(event);
}

void QVZResultsWindow::SetView(QVResultsView *attach)
{
    KZSwitchView(view, attach, [this](QVResultsView &old) {
        old.SetWindow(nullptr);
        pane->SetView(nullptr);
        results = nullptr;
    }, [this](QVResultsView &shown) {
        results = shown.Results();
        shown.SetWindow(this);
        pane->SetView(&shown);
        Refresh(true);
    });
}

void QVZResultsWindow::Refresh(bool redisplay)
{
    if (redisplay)
        pane->Redisplay();
    if (front == this)
        ShowOnScoreboards();
}

void QVZResultsWindow::ShowResult(QVResult *result)
{
    int row = pane->IndexOf(result);
    if (row < 0)
        return;
    pane->UpdateExtent();
    pane->Select(KPoint(0, row));
    pane->ScrollIntoView(KPoint(0, row), true, true);
    pane->Redisplay();
}

void QVZResultsWindow::SendEventName()
{
    const QVEvent *event = results ? results->Event() : nullptr;
    pane->SendEventName(event ? event->Name() : KString());
}

void QVZResultsWindow::SendResults()
{
    pane->SendResults();
}

void QVZResultsWindow::SetOverlayButton(bool on)
{
    if (VZApplication *application = VZApplication::Instance())
        application->SetOverlayMode(on);
    overlayButton->SetBitmap(Picture(on ? kOverlayOn : kOverlayOff));
    clearButton->SetVisible(on);
    QVZResultsPrompts::SetFlag(kKeyChartLineSet, false);
    QVZResultsPrompts::SetFlag(kKeyChartLineReaction, false);
}

void QVZResultsWindow::ShowOnScoreboards()
{
    front = this;
    if (QVScoreboards *boards = VZApplication::Scoreboards())
        boards->SetResults(results, results ? results->Event() : nullptr);
}

void QVZResultsWindow::ClearScoreboards()
{
    front = nullptr;
    if (QVScoreboards *boards = VZApplication::Scoreboards())
        boards->SetResults(nullptr, nullptr);
}
