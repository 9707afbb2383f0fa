#pragma once
// QVStartList: the contents of the start-list database: the heats of the
// schedule in running order ("vexa.sch"), the event names ("vexa.evt") and
// the people of each heat ("vexa.ppl"), all comma-separated text lines
// (docs/start-list-files.md). Each reader takes one file's lines from a
// stream; a malformed line is skipped and reported to the program log with
// its file name and line number, so a damaged line never puts a wrong person
// into a heat. A line with a field longer than its field keeps (the
// kStartList...Chars limits below) is skipped the same way, never cut, so
// that two long heat numbers never become one; a line the file already held
// is kept once. Event, round and heat numbers compare as numbers when they
// are digits ("01" is "1"), else as texts with case ignored. A plain value
// owned by the schedule; GUI thread.

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "foundation/strings/KString.h"

class KStream;

// The longest text each field keeps, in characters.
constexpr int kStartListNumberChars = 15;   // event, round, heat, lane
constexpr int kStartListIdChars = 31;       // id, licence
constexpr int kStartListNameChars = 63;     // event name, last and first name, affiliation

struct QVStartListHeat
{
    KFixedString<kStartListNumberChars> event;
    KFixedString<kStartListNumberChars> round;
    KFixedString<kStartListNumberChars> heat;
    bool done = false;   // status field holds the status character
};

struct QVStartListEvent
{
    KFixedString<kStartListNumberChars> event;
    KFixedString<kStartListNumberChars> round;     // empty: every round of the event
    KFixedString<kStartListNameChars> name;
};

struct QVStartListPerson
{
    KFixedString<kStartListNumberChars> event;
    KFixedString<kStartListNumberChars> round;
    KFixedString<kStartListNumberChars> heat;
    KFixedString<kStartListNumberChars> lane;
    KFixedString<kStartListIdChars> id;
    KFixedString<kStartListNameChars> last;
    KFixedString<kStartListNameChars> first;
    KFixedString<kStartListNameChars> affiliation;
    KFixedString<kStartListIdChars> licence;
};

class QVStartList
{
public:
    static constexpr const wchar_t *kScheduleFile = L"vexa.sch";
    static constexpr const wchar_t *kEventFile = L"vexa.evt";
    static constexpr const wchar_t *kPeopleFile = L"vexa.ppl";

    // The three kinds of lines.
    enum File { kScheduleLines = 0, kEventLines = 1, kPeopleLines = 2 };

    void Clear();
    // Adds one line of a file (blank and comment lines are ignored, a
    // malformed one is skipped and logged with name and number).
    void AddLine(File which, const KString &line, const KString &name, int number, const KString &statusChar);

    // Readers of one file each; they add to what is held and answer the
    // number of lines skipped as malformed. name is used in log lines.
    // statusChar: the text that marks a heat done in its status field.
    int ReadSchedule(KStream &stream, const KString &name, const KString &statusChar);
    int ReadEvents(KStream &stream, const KString &name);
    int ReadPeople(KStream &stream, const KString &name);

    // Reads the three files of folder (a separator at its end is optional).
    // charMode 1 reads UTF-16 text; otherwise a byte-order mark selects
    // UTF-16 and its absence 8-bit text. A missing event or people file
    // leaves names or people empty. False when the schedule file is missing
    // or unreadable (then nothing is held).
    bool Load(const KString &folder, int charMode, const KString &statusChar);

    const std::vector<QVStartListHeat> &Heats() const { return m_heats; }
    // Index of the heat in the schedule, -1 when it is not there.
    int FindHeat(const KString &event, const KString &round, const KString &heat) const;
    // The name of the event's round (a line for that round before one for
    // every round); empty when none is known.
    const KString &EventName(const KString &event, const KString &round) const;
    // The people of a heat, in file order.
    void PeopleOf(const KString &event, const KString &round, const KString &heat,
                  std::vector<const QVStartListPerson *> &out) const;
    int PersonCount() const { return int(m_people.size()); }
    // Person index (0 .. PersonCount - 1) in file order.
    const QVStartListPerson &PersonAt(int index) const { return m_people[size_t(index)]; }
    int SkippedLines() const { return m_skipped; }
    // The first skipped line as the log names it ("vexa.ppl line 7 skipped:
    // lane is not a number"); empty when none was skipped.
    const KString &FirstSkipped() const { return m_firstSkipped; }
    // Why the last Load found no schedule: the error code (0 none; a missing
    // file is kErrFileOpen), its extra value and the schedule file's path.
    int32_t LoadError() const { return m_loadError; }
    int32_t LoadErrorExtra() const { return m_loadErrorExtra; }
    const KString &LoadErrorFile() const { return m_loadErrorFile; }

    // Number comparison used for event, round and heat texts.
    static bool SameNumber(const KString &a, const KString &b);

private:
    // Reads the next meaningful line (blank and comment lines skipped);
    // false at the end. lineNumber counts every line read.
    static bool NextLine(KStream &stream, KString &line, int &lineNumber);
    static int SplitFields(const KString &line, std::vector<KString> &fields);
    static bool IsComment(const KString &line);
    int ReadLines(File which, KStream &stream, const KString &name, const KString &statusChar);
    void Skip(const KString &name, int lineNumber, const wchar_t *reason);
    void Skip(const KString &name, int lineNumber, const KString &reason);
    // False, with the line skipped and logged naming the field, when a field
    // of f is longer than it keeps.
    bool FieldsFit(File which, const std::vector<KString> &f, const KString &name, int lineNumber);
    // True the first time a line with these fields is met in the file kind.
    bool IsNewLine(File which, const std::vector<KString> &f);
    bool ReadFile(const KString &folder, const wchar_t *file, int charMode, File which, const KString &statusChar);

    std::vector<QVStartListHeat> m_heats;
    std::vector<QVStartListEvent> m_events;
    std::vector<QVStartListPerson> m_people;
    int m_skipped = 0;
    KString m_firstSkipped;
    int32_t m_loadError = 0;
    int32_t m_loadErrorExtra = -1;
    KString m_loadErrorFile;
    std::unordered_set<std::wstring> m_seen[3];   // lines kept, per file kind, numbers normalised
};
