#pragma once
// QVResultsLink: the link towards the photo-finish system, opened from the
// port description in "\Database\QIF\SerialPort" (a serial port, or a TCP
// connection or listener). On it the program answers results requests
// ("RRQ" -> "RRP" with the result lines, or "RNR") and hands over results
// files ("RFL" with the file's bytes, acknowledged by "ROK"); the dialogue
// is described in docs/results-interface.md. A description that names no
// port (serial port 0, or a TCP connection to address 0 as in the default
// "-1,0,1950") means the link is not configured: nothing is opened and no
// connection to 0.0.0.0 is tried. Requests are read and answered without
// waiting, so the idle tick that polls them never blocks (an answer a TCP
// peer does not take at once goes out in later ticks), and one tick takes at
// most one buffer (QVLinkConnection::kReadBuffer) from each peer, whatever
// it sends.
// A TCP listener serves up to kMaxClients clients at once (further ones wait
// in the listen queue until a slot frees), each with its own unfinished
// line, answers each only to itself and closes a client that stayed silent
// for the client time-out. A link that failed to open is tried again at
// most every ten seconds (a hand-over asked for tries at once). A hand-over
// may let the GUI run while the peer takes the file (a long operation's
// pump): Serve and SendResults called meanwhile from there return at once
// without touching the link. One link for the program, made on first use
// and closed by Shutdown; GUI thread.

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/strings/KString.h"

class KTCPSocket;
class QVEvent;
class QVLinkConnection;
class QVResults;

class QVResultsLink
{
public:
    // What became of the last hand-over.
    enum HandOver { kNotTried, kSent, kNotConfigured, kNotAcknowledged, kNotNumbered, kNotOpened, kNoClient };

    static constexpr int kMaxClients = 32;               // clients a listener serves at once
    static constexpr int32_t kClientTimeout = 30000;    // ms a listener's client may stay silent

    static QVResultsLink &Instance();
    // Closes the link (module shut-down).
    static void Shutdown();

    // True when description names a port the link can use.
    static bool IsConfigured(const KString &description);
    // True when the settings name a port the link can use now.
    bool IsConfigured();

    // Reads what arrived and answers every complete request; event is the
    // document asking (tried first), then the documents armed with the hub.
    // Nothing while a hand-over runs.
    void Serve(QVEvent &event);
    // Writes the results file and hands it over; the codes of
    // QVEvent::SendResults (kErrUserAborted when the long operation it runs
    // in was stopped; the peer is then closed). kErrSendResults at once
    // while another hand-over runs.
    int32_t SendResults(QVEvent &event);
    HandOver LastHandOver() const { return m_lastHandOver; }
    // The path of the last results file written.
    const KString &LastFile() const { return m_lastFile; }
    bool IsOpen() const;
    void Close();
    // Milliseconds after which a silent client of a listener is closed
    // (kClientTimeout until set).
    void SetClientTimeout(int32_t milliseconds) { m_clientTimeout = milliseconds; }
    // Peers connected now: the listener's clients, else 1 while open.
    int ConnectionCount() const { return int(m_connections.size()); }
    // The most bytes taken from one peer in one idle tick since the link was
    // opened (never more than QVLinkConnection::kReadBuffer).
    int32_t LargestTake() const { return m_largestTake; }
    // The tick at which the answer that has waited longest for its peer to
    // take it began to wait (its peer is closed QVLinkConnection::kAnswerLimit
    // after it); false when no answer waits.
    bool AnswerWaitingSince(int32_t &since) const;
    // The tick at which the last hand-over began to send its peer the file
    // (the RFL line first); the send time-out counts from it. 0 before any.
    int32_t LastFileStart() const { return m_lastFileStart; }

private:
    // Marks the link busy for its lifetime.
    struct Busy
    {
        explicit Busy(bool &flag) : flag(flag) { flag = true; }
        ~Busy() { flag = false; }
        bool &flag;
    };

    QVResultsLink();
    ~QVResultsLink();
    void ReadSettings();
    bool EnsureOpen();
    bool IsListener() const { return m_listener != nullptr; }
    // Listener: takes the clients waiting to be accepted while fewer than
    // kMaxClients are served.
    void AcceptClients();
    // Reads one buffer from the peer when it has no line waiting and answers
    // its complete requests; false when the peer is gone or failed.
    bool ServeConnection(QVLinkConnection &peer, QVEvent &event);
    // Ends the peer at index (a listener's client), or the whole link.
    void EndConnection(size_t index, const wchar_t *why);
    void Answer(const KString &request, QVEvent &event, QVLinkConnection &peer);
    const QVResults *FindResults(const KString &request, QVEvent &event, int &leg) const;
    bool SendLine(QVLinkConnection &peer, const KString &line);
    // The peer a hand-over goes to (the one heard from last); none when no
    // peer is connected within the connect time, or (stopped) when the wait
    // for one was stopped as a long operation stops.
    QVLinkConnection *HandOverPeer(bool &stopped);
    // The hand-over proper: the peer, the file's bytes to it and the wait
    // for the acknowledge; 0 or the error code.
    int32_t HandOverFile(QVEvent &event, const KString &path);
    // The ms to wait for the acknowledge of a file of size bytes whose
    // hand-over began at fileStart and has just been taken by the system:
    // the acknowledge time-out, counted from when a reader of
    // KTCPSocket::kSteadyReadRate has read the file; at most KLongestTickWait.
    int32_t AcknowledgeTime(int32_t fileStart, int32_t size) const;
    // Answers what the peer sends (event first) until it acknowledges; 0,
    // kErrSendResults or kErrUserAborted.
    int32_t WaitForAcknowledge(QVLinkConnection &peer, QVEvent &event, int32_t timeout);
    // Writes "results link: ", text and detail to the program log; detail's
    // characters below 0x20 (tab aside) and 0x7F appear as "\x" and two
    // hexadecimal digits ("\x1B").
    void Log(const wchar_t *text, const KString &detail) const;
    static void AppendEscaped(KString &line, const KString &text);

    KString m_description;
    int32_t m_ackTimeout = 10000;
    int m_charMode = 0;
    bool m_ignoreERHCheck = true;
    KString m_dataOutDir;
    int32_t m_clientTimeout = kClientTimeout;

    std::unique_ptr<KTCPSocket> m_listener;                     // a listening link
    std::vector<std::unique_ptr<QVLinkConnection>> m_connections; // its clients, or the one peer
    KString m_openedWith;
    bool m_triedOpen = false;
    int32_t m_lastOpenTry = 0;
    int32_t m_largestTake = 0;
    int m_acknowledges = 0;
    QVLinkConnection *m_handOverPeer = nullptr;   // the peer whose acknowledge is awaited
    bool m_busy = false;                          // a Serve or a hand-over runs
    HandOver m_lastHandOver = kNotTried;
    int32_t m_lastFileStart = 0;
    KString m_lastFile;
};
