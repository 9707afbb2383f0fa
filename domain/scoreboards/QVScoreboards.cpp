#include "domain/scoreboards/QVScoreboards.h"

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/resultslink/QVResultsFile.h"
#include "domain/schedule/QVServiceKeys.h"
#include "domain/scoreboards/QVScoreboard.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRGroupList.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileInfo.h"
#include "foundation/strings/KPathText.h"
#include "foundation/values/KDateTime.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<int> g_runningWorkers{0};

const wchar_t *const kScriptsName = L"Scripts";

KRGroup *Boards()
{
    KRegistry *settings = QVSettings();
    return settings ? settings->GetGroup(kKeyScoreboards) : nullptr;
}

bool IsBoardGroup(const KRNode *node)
{
    return node->IsGroup() && !node->Name().EqualsIgnoreCase(KString(kScriptsName));
}

void AppendTime(KString &out, const VRaceTime &time)
{
    if (time.IsValid())
        QVResultsFile::AppendMilliseconds(out, time.Milliseconds());
}

} // namespace

QVScoreboards *QVScoreboards::Create()
{
    KRegistry *settings = QVSettings();
    KRBool *boot = settings ? settings->GetBool(kKeyScoreboardsBoot) : nullptr;
    if (!boot || !boot->Value() || GroupCount() == 0)
        return nullptr;
    return new QVScoreboards;
}

QVScoreboards::QVScoreboards()
{
    ReadOptimize();
    KString folder;
    ScriptFolder(folder);
    for (int n = 0; KRGroup *group = GroupAt(n); ++n)
        if (!group->IsOmitted())
            m_boards.push_back(new QVScoreboard(*group, folder));
    if (Start(kPeriod, kPriority, kStackSize)) {
        ++g_runningWorkers;
        Resume();
    }
}

QVScoreboards::~QVScoreboards()
{
    if (GetState() != kStopped) {
        Stop();
        --g_runningWorkers;
    }
    for (QVScoreboard *board : m_boards)
        delete board;
}

int QVScoreboards::RunningWorkers()
{
    return g_runningWorkers;
}

int QVScoreboards::GroupCount()
{
    return KRCountMembers(Boards(), &IsBoardGroup);
}

KRGroup *QVScoreboards::GroupAt(int index)
{
    return KRMemberAt(Boards(), index, &IsBoardGroup);
}

KRGroup *QVScoreboards::AddGroup()
{
    KRegistry *settings = QVSettings();
    if (!settings)
        return nullptr;
    if (!Boards())
        settings->Parse(L"\\Scoreboards\\:=");
    KRGroup *boards = Boards();
    if (!boards)
        return nullptr;
    const KString name = KRFreeNumberName(*boards);
    const KString &defaultName = settings->GetText(kTextScoreboardDefaultName);
    // The entries of a new board, each "name:type=value".
    KString nameValue(defaultName.IsEmpty() ? KString(L"Scoreboard") : defaultName);
    const struct
    {
        const wchar_t *entry;
        const wchar_t *typeAndValue;
    } entries[] = {{kBoardScript, L":String="},         {kBoardSerialPort, L":String=0,9600,8,N,1.0"},
                   {kBoardCharMode, L":Int=0"},         {kBoardMinUpdateDelay, L":Int=0"},
                   {kBoardResultsMode, L":Int=0"},      {kBoardSendPlace, L":Int=0"},
                   {kBoardPageMode, L":Int=1"},         {kBoardPageSize, L":Int=1"},
                   {kBoardPageTime, L":Int=5000"},      {kBoardIncludeFirst, L":Bool=0"},
                   {kBoardAffilAbbr, L":Bool=0"}};
    auto add = [&](const wchar_t *entry, const wchar_t *typeAndValue, const KString &value) {
        KString line(kKeyScoreboards);
        line.AppendChar(L'\\').Append(name).AppendChar(L'\\').Append(entry).Append(typeAndValue).Append(value);
        settings->Parse(line);
    };
    add(kBoardName, L":String=", nameValue);
    for (const auto &e : entries)
        add(e.entry, e.typeAndValue, KString());
    return boards->GetGroup(name.CStr());
}

void QVScoreboards::ScriptFolder(KString &out)
{
    KRegistry *settings = QVSettings();
    if (settings)
        out.Append(settings->GetText(kKeyDataInDir));
}

void QVScoreboards::ListScripts()
{
    KRegistry *settings = QVSettings();
    if (!settings)
        return;
    ForgetScripts();
    if (!settings->GetGroup(kKeyScoreboardScripts))
        settings->Parse(L"\\Scoreboards\\Scripts\\:=");
    KRGroup *scripts = settings->GetGroup(kKeyScoreboardScripts);
    if (!scripts)
        return;
    scripts->SetSaved(false);
    KString pattern;
    ScriptFolder(pattern);
    KAppendPathName(pattern, KString(L"*.vss"));
    KFile search;
    search.SetFullName(pattern);
    KFileInfo info;
    int number = 0;
    while (search.FindNext(info)) {
        if (info.IsFolder())
            continue;
        KString line(kKeyScoreboardScripts);
        line.AppendChar(L'\\').AppendInt(++number).Append(L":String=").Append(info.GetName());
        settings->Parse(line);
    }
}

void QVScoreboards::ForgetScripts()
{
    KRegistry *settings = QVSettings();
    KRGroup *scripts = settings ? settings->GetGroup(kKeyScoreboardScripts) : nullptr;
    if (!scripts)
        return;
    while (KRNode *child = scripts->NextChild())
        delete child;
}

KRString *QVScoreboards::NextScript(KRString *entry)
{
    KRegistry *settings = QVSettings();
    KRGroup *scripts = settings ? settings->GetGroup(kKeyScoreboardScripts) : nullptr;
    if (!scripts)
        return nullptr;
    for (KRNode *n = scripts->NextChild(entry); n; n = scripts->NextChild(n))
        if (KRString *s = dynamic_cast<KRString *>(n))
            return s;
    return nullptr;
}

QVScoreboard *QVScoreboards::BoardAt(int n) const
{
    return n >= 0 && n < int(m_boards.size()) ? m_boards[size_t(n)] : nullptr;
}

void QVScoreboards::RequestUpdate()
{
    for (QVScoreboard *board : m_boards)
        board->RequestUpdate();
}

void QVScoreboards::ReadOptimize()
{
    KRegistry *settings = QVSettings();
    KRInt *optimize = settings ? settings->GetInt(kKeyScoreboardsOptimize) : nullptr;
    m_lock.Lock();
    m_optimize = !optimize || optimize->Value() != 0;
    m_lock.Unlock();
}

void QVScoreboards::ReinitializeAll()
{
    ReadOptimize();
    KString folder;
    ScriptFolder(folder);
    for (QVScoreboard *board : m_boards)
        board->Reload(folder);
    RequestUpdate();
}

void QVScoreboards::ApplySettings()
{
    ReadOptimize();
    KString folder;
    ScriptFolder(folder);
    std::vector<QVScoreboard *> boards;
    for (int n = 0; KRGroup *group = GroupAt(n); ++n) {
        if (group->IsOmitted())
            continue;
        QVScoreboard *board = nullptr;
        for (QVScoreboard *existing : m_boards)
            if (&existing->Group() == group)
                board = existing;
        if (!board)
            board = new QVScoreboard(*group, folder);
        else if (board->SettingsChanged())
            board->Reload(folder);
        boards.push_back(board);
    }
    m_boardsLock.Lock();
    m_boards.swap(boards);
    m_boardsLock.Unlock();
    for (QVScoreboard *board : boards)
        if (std::find(m_boards.begin(), m_boards.end(), board) == m_boards.end())
            delete board;
}

bool QVScoreboards::TimeOfDay() const
{
    return KHeldRead(m_lock, m_timeOfDay);
}

void QVScoreboards::SetTimeOfDay(bool on)
{
    KHeldWrite(m_lock, m_timeOfDay, on);
}

bool QVScoreboards::Use24Hour() const
{
    return KHeldRead(m_lock, m_use24Hour);
}

void QVScoreboards::SetUse24Hour(bool on)
{
    KHeldWrite(m_lock, m_use24Hour, on);
}

void QVScoreboards::SetResults(const QVResults *results, const QVEvent *event)
{
    std::vector<QVScoreboardRow> rows;
    int32_t trial = 0;
    for (QVResult *r = results ? results->NextResult(nullptr) : nullptr; r; r = results->NextResult(r)) {
        QVScoreboardRow row;
        row.lane = r->TextField(QVResult::kLane);
        row.id = r->TextField(QVResult::kIdentity);
        row.first = r->FirstName();
        row.last = r->LastName();
        row.affiliation = r->Affiliation();
        AppendTime(row.reaction, r->ReactionTime());
        AppendTime(row.timeToDistance, r->TimeToDistance());
        r->FormatPower(row.power);
        row.trial = ++trial;
        rows.push_back(row);
    }
    m_lock.Lock();
    m_data.rows.swap(rows);
    m_data.eventName.Clear();
    m_data.eventNumber.Clear();
    m_data.roundNumber.Clear();
    m_data.heatNumber.Clear();
    if (event) {
        m_data.eventName = event->Name();
        m_data.eventNumber = event->EventNumber();
        m_data.roundNumber = event->RoundNumber();
        m_data.heatNumber = event->HeatNumber();
    }
    ++m_resultsSerial;
    m_lock.Unlock();
}

void QVScoreboards::SetMessage(const KString &text, bool show)
{
    KMutexHold hold(m_lock);
    m_data.message = text;
    m_showMessage = show;
}

void QVScoreboards::Tick(int32_t now)
{
    QVScoreboard::Frame frame;
    frame.now = now;
    m_lock.Lock();
    frame.data = m_data;
    frame.timeOfDay = m_timeOfDay;
    frame.showMessage = m_showMessage;
    frame.data.use24Hour = m_use24Hour;
    frame.resultsSerial = m_resultsSerial;
    frame.optimize = m_optimize;
    m_lock.Unlock();
    KDateTime clock(true);
    frame.data.year = clock.Year();
    frame.data.month = clock.Month();
    frame.data.day = clock.Day();
    frame.data.hour = clock.Hour();
    frame.data.minute = clock.Minute();
    frame.data.second = clock.Second();
    KMutexHold hold(m_boardsLock);
    for (QVScoreboard *board : m_boards)
        board->Tick(frame);
}
