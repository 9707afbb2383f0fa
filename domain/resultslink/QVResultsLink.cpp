#include "domain/resultslink/QVResultsLink.h"

#include "domain/event/QVEvent.h"
#include "domain/hardware/VHardware.h"
#include "domain/results/QVResults.h"
#include "domain/resultslink/QVLinkConnection.h"
#include "domain/resultslink/QVResultsFile.h"
#include "domain/schedule/QVServiceKeys.h"
#include "domain/schedule/QVStartList.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "foundation/comm/KPortStream.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRValueOr.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/values/KHelpers.h"

namespace {

QVResultsLink *g_link = nullptr;

constexpr int32_t kRetryOpenAfter = 10000;  // ms between attempts to open a failed link
constexpr int32_t kConnectTimeout = 250;    // ms a TCP connection may take (on the GUI thread)
constexpr int kLinesPerTick = 64;           // requests of one peer answered in one tick

// A leg field is a whole decimal number, blanks around it allowed.
bool ParseLeg(KString text, int32_t &leg)
{
    text.Trim();
    text.SetCursor(0);
    int32_t value = 0;
    if (!text.ParseInt(value, 10) || !text.AtEnd())
        return false;
    leg = value;
    return true;
}

bool IsZeroAddress(KString text)
{
    text.Trim();
    return text.IsEmpty() || text == L"0" || text == L"0.0.0.0";
}

} // namespace

QVResultsLink::QVResultsLink() = default;

QVResultsLink::~QVResultsLink()
{
    Close();
}

QVResultsLink &QVResultsLink::Instance()
{
    if (!g_link)
        g_link = new QVResultsLink;
    return *g_link;
}

void QVResultsLink::Shutdown()
{
    delete g_link;
    g_link = nullptr;
}

bool QVResultsLink::IsConfigured(const KString &description)
{
    int32_t kind = 0;
    if (!KString::ParseIntField(description, kind, 0))
        return false;
    if (kind >= 1)
        return true;   // a serial port
    if (kind == KSocketStream::kTCPConnect) {
        KString address;
        int32_t port = 0;
        return description.GetField(address, 1) && !IsZeroAddress(address) &&
               KString::ParseIntField(description, port, 2) && port > 0 && port < 65536;
    }
    if (kind == KSocketStream::kTCPListen || kind == KSocketStream::kUDP) {
        int32_t port = 0;
        return KString::ParseIntField(description, port, 2) && port > 0 && port < 65536;
    }
    return false;
}

bool QVResultsLink::IsConfigured()
{
    ReadSettings();
    return IsConfigured(m_description);
}

void QVResultsLink::ReadSettings()
{
    KRegistry *settings = QVSettings();
    m_description = KRStringOr(settings, kKeyResultsLink, m_description);
    m_ackTimeout = KRIntOr(settings, kKeyLookupLongTimeout, m_ackTimeout);
    m_charMode = KRIntOr(settings, kKeyCharModeVIF, m_charMode);
    m_ignoreERHCheck = KRBoolOr(settings, kKeyIgnoreERHCheck, m_ignoreERHCheck);
    m_dataOutDir = KRStringOr(settings, kKeyDataOutDir, m_dataOutDir);
}

void QVResultsLink::Log(const wchar_t *text, const KString &detail) const
{
    if (KLog *log = KProgramLog()) {
        KString line(L"results link: ");
        line.Append(text);
        AppendEscaped(line, detail);
        log->Warning(line);
    }
}

void QVResultsLink::AppendEscaped(KString &line, const KString &text)
{
    // What a peer sent reaches the log as text: control characters (a tab
    // aside) and DEL could cut the line or drive a terminal that shows it.
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    for (int i = 0; i < text.Length(); ++i) {
        const wchar_t c = text[i];
        if ((c < 0x20 && c != L'\t') || c == 0x7F) {
            line.Append(L"\\x");
            line.AppendChar(kDigits[(c >> 4) & 0xF]);
            line.AppendChar(kDigits[c & 0xF]);
        } else {
            line.AppendChar(c);
        }
    }
}

bool QVResultsLink::IsOpen() const
{
    return m_listener || !m_connections.empty();
}

void QVResultsLink::Close()
{
    m_connections.clear();
    m_listener.reset();
    m_openedWith.Clear();
    m_handOverPeer = nullptr;
}

bool QVResultsLink::EnsureOpen()
{
    ReadSettings();
    if (IsOpen() && m_openedWith != m_description)
        Close();
    if (IsOpen())
        return true;
    if (!IsConfigured(m_description))
        return false;
    if (m_triedOpen && KTickElapsed(m_lastOpenTry) < kRetryOpenAfter)
        return false;
    m_triedOpen = true;
    m_lastOpenTry = KTickCount();
    std::unique_ptr<KStream> stream;
    try {
        stream = KOpenPortStream(m_description, 3, kConnectTimeout);
    } catch (const KX &error) {
        KString detail(m_description);
        detail.Append(L", error ").AppendInt(error.Code());
        Log(L"cannot open ", detail);
        return false;
    }
    KTCPSocket *socket = dynamic_cast<KTCPSocket *>(stream.get());
    if (socket && socket->IsListener()) {
        stream.release();
        m_listener.reset(socket);
    } else {
        m_connections.emplace_back(new QVLinkConnection(std::move(stream)));
    }
    m_largestTake = 0;
    m_openedWith = m_description;
    m_triedOpen = false;
    return true;
}

void QVResultsLink::AcceptClients()
{
    // While every slot is taken, further clients wait in the listen queue
    // until a served one leaves: accepting one only to close it would leave
    // its request unanswered.
    while (m_listener && int(m_connections.size()) < kMaxClients) {
        std::unique_ptr<KTCPSocket> client(new KTCPSocket);
        try {
            if (!m_listener->AcceptClient(*client, 0))
                return;
        } catch (const KX &error) {
            KString detail;
            detail.AppendInt(error.Code());
            Log(L"listener closed after error ", detail);
            Close();
            return;
        }
        m_connections.emplace_back(new QVLinkConnection(std::move(client)));
    }
}

void QVResultsLink::EndConnection(size_t index, const wchar_t *why)
{
    QVLinkConnection &peer = *m_connections[index];
    KString detail;
    if (peer.Error() != 0)
        detail.AppendInt(peer.Error());
    if (why)
        Log(why, KString());
    else if (peer.Error() != 0)
        Log(L"closed after error ", detail);
    else if (!IsListener())
        Log(L"the peer closed the link", KString());
    if (m_handOverPeer == &peer)
        m_handOverPeer = nullptr;
    if (IsListener())
        m_connections.erase(m_connections.begin() + std::ptrdiff_t(index));
    else
        Close();   // the one peer is gone: the link opens again on a later tick
}

bool QVResultsLink::SendLine(QVLinkConnection &peer, const KString &text)
{
    return peer.Send(text);
}

const QVResults *QVResultsLink::FindResults(const KString &request, QVEvent &event, int &leg) const
{
    KString e, r, h, l;
    if (!request.GetField(e, 1) || !request.GetField(r, 2) || !request.GetField(h, 3))
        return nullptr;
    int32_t number = 1;
    if (request.GetField(l, 4) && !ParseLeg(l, number))
        return nullptr;   // a leg that is no number names no results
    leg = number;
    if (leg < 1)
        return nullptr;
    auto matches = [&](QVEvent *doc) -> const QVResults * {
        if (!doc || !doc->HasEventRoundHeat() || !QVStartList::SameNumber(doc->EventNumber(), e) ||
            !QVStartList::SameNumber(doc->RoundNumber(), r) || !QVStartList::SameNumber(doc->HeatNumber(), h))
            return nullptr;
        VLeg *found = doc->Leg(leg - 1);
        return found ? found->Results() : nullptr;
    };
    if (const QVResults *results = matches(&event))
        return results;
    if (VHardware *hub = VHardware::Instance())
        for (KListItem *item = hub->ArmedList().Next(nullptr); item; item = hub->ArmedList().Next(item))
            if (const QVResults *results = matches(static_cast<QVEvent *>(item)))
                return results;
    return nullptr;
}

void QVResultsLink::Answer(const KString &line, QVEvent &event, QVLinkConnection &peer)
{
    KString word;
    line.GetField(word, 0);
    if (word.EqualsIgnoreCase(KString(L"ROK"))) {
        if (&peer == m_handOverPeer)
            ++m_acknowledges;
        return;
    }
    if (!word.EqualsIgnoreCase(KString(L"RRQ"))) {
        if (!line.IsEmpty())
            Log(L"ignored ", line);
        return;
    }
    int leg = 1;
    const QVResults *results = FindResults(line, event, leg);
    if (!results) {
        SendLine(peer, KString(L"RNR\r\n"));
        return;
    }
    KString lines;
    int count = QVResultsFile::ResultLines(*results, leg, lines);
    QVResultsFile::LogLostCharacters(lines, KString(L"results link: answer"));   // the link's text is 8-bit
    KString reply(L"RRP,");
    reply.AppendInt(count).Append(L"\r\n");
    for (int i = 0; i < lines.Length(); ++i) {
        if (lines[i] == L'\n')
            reply.AppendChar(L'\r');
        reply.AppendChar(lines[i]);
    }
    SendLine(peer, reply);
}

bool QVResultsLink::ServeConnection(QVLinkConnection &peer, QVEvent &event)
{
    // An answer the peer has not taken yet goes out first; until it has,
    // the peer's further requests wait.
    if (!peer.Flush())
        return false;
    if (peer.HasOutbox())
        return true;
    // A peer with requests still waiting gives no more until they are
    // answered: a flood of requests is met at the pace of the ticks.
    if (!peer.HasLine()) {
        QVLinkConnection::Outcome outcome = peer.Take(0);
        if (peer.LastTaken() > m_largestTake)
            m_largestTake = peer.LastTaken();
        if (outcome == QVLinkConnection::kEnded || outcome == QVLinkConnection::kFailed)
            return false;
    }
    if (int dropped = peer.TakeDroppedLines()) {
        KString detail;
        detail.AppendInt(dropped).Append(L" longer than ").AppendInt(QVLinkConnection::kMaxLine);
        Log(L"dropped over-long lines: ", detail);
    }
    KString line;
    for (int i = 0; i < kLinesPerTick && !peer.HasOutbox() && peer.NextLine(line); ++i) {
        Answer(line, event, peer);
        if (peer.IsGone())
            return false;
    }
    return true;
}

bool QVResultsLink::AnswerWaitingSince(int32_t &since) const
{
    bool waits = false;
    for (const std::unique_ptr<QVLinkConnection> &peer : m_connections)
        if (peer->HasOutbox() && (!waits || KTickElapsed(peer->OutboxSince()) > KTickElapsed(since))) {
            since = peer->OutboxSince();
            waits = true;
        }
    return waits;
}

void QVResultsLink::Serve(QVEvent &event)
{
    // A hand-over's pump must not read from its peer behind its back.
    if (m_busy)
        return;
    Busy busy(m_busy);
    if (!EnsureOpen())
        return;
    AcceptClients();
    for (size_t i = 0; i < m_connections.size();) {
        QVLinkConnection &peer = *m_connections[i];
        if (!ServeConnection(peer, event))
            EndConnection(i, nullptr);
        else if (IsListener() && peer.SilentFor() > m_clientTimeout)
            EndConnection(i, L"closed a client silent for longer than the client time-out");
        else
            ++i;
    }
}
