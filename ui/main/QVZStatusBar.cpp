#include "ui/main/QVZStatusBar.h"

#include <windows.h>

#include "foundation/registry/KRegistry.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/bars/KZProgressBar.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/common/QVZCommands.h"

namespace {

struct FlyOver
{
    int32_t command;
    const wchar_t *key;
};

const FlyOver kFlyOvers[] = {
    { kCmdFileSave, L"\\Strings\\Hardware\\FlyOver\\SaveWorkout" },
    { kCmdChartPrint, L"\\Strings\\Event\\Chart\\FlyOver\\Print" },
    { kCmdChartMaximize, L"\\Strings\\Event\\Chart\\FlyOver\\Maximize" },
    { kCmdChartRestore, L"\\Strings\\Event\\Chart\\FlyOver\\Restore" },
    { kCmdChartShowSet, L"\\Strings\\Event\\Chart\\FlyOver\\ShowSet" },
    { kCmdChartShowGun, L"\\Strings\\Event\\Chart\\FlyOver\\ShowGun" },
    { kCmdChartShowLegal, L"\\Strings\\Event\\Chart\\FlyOver\\ShowLegal" },
    { kCmdChartShowReaction, L"\\Strings\\Event\\Chart\\FlyOver\\ShowReaction" },
    { kCmdChartShowPower, L"\\Strings\\Event\\Chart\\FlyOver\\ShowPower" },
    { kCmdResultsPrint, L"\\Strings\\Event\\Results\\FlyOver\\PrintWorkout" },
    { kCmdResultsAddTimes, L"\\Strings\\Event\\Results\\FlyOver\\AddQuorvanes" },
    { kCmdResultsDownloadTraces, L"\\Strings\\Event\\Results\\FlyOver\\DownloadTraces" },
    { kCmdResultsDeleteTrial, L"\\Strings\\Event\\Results\\FlyOver\\DeleteTrial" },
    { kCmdOverlayMode, L"\\Strings\\Event\\Results\\FlyOver\\OverlayMode" },
    { kCmdOverlayClear, L"\\Strings\\Event\\Results\\FlyOver\\ClearOverlay" },
    { kCmdResultsAllChartsMode, L"\\Strings\\Event\\Results\\FlyOver\\AllChartsMode" },
    { kCmdHardwareBarNew, L"\\Strings\\Hardware\\FlyOver\\NewWorkout" },
    { kCmdHardwareBarOpen, L"\\Strings\\Hardware\\FlyOver\\OpenWorkout" },
    { kCmdSchedulePrevious, L"\\Strings\\Hardware\\FlyOver\\SchedulePrev" },
    { kCmdScheduleGoto, L"\\Strings\\Hardware\\FlyOver\\ScheduleGoto" },
    { kCmdScheduleNext, L"\\Strings\\Hardware\\FlyOver\\ScheduleNext" },
};

} // namespace

QVZStatusBar::QVZStatusBar() : KZStatusBar(KZFontHeight(1) + 8, 0)
{
    auto *geometry = new KZGeomMgr;
    auto *progress = new KZProgressBar;
    auto *message = new KZStatusString;
    SetPanes(message, progress);
    Add(geometry);
    geometry->Add(new KZGeomAtt(message, progress, kGeomRight | kGeomOpposite, 2));
    geometry->Add(new KZGeomAtt(message, kGeomBottom, 0));
    geometry->Add(new KZGeomAtt(message, kGeomTop, 2));
    geometry->Add(new KZGeomAtt(message, kGeomLeft, 2));
    geometry->Add(new KZGeomAtt(progress, kGeomRight | kGeomKeepSize, GetSystemMetrics(SM_CXVSCROLL)));
    geometry->Add(new KZGeomDC(progress, kGeomWidth, kProgressWidth, -1));
    geometry->Add(new KZGeomAtt(progress, kGeomBottom, 0));
    geometry->Add(new KZGeomAtt(progress, kGeomTop, 2));
}

QVZStatusBar::~QVZStatusBar() = default;

void QVZStatusBar::SetMessage(const wchar_t *text)
{
    KZStatusBar::SetMessage(text);
}

const wchar_t *QVZStatusBar::FlyOverKey(int32_t command)
{
    for (const FlyOver &entry : kFlyOvers)
        if (entry.command == command)
            return entry.key;
    return nullptr;
}

void QVZStatusBar::ShowFlyOver(int32_t command)
{
    const wchar_t *key = FlyOverKey(command);
    KRegistry *settings = VZApplication::Registry();
    SetMessage(key && settings ? settings->GetText(key).CStr() : L"");
}

void QVZStatusBar::SetFlyOver(int32_t command)
{
    ShowFlyOver(command);
}
