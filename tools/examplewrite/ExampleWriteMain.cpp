// examplewrite: downloads the simulated block sensor's trials over a COM
// port pair with the program's own link, keeps them in a document as the
// program's download does, and saves it as the example workout and event.
//
//   examplewrite COM_A COM_B FOLDER
//     COM_A  the program's end of the pair, COM_B the unit's end
//     FOLDER where example-workout.qvw and example-event.qve are written
//
// From the build folder, on the pair COM47 (program) and COM48 (unit):
//   ../tools/comport/comport.sh run comports/examples 47 48 --
//       ./wine-run.sh tools/examplewrite/examplewrite.exe 47 48 ../docs/examples
// (one command line).
#include <cstdio>
#include <cwchar>
#include <string>

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/values/KDateTime.h"
#include "tools/unitsim/UnitHostPort.h"
#include "tools/unitsim/UnitSim.h"

namespace
{

constexpr int32_t kBaud = 19200;

// Answers the document's save dialog with the file wanted; reports the rest.
class Writer : public QVUserInterface
{
public:
    std::wstring file;

    void ShowError(int32_t code, int32_t) override { std::fprintf(stderr, "examplewrite: error %d\n", int(code)); }
    void ShowMessage(const KString &, const KString &) override {}
    int Ask(const KString &, const KString &, int) override { return kCancel; }
    void StatusText(const KString &) override {}
    bool ChooseSaveFile(KString &path, const wchar_t *) override
    {
        path = KString(file.c_str());
        return true;
    }
};

// Every trial of the unit into the first leg's results, each marked as a
// false start below the limit and named after its source, as a download
// from the results pane keeps them.
bool Download(KSerialPort &port, QVResults &results)
{
    QVBlockSensors link;
    int32_t status = 0, unit = 0, valueA = 0, difference = 0, time = 0, version = 0, count = 0;
    if (link.GetDeviceType(port) != int32_t(kDeviceBlockSensor) ||
        !link.GetStatus(port, int32_t(kDeviceBlockSensor), status, unit, valueA, difference, time, version) ||
        !link.GetTrialList(port, unit, count))
        return false;
    for (int32_t trial = 0; trial < count; ++trial)
    {
        if (!link.DownloadTrial(port, int32_t(kUnitBlockSensor) | unit, trial, 0, false, true, true))
            return false;
        QVResult *result = results.NewResult();
        link.FillResult(*result, false);
        result->SetSource(KString(L"Block Sensor"));
    }
    results.MarkFalseStarts();
    return count > 0;
}

bool Save(QVEvent &event, Writer &writer, const std::wstring &folder, const wchar_t *name, int flags)
{
    writer.file = folder + L"\\" + name;
    const int code = event.Save(QVEvent::kSaveWrite | flags);
    if (code != 0)
        std::fwprintf(stderr, L"examplewrite: %ls not written (%d)\n", writer.file.c_str(), code);
    return code == 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: examplewrite COM_A COM_B FOLDER\n");
        return 2;
    }
    const int programPort = int(std::wcstol(argv[1], nullptr, 10));
    const int unitPort = int(std::wcstol(argv[2], nullptr, 10));
    unitsim::Unit unit(unitsim::Config::BlockSensor());
    KSerialPort port(1024, 1024, 1);
    if (!unit.Start(unitPort) || !OpenUnitHostPort(port, programPort, kBaud))
    {
        std::fprintf(stderr, "examplewrite: cannot open COM%d or COM%d\n", programPort, unitPort);
        return 1;
    }
    Writer writer;
    QVUserInterface::Install(&writer);
    QVEvent event;
    event.Initialize(QVEvent::kInitNew);
    const bool downloaded = Download(port, *event.Leg(0)->Results());
    port.Close();
    unit.Stop();
    if (!downloaded)
    {
        std::fprintf(stderr, "examplewrite: the download from the simulated unit failed\n");
        return 1;
    }
    event.SetDateTime(KDateTime(2026, 12, 7, 9, 30, 0, 0));
    event.SetName(KString(L"Example workout"));
    bool written = Save(event, writer, argv[3], L"example-workout.qvw", QVEvent::kSaveAsk);
    event.SetName(KString(L"Example event"));
    event.SetEventRoundHeat(KString(L"100H"), KString(L"1"), KString(L"2"));
    written = Save(event, writer, argv[3], L"example-event.qve", QVEvent::kSaveAskEvent) && written;
    QVUserInterface::Install(nullptr);
    return written ? 0 : 1;
}
