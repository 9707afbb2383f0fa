// QVZControl: the developer chart commands, which change what every chart
// shows and then plot the charts again.
#include "shell/app/KZAppCodes.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/chart/QVZLocalAlgorithmDialog.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"

void QVZControl::ChartCommand(int32_t code)
{
    if (code == kCmdChartLocalAlgorithmSettings) {
        QVZLocalAlgorithmDialog dialog;
        if (dialog.DoModal() != kDialogOk)
            return;
    } else if (code == kCmdChartLocalAlgorithmShow) {
        QVZChartTraces::SetLocalDetection(!QVZChartTraces::LocalDetection());
    } else if (!QVZChartTraces::SetDisplayMode(code)) {
        return;
    }
    RefreshCharts();
}
