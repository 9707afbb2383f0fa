#include "domain/event/QVEvent.h"

#include "domain/charts/QVChart.h"
#include "domain/charts/QVChartView.h"
#include "domain/event/QVEventTestData.h"
#include "domain/fakes/QVRecordingFakes.h"
#include "domain/results/QVResultsView.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/log/KLog.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KKeptFileTable.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/support/SharedListLockHolder.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace
{
void ExpectSameDocument(QVEvent &a, QVEvent &b)
{
    EXPECT_EQ(a.Name(), b.Name());
    EXPECT_EQ(a.EventNumber(), b.EventNumber());
    EXPECT_EQ(a.HeatNumber(), b.HeatNumber());
    EXPECT_EQ(a.DateTime().Compare(b.DateTime()), 0);
    ASSERT_EQ(a.LegCount(), b.LegCount());
    for (int l = 0; l < a.LegCount(); ++l) {
        VLeg *la = a.Leg(l);
        VLeg *lb = b.Leg(l);
        ASSERT_EQ(la->ChartCount(), lb->ChartCount());
        ASSERT_EQ(!la->Results(), !lb->Results());
        if (!la->Results())
            continue;
        ASSERT_EQ(la->Results()->ResultCount(), lb->Results()->ResultCount());
        QVResult *rb = lb->Results()->NextResult(nullptr);
        for (QVResult *ra = la->Results()->NextResult(nullptr); ra; ra = la->Results()->NextResult(ra)) {
            EXPECT_TRUE(ra->Equals(*rb));
            rb = lb->Results()->NextResult(rb);
        }
    }
}

// A filled event whose save dialog answers the named file in a scratch folder.
struct SavingEvent
{
    SavingEvent(ScratchFolder &folder, const wchar_t *name, int results = 3)
    {
        ui.savePath = folder.File(name);
        FillTestEvent(event, results);
    }
    FakeUserInterface ui;
    QVEvent event;
};

std::string Saved(ScratchFolder &folder, const wchar_t *name, int results = 3)
{
    SavingEvent saving(folder, name, results);
    EXPECT_EQ(saving.event.Save(17), 0);
    return folder.ReadFile(name);
}

// Another running copy of the program (open_workout, beside this program)
// that has the workout open until it is told to end or killed.
class OtherCopy
{
public:
    explicit OtherCopy(const KString &workout)
    {
        wchar_t self[MAX_PATH];
        std::wstring program(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
        program.replace(program.find_last_of(L'\\') + 1, std::wstring::npos, L"open_workout.exe");
        const std::wstring name = L"qvtest_copy_" + std::to_wstring(GetCurrentProcessId());
        std::wstring line = L"\"" + program + L"\" \"" + workout.CStr() + L"\" " + name + L"_opened " + name + L"_end";
        HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, (name + L"_opened").c_str());
        itsEnd = CreateEventW(nullptr, TRUE, FALSE, (name + L"_end").c_str());
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        if (CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &itsCopy)) {
            HANDLE waits[] = {opened, itsCopy.hProcess};
            itsOpened = WaitForMultipleObjects(2, waits, FALSE, 30 * 1000) == WAIT_OBJECT_0;
        }
        CloseHandle(opened);
    }
    ~OtherCopy()
    {
        Kill();
        CloseHandle(itsEnd);
    }
    bool Opened() const { return itsOpened; }
    // Ends the copy as the program ends; its exit code.
    DWORD End()
    {
        SetEvent(itsEnd);
        return Ended(WaitForSingleObject(itsCopy.hProcess, 30 * 1000) == WAIT_OBJECT_0);
    }
    void Kill() { Ended(itsCopy.hProcess && TerminateProcess(itsCopy.hProcess, 9)); }

private:
    DWORD Ended(bool ended)
    {
        DWORD code = STILL_ACTIVE;
        if (!itsCopy.hProcess)
            return code;
        if (!ended)
            TerminateProcess(itsCopy.hProcess, 9);
        WaitForSingleObject(itsCopy.hProcess, INFINITE);
        GetExitCodeProcess(itsCopy.hProcess, &code);
        CloseHandle(itsCopy.hProcess);
        CloseHandle(itsCopy.hThread);
        itsCopy = PROCESS_INFORMATION{};
        return code;
    }

    PROCESS_INFORMATION itsCopy = {};
    HANDLE itsEnd;
    bool itsOpened = false;
};

// A window of this thread that another thread asks, every 50 ms while a
// step of this thread runs, as the system and other programs ask a window
// whether it answers.
class AskedWindow
{
public:
    // Longest wait of the other thread for an answer before it counts one
    // as missing: well under the lock's wait, well over a busy machine's
    // delays.
    static constexpr DWORD kAnswerTime = 2000;

    AskedWindow()
        : itsWindow(CreateWindowW(L"STATIC", L"asked", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~AskedWindow() { DestroyWindow(itsWindow); }
    // Runs step while the window is asked; the milliseconds it took.
    template <typename Step> long long During(Step step)
    {
        std::atomic<bool> done{false};
        HANDLE ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread asker([&] {
            while (!done) {
                DWORD_PTR answer = 0;
                if (!SendMessageTimeoutW(itsWindow, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTime, &answer))
                    ++itsMissing;
                Sleep(50);
            }
            SetEvent(ended);
        });
        const auto start = std::chrono::steady_clock::now();
        step();
        const auto took = std::chrono::steady_clock::now() - start;
        // This thread answers what came after the step until the asker ends.
        done = true;
        MSG message;
        while (MsgWaitForMultipleObjects(1, &ended, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0)
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        asker.join();
        CloseHandle(ended);
        return std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
    }
    // Questions that were not answered within kAnswerTime.
    int Missing() const { return itsMissing; }

private:
    HWND itsWindow;
    std::atomic<int> itsMissing{0};
};

// Replaces the first string record holding text by one holding replacement.
bool ReplaceText(std::string &bytes, const std::string &text, const std::string &replacement)
{
    auto utf16 = [](const std::string &t) {
        std::string out;
        for (char c : t)
            out += std::string(1, c) + std::string(1, '\0');
        return out;
    };
    size_t at = bytes.find(utf16(text));
    if (at == std::string::npos || at < 4)
        return false;
    uint32_t length = uint32_t(replacement.size());
    std::string count{char(length & 0xFF), char(length >> 8), 0, 0};
    bytes.replace(at - 4, 4 + text.size() * 2, count + utf16(replacement));
    return true;
}
}

TEST(QVEventFile, SavedResultsOpenIntoAFreshEventFieldForFieldAndSampleForSample)
{
    ScratchFolder folder;
    SavingEvent saving(folder, L"w1.qvw");
    QVEvent &original = saving.event;
    FakeUserInterface &ui = saving.ui;
    ASSERT_EQ(original.Save(17), 0);
    EXPECT_EQ(ui.dialogs, 1);
    EXPECT_EQ(ui.offered, L"qvw");
    EXPECT_FALSE(original.IsModified());
    EXPECT_TRUE(original.HasFileName(KString(ui.savePath)));

    QVEvent reopened;
    FakeEventWindow window;
    reopened.View().SetWindow(&window);
    ASSERT_EQ(reopened.Open(QVEvent::kOpenRead, ui.savePath), 0);
    EXPECT_EQ(window.changes, 1);
    ExpectSameDocument(original, reopened);
    EXPECT_FALSE(reopened.IsModified());
    KString title;
    reopened.FileTitle(title);
    EXPECT_EQ(title, L"w1");

    std::vector<double> a(2 * kTraceSamples), b(2 * kTraceSamples);
    QVResult *ra = original.Leg(0)->Results()->NextResult(nullptr);
    QVResult *rb = reopened.Leg(0)->Results()->NextResult(nullptr);
    for (; ra && rb; ra = ra->Results()->NextResult(ra), rb = rb->Results()->NextResult(rb)) {
        ra->DecodeTrace(a.data());
        rb->DecodeTrace(b.data());
        EXPECT_EQ(a, b);
    }
    // The reopened document keeps the views of its charts and lists.
    EXPECT_NE(reopened.Leg(0)->Chart(1)->View(0, false), nullptr);
    EXPECT_NE(reopened.Leg(0)->Results()->NextView(nullptr), nullptr);
}

TEST(QVEventFile, SaveWithoutTheWriteFlagDoesNothing)
{
    ScratchFolder folder;
    SavingEvent saving(folder, L"never.qvw");
    EXPECT_EQ(saving.event.Save(0), 0);
    EXPECT_EQ(saving.ui.dialogs, 0);
    EXPECT_FALSE(KFile(saving.ui.savePath.CStr()).Exists());
    EXPECT_TRUE(saving.event.IsModified());
}

TEST(QVEventFile, ACancelledDialogAnswers1004AndANeverSavedDocumentAlwaysAsks)
{
    ScratchFolder folder;
    FakeUserInterface ui;
    QVEvent event;
    FillTestEvent(event);
    EXPECT_EQ(event.Save(17), kErrDialogCancelled);
    EXPECT_EQ(event.Save(1), kErrDialogCancelled);
    EXPECT_EQ(ui.dialogs, 2);
    EXPECT_EQ(event.Save(33), kErrDialogCancelled);
    EXPECT_EQ(ui.offered, L"qve");
    EXPECT_TRUE(event.IsModified());

    ui.savePath = folder.File(L"e1.qve");
    EXPECT_EQ(event.Save(33), 0);
    EXPECT_EQ(event.DocumentKind(), QVEvent::kEvent);
    ui.savePath = KString();
    EXPECT_EQ(event.Save(1), 0);   // a saved document writes to its file without asking
    EXPECT_EQ(ui.dialogs, 4);
}

TEST(QVEventFile, APatchedVersionWordGives3009AndLeavesTheDocumentAsItWas)
{
    ScratchFolder folder;
    std::string bytes = Saved(folder, L"v.qvw");
    ASSERT_GT(bytes.size(), 4u);
    bytes[0] = char(0x07);
    folder.WriteFile(L"v.qvw", bytes);

    QVEvent event;
    FillTestEvent(event, 1);
    EXPECT_EQ(event.Open(QVEvent::kOpenRead, folder.File(L"v.qvw")), kErrFileVersion);
    EXPECT_EQ(event.Name(), L"Morning blocks");
    EXPECT_EQ(event.Leg(0)->Results()->ResultCount(), 1);
    EXPECT_TRUE(event.FileName().IsEmpty());
}

TEST(QVEventFile, AFileCutInTheMiddleOfATraceGives3010)
{
    ScratchFolder folder;
    std::string bytes = Saved(folder, L"cut.qvw");
    // The last result's trace ends just before the legs' charts and the end
    // mark; cutting 30000 bytes from the end lands inside a trace.
    folder.WriteFile(L"cut.qvw", bytes.substr(0, bytes.size() - 30000));
    QVEvent event;
    EXPECT_EQ(event.Open(QVEvent::kOpenRead, folder.File(L"cut.qvw")), kErrFileContents);
    EXPECT_EQ(event.LegCount(), 0);

    folder.WriteFile(L"tail.qvw", bytes + "x");
    EXPECT_EQ(event.Open(QVEvent::kOpenRead, folder.File(L"tail.qvw")), kErrFileContents);
    folder.WriteFile(L"empty.qvw", "");
    EXPECT_EQ(event.Open(QVEvent::kOpenRead, folder.File(L"empty.qvw")), kErrFileContents);
    EXPECT_EQ(-1, event.OpenError().Extra()) << "a damaged file carries no system error";
    EXPECT_EQ(event.Open(QVEvent::kOpenRead, folder.File(L"missing.qvw")), kErrFileOpen);
    // The system's error and the file, for the message.
    EXPECT_EQ(2, event.OpenError().Extra());   // ERROR_FILE_NOT_FOUND
    EXPECT_EQ(folder.File(L"missing.qvw"), event.OpenError().Text());
}

TEST(QVEventFile, AFailedSaveKeepsThePreviousFileAndLeavesNothingBesideIt)
{
    ScratchFolder folder;
    std::string before = Saved(folder, L"keep.qvw", 1);
    SavingEvent saving(folder, L"keep.qvw");
    FakeUserInterface &ui = saving.ui;
    QVEvent &event = saving.event;
    {
        // Another program holds the file open, without letting it be
        // deleted, until after the save: it cannot be replaced.
        KFile holder(ui.savePath.CStr());
        holder.Open(KFile::kModeRead);
        EXPECT_EQ(event.Save(17), kErrFileWrite);
        EXPECT_EQ(event.SaveError().Code(), kErrFileWrite);
        EXPECT_EQ(event.SaveError().Text(), ui.savePath);   // the message names the file
        EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"keep.qvw"});
    }
    EXPECT_EQ(folder.ReadFile(L"keep.qvw"), before);
    EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"keep.qvw"});
    EXPECT_TRUE(event.IsModified());

    ui.savePath = folder.File(L"no such folder\\x.qvw");
    EXPECT_NE(event.Save(17), 0);
}

// A name of 255 characters, the most a file system takes: the temporary
// file beside it has a shorter name of its own.
TEST(QVEventFile, AWorkoutWithANameOfTheLongestLengthIsSavedInPlaceAndReopensEqual)
{
    ScratchFolder folder;
    const std::wstring name = std::wstring(251, L'w') + L".qvw";
    SavingEvent saving(folder, name.c_str());
    ASSERT_EQ(saving.event.Save(17), 0);

    QVEvent reopened;
    ASSERT_EQ(reopened.Open(QVEvent::kOpenRead, saving.ui.savePath), 0);
    reopened.SetName(KString(L"Evening blocks"));
    ASSERT_EQ(reopened.Save(QVEvent::kSaveWrite), 0) << reopened.SaveError().Code();
    EXPECT_EQ(saving.ui.dialogs, 1);   // saved in place, without asking

    QVEvent again;
    ASSERT_EQ(again.Open(QVEvent::kOpenRead, saving.ui.savePath), 0);
    ExpectSameDocument(reopened, again);
    EXPECT_EQ(again.Name(), L"Evening blocks");
    EXPECT_EQ(folder.Names(), std::set<std::wstring>{name});
}

// A second document saved as "heat.qve.old" just after "heat.qve" was saved
// over its previous version: a save touches no file but its own target.
TEST(QVEventFile, AFileNamedLikeTheTargetPlusOldAndSavedRightAfterTheTargetsSaveIsKept)
{
    ScratchFolder folder;
    Saved(folder, L"heat.qve");
    Saved(folder, L"heat.qve");
    const std::string second = Saved(folder, L"heat.qve.old", 1);
    Sleep(1000);
    EXPECT_TRUE(folder.ReadFile(L"heat.qve.old") == second) << "the second document was deleted or changed";
    EXPECT_EQ(folder.Names(), (std::set<std::wstring>{L"heat.qve", L"heat.qve.old"}));
}

// Workout A saved as "heat.qvw.tmp", then workout B as "heat.qvw" and A
// saved as "heat.qvw" too: while A is open its file is nobody's leftover,
// whichever save meets it under its temporary name. What is kept follows A's
// saves: its new file, also under another name, and no longer its old one.
TEST(QVEventFile, AnOpenDocumentsFileUnderAnotherTargetsTemporaryNameIsKept)
{
    ScratchFolder folder;
    SavingEvent a(folder, L"heat.qvw.tmp", 1);
    ASSERT_EQ(a.event.Save(17), 0);
    const std::string first = folder.ReadFile(L"heat.qvw.tmp");
    const std::string second = Saved(folder, L"heat.qvw");
    EXPECT_TRUE(folder.ReadFile(L"heat.qvw.tmp") == first) << "the open workout's file was deleted or changed";
    EXPECT_TRUE(folder.ReadFile(L"heat.qvw") == second);

    QVUserInterface::Install(&a.ui);   // B's interface has gone
    a.ui.savePath = folder.File(L"heat.qvw");
    ASSERT_EQ(a.event.Save(17), 0);
    EXPECT_TRUE(folder.ReadFile(L"heat.qvw.tmp") == first);
    EXPECT_TRUE(folder.ReadFile(L"heat.qvw") == first);
    EXPECT_EQ(folder.Names(), (std::set<std::wstring>{L"heat.qvw", L"heat.qvw.tmp"}));

    ASSERT_TRUE(CreateHardLinkW(folder.File(L"notes.qvw.tmp").CStr(), folder.File(L"heat.qvw").CStr(), nullptr));
    Saved(folder, L"notes.qvw");
    Saved(folder, L"heat.qvw");
    EXPECT_TRUE(folder.ReadFile(L"notes.qvw.tmp") == first);
    EXPECT_EQ(folder.Names(), (std::set<std::wstring>{L"heat.qvw", L"notes.qvw", L"notes.qvw.tmp"}));
}

// Another running copy of the program has "heat.qvw.tmp" open, by the name
// "HEAT.QVW.TMP": a save of "heat.qvw" takes the next temporary name and
// leaves that workout whole. Its name stays kept, letter case ignored, when
// this copy saves another workout over it and closes that: a save of
// "heat.qvw" leaves the file that has the name now. Once that copy has
// ended, or was killed, the name is a leftover again that the next save
// clears.
TEST(QVEventFile, AWorkoutOpenInAnotherRunningCopyIsKeptByItsNameInAnyCaseUntilThatCopyEndsOrIsKilled)
{
    ScratchFolder folder;
    for (const bool killed : {false, true}) {
        const std::string open = Saved(folder, L"heat.qvw.tmp", 1);
        OtherCopy other(folder.File(L"HEAT.QVW.TMP"));
        ASSERT_TRUE(other.Opened());
        const std::string second = Saved(folder, L"heat.qvw");
        EXPECT_TRUE(folder.ReadFile(L"heat.qvw.tmp") == open) << "the other copy's workout was deleted or changed";
        EXPECT_TRUE(folder.ReadFile(L"heat.qvw") == second);
        const std::string over = Saved(folder, L"heat.qvw.tmp", 2);
        Saved(folder, L"heat.qvw");
        EXPECT_TRUE(folder.ReadFile(L"heat.qvw.tmp") == over) << "the file at the other copy's open name was deleted";
        if (killed)
            other.Kill();
        else
            EXPECT_EQ(other.End(), 0u);
        const std::string third = Saved(folder, L"heat.qvw", 2);
        EXPECT_TRUE(folder.ReadFile(L"heat.qvw") == third);
        EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"heat.qvw"}) << "killed: " << killed;
    }
}

// Another copy takes the shared list's lock while a workout is open here,
// and never lets go: saving the workout twice with leftovers under its
// temporary names and opening it once more each wait for the lock once at
// most, kLockWait, and then go on as for a list they cannot have: the
// leftovers are kept and each save takes the next free name. Once no step
// has found the lock taken for kLockWait, a step that took it would wait
// again: a save of the listed workout that finds its temporary name free
// and closing both answer at once. The window of the waiting thread answers
// throughout. Once the lock is free again, the next save clears a leftover.
TEST(QVEventFile, WhileAnotherCopyHoldsTheSharedListsLockEachStepWaitsOnceAtMostAndTheWindowAnswers)
{
    ScratchFolder folder;
    const KString path = folder.File(L"heat.qvw");
    Saved(folder, L"heat.qvw");
    const wchar_t *leftovers[] = {L"heat.qvw.tmp", L"heat.qvw.1.tmp", L"heat.qvw.2.tmp"};
    for (const wchar_t *left : leftovers)
        folder.WriteFile(left, "left");
    std::unique_ptr<SavingEvent> workout(new SavingEvent(folder, L"heat.qvw"));
    ASSERT_EQ(workout->event.Open(QVEvent::kOpenRead, path), 0);
    const long long bound = KKeptFileTable::kLockWait + 1000;
    const long long atOnce = KKeptFileTable::kLockWait / 2;
    {
        SharedListLockHolder holder;
        AskedWindow window;
        for (int save = 1; save <= 2; ++save) {
            int code = -1;
            EXPECT_LE(window.During([&] { code = workout->event.Save(17); }), bound) << "save " << save;
            EXPECT_EQ(code, 0) << "save " << save;
            for (const wchar_t *left : leftovers)
                EXPECT_EQ(folder.ReadFile(left), "left") << "save " << save;
        }
        std::unique_ptr<QVEvent> again(new QVEvent);
        int code = -1;
        EXPECT_LE(window.During([&] { code = again->Open(QVEvent::kOpenRead, path); }), bound) << "open";
        EXPECT_EQ(code, 0);
        // The open was the last step to find the lock taken.
        const auto lastTry = std::chrono::steady_clock::now();
        for (const wchar_t *left : leftovers)
            ASSERT_TRUE(DeleteFileW(folder.File(left).CStr()));
        std::this_thread::sleep_until(lastTry + std::chrono::milliseconds(KKeptFileTable::kLockWait + 500));
        code = -1;
        EXPECT_LE(window.During([&] { code = workout->event.Save(17); }), atOnce) << "save of the listed workout";
        EXPECT_EQ(code, 0);
        const auto close = [&] {
            workout.reset();
            again.reset();
        };
        EXPECT_LE(window.During(close), atOnce) << "close";
        EXPECT_EQ(window.Missing(), 0) << "the window did not answer while a step waited";
    }
    folder.WriteFile(L"heat.qvw.tmp", "left");
    Saved(folder, L"heat.qvw");
    EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"heat.qvw"});
}

TEST(QVEventFile, RandomlyDamagedFilesOpenWithAnErrorOrAsAValidDocument)
{
    ScratchFolder folder;
    std::string good = Saved(folder, L"good.qvw", 2);
    std::mt19937 random(20261207);
    int failures = 0;
    for (int copy = 0; copy < 300; ++copy) {
        std::string bytes = good;
        int damage = 1 + int(random() % 8);
        for (int d = 0; d < damage; ++d) {
            size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0: bytes[at] = char(random()); break;
            case 1: bytes[at] = char(0xFF); break;
            case 2: bytes.resize(at); break;
            default: bytes.insert(at, 1, char(random())); break;
            }
            if (bytes.empty())
                break;
        }
        folder.WriteFile(L"bad.qvw", bytes);
        QVEvent event;
        int code = event.Open(QVEvent::kOpenRead, folder.File(L"bad.qvw"));
        if (code != 0) {
            ++failures;
            EXPECT_TRUE(code == kErrFileVersion || code == kErrFileContents) << code;
            EXPECT_EQ(event.LegCount(), 0);
            continue;
        }
        // An accepted document is whole: every result decodes.
        std::vector<double> samples(2 * kTraceSamples);
        for (VLeg *leg = event.NextLeg(nullptr); leg; leg = event.NextLeg(leg))
            if (leg->Results())
                for (QVResult *r = leg->Results()->NextResult(nullptr); r; r = leg->Results()->NextResult(r))
                    r->DecodeTrace(samples.data());
    }
    EXPECT_GT(failures, 150);
}

TEST(QVEventFile, TextsLongerThanTheirFieldsAreCutOnOpeningAndLogged)
{
    ScratchFolder folder;
    std::string bytes = Saved(folder, L"long.qvw", 1);
    ASSERT_TRUE(ReplaceText(bytes, "Morning blocks", std::string(80, 'N')));
    ASSERT_TRUE(ReplaceText(bytes, "Ada", std::string(70, 'A')));
    folder.WriteFile(L"long.qvw", bytes);

    QVEvent event;
    {
        KTestApplication app;
        app.SetProgram(folder.File(L"program.exe").CStr());
        KLog log;
        KSetProgramLog(&log);
        EXPECT_EQ(event.Open(QVEvent::kOpenRead, folder.File(L"long.qvw")), 0);
        KSetProgramLog(nullptr);
    }
    EXPECT_EQ(event.Name(), std::wstring(63, L'N').c_str());
    EXPECT_EQ(event.Leg(0)->Results()->NextResult(nullptr)->FirstName(), std::wstring(63, L'A').c_str());
    std::string log = folder.ReadFile(L"program.log");
    EXPECT_NE(log.find("name of 80 characters cut to 63"), std::string::npos) << log;
    EXPECT_NE(log.find("first name of 70 characters cut to 63"), std::string::npos) << log;
}
