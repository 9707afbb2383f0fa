#pragma once
// UnitSimPort: the simulated unit's end of the line, a COM port opened with
// plain Win32 calls (overlapped transfers). A read waits at most the time
// given for its first byte, so that the serving thread can watch its stop
// flag, and then takes whatever else has come; for a few milliseconds after
// each byte it polls instead, since requests come in bursts. One thread at
// a time.

#include <cstddef>
#include <cstdint>

namespace unitsim
{

class Port
{
public:
    Port() = default;
    ~Port();
    Port(const Port &) = delete;
    Port &operator=(const Port &) = delete;

    // Opens COM<number> at baud (8 data bits, no parity, one stop bit); false
    // when the system refuses it.
    bool Open(int number, int baud = 19200);
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }

    // Reads what arrived within waitMs (0 when nothing); -1 on a port error.
    int Read(uint8_t *buffer, int size, int waitMs);
    // Writes every byte; false on a port error.
    bool Write(const uint8_t *bytes, size_t count);

private:
    void *m_handle = nullptr;      // opened for overlapped transfers
    void *m_readEvent = nullptr;
    void *m_writeEvent = nullptr;
    bool m_immediate = false;      // the handle's reads return at once
    uint32_t m_lastData = 0;       // tick of the last byte read
};

} // namespace unitsim
