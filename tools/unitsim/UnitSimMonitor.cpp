// The simulated unit's text monitor dialogue: firmware ("F") and sound ("W")
// transfers as hex data lines, checked with CRC-32 and written to files.
#include "tools/unitsim/UnitSim.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace unitsim
{
namespace
{
int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool ParseNumber(const std::string &text, uint32_t &value, int base)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    unsigned long v = std::strtoul(text.c_str(), &end, base);
    if (*end != 0)
        return false;
    value = uint32_t(v);
    return true;
}

std::string Crc32Text(uint32_t crc)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", unsigned(crc));
    return text;
}
} // namespace

void Unit::MonitorSay(const std::string &text)
{
    SendBytes(reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

void Unit::WriteFile(const std::string &name, const std::vector<uint8_t> &bytes) const
{
    if (m_config.outputDir.empty())
        return;
    std::string path = m_config.outputDir + "\\" + name;
    if (FILE *f = std::fopen(path.c_str(), "wb"))
    {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

void Unit::MonitorLine(const std::string &line)
{
    Record in;
    in.text = line;
    if (line.size() > 40)
        in.text = line.substr(0, 40) + "...";
    if (!line.empty())
        Log(in);

    std::istringstream words(line);
    std::string verb, a, b, c, extra;
    words >> verb >> a >> b >> c >> extra;
    if (verb.empty())
    {
        MonitorSay("> ");
        return;
    }
    if (verb == "F" || verb == "W")
    {
        uint32_t slot = 0, size = 0, crc = 0;
        bool sound = verb == "W";
        bool ok = sound ? ParseNumber(a, slot, 10) && slot <= 2 && ParseNumber(b, size, 10) &&
                              c.size() == 8 && ParseNumber(c, crc, 16) && extra.empty()
                        : ParseNumber(a, size, 10) && b.size() == 8 && ParseNumber(b, crc, 16) && c.empty();
        if (!ok || size == 0 || size > 16u * 1024 * 1024)
        {
            MonitorSay("ERR bad transfer\r\n> ");
            return;
        }
        m_transferSlot = sound ? int(slot) : -1;
        m_transferSize = size;
        m_transferCrc = crc;
        m_transfer.clear();
        m_transferReceived = 0;
        m_dataLines = 0;
        MonitorSay("OK\r\n> ");
        return;
    }
    if (verb == "D")
    {
        ++m_dataLines;
        bool fail, silent;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            fail = m_failDataLine == m_dataLines;
            silent = m_silentDataLine > 0 && m_dataLines >= m_silentDataLine;
        }
        if (silent)
            return;
        if (m_transferSlot == -2 || fail || a.empty() || a.size() > 128 || a.size() % 2 || !b.empty())
        {
            MonitorSay("ERR bad data\r\n> ");
            return;
        }
        for (size_t i = 0; i < a.size(); i += 2)
        {
            int hi = HexDigit(a[i]), lo = HexDigit(a[i + 1]);
            if (hi < 0 || lo < 0 || m_transfer.size() >= m_transferSize)
            {
                MonitorSay("ERR bad data\r\n> ");
                return;
            }
            m_transfer.push_back(uint8_t(hi * 16 + lo));
        }
        m_transferReceived = m_transfer.size();
        MonitorSay("OK\r\n> ");
        return;
    }
    if (verb == "E")
    {
        FinishTransfer();
        return;
    }
    if (verb == "G")
    {
        ++m_restarts;
        std::lock_guard<std::mutex> hold(m_lock);
        m_mode = Mode::Frames;
        m_parser.Reset();
        return;
    }
    MonitorSay("ERR unknown command\r\n> ");
}

void Unit::FinishTransfer()
{
    if (m_transferSlot == -2)
    {
        MonitorSay("ERR no transfer\r\n> ");
        return;
    }
    uint32_t crc = Crc32(m_transfer.data(), m_transfer.size());
    if (m_transfer.size() != m_transferSize || crc != m_transferCrc)
    {
        m_transferSlot = -2;
        MonitorSay("ERR checksum\r\n> ");
        return;
    }
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_transferSlot < 0)
            m_firmware = m_transfer;
        else
            m_sounds[m_transferSlot] = m_transfer;
    }
    WriteFile(m_transferSlot < 0 ? "firmware.img" : "sound" + std::to_string(m_transferSlot) + ".wav", m_transfer);
    m_transferSlot = -2;
    MonitorSay("DONE " + Crc32Text(crc) + (m_config.promptAfterDone ? "\r\n> " : "\r\n"));
}

} // namespace unitsim
