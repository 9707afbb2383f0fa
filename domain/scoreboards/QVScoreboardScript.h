#pragma once
// QVScoreboardScript: a parsed scoreboard script (".vss"; the language is
// described in docs/scoreboard-scripts.md). A script has up to five
// sections, each an output template of literal text, escapes, fields with
// an optional width and, in the Results section, one block repeated per
// result row. Parsing either accepts the whole script or refuses it with
// the line number and reason of the first error, so a board never sends
// output from a half-understood script. Rendering fills a template from a
// QVScoreboardData snapshot. A script is a plain value owned by its board;
// it is parsed on the GUI thread and rendered on the scoreboard thread (it is
// not changed while the board holds it).

#include <cstdint>
#include <vector>

#include "foundation/strings/KString.h"

class KStream;
struct QVScoreboardData;

class QVScoreboardScript
{
public:
    enum Section { kInit = 0, kClear, kTimeOfDay, kResults, kMessage, kSectionCount };
    // Fields of a template.
    enum Field
    {
        kFieldTime,      // time of day, 12- or 24-hour by the board's switch
        kFieldTime24,    // time of day, always 24-hour
        kFieldDate,      // date as YYYY-MM-DD
        kFieldEvent,     // event name
        kFieldEventNo,   // event, round and heat numbers
        kFieldRound,
        kFieldHeat,
        kFieldPlace,     // row fields
        kFieldLane,
        kFieldId,
        kFieldName,      // last name, with the first name before it when IncludeFirst is on
        kFieldFirst,
        kFieldLast,
        kFieldAffil,     // affiliation (abbreviated when AffilAbbr is on)
        kFieldRT,        // reaction time, seconds with three decimals
        kFieldTTD,       // time to distance
        kFieldPower,
        kFieldTrial,     // the row's number in the list, from 1
        kFieldPage,      // page number from 1
        kFieldPages,     // number of pages
        kFieldText,      // the message text
        kFieldCount
    };

    QVScoreboardScript();

    // Parses a whole script text. On success the script holds it and the
    // answer is true; on failure the script is emptied, ErrorLine gives the
    // line (from 1) and ErrorText the reason.
    bool Parse(const KString &text);
    // Reads the stream (encoding as set, BOM detection by default) to its
    // end and parses it.
    bool Parse(KStream &stream);
    int ErrorLine() const { return m_errorLine; }
    const KString &ErrorText() const { return m_errorText; }

    bool IsLoaded() const { return m_loaded; }
    bool HasSection(Section section) const;
    // Renders a section from data; nothing is appended for a missing one.
    void Render(Section section, const QVScoreboardData &data, KString &out) const;
    // True when the Results section has a block repeated per row.
    bool HasRowBlock() const { return m_hasRows; }

    // The section named (case ignored), kSectionCount when unknown.
    static Section SectionByName(const KString &name);
    // The field named (case ignored), kFieldCount when unknown.
    static Field FieldByName(const KString &name);

private:
    struct Element
    {
        enum Kind { kLiteral, kField, kRowsBegin, kRowsEnd } kind = kLiteral;
        KString text;        // literal text
        Field field = kFieldCount;
        int width = 0;       // 0: as long as the value; > 0 right-aligned; < 0 left-aligned
        bool zeroPad = false;
    };
    using Template = std::vector<Element>;
    class Parser;
    friend class Parser;

    void RenderRange(const Template &t, size_t from, size_t to, const QVScoreboardData &data, int row,
                     KString &out) const;
    void FieldValue(const Element &e, const QVScoreboardData &data, int row, KString &out) const;

    Template m_sections[kSectionCount];
    bool m_present[kSectionCount];
    bool m_loaded = false;
    bool m_hasRows = false;
    int m_errorLine = 0;
    KString m_errorText;
};
