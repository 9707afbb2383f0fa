#pragma once
// QVResultsLink: the link towards the photo-finish system, opened from the
// port description in "\Database\QIF\SerialPort" (a serial port, or a TCP
// connection or listener). On it the program answers results requests
// ("RRQ" -> "RRP" with the result lines, or "RNR") and hands over results
// files ("RFL" with the file's bytes, acknowledged by "ROK"); the dialogue
// is described in docs/results-interface.md. A description that names no
// port (serial port 0, or a TCP connection to address 0 as in the default
// "-1,0,1950") means the link is not configured: nothing is opened and no
// connection to 0.0.0.0 is tried. Requests are read without waiting, so the
// idle tick that polls them never blocks; a link that failed to open is
// tried again at most every ten seconds (a hand-over asked for tries at
// once). One link for the program, made on first use and closed by
// Shutdown; GUI thread.

#include <cstdint>
#include <memory>

#include "foundation/strings/KString.h"

class KStream;
class QVEvent;
class QVResults;

class QVResultsLink
{
public:
    // What became of the last hand-over.
    enum HandOver { kNotTried, kSent, kNotConfigured, kNotAcknowledged, kNotNumbered };

    static QVResultsLink &Instance();
    // Closes the link (module shut-down).
    static void Shutdown();

    // True when description names a port the link can use.
    static bool IsConfigured(const KString &description);

    // Reads what arrived and answers every complete request; event is the
    // document asking (tried first), then the documents armed with the hub.
    void Serve(QVEvent &event);
    // Writes the results file and hands it over; the codes of
    // QVEvent::SendResults.
    int32_t SendResults(QVEvent &event);
    HandOver LastHandOver() const { return m_lastHandOver; }
    // The path of the last results file written.
    const KString &LastFile() const { return m_lastFile; }
    bool IsOpen() const { return m_stream != nullptr; }
    void Close();

private:
    QVResultsLink();
    ~QVResultsLink();
    void ReadSettings();
    bool EnsureOpen();
    // Reads the bytes waiting (up to wait ms for the first); false when the
    // link failed (and was closed).
    bool ReadAvailable(int32_t wait);
    // Takes the next complete line out of the pending text; false when none.
    bool NextLine(KString &line);
    void Answer(const KString &request, QVEvent &event);
    const QVResults *FindResults(const KString &request, QVEvent &event, int &leg) const;
    bool SendLine(const KString &line);
    bool WaitForAcknowledge(int32_t timeout);
    void Log(const wchar_t *text, const KString &detail) const;

    KString m_description;
    int32_t m_ackTimeout = 10000;
    int m_charMode = 0;
    bool m_ignoreERHCheck = true;
    KString m_dataOutDir;

    std::unique_ptr<KStream> m_stream;
    KString m_openedWith;
    bool m_triedOpen = false;
    int32_t m_lastOpenTry = 0;
    KString m_pending;
    int m_acknowledges = 0;
    QVEvent *m_waitingFor = nullptr;   // the document being handed over
    HandOver m_lastHandOver = kNotTried;
    KString m_lastFile;
};
