// The main window's options loop.
#include <windows.h>

#include "domain/schedule/QVSchedule.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZRegistryDialog.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/options/QVZOptionsDialog.h"

namespace {

constexpr double kAxisStart = -3.0;   // the span of a recorded trace around the gun
constexpr double kAxisEnd = 2.0;

bool CtrlAndShiftHeld()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) && (GetKeyState(VK_SHIFT) & 0x8000);
}

double FloatSetting(const wchar_t *key, double fallback)
{
    KRegistry *settings = VZApplication::Registry();
    KRFloat *entry = settings ? settings->GetFloat(key) : nullptr;
    return entry ? entry->Value() : fallback;
}

int32_t RunDialog(int32_t code)
{
    if (code == kCmdFileOptions && CtrlAndShiftHeld() && VZApplication::Registry()) {
        KZRegistryDialog editor(VZApplication::Registry());
        return editor.DoModal();
    }
    QVZOptionsDialog dialog(code - kCmdFileOptions);
    return dialog.DoModal();
}

// Boards added, changed or removed in the options take effect now; the
// first board set up while the program runs starts the scoreboards.
void ApplyScoreboards()
{
    if (QVScoreboards *boards = VZApplication::Scoreboards())
        boards->ApplySettings();
    else
        VZApplication::PublishScoreboards(QVScoreboards::Create());
}

} // namespace

void QVZControl::RunOptions(int32_t code)
{
    double minX = 0.0, maxX = 0.0;
    bool shown = false;
    int32_t result = 0;
    while (result != kDialogCancel && (!shown || minX >= maxX || minX < kAxisStart || maxX > kAxisEnd)) {
        shown = true;
        result = RunDialog(code);
        if (QVSchedule *schedule = QVSchedule::Instance())
            schedule->ApplySettings();
        if (result == kDialogCancel)
            break;
        minX = FloatSetting(L"\\Chart\\Axes\\MinX", kAxisStart);
        maxX = FloatSetting(L"\\Chart\\Axes\\MaxX", kAxisEnd);
        if (minX >= maxX) {
            if (VZApplication *app = VZApplication::Instance())
                app->ShowError(KZSettingText(L"\\Strings\\Options\\Chart\\InvalidRange"));
            code = kCmdChartOptions;
        }
    }
    if (result != kDialogCancel) {
        ApplyScoreboards();
        RefreshCharts();
    }
    RefreshResults();
    RefreshOptions();
}
