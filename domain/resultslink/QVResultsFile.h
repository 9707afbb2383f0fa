#pragma once
// QVResultsFile: the results file handed to the photo-finish system (".qit",
// docs/results-interface.md) and the result lines that the results link
// sends in answer to a request. Lines are comma-separated, a field holding a
// comma or a double quote is quoted, times are seconds with three decimals.
// Pure formatting plus one writer; no state. Any thread.

#include <cstdint>

class KString;
class QVEvent;
class QVResult;
class QVResults;

class QVResultsFile
{
public:
    static constexpr const wchar_t *kExtension = L"qit";
    static constexpr int kFormatVersion = 1;

    // Appends one RESULT line (no line end) for result, row counted from 1.
    static void ResultLine(const QVResult &result, int leg, int row, KString &out);
    // Appends the RESULT lines of a result list, each ended by a line feed;
    // answers their number.
    static int ResultLines(const QVResults &results, int leg, KString &out);
    // Appends the whole file text, lines ended by line feeds.
    static void Format(const QVEvent &event, KString &out);
    // Appends the file name: "event-round-heat.qit"; without all three
    // numbers the document's file title, else "results", with ".qit".
    static void FileName(const QVEvent &event, KString &out);
    // Writes the file into folder, 8-bit (charMode 0 or 2) or UTF-16 with a
    // byte-order mark (1), lines ended by CR LF, replacing an older file only
    // once the new one is complete; in 8-bit text each line that loses a
    // character is said in the program log (LogLostCharacters). Answers 0
    // and the full path, or
    // kErrWriteQifFile when the file cannot be written (folder missing, a
    // regular file, full disk).
    static int32_t Write(const QVEvent &event, const KString &folder, int charMode, KString &path);

    // Helpers also used by the link: a field with quoting as needed, and a
    // time as seconds with three decimals (nothing for no time).
    static void AppendField(KString &out, const KString &field);
    static void AppendMilliseconds(KString &out, int32_t milliseconds);
    // Says in the program log, once for each line of text (lines ended by
    // line feeds) that the 8-bit code page cannot hold exactly, the line and
    // the setting that keeps every character; where opens each log line. A
    // line said from the same where before is not said again while the
    // program runs, however many lines were said.
    static void LogLostCharacters(const KString &text, const KString &where);
};
