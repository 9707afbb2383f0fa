#pragma once
// QVMonitorDialogue: the host side of a unit's text monitor dialogue, used for
// firmware images and start-command sounds. Lines from the host end in CR; the
// unit answers each command line with "OK" or "ERR <text>" and a new prompt ">
// "; "E" ends a transfer with "DONE <crc32>" or "ERR <text>", which counts as
// soon as its line is complete (a prompt after it is taken when it comes soon,
// not awaited). Every failure throws KXSerialPort: kErrSerialTimeout when the
// prompt or an answer does not come in time, 5001 for an answer that is not the
// expected one (the unit's own text is kept in UnitText). The port's waits
// ask KWaitGoesOn between slices; one told to stop throws kErrUserAborted
// (the dialogue ends where it stands). The port is not owned; one thread.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/strings/KString.h"

class KSerialPort;

class QVMonitorDialogue
{
public:
    QVMonitorDialogue(KSerialPort &port, int32_t longTimeout);

    // Sends CR every 200 ms until the prompt arrives or the long time-out
    // has passed.
    void WaitForPrompt();
    // One whole transfer: the command line ("F <size> <crc>" or "W <slot>
    // <size> <crc>"), the data lines and "E"; checks the CRC the unit
    // reports.
    void Transfer(const std::string &command, const std::vector<uint8_t> &bytes);
    // Called between the steps of the dialogue: at each CR while waiting for
    // the prompt (sent and total 0) and after each answered data line (the
    // bytes sent so far and all of them). It may throw to stop the
    // dialogue where it stands; the unit then keeps what the protocol says
    // of a transfer that never ended.
    using Step = std::function<void(size_t sent, size_t total)>;
    void SetStep(Step step) { m_step = std::move(step); }
    // "G": the unit restarts (no answer is awaited).
    void Restart();

    // The text of the unit's last "ERR" answer.
    const KString &UnitText() const { return m_unitText; }

    // The line texts as sent: "D" and up to 128 hex digits of bytes.
    static std::string DataLine(const uint8_t *bytes, size_t count);
    static std::string CrcText(uint32_t crc);

private:
    void SendLine(const std::string &line);
    // Reads up to the next answer line and, when promptFollows, the prompt
    // after it.
    std::string ReadAnswer(bool promptFollows = true);
    // Takes a prompt that arrives within waitMs, if one does.
    void TakePrompt(int32_t waitMs);
    void Expect(const std::string &answer, const std::string &wanted);

    KSerialPort &m_port;
    int32_t m_longTimeout;
    std::string m_pending;   // received text not yet taken
    bool m_prompted = false; // the last answer came with its prompt
    KString m_unitText;
    Step m_step;
};
