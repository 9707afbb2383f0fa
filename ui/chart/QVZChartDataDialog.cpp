#include "ui/chart/QVZChartDataDialog.h"

#include <windows.h>

#include <cstdio>

#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZButton.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/common/QVZCommands.h"

namespace {

// Column widths in characters: Time, X, Y, Summed, Slope.
constexpr int kColumnChars[QVZChartDataDisplaySelector::kColumns] = { 6, 7, 7, 10, 10 };
constexpr const wchar_t *kColumnTitles[QVZChartDataDisplaySelector::kColumns] = {
    L"Time", L"X", L"Y", L"Summed X, Y", L"Slope"
};
constexpr int kListCells = 16;

// A number with six decimals ("%lf").
KString Decimal(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lf", value);
    KString text;
    text.AppendAnsi(buffer);
    return text;
}

// The integer part of a raw sample as the sensor's signed 16-bit value.
int16_t Sample16(double value)
{
    if (value >= 2147483647.0)
        value = 2147483647.0;
    if (value <= -2147483648.0)
        value = -2147483648.0;
    return static_cast<int16_t>(static_cast<int32_t>(value));
}

} // namespace

QVZChartDataDialog::QVZChartDataDialog()
    : KZDialog(L"Chart Data", kButtonOk | kButtonCancel, kButtonOk)
{
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    int widths[QVZChartDataDisplaySelector::kColumns];
    int charsTotal = 0;
    for (int c = 0; c < QVZChartDataDisplaySelector::kColumns; ++c) {
        AddPrompt(kColumnTitles[c], kColumnChars[c]);
        widths[c] = kColumnChars[c] * display.cellWidth;
        charsTotal += kColumnChars[c];
    }
    NewLine();
    const int line = FontHeight() > 0 ? FontHeight() : 1;
    const int height = (kListCells * display.cellHeight - 4) / line * line + 4;
    list = new QVZChartDataDisplaySelector(this, widths, CursorColumn() * display.cellWidth,
                                           CursorRow() * display.cellHeight, height);
    Place(list, charsTotal);
    Move(-charsTotal - kFieldGap, (height + display.cellHeight - 1) / display.cellHeight);
    NewLine();
    Move(charsTotal, 0);
    AddButton(L"Export", kCmdChartDataExport);
    // The list opens on the gun: its row selected and at the top of the view.
    list->SetSelection(KPoint(0, QVZChartTraces::kGunSample));
    list->SetScrollPosition(KPoint(0, QVZChartTraces::kGunSample));
}

QVZChartDataDialog::~QVZChartDataDialog() = default;

ZafEventType QVZChartDataDialog::Event(const ZafEventStruct &event)
{
    if (event.type == kCmdChartDataExport) {
        Export();
        return event.type;
    }
    return KZDialog::Event(event);
}

void QVZChartDataDialog::Export()
{
    // Each export starts afresh, so that an earlier cancel or failure does
    // not block the next one.
    status = kStatusNone;
    KFile file;
    if (file.GetSaveFileName(L"txt", KString(), OSWindow()) < 0) {
        status = kStatusCancelled;
        return;
    }
    file.SetExtension(L"txt");
    bool failed = false;
    int32_t extra = -1;
    {
        KZLongOperation work(KZSettingText(kTextExportDataExporting, L"Exporting chart data..."));
        try {
            WriteFile(file);
        } catch (const KX &error) {
            file.Close();
            failed = true;
            status = error.Code() ? error.Code() : -1;
            extra = error.Extra();
        }
        // Escape leaves no half-written file behind.
        if (work.Aborted()) {
            file.Close();
            DeleteFileW(file.FullName().CStr());
            status = kStatusCancelled;
        }
    }
    if (failed)
        if (VZApplication *app = VZApplication::Instance())
            app->ShowFileError(status, extra, file.FullName());
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->Put(ZafEventStruct(kDialogOk, 0));
}

void QVZChartDataDialog::WriteFile(KFile &file)
{
    if (file.IsOpen())
        file.Close();
    file.SetWriteEncoding(0);
    file.Open(KFile::kModeWrite, true);
    file.SetSize(0);
    file.Seek(0);
    const QVZChartTraces &traces = QVZChartTraces::Shared();
    KZLongOperation *work = KZLongOperation::Current();
    for (int i = 0; i < QVZChartTraces::kSamples; ++i) {
        if (work && !work->Step(i * 100 / QVZChartTraces::kSamples))
            break;
        KString line = Decimal((i - QVZChartTraces::kGunSample) * 0.001);
        line.AppendChar(L'\t');
        line.AppendInt(Sample16(traces.RawX()[i]));
        line.AppendChar(L'\t');
        line.AppendInt(Sample16(traces.RawY()[i]));
        line.AppendChar(L'\n');
        file.WriteText(line);
    }
    file.Close();
}
