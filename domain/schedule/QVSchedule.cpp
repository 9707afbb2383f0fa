#include "domain/schedule/QVSchedule.h"

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/schedule/QVScheduleItem.h"
#include "domain/schedule/QVServiceKeys.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/registry/KRValueOr.h"
#include "foundation/registry/KRegistry.h"

namespace {

QVSchedule *g_schedule = nullptr;

// A result that holds anything measured is never dropped when a heat is
// loaded into a document again.
bool HoldsMeasurement(const QVResult &r)
{
    return r.ReactionTime().IsValid() || r.TimeToDistance().IsValid() || r.TraceLength() > 0 || r.HasPower() ||
           r.BreakCount() > 0;
}

} // namespace

QVSchedule::QVSchedule()
{
    ApplySettings();
}

QVSchedule::~QVSchedule()
{
    if (g_schedule == this)
        g_schedule = nullptr;
    m_entries.DeleteAll();
}

QVSchedule *QVSchedule::Instance()
{
    return g_schedule;
}

void QVSchedule::SetInstance(QVSchedule *schedule)
{
    g_schedule = schedule;
}

void QVSchedule::ApplySettings()
{
    KRegistry *settings = QVSettings();
    m_settings.mode = KRIntOr(settings, kKeyDatabaseMode, m_settings.mode);
    m_settings.charMode = KRIntOr(settings, kKeyDatabaseCharMode, m_settings.charMode);
    m_settings.statusChar = KRStringOr(settings, kKeyDatabaseStatusChar, m_settings.statusChar);
    m_settings.dataInDir = KRStringOr(settings, kKeyDataInDir, m_settings.dataInDir);
    m_settings.lookupPort = KRStringOr(settings, kKeyLookupPort, m_settings.lookupPort);
    m_settings.shortTimeout = KRIntOr(settings, kKeyLookupShortTimeout, m_settings.shortTimeout);
    m_settings.longTimeout = KRIntOr(settings, kKeyLookupLongTimeout, m_settings.longTimeout);
    m_settings.writeResults = KRBoolOr(settings, kKeyWriteVIF, m_settings.writeResults);
}

bool QVSchedule::LoadStartList()
{
    m_list.Clear();
    bool loaded = false;
    if (m_settings.mode == kModeFiles)
        loaded = m_list.Load(m_settings.dataInDir, m_settings.charMode, m_settings.statusChar);
    else if (m_settings.mode == kModeSerial)
        loaded = LoadFromLookup();
    WarnSkippedLines();
    return loaded;
}

void QVSchedule::WarnSkippedLines()
{
    const KString &first = m_list.FirstSkipped();
    if (first.IsEmpty() || first == m_warnedLine)
        return;
    m_warnedLine = first;
    QVUserInterface *ui = QVUserInterface::Installed();
    KRegistry *settings = QVSettings();
    if (!ui || !settings)
        return;
    KString text(settings->GetText(kTextLinesSkipped));
    text.AppendChar(L' ').Append(first);
    ui->ShowMessage(settings->GetText(kTextDatabaseTitle), text);
}

void QVSchedule::ShowText(const wchar_t *key) const
{
    QVUserInterface *ui = QVUserInterface::Installed();
    KRegistry *settings = QVSettings();
    if (!ui)
        return;
    KString title, text;
    if (settings) {
        title = settings->GetText(kTextDatabaseTitle);
        text = settings->GetText(key);
    }
    ui->ShowMessage(title, text);
}

void QVSchedule::ShowEmpty() const
{
    QVUserInterface *ui = QVUserInterface::Installed();
    if (m_settings.mode == kModeFiles && m_list.LoadError() != 0 && ui)
        ui->ShowFileError(m_list.LoadError(), m_list.LoadErrorExtra(), m_list.LoadErrorFile());
    else
        ShowText(kTextEmpty);
}

void QVSchedule::BuildList()
{
    m_entries.DeleteAll();
    LoadStartList();
    for (const QVStartListHeat &heat : m_list.Heats())
        m_entries.AddItem(new QVScheduleItem(heat, m_list.EventName(heat.event, heat.round)));
}

QVEvent *QVSchedule::LoadEvent(QVEvent *target, int, const KString &event, const KString &round,
                               const KString &heat)
{
    LoadStartList();
    if (m_list.Heats().empty()) {
        ShowEmpty();
        return nullptr;
    }
    int index = m_list.FindHeat(event, round, heat);
    if (index < 0) {
        ShowText(kTextNotFound);
        return nullptr;
    }
    return LoadHeat(target, index);
}

bool QVSchedule::Lacks(const KString &event, const KString &round, const KString &heat) const
{
    return !m_list.Heats().empty() && m_list.FindHeat(event, round, heat) < 0;
}

QVEvent *QVSchedule::Navigate(QVEvent *target, int, int direction, int)
{
    LoadStartList();
    const int count = int(m_list.Heats().size());
    if (count == 0) {
        ShowEmpty();
        return nullptr;
    }
    int current = m_event.IsEmpty() ? -1 : m_list.FindHeat(m_event, m_round, m_heat);
    int next;
    if (current < 0)
        next = direction >= 0 ? 0 : count - 1;
    else
        next = current + (direction >= 0 ? 1 : -1);
    if (next >= count) {
        ShowText(kTextAtEnd);
        return nullptr;
    }
    if (next < 0) {
        ShowText(kTextAtStart);
        return nullptr;
    }
    return LoadHeat(target, next);
}

bool QVSchedule::Offers(int direction) const
{
    if (m_settings.mode == kModeOff)
        return false;
    if (direction == 0 || m_event.IsEmpty())
        return true;
    const int current = m_list.FindHeat(m_event, m_round, m_heat);
    if (current < 0)
        return true;
    return direction > 0 ? current + 1 < int(m_list.Heats().size()) : current > 0;
}

QVEvent *QVSchedule::LoadHeat(QVEvent *target, int index)
{
    const QVStartListHeat &heat = m_list.Heats()[size_t(index)];
    QVEvent *event = target;
    if (!event) {
        event = new QVEvent;
        if (event->Initialize(QVEvent::kInitNew) != 0) {
            delete event;
            return nullptr;
        }
    }
    Fill(*event, heat);
    m_event = heat.event;
    m_round = heat.round;
    m_heat = heat.heat;
    return event;
}

void QVSchedule::Fill(QVEvent &event, const QVStartListHeat &heat) const
{
    event.SetEventRoundHeat(heat.event, heat.round, heat.heat);
    event.SetName(m_list.EventName(heat.event, heat.round));
    VLeg *leg = event.Leg(0);
    if (!leg)
        leg = event.AddLeg();
    QVResults *results = leg->CreateResults();
    for (QVResult *r = results->NextResult(nullptr); r;) {
        QVResult *next = results->NextResult(r);
        if (!HoldsMeasurement(*r))
            results->Delete(r);
        r = next;
    }
    std::vector<const QVStartListPerson *> people;
    m_list.PeopleOf(heat.event, heat.round, heat.heat, people);
    for (const QVStartListPerson *p : people) {
        QVResult *r = results->NewResult();
        r->SetLastName(p->last);
        r->SetFirstName(p->first);
        r->SetTextField(QVResult::kAffiliation, p->affiliation);
        r->SetTextField(QVResult::kLane, p->lane);
        r->SetTextField(QVResult::kIdentity, p->id);
        r->SetTextField(QVResult::kLicence, p->licence);
    }
}

void QVSchedule::CurrentEvent(KString &out) const
{
    out.Append(m_event);
}

void QVSchedule::CurrentRound(KString &out) const
{
    out.Append(m_round);
}

void QVSchedule::CurrentHeat(KString &out) const
{
    out.Append(m_heat);
}

QVScheduleItem *QVSchedule::EntryAt(int index) const
{
    if (index < 0)
        return nullptr;
    QVScheduleItem *item = NextEntry(nullptr);
    while (item && index-- > 0)
        item = NextEntry(item);
    return item;
}

QVScheduleItem *QVSchedule::NextEntry(QVScheduleItem *entry) const
{
    return static_cast<QVScheduleItem *>(m_entries.Next(entry));
}

bool QVSchedule::FillResult(QVResult &result)
{
    const KString &id = result.TextField(QVResult::kIdentity);
    if (id.IsEmpty() || !LoadStartList())
        return false;
    const QVStartListPerson *found = nullptr;
    std::vector<const QVStartListPerson *> people;
    if (!m_event.IsEmpty())
        m_list.PeopleOf(m_event, m_round, m_heat, people);
    for (const QVStartListPerson *p : people)
        if (!found && QVStartList::SameNumber(p->id, id))
            found = p;
    for (int i = 0; !found && i < m_list.PersonCount(); ++i)
        if (QVStartList::SameNumber(m_list.PersonAt(i).id, id))
            found = &m_list.PersonAt(i);
    if (!found)
        return false;
    result.SetLastName(found->last);
    result.SetFirstName(found->first);
    result.SetTextField(QVResult::kAffiliation, found->affiliation);
    result.SetTextField(QVResult::kLane, found->lane);
    result.SetTextField(QVResult::kLicence, found->licence);
    return true;
}

int QVSchedule::SendResults(QVEvent *event, int)
{
    if (!event || !m_settings.writeResults || m_settings.mode == kModeOff)
        return 0;
    return event->SendResults();
}

void QVSchedule::Startup() {}

void QVSchedule::Shutdown() {}
