#pragma once
// UnitSimPort: the simulated unit's end of the line, a COM port opened with
// plain Win32 calls (no overlapped I/O). Reads wait at most a few
// milliseconds so that the serving thread can watch its stop flag. One
// thread at a time.

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

    // Opens COM<number>; false when the system refuses it.
    bool Open(int number);
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }

    // Reads what arrived within waitMs (0 when nothing); -1 on a port error.
    int Read(uint8_t *buffer, int size, int waitMs);
    // Writes every byte; false on a port error.
    bool Write(const uint8_t *bytes, size_t count);

private:
    void *m_handle = nullptr;
    int m_wait = -1;   // read wait now set on the handle
};

} // namespace unitsim
