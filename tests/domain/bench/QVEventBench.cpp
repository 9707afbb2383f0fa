// Times saving and reopening workouts of 10, 100 and 1,000 trials with full
// traces against plain transfers of the same bytes, in the same run:
// - a save against a plain write of the saved file's own bytes from memory
//   to a fresh file (one that did not exist), in pieces of the size a save
//   writes, flushed to the disk before it is closed, as a save must before
//   it replaces the old file;
// - a save against the bare calls of a safe replace of the same bytes over
//   the same target: a temporary file beside the saved workout written in
//   the same pieces, flushed, closed, and moved over the workout with
//   MoveFileEx (the next round's save then replaces that file);
// - an open against a plain read of the file into new memory, as opening a
//   document must put the data somewhere it was not before.
// Before each timed step the disk is settled: a small scratch file is
// flushed, so that work the file system still owed for earlier steps (the
// blocks of a replaced or deleted file) is not charged to the next one.
// Each figure is the median of the rounds: other work on the machine moves
// single rounds by a tenth and more.
// Goals: save at most 1.1 x the safe replace at 10 trials and 1.0 x at 100
// and 1,000; open at most 1.2 x the read at 10 trials and 1.0 x at 100 and
// 1,000.
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

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

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

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void FillWorkout(QVEvent &event, int trials)
{
    event.Initialize(QVEvent::kInitNew);
    QVResults *list = event.Leg(0)->Results();
    std::vector<int16_t> a(kTraceSamples), b(kTraceSamples);
    for (int t = 0; t < trials; ++t) {
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

// Flushes a one-byte scratch file: the file system finishes what it owes.
void Settle(const KString &scratch)
{
    HANDLE file = CreateFileW(scratch.CStr(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
}

// Writes bytes to a file at path made with the disposition, in the pieces
// a save writes, and flushes and closes it; false on failure.
bool WriteFlushed(const KString &path, DWORD disposition, const std::vector<char> &bytes)
{
    HANDLE file = CreateFileW(path.CStr(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const size_t chunk = size_t(QVEvent::kSavePieceBytes);
    for (size_t done = 0; done < bytes.size(); done += chunk) {
        DWORD n = DWORD(std::min(chunk, bytes.size() - done));
        DWORD written = 0;
        WriteFile(file, bytes.data() + done, n, &written, nullptr);
    }
    FlushFileBuffers(file);
    CloseHandle(file);
    return true;
}

// A flushed write of bytes to a new file at path; -1 on failure.
double FlushedWrite(const KString &path, const std::vector<char> &bytes)
{
    auto start = std::chrono::steady_clock::now();
    if (!WriteFlushed(path, CREATE_NEW, bytes))
        return -1;
    return Seconds(start);
}

// The bare calls of a safe replace of the existing file at path by bytes:
// a flushed write of path + ".tmp", then MoveFileEx over path; -1 on failure.
double SafeReplace(const KString &path, const std::vector<char> &bytes)
{
    KString temporary(path);
    temporary.Append(L".tmp");
    auto start = std::chrono::steady_clock::now();
    if (!WriteFlushed(temporary, CREATE_ALWAYS, bytes) ||
        !MoveFileExW(temporary.CStr(), path.CStr(), MOVEFILE_REPLACE_EXISTING))
        return -1;
    return Seconds(start);
}

// Reads the file into new memory in 64 KB pieces.
double PlainRead(const KString &path, size_t size)
{
    auto start = std::chrono::steady_clock::now();
    std::unique_ptr<char[]> bytes(new char[size]);
    HANDLE file = CreateFileW(path.CStr(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const size_t chunk = 64 * 1024;
    for (size_t done = 0; done < size; done += chunk) {
        DWORD n = DWORD(std::min(chunk, size - done));
        DWORD got = 0;
        ReadFile(file, bytes.get() + done, n, &got, nullptr);
    }
    CloseHandle(file);
    return Seconds(start);
}

// The whole file's bytes.
std::vector<char> FileBytes(const KString &path)
{
    KFile file(path.CStr());
    file.Open(KFile::kModeRead);
    std::vector<char> bytes(size_t(file.GetSize()));
    file.ReadExact(bytes.data(), int32_t(bytes.size()));
    file.Close();
    return bytes;
}

struct Figures
{
    long long bytes = 0;
    double save = 0, write = 0, replace = 0, open = 0, read = 0;
};

bool Measure(const KString &folder, int trials, int rounds, Figures &figures)
{
    KString workout(folder), plain(folder), scratch(folder);
    workout.Append(L"qv_bench.qvw");
    plain.Append(L"qv_bench.bin");
    scratch.Append(L"qv_bench.settle");
    BenchInterface ui(workout);
    QVUserInterface::Install(&ui);
    QVEvent event;
    FillWorkout(event, trials);

    std::vector<double> saves, writes, replaces, opens, reads;
    for (int round = 0; round < rounds; ++round) {
        Settle(scratch);
        auto start = std::chrono::steady_clock::now();
        int code = event.Save(QVEvent::kSaveWrite | QVEvent::kSaveAsk);
        saves.push_back(Seconds(start));
        if (code != 0) {
            std::printf("save failed: %d\n", code);
            return false;
        }

        {
            QVEvent reopened;
            Settle(scratch);
            start = std::chrono::steady_clock::now();
            code = reopened.Open(QVEvent::kOpenRead, workout);
            opens.push_back(Seconds(start));
            if (code != 0) {
                std::printf("open failed: %d\n", code);
                return false;
            }
        }

        std::vector<char> bytes = FileBytes(workout);
        figures.bytes = (long long)bytes.size();
        DeleteFileW(plain.CStr());
        Settle(scratch);
        writes.push_back(FlushedWrite(plain, bytes));
        Settle(scratch);
        replaces.push_back(SafeReplace(workout, bytes));
        Settle(scratch);
        reads.push_back(PlainRead(plain, bytes.size()));
    }
    KFile(workout.CStr()).Delete();
    KFile(plain.CStr()).Delete();
    KFile(scratch.CStr()).Delete();
    QVUserInterface::Install(nullptr);
    figures.save = Median(saves);
    figures.write = Median(writes);
    figures.replace = Median(replaces);
    figures.open = Median(opens);
    figures.read = Median(reads);
    return figures.write > 0 && *std::min_element(replaces.begin(), replaces.end()) > 0;
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
    struct Goal
    {
        int trials, rounds;
        double save, open;
    };
    const Goal goals[] = {{10, 31, 1.1, 1.2}, {100, 31, 1.0, 1.0}, {1000, 31, 1.0, 1.0}};
    std::printf("medians of 31 rounds; goals in brackets\n");
    for (const Goal &goal : goals) {
        Figures f;
        if (!Measure(folder, goal.trials, goal.rounds, f))
            return 1;
        std::printf("%4d trials, %9lld bytes: flushed write %7.2f ms  save %7.2f ms  ratio %.2f\n", goal.trials,
                    f.bytes, f.write * 1000, f.save * 1000, f.save / f.write);
        std::printf("%32s safe replace  %7.2f ms  save %7.2f ms  ratio %.2f (%.2f)\n", "", f.replace * 1000,
                    f.save * 1000, f.save / f.replace, goal.save);
        std::printf("%32s plain read    %7.2f ms  open %7.2f ms  ratio %.2f (%.2f)\n", "", f.read * 1000,
                    f.open * 1000, f.open / f.read, goal.open);
    }
    return 0;
}
