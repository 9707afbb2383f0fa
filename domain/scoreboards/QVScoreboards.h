#pragma once
// QVScoreboards: the program's scoreboards: one QVScoreboard per settings
// group under "\Scoreboards\" (the group "Scripts", the list of script
// files, is not a board), and the scoreboard thread, a KPeriodicTask of
// 100 ms at above-normal priority with a 32768-byte stack, that renders and
// sends each board's output. Other threads only store new state (the
// time-of-day switches, results, the message) under the scoreboards' lock
// and raise flags; the thread copies that state under the lock and formats
// and sends outside it. Made at start-up only when "\Scoreboards\Boot" is on
// and a board group exists (Create), deleted at shut-down; the board groups
// and the script list are static operations on the installed settings.

#include <cstdint>
#include <vector>

#include "domain/scoreboards/QVScoreboardData.h"
#include "foundation/threads/KMutex.h"
#include "foundation/threads/KPeriodicTask.h"

class KRGroup;
class KRNode;
class KRString;
class KString;
class QVEvent;
class QVResults;
class QVScoreboard;

class QVScoreboards : public KPeriodicTask
{
public:
    static constexpr int32_t kPeriod = 100;       // ms between ticks
    static constexpr int kPriority = 1;           // above normal
    static constexpr uint32_t kStackSize = 32768;

    // The scoreboards when "\Scoreboards\Boot" is on and GroupCount is not
    // 0, else none (and no thread is started).
    static QVScoreboards *Create();
    // Makes a board for every group and starts the thread.
    QVScoreboards();
    ~QVScoreboards() override;

    // Board groups under "\Scoreboards\".
    static int GroupCount();
    static KRGroup *GroupAt(int n);
    // Adds a group named with the smallest unused number, holding the
    // defaults of a new board; none without settings.
    static KRGroup *AddGroup();
    // Script list: fills "\Scoreboards\Scripts\" (not saved) with one String
    // entry "1", "2", ... per ".vss" file of the script folder, the value the
    // file's name; ForgetScripts removes the entries.
    static void ListScripts();
    static void ForgetScripts();
    // The entry after entry in the script list (the first for none); none at the end.
    static KRString *NextScript(KRString *entry);
    // Where scripts are read from: the data-in folder ("\Database\File\DataInDir").
    static void ScriptFolder(KString &out);
    // Worker threads of scoreboards now running (0 or 1).
    static int RunningWorkers();

    // Command 10152: every board sends its Init section and its content again.
    void RequestUpdate();
    // Command 10157: every board re-reads its settings and script, then as RequestUpdate.
    void ReinitializeAll();

    // Options were confirmed: a board is made for every group added since,
    // a board whose group was removed (omitted) is ended, and a board whose
    // settings changed reloads them and its script; boards left as they
    // were go on undisturbed. Optimize is read again. GUI thread.
    void ApplySettings();

    // The display switches (any thread; they take the lock).
    bool TimeOfDay() const;
    void SetTimeOfDay(bool on);
    bool Use24Hour() const;
    void SetUse24Hour(bool on);
    // The results the boards show (copied under the lock); none clears them.
    void SetResults(const QVResults *results, const QVEvent *event);
    // The message text; shown instead of results while on.
    void SetMessage(const KString &text, bool show);

    int BoardCount() const { return int(m_boards.size()); }
    QVScoreboard *BoardAt(int n) const;

protected:
    void Tick(int32_t now) override;

private:
    void ReadOptimize();

    mutable KMutex m_lock;
    // The board list: changed only on the GUI thread, under m_boardsLock,
    // which the scoreboard thread holds while it ticks the boards.
    KMutex m_boardsLock;
    std::vector<QVScoreboard *> m_boards;
    // Shared state (under m_lock).
    bool m_timeOfDay = false;
    bool m_use24Hour = true;
    bool m_showMessage = false;
    QVScoreboardData m_data;
    uint32_t m_resultsSerial = 0;
    bool m_optimize = true;   // "\Scoreboards\Optimize", read when made and reinitialised
};
