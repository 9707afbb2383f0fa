#pragma once
// QVSchedule: the start-list database. It reads the schedule, event and
// people files ("vexa.sch", "vexa.evt", "vexa.ppl") from the data-in folder,
// or asks for the same lines over the serial lookup link, by the setting
// "\Database\Mode" (0 off, 1 files, 2 serial lookup). It keeps the entry
// list (one QVScheduleItem per heat, in running order), knows the current
// heat, and fills a document with a heat's people. The texts
// "\Strings\Database\NotFound", "AtStart", "AtEnd" and "Empty" are shown
// through the domain's user interface. Every operation reads the files
// afresh, so edits made while the program runs are seen at the next step.
// One object for the program, made at start-up and published through
// Instance; GUI thread.

#include <cstdint>

#include "domain/schedule/QVStartList.h"
#include "foundation/containers/KList.h"
#include "foundation/strings/KString.h"

class QVEvent;
class QVResult;
class QVScheduleItem;

class QVSchedule
{
public:
    enum Mode { kModeOff = 0, kModeFiles = 1, kModeSerial = 2 };

    // The database settings, as ApplySettings reads them.
    struct Settings
    {
        int mode = kModeFiles;
        int charMode = 0;
        KString statusChar = L"\\";
        KString dataInDir;
        KString lookupPort = L"0,9600,8,N,1.0";
        int32_t shortTimeout = 1000;
        int32_t longTimeout = 10000;
        bool writeResults = true;      // "\Database\File\WriteVIF"
    };

    QVSchedule();
    ~QVSchedule();
    QVSchedule(const QVSchedule &) = delete;
    QVSchedule &operator=(const QVSchedule &) = delete;

    // The program's schedule; none before start-up made one.
    static QVSchedule *Instance();
    static void SetInstance(QVSchedule *schedule);
    // Module start-up and shut-down (nothing to do: the program closes the
    // results link right after).
    static void Startup();
    static void Shutdown();

    // Re-reads the database settings from the installed settings.
    void ApplySettings();
    const Settings &CurrentSettings() const { return m_settings; }
    void SetSettings(const Settings &settings) { m_settings = settings; }

    // Loads the heat event/round/heat into target (none: a new document,
    // which the caller then owns) and makes it the current heat. Answers the
    // document, or none after showing NotFound (or Empty). The person lines
    // of target are replaced; its trials that hold a measurement are kept.
    // flag is passed on by the callers and changes nothing here.
    QVEvent *LoadEvent(QVEvent *target, int flag, const KString &event, const KString &round,
                       const KString &heat);
    // Whether the schedule as last read has heats but none numbered
    // event/round/heat: what LoadEvent answered with NotFound.
    bool Lacks(const KString &event, const KString &round, const KString &heat) const;
    // Loads the heat direction steps from the current one in running order
    // (from before the first when there is none). At either end nothing is
    // loaded and AtStart or AtEnd is shown; Empty when the schedule has no
    // heat.
    QVEvent *Navigate(QVEvent *target, int flag, int direction, int unused = 0);
    // Whether moving by direction (0: Goto) may load a heat, for the menu:
    // never with the database off; Previous and Next not when the current
    // heat is the first or the last of the schedule as last read (the
    // files are read again when a heat is loaded).
    bool Offers(int direction) const;
    // Rebuilds the entry list from the schedule, from the start.
    void BuildList();

    // Append the current heat's numbers (nothing when there is none).
    void CurrentEvent(KString &out) const;
    void CurrentRound(KString &out) const;
    void CurrentHeat(KString &out) const;

    // The entry list.
    QVScheduleItem *EntryAt(int index) const;
    QVScheduleItem *NextEntry(QVScheduleItem *entry) const;
    int EntryCount() const { return m_entries.Count(); }

    // Fills a result from its identification (text field 4): the person of
    // the current heat with that id, else the first person of the start
    // list with it, gives names, affiliation, lane and licence. False, the
    // result unchanged, when no person has that id.
    bool FillResult(QVResult &result);

    // The results hand-over after a save: with "\Database\File\WriteVIF" on
    // and the database not off, the document's results are written and sent
    // (QVEvent::SendResults); answers its code, 0 when nothing was to do.
    int SendResults(QVEvent *event, int flag);

private:
    // Reads the start list from the files or the lookup link; false (and an
    // empty list) when the schedule cannot be had.
    bool LoadStartList();
    bool LoadFromLookup();
    QVEvent *LoadHeat(QVEvent *target, int index);
    void Fill(QVEvent &event, const QVStartListHeat &heat) const;
    void ShowText(const wchar_t *key) const;
    // The schedule holds no heats: the file error that left it empty, else
    // "\Strings\Database\Empty".
    void ShowEmpty() const;
    // After the start list was read: when it skipped lines, says so on
    // screen with the first of them, once for each first skipped line.
    void WarnSkippedLines();

    Settings m_settings;
    QVStartList m_list;
    KList m_entries;
    KString15 m_event;
    KString15 m_round;
    KString15 m_heat;
    KString m_warnedLine;   // the first skipped line last shown
};
