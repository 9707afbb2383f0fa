// The serial lookup of the start-list database: the program asks for each
// file's lines ("FRQ,vexa.sch") and the peer answers "FRP,<count>" and the
// lines, or "FNR" (docs/start-list-files.md).

#include "domain/schedule/QVSchedule.h"

#include "foundation/comm/KPortStream.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/values/KHelpers.h"

#include <memory>

namespace {

constexpr int32_t kMaxLookupLines = 100000;
constexpr int kMaxLineLength = 1023;

void Warn(const wchar_t *text, const KString &detail)
{
    if (KLog *log = KProgramLog()) {
        KString line(L"start-list lookup: ");
        line.Append(text).Append(detail);
        log->Warning(line);
    }
}

void SetReadTimeout(KStream &stream, int32_t milliseconds)
{
    if (KSerialPort *port = dynamic_cast<KSerialPort *>(&stream))
        port->SetReadTimeout(milliseconds);
    else if (KSocketStream *socket = dynamic_cast<KSocketStream *>(&stream))
        socket->SetReadTimeout(milliseconds);
}

// Reads one line (CR LF or LF ended, blanks around it dropped) before the
// deadline; false when it did not come in time.
bool ReadLine(KStream &stream, KString &line, int32_t start, int32_t timeout)
{
    line.Clear();
    for (;;) {
        int32_t left = timeout - KTickElapsed(start);
        if (left <= 0)
            return false;
        SetReadTimeout(stream, left);
        char c = 0;
        try {
            if (stream.Read(&c, 1) != 1)
                return false;
        } catch (const KX &) {
            return false;
        }
        if (c == '\n') {
            line.Trim();
            return true;
        }
        if (line.Length() < kMaxLineLength)
            line.AppendAnsi(&c, 1);
    }
}

} // namespace

bool QVSchedule::LoadFromLookup()
{
    int32_t port = 0;
    if (KString::ParseIntField(m_settings.lookupPort, port, 0) && port == 0) {
        Warn(L"no port chosen in ", m_settings.lookupPort);
        return false;
    }
    std::unique_ptr<KStream> stream;
    try {
        stream = KOpenPortStream(m_settings.lookupPort, 3, m_settings.shortTimeout);
    } catch (const KX &error) {
        KString detail(m_settings.lookupPort);
        detail.Append(L", error ").AppendInt(error.Code());
        Warn(L"cannot open ", detail);
        return false;
    }
    // A peer that takes nothing of a request holds the program for the short
    // time-out at most, as one that sends no answer does.
    if (KTCPSocket *socket = dynamic_cast<KTCPSocket *>(stream.get()))
        socket->SetWriteTimeout(m_settings.shortTimeout);
    stream->SetReadEncoding(KStream::kEncoding8Bit);
    stream->SetWriteEncoding(KStream::kEncoding8Bit);
    stream->SetReadLineEnd(KStream::kLineEndRaw);
    stream->SetWriteLineEnd(KStream::kLineEndRaw);
    const struct
    {
        const wchar_t *name;
        QVStartList::File which;
    } files[] = {{QVStartList::kScheduleFile, QVStartList::kScheduleLines},
                 {QVStartList::kEventFile, QVStartList::kEventLines},
                 {QVStartList::kPeopleFile, QVStartList::kPeopleLines}};
    for (const auto &file : files) {
        KString name(file.name);
        KString request(L"FRQ,");
        request.Append(name).Append(L"\r\n");
        try {
            stream->WriteText(request);
            stream->Flush();
        } catch (const KX &) {
            Warn(L"request not sent for ", name);
            m_list.Clear();
            return false;
        }
        const int32_t start = KTickCount();
        KString line;
        if (!ReadLine(*stream, line, start, m_settings.shortTimeout)) {
            Warn(L"no answer for ", name);
            m_list.Clear();
            return false;
        }
        KString word;
        line.GetField(word, 0);
        int32_t count = 0;
        if (word.EqualsIgnoreCase(KString(L"FNR"))) {
            if (file.which == QVStartList::kScheduleLines) {
                m_list.Clear();
                return false;
            }
            continue;
        }
        if (!word.EqualsIgnoreCase(KString(L"FRP")) || !KString::ParseIntField(line, count, 1) || count < 0 ||
            count > kMaxLookupLines) {
            Warn(L"unexpected answer: ", line);
            m_list.Clear();
            return false;
        }
        for (int32_t n = 1; n <= count; ++n) {
            if (!ReadLine(*stream, line, start, m_settings.longTimeout)) {
                Warn(L"answer cut short for ", name);
                m_list.Clear();
                return false;
            }
            m_list.AddLine(file.which, line, name, n, m_settings.statusChar);
        }
    }
    return true;
}
