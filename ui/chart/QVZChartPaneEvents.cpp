// QVZChartPane: menu states and the pop-up menu.
#include "ui/chart/QVZChartPane.h"

#include <windows.h>

#include "domain/results/QVResultsView.h"
#include "framework/windows/ZafPrinter.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/common/QVZCommands.h"

namespace {

// Logical mouse events of the toolkit's windows.
constexpr int kLeftPress = 1003;
constexpr int kLeftRelease = 1005;
constexpr int kRightPress = 1006;
constexpr int kRightRelease = 1008;

const int kDeveloperItems[] = { kCmdChartSummedXY, kCmdChartFilteredX, kCmdChartFilteredY, kCmdChartRawX,
                                kCmdChartRawY, kCmdChartLocalAlgorithmSettings, kCmdChartLocalAlgorithmShow };

} // namespace

ZafEventType QVZChartPane::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    switch (code) {
    case kEvtMenuOpening:
        MenuOpening(event);
        return code;
    case kCmdChartExportBitmap:
        ExportBitmap();
        return code;
    case kCmdChartPrinterSetup:
        if (ZafPrinter *printer = Printer())
            printer->RunPrintSetup();
        return code;
    case kCmdChartPrint:
        Print();
        return code;
    case kLeftPress:
    case kLeftRelease:
    case kRightPress:
    case kRightRelease:
        PopUp(event);
        return code;
    default:
        return KZScroller::Event(event);
    }
}

void QVZChartPane::MenuOpening(const ZafEventStruct &)
{
    KZPullDownMenu *menu = KZMainMenuBar();
    QVZChartTrials *trials = Trials();
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    if (!menu || !resultsView || resultsView->Selection().y < 0)
        return;
    for (int item : { kCmdChartExportBitmap, kCmdChartPrinterSetup, kCmdChartPrint, kCmdChartShowData })
        menu->EnableItem(item, true);
    KZApplication *app = KZApplication::Instance();
    if (!app || !app->FindOption(L"-devel"))
        return;
    for (int item : kDeveloperItems)
        menu->EnableItem(item, true);
    menu->CheckItem(kCmdChartLocalAlgorithmShow, QVZChartTraces::LocalDetection() != 0);
    menu->CheckItem(QVZChartTraces::DisplayMode(), true);
}

void QVZChartPane::PopUp(const ZafEventStruct &event)
{
    POINT at = { event.region.left, event.region.top };
    if (HWND window = static_cast<HWND>(OSWindow()))
        ::ClientToScreen(window, &at);
    KZPopUpMenu menu(KPoint(at.x, at.y));
    KZAddToMenu(&menu, new KZPopUpItem(kCmdChartPopupOption, L"OPTION1", 0));
    menu.Show();
}
