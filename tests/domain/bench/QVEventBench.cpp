// Times saving and reopening a workout of 1,000 trials with full traces
// against a plain write and read of a file of the same size, in the same run.
// Target: save and open each within twice the plain transfer. The plain
// write writes from memory already in use; the plain read reads into new
// memory, as opening a document must. A save also waits until its file is
// on the disk before it replaces the old one.
//
// Usage: domain_bench [folder]   (default: the system's temporary folder)

#include "domain/QVDomainCodes.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/streams/KFile.h"
#include "foundation/strings/KString.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{
constexpr int kTrials = 1000;
constexpr int kRepeats = 3;

class BenchInterface : public QVUserInterface
{
public:
    explicit BenchInterface(const KString &path) : m_path(path) {}
    void ShowError(int32_t, int32_t) override {}
    void ShowMessage(const KString &, const KString &) override {}
    int Ask(const KString &, const KString &, int) override { return kCancel; }
    void StatusText(const KString &) override {}
    bool ChooseSaveFile(KString &path, const wchar_t *) override
    {
        path = m_path;
        return true;
    }

private:
    KString m_path;
};

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void FillWorkout(QVEvent &event)
{
    event.Initialize(QVEvent::kInitNew);
    QVResults *list = event.Leg(0)->Results();
    std::vector<int16_t> a(kTraceSamples), b(kTraceSamples);
    for (int t = 0; t < kTrials; ++t) {
        for (int i = 0; i < kTraceSamples; ++i) {
            a[i] = int16_t((i * 7 + t) & 0x7FFF);
            b[i] = int16_t(-((i * 3 + t) & 0x3FFF));
        }
        QVResult *r = list->NewResult();
        r->SetLastName(KString(L"Trial"));
        r->SetReactionTime(VRaceTime(120 + t % 50, VRaceTime::kMillisecond, VRaceTime::kMillisecond));
        r->SetPower(4000 + t);
        r->SetTrace(a.data(), b.data());
    }
}

// Writes bytes to path in 64 KB pieces; with durable set also waits until
// they are on the disk (as a save does before it replaces the old file).
double PlainWrite(const KString &path, const std::vector<char> &bytes, bool durable)
{
    auto start = std::chrono::steady_clock::now();
    HANDLE file = CreateFileW(path.CStr(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const size_t chunk = 64 * 1024;
    for (size_t done = 0; done < bytes.size(); done += chunk) {
        DWORD n = DWORD(bytes.size() - done < chunk ? bytes.size() - done : chunk);
        DWORD written = 0;
        WriteFile(file, bytes.data() + done, n, &written, nullptr);
    }
    if (durable)
        FlushFileBuffers(file);
    CloseHandle(file);
    return Seconds(start);
}

// Reads the file into new memory, as any reader of a file must put the data
// somewhere it was not before.
double PlainRead(const KString &path, size_t size)
{
    auto start = std::chrono::steady_clock::now();
    std::unique_ptr<char[]> bytes(new char[size]);
    HANDLE file = CreateFileW(path.CStr(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const size_t chunk = 64 * 1024;
    for (size_t done = 0; done < size; done += chunk) {
        DWORD n = DWORD(size - done < chunk ? size - done : chunk);
        DWORD got = 0;
        ReadFile(file, bytes.get() + done, n, &got, nullptr);
    }
    CloseHandle(file);
    return Seconds(start);
}
}

int main(int argc, char **argv)
{
    KString folder;
    if (argc > 1) {
        folder.AppendAnsi(argv[1]);
        if (folder[folder.Length() - 1] != L'\\')
            folder.AppendChar(L'\\');
    } else {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = temp;
    }
    KString workout(folder), plain(folder);
    workout.Append(L"qv_bench.qvw");
    plain.Append(L"qv_bench.bin");

    BenchInterface ui(workout);
    QVUserInterface::Install(&ui);
    QVEvent event;
    FillWorkout(event);

    double save = 1e9, open = 1e9, write = 1e9, durable = 1e9, read = 1e9;
    int64_t size = 0;
    for (int r = 0; r < kRepeats; ++r) {
        auto start = std::chrono::steady_clock::now();
        int code = event.Save(QVEvent::kSaveWrite | QVEvent::kSaveAskWorkout);
        double s = Seconds(start);
        if (code != 0) {
            std::printf("save failed: %d\n", code);
            return 1;
        }
        save = s < save ? s : save;

        QVEvent reopened;
        start = std::chrono::steady_clock::now();
        code = reopened.Open(QVEvent::kOpenRead, workout);
        s = Seconds(start);
        if (code != 0) {
            std::printf("open failed: %d\n", code);
            return 1;
        }
        open = s < open ? s : open;

        KFile probe(workout.CStr());
        probe.Open(KFile::kModeRead);
        size = probe.GetSize();
        probe.Close();
        std::vector<char> bytes(size_t(size), 'x');
        s = PlainWrite(plain, bytes, false);
        write = s < write ? s : write;
        s = PlainWrite(plain, bytes, true);
        durable = s < durable ? s : durable;
        s = PlainRead(plain, bytes.size());
        read = s < read ? s : read;
    }
    KFile(workout.CStr()).Delete();
    KFile(plain.CStr()).Delete();
    QVUserInterface::Install(nullptr);

    std::printf("workout of %d trials, %lld bytes (best of %d runs)\n", kTrials, (long long)size, kRepeats);
    std::printf("plain write %8.1f ms   save %8.1f ms   ratio %.2f (target 2.00)\n", write * 1000, save * 1000,
                save / write);
    std::printf("plain write with flush to disk %8.1f ms  ratio of save %.2f\n", durable * 1000,
                save / durable);
    std::printf("plain read  %8.1f ms   open %8.1f ms   ratio %.2f (target 2.00)\n", read * 1000, open * 1000,
                open / read);
    return 0;
}
