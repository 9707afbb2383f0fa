// The hand-over of a results file on the results link.
#include "domain/resultslink/QVResultsLink.h"

#include "domain/QVDomainCodes.h"
#include "domain/event/QVEvent.h"
#include "domain/resultslink/QVLinkConnection.h"
#include "domain/resultslink/QVResultsFile.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "foundation/values/KHelpers.h"

#include <vector>

namespace {

constexpr int32_t kClientWait = 250;      // ms a listener waits for a client to hand over to
constexpr int kTransfersBeforeSend = 16;  // buffers read and answered before the file goes out

} // namespace

QVLinkConnection *QVResultsLink::HandOverPeer(bool &stopped)
{
    stopped = false;
    if (IsListener()) {
        AcceptClients();
        // The wait for a client looks at the screen between its slices.
        const int32_t start = KTickCount();
        while (m_connections.empty() && m_listener) {
            const int32_t left = kClientWait - KTickElapsed(start);
            if (left <= 0)
                break;
            std::unique_ptr<KTCPSocket> client(new KTCPSocket);
            try {
                if (m_listener->AcceptClient(*client, left < KWaitSlice ? left : KWaitSlice))
                    m_connections.emplace_back(new QVLinkConnection(std::move(client)));
            } catch (const KX &) {
                return nullptr;
            }
            if (m_connections.empty() && !KWaitGoesOn()) {
                stopped = true;
                return nullptr;
            }
        }
    }
    // The peer heard from last: after a reconnect, the new connection rather
    // than the stale one.
    QVLinkConnection *peer = nullptr;
    for (const std::unique_ptr<QVLinkConnection> &c : m_connections)
        if (!peer || c->SilentFor() < peer->SilentFor())
            peer = c.get();
    return peer;
}

int32_t QVResultsLink::WaitForAcknowledge(QVLinkConnection &peer, QVEvent &event, int32_t timeout)
{
    m_acknowledges = 0;
    const int32_t start = KTickCount();
    KString line;
    for (;;) {
        // Requests that arrive meanwhile are answered on the way; the event
        // that is being handed over is the one asked first.
        if (!peer.Flush())
            return kErrSendResults;
        while (!peer.HasOutbox() && peer.NextLine(line)) {
            Answer(line, event, peer);
            if (m_acknowledges > 0)
                return 0;
            if (peer.IsGone())
                return kErrSendResults;
        }
        int32_t left = timeout - KTickElapsed(start);
        if (left <= 0)
            return kErrSendResults;
        QVLinkConnection::Outcome outcome = peer.Take(left < KWaitSlice ? left : KWaitSlice);
        if (outcome == QVLinkConnection::kEnded || outcome == QVLinkConnection::kFailed)
            return kErrSendResults;
        if (!KWaitGoesOn())
            return kErrUserAborted;
    }
}

int32_t QVResultsLink::AcknowledgeTime(int32_t fileStart, int32_t size) const
{
    // The system took the last byte, yet megabytes may still wait in the
    // buffers between the two ends for a slow reader to take them.
    // Counted in 64 bits: the time-out may be set to the longest wait there is.
    const int64_t stillReading = int64_t(KTCPSocket::SteadyReadTime(size)) - KTickElapsed(fileStart);
    const int64_t wait = int64_t(m_ackTimeout) + (stillReading > 0 ? stillReading : 0);
    return wait < KLongestTickWait ? int32_t(wait) : KLongestTickWait;
}

int32_t QVResultsLink::SendResults(QVEvent &event)
{
    if (m_busy) {
        Log(L"not handed over: another hand-over runs", KString());
        return kErrSendResults;
    }
    Busy busy(m_busy);
    ReadSettings();
    m_lastHandOver = kNotTried;
    if (!event.HasEventRoundHeat() && !m_ignoreERHCheck) {
        m_lastHandOver = kNotNumbered;
        Log(L"not handed over: the document has no event, round and heat", KString());
        return kErrSendResults;
    }
    KString path;
    int32_t code = QVResultsFile::Write(event, m_dataOutDir, m_charMode, path);
    if (code != 0)
        return code;
    m_lastFile = path;
    if (!IsConfigured(m_description)) {
        m_lastHandOver = kNotConfigured;
        Log(L"not configured, results file not handed over: ", path);
        return kErrSendResults;
    }
    m_triedOpen = false;   // a hand-over asked for by the user tries at once
    m_lastHandOver = kNotOpened;
    if (!EnsureOpen())
        return kErrSendResults;
    m_lastHandOver = kNotAcknowledged;
    code = HandOverFile(event, path);
    if (code == 0)
        m_lastHandOver = kSent;
    return code;
}

int32_t QVResultsLink::HandOverFile(QVEvent &event, const KString &path)
{
    std::vector<uint8_t> bytes;
    try {
        KFile file;
        file.SetFullName(path);
        file.Open(KFile::kModeRead);
        int64_t size = file.GetSize();
        bytes.resize(size_t(size > 0 ? size : 0));
        if (!bytes.empty())
            file.ReadExact(bytes.data(), int32_t(bytes.size()));
    } catch (const KX &) {
        return kErrWriteQifFile;
    }
    KString name;
    QVResultsFile::FileName(event, name);
    bool stopped = false;
    QVLinkConnection *peer = HandOverPeer(stopped);
    if (stopped)
        return kErrUserAborted;
    if (!peer) {
        m_lastHandOver = kNoClient;
        Log(L"no client to hand over to: ", name);
        return kErrSendResults;
    }
    // What the peer sent before the file is answered now or forgotten: the
    // acknowledge is looked for only in what comes after the file.
    peer->TakeWaiting(kTransfersBeforeSend);
    KString line;
    while (!peer->IsGone() && peer->NextLine(line))
        Answer(line, event, *peer);
    peer->DropUnread();

    KString header(L"RFL,");
    QVResultsFile::AppendField(header, name);
    header.AppendChar(L',').AppendInt(int32_t(bytes.size())).Append(L"\r\n");
    m_handOverPeer = peer;
    int32_t code = kErrSendResults;
    const int32_t fileStart = KTickCount();
    m_lastFileStart = fileStart;
    if (!peer->IsGone() && SendLine(*peer, header) && peer->Send(bytes.data(), int32_t(bytes.size())))
        code = WaitForAcknowledge(*peer, event, AcknowledgeTime(fileStart, int32_t(bytes.size())));
    else if (peer->Error() == kErrUserAborted)
        code = kErrUserAborted;
    m_handOverPeer = nullptr;
    // A file stopped half-way has closed its connection: the peer's next
    // one starts clean. One stopped while awaiting the acknowledge has
    // arrived whole; its late ROK is ignored.
    if (code == kErrUserAborted)
        Log(L"hand-over stopped by the user: ", name);
    if (peer->IsGone())
        for (size_t i = 0; i < m_connections.size(); ++i)
            if (m_connections[i].get() == peer) {
                EndConnection(i, nullptr);
                break;
            }
    if (code == kErrSendResults)
        Log(L"no acknowledge for ", name);
    return code;
}
