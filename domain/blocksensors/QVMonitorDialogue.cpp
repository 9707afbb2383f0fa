#include "domain/blocksensors/QVMonitorDialogue.h"

#include <algorithm>
#include <cstdio>

#include "domain/blocksensors/QVUnitCrc.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/values/KHelpers.h"

namespace
{
constexpr int kShortestAnswer = 6;   // "OK\r\n> "

// Drops prompts and blank lines in front of an answer.
void SkipPrompts(std::string &text)
{
    size_t at = 0;
    while (at < text.size())
    {
        if (text[at] == '\r' || text[at] == '\n' || text[at] == ' ')
            ++at;
        else if (text[at] == '>' && (at + 1 >= text.size() || text[at + 1] == ' '))
            ++at;
        else
            break;
    }
    text.erase(0, at);
}
} // namespace

QVMonitorDialogue::QVMonitorDialogue(KSerialPort &port, int32_t longTimeout)
    : m_port(port), m_longTimeout(longTimeout > 0 ? longTimeout : 10000)
{
}

std::string QVMonitorDialogue::DataLine(const uint8_t *bytes, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string line = "D ";
    for (size_t i = 0; i < count; ++i)
    {
        line += digits[bytes[i] >> 4];
        line += digits[bytes[i] & 15];
    }
    return line;
}

std::string QVMonitorDialogue::CrcText(uint32_t crc)
{
    char text[12];
    std::snprintf(text, sizeof text, "%08X", unsigned(crc));
    return text;
}

void QVMonitorDialogue::SendLine(const std::string &line)
{
    std::string bytes = line + "\r";
    m_port.Write(bytes.data(), int32_t(bytes.size()));
}

void QVMonitorDialogue::WaitForPrompt()
{
    int64_t end = KSteadyMilliseconds() + m_longTimeout;
    int32_t saved = m_port.ReadTimeout();
    m_port.SetReadTimeout(kMonitorPollMs);
    m_pending.clear();
    try
    {
        while (KSteadyMilliseconds() < end)
        {
            if (m_step)
                m_step(0, 0);
            SendLine("");
            int64_t poll = KSteadyMilliseconds() + kMonitorPollMs;
            while (KSteadyMilliseconds() < poll)
            {
                char c = 0;
                int32_t got = 0;
                try
                {
                    got = m_port.Read(&c, 1);
                }
                catch (const KXSerialPort &error)
                {
                    if (error.Code() != kErrSerialTimeout)
                        throw;
                    break;
                }
                if (got <= 0)
                    break;
                m_pending += c;
                if (m_pending.size() > 4096)
                    m_pending.erase(0, m_pending.size() - 16);   // a long banner
                size_t prompt = m_pending.rfind("> ");
                if (prompt != std::string::npos && prompt + 2 == m_pending.size())
                {
                    m_pending.clear();
                    m_port.SetReadTimeout(saved);
                    return;
                }
            }
        }
    }
    catch (...)
    {
        m_port.SetReadTimeout(saved);
        throw;
    }
    m_port.SetReadTimeout(saved);
    throw KXSerialPort(kErrSerialTimeout);
}

std::string QVMonitorDialogue::ReadAnswer(bool promptFollows)
{
    int32_t saved = m_port.ReadTimeout();
    m_port.SetReadTimeout(m_longTimeout);
    try
    {
        for (;;)
        {
            SkipPrompts(m_pending);
            size_t end = m_pending.find("\r\n");
            if (end != std::string::npos)
            {
                // A command's answer is complete once the prompt after it
                // has come; the last answer of a transfer with its line.
                size_t prompt = m_pending.find("> ", end + 2);
                if (prompt != std::string::npos || !promptFollows)
                {
                    std::string answer = m_pending.substr(0, end);
                    m_prompted = prompt != std::string::npos;
                    m_pending.erase(0, m_prompted ? prompt + 2 : end + 2);
                    m_port.SetReadTimeout(saved);
                    return answer;
                }
            }
            if (m_pending.size() > 4096)
                throw KXSerialPort(kErrSerialReceive);
            // A stream read waits until all it asked for has come, and the
            // unit says no more than its answer: the shortest answer ("OK",
            // CR LF, "> ") at once when nothing is waiting, then byte by byte.
            char bytes[kShortestAnswer];
            int32_t want = m_pending.empty() ? kShortestAnswer : 1;
            if (m_port.Read(bytes, want) < want)
                throw KXSerialPort(kErrSerialTimeout);
            m_pending.append(bytes, size_t(want));
        }
    }
    catch (...)
    {
        m_port.SetReadTimeout(saved);
        throw;
    }
}

void QVMonitorDialogue::TakePrompt(int32_t waitMs)
{
    int32_t saved = m_port.ReadTimeout();
    m_port.SetReadTimeout(waitMs);
    try
    {
        while (m_pending.find("> ") == std::string::npos && m_pending.size() < 4)
        {
            char c = 0;
            if (m_port.Read(&c, 1) < 1)
                break;
            m_pending += c;
        }
    }
    catch (const KXSerialPort &error)
    {
        if (error.Code() != kErrSerialTimeout)
        {
            m_port.SetReadTimeout(saved);
            throw;
        }
    }
    m_port.SetReadTimeout(saved);
    SkipPrompts(m_pending);
}

void QVMonitorDialogue::Expect(const std::string &answer, const std::string &wanted)
{
    if (answer == wanted)
        return;
    m_unitText.Clear();
    if (answer.compare(0, 4, "ERR ") == 0)
        m_unitText.AppendAnsi(answer.c_str() + 4);
    else
        m_unitText.AppendAnsi(answer.c_str());
    throw KXSerialPort(kErrSerialReceive);
}

void QVMonitorDialogue::Transfer(const std::string &command, const std::vector<uint8_t> &bytes)
{
    uint32_t crc = QVCrc32(bytes.data(), bytes.size());
    SendLine(command + " " + std::to_string(bytes.size()) + " " + CrcText(crc));
    Expect(ReadAnswer(), "OK");
    for (size_t at = 0; at < bytes.size(); at += kMonitorLineBytes)
    {
        size_t count = std::min(bytes.size() - at, size_t(kMonitorLineBytes));
        SendLine(DataLine(bytes.data() + at, count));
        Expect(ReadAnswer(), "OK");
        if (m_step)
            m_step(at + count, bytes.size());
    }
    SendLine("E");
    // Some units end the transfer without a new prompt: the line decides.
    std::string answer = ReadAnswer(false);
    if (!m_prompted)
        TakePrompt(kMonitorPollMs);
    uint32_t reported = 0;
    if (answer.size() == 13 && answer.compare(0, 5, "DONE ") == 0 &&
        std::sscanf(answer.c_str() + 5, "%8x", &reported) == 1 && reported == crc)
        return;
    Expect(answer, "DONE " + CrcText(crc));
}

void QVMonitorDialogue::Restart()
{
    SendLine("G");
    m_port.Flush();
}
