#pragma once
// QVLinkConnection: one peer of the results link (the serial port, the TCP
// connection, or one client of the TCP listener) together with the text it
// sent that no line end has completed yet, so that one peer's unfinished
// line never mixes with another's. Take reads what has arrived in a single
// transfer of at most kReadBuffer bytes and splits it into lines; a line
// longer than kMaxLine is dropped up to its line end. Owned by the results
// link; GUI thread.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class KStream;
class KString;

class QVLinkConnection
{
public:
    static constexpr int kReadBuffer = 65536;   // bytes taken from the peer in one transfer
    static constexpr int kMaxLine = 1024;       // characters of the longest line kept
    // Milliseconds a TCP peer may leave a file untaken while its connection
    // is full, counted from the last byte taken or, when later, from when a
    // reader of 64 KB a second has read what the connection took of the file
    // (KTCPSocket). Then the send fails and the connection is closed.
    static constexpr int32_t kSendTimeout = 3000;
    // Milliseconds a TCP peer has to take one line or answer whole; one
    // that has not by then is closed. An answer never holds the program:
    // what the connection does not take at once waits in its outbox.
    static constexpr int32_t kAnswerLimit = 2000;

    // What a Take met.
    enum Outcome
    {
        kTookBytes,   // bytes arrived (lines may be ready)
        kNothing,     // nothing arrived within the wait
        kEnded,       // the peer closed the connection
        kFailed       // the transport failed; the error is in Error()
    };

    // Takes the open stream over; its text settings are set to raw 8-bit and
    // a TCP connection gets the send time-out.
    explicit QVLinkConnection(std::unique_ptr<KStream> stream);
    ~QVLinkConnection();

    // One transfer: waits up to wait ms (0: only looks) for bytes, then takes
    // at most kReadBuffer of them.
    Outcome Take(int32_t wait);
    // Takes transfers until nothing more is waiting, at most kReadBuffer
    // bytes per transfer and maxTransfers transfers; the outcome of the last.
    Outcome TakeWaiting(int maxTransfers);
    // The next complete line (line end and blanks around it removed); false
    // when none is ready.
    bool NextLine(KString &line);
    bool HasLine() const { return !m_lines.empty(); }
    // Forgets the unfinished line and the lines not yet handled (a hand-over
    // reads only what its peer sends after the file).
    void DropUnread();
    // Writes what waits in the outbox, then every byte of a file, for as
    // long as a TCP peer keeps taking them, asking KWaitGoesOn between
    // slices while it waits (kErrUserAborted when that answered false);
    // false (with the error in Error()) when the transport failed or the
    // send stopped.
    bool Send(const void *bytes, int32_t count);
    // Writes a line or an answer. On a TCP connection it never waits: what
    // the connection does not take now stays in the outbox for Flush. On a
    // serial port it waits as the port bounds its writes. False as above.
    bool Send(const KString &text);
    // Sends what waits in the outbox as far as the connection takes it now;
    // false once the connection failed (kErrSocketSend when the outbox was
    // not emptied within kAnswerLimit of the answer that filled it).
    bool Flush();
    // True while part of an answer waits to be taken.
    bool HasOutbox() const { return m_sent < m_outbox.size(); }
    // The tick at which the answer waiting in the outbox was handed to Send:
    // kAnswerLimit counts from it. Meaningful while HasOutbox.
    int32_t OutboxSince() const { return m_outboxSince; }

    // Milliseconds since the peer last sent anything (or since the
    // connection began).
    int32_t SilentFor() const;
    // Bytes taken by the last Take (0 when nothing came).
    int32_t LastTaken() const { return m_lastTaken; }
    // Lines dropped for their length since the last call.
    int TakeDroppedLines();
    int32_t Error() const { return m_error; }
    // True once the peer closed or the transport failed.
    bool IsGone() const { return m_ended || m_error != 0; }
    KStream &Stream() { return *m_stream; }

private:
    void Split(const char *bytes, int32_t count);

    std::unique_ptr<KStream> m_stream;
    std::string m_unfinished;          // bytes of the line not yet ended
    bool m_dropping = false;           // inside an over-long line, up to its end
    std::deque<std::string> m_lines;   // complete lines not yet handled
    std::string m_outbox;              // answer bytes not taken yet (TCP)
    size_t m_sent = 0;                 // of m_outbox, the bytes already taken
    int32_t m_outboxSince = 0;         // tick the outbox was filled
    int32_t m_lastHeard;
    int32_t m_lastTaken = 0;
    int m_droppedLines = 0;
    int32_t m_error = 0;
    bool m_ended = false;
};
