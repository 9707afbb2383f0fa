#include "domain/resultslink/QVResultsLink.h"

#include "domain/event/QVEvent.h"
#include "domain/hardware/VHardware.h"
#include "domain/results/QVResults.h"
#include "domain/resultslink/QVResultsFile.h"
#include "domain/schedule/QVServiceKeys.h"
#include "domain/schedule/QVStartList.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "foundation/comm/KPortStream.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/values/KHelpers.h"

#include <vector>

namespace {

QVResultsLink *g_link = nullptr;

constexpr int32_t kRetryOpenAfter = 10000;  // ms between attempts to open a failed link
constexpr int32_t kConnectTimeout = 250;    // ms a TCP connection may take (on the GUI thread)
constexpr int32_t kAckSlice = 100;          // ms of each wait for the acknowledge
constexpr int kMaxReadsPerPoll = 8192;     // bytes taken in one poll
constexpr int kMaxPending = 65536;          // characters kept of an unfinished line

void SetReadTimeout(KStream &stream, int32_t milliseconds)
{
    if (KSerialPort *port = dynamic_cast<KSerialPort *>(&stream))
        port->SetReadTimeout(milliseconds);
    else if (KSocketStream *socket = dynamic_cast<KSocketStream *>(&stream))
        socket->SetReadTimeout(milliseconds);
}

bool IsNoData(int32_t code)
{
    return code == kErrSerialTimeout || code == kErrSocketReceive;
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

void QVResultsLink::ReadSettings()
{
    KRegistry *settings = QVSettings();
    if (!settings)
        return;
    if (KRString *s = settings->GetString(kKeyResultsLink))
        m_description = s->GetValue();
    if (KRInt *n = settings->GetInt(kKeyLookupLongTimeout))
        m_ackTimeout = n->Value();
    if (KRInt *n = settings->GetInt(kKeyCharModeVIF))
        m_charMode = n->Value();
    if (KRBool *b = settings->GetBool(kKeyIgnoreERHCheck))
        m_ignoreERHCheck = b->Value();
    if (KRString *s = settings->GetString(kKeyDataOutDir))
        m_dataOutDir = s->GetValue();
}

void QVResultsLink::Log(const wchar_t *text, const KString &detail) const
{
    if (KLog *log = KProgramLog()) {
        KString line(L"results link: ");
        line.Append(text).Append(detail);
        log->Warning(line);
    }
}

void QVResultsLink::Close()
{
    m_stream.reset();
    m_openedWith.Clear();
    m_pending.Clear();
}

bool QVResultsLink::EnsureOpen()
{
    ReadSettings();
    if (m_stream && m_openedWith != m_description)
        Close();
    if (m_stream)
        return true;
    if (!IsConfigured(m_description))
        return false;
    if (m_triedOpen && KTickElapsed(m_lastOpenTry) < kRetryOpenAfter)
        return false;
    m_triedOpen = true;
    m_lastOpenTry = KTickCount();
    try {
        m_stream = KOpenPortStream(m_description, 3, kConnectTimeout);
    } catch (const KX &error) {
        KString detail(m_description);
        detail.Append(L", error ").AppendInt(error.Code());
        Log(L"cannot open ", detail);
        m_stream.reset();
        return false;
    }
    m_stream->SetReadEncoding(KStream::kEncoding8Bit);
    m_stream->SetWriteEncoding(KStream::kEncoding8Bit);
    m_stream->SetReadLineEnd(KStream::kLineEndRaw);
    m_stream->SetWriteLineEnd(KStream::kLineEndRaw);
    m_openedWith = m_description;
    m_triedOpen = false;
    return true;
}

bool QVResultsLink::ReadAvailable(int32_t wait)
{
    if (!m_stream)
        return false;
    // One byte per read: a stream read waits until its whole count arrived,
    // and the dialogue's lines are short.
    char buffer[1];
    SetReadTimeout(*m_stream, wait < 0 ? 0 : wait);
    for (int i = 0; i < kMaxReadsPerPoll; ++i) {
        int32_t count = 0;
        try {
            count = m_stream->Read(buffer, int32_t(sizeof buffer));
        } catch (const KX &error) {
            if (IsNoData(error.Code()))
                return true;
            bool listener = m_description.Length() > 1 && m_description[0] == L'-' && m_description[1] == L'2';
            if (error.Code() == kErrSocketReadClosed && listener)
                return true;   // the client left; the listener takes the next one
            KString detail;
            detail.AppendInt(error.Code());
            Log(L"closed after error ", detail);
            Close();
            return false;
        }
        if (count <= 0)
            return true;
        m_pending.AppendAnsi(buffer, count);
        if (m_pending.Length() > kMaxPending) {
            Log(L"dropped an over-long line", KString());
            m_pending.Clear();
        }
        SetReadTimeout(*m_stream, 0);
    }
    return true;
}

bool QVResultsLink::NextLine(KString &line)
{
    int end = m_pending.Find(L'\n');
    if (end < 0)
        return false;
    line.Clear();
    m_pending.Extract(line, 0, end);
    KString rest;
    m_pending.Extract(rest, end + 1, -1);
    m_pending = rest;
    line.Trim();   // drops the CR and blanks around the line
    return true;
}

bool QVResultsLink::SendLine(const KString &text)
{
    if (!m_stream)
        return false;
    try {
        m_stream->WriteText(text);
        m_stream->Flush();
    } catch (const KX &error) {
        KString detail;
        detail.AppendInt(error.Code());
        Log(L"send failed, error ", detail);
        Close();
        return false;
    }
    return true;
}

const QVResults *QVResultsLink::FindResults(const KString &request, QVEvent &event, int &leg) const
{
    KString e, r, h, l;
    if (!request.GetField(e, 1) || !request.GetField(r, 2) || !request.GetField(h, 3))
        return nullptr;
    leg = 1;
    int32_t number = 0;
    if (request.GetField(l, 4) && KString::ParseInt(l, number))
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

void QVResultsLink::Answer(const KString &line, QVEvent &event)
{
    KString word;
    line.GetField(word, 0);
    if (word.EqualsIgnoreCase(KString(L"ROK"))) {
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
        SendLine(KString(L"RNR\r\n"));
        return;
    }
    KString lines;
    int count = QVResultsFile::ResultLines(*results, leg, lines);
    KString reply(L"RRP,");
    reply.AppendInt(count).Append(L"\r\n");
    for (int i = 0; i < lines.Length(); ++i) {
        if (lines[i] == L'\n')
            reply.AppendChar(L'\r');
        reply.AppendChar(lines[i]);
    }
    SendLine(reply);
}

void QVResultsLink::Serve(QVEvent &event)
{
    if (!EnsureOpen() || !ReadAvailable(0))
        return;
    KString line;
    while (m_stream && NextLine(line))
        Answer(line, event);
}

bool QVResultsLink::WaitForAcknowledge(int32_t timeout)
{
    m_acknowledges = 0;
    const int32_t start = KTickCount();
    KString line;
    for (;;) {
        while (m_stream && NextLine(line)) {
            // Requests that arrive meanwhile are answered on the way; the
            // event that is being handed over is the one asked first.
            if (m_waitingFor)
                Answer(line, *m_waitingFor);
            if (m_acknowledges > 0)
                return true;
        }
        int32_t left = timeout - KTickElapsed(start);
        if (left <= 0 || !m_stream)
            return false;
        if (!ReadAvailable(left < kAckSlice ? left : kAckSlice))
            return false;
    }
}

int32_t QVResultsLink::SendResults(QVEvent &event)
{
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
    m_lastHandOver = kNotAcknowledged;
    if (!EnsureOpen())
        return kErrSendResults;
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
    KString header(L"RFL,");
    KString name;
    QVResultsFile::FileName(event, name);
    QVResultsFile::AppendField(header, name);
    header.AppendChar(L',').AppendInt(int32_t(bytes.size())).Append(L"\r\n");
    if (!SendLine(header))
        return kErrSendResults;
    try {
        if (!bytes.empty())
            m_stream->Write(bytes.data(), int32_t(bytes.size()));
        m_stream->Flush();
    } catch (const KX &) {
        Close();
        return kErrSendResults;
    }
    m_waitingFor = &event;
    bool acknowledged = WaitForAcknowledge(m_ackTimeout);
    m_waitingFor = nullptr;
    if (!acknowledged) {
        Log(L"no acknowledge for ", name);
        return kErrSendResults;
    }
    m_lastHandOver = kSent;
    return 0;
}
