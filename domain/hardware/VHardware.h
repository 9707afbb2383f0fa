#pragma once
// VHardware: the hardware hub. It keeps the list of armed documents (the
// events that take timing from the hardware), two rings of the most recent
// 125 start and break times, guarded by the hub's mutex because device
// threads add to them, and its view, which is its message interface towards
// the hardware windows. This program has no timing devices, so the capture
// and device queries answer "none". One hub exists for the program, created
// at start-up and reachable through Instance; it never deletes the events
// it holds. Created and used on the GUI thread; the rings from any thread.

#include <atomic>
#include <cstdint>

#include "domain/hardware/VHardwareView.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/containers/KList.h"
#include "foundation/messages/KMessageObject.h"
#include "foundation/threads/KMutex.h"

class QVEvent;
class VCamera;

class VHardware : public KMessageObject
{
public:
    static constexpr int kRingSize = 125;      // records kept in each ring
    static constexpr int kMaxRecentStarts = 100;

    VHardware();
    ~VHardware() override;
    VHardware(const VHardware &) = delete;
    VHardware &operator=(const VHardware &) = delete;

    // The program's hub, none before start-up and after shut-down.
    static VHardware *Instance();

    // Gives every hardware item its idle call and, when the hub changed
    // since the last call, tells its view.
    void Idle();
    // The hub's message interface: its view.
    VHardwareView *MessageInterface() { return &m_view; }

    // Armed documents (the hub holds, never deletes them).
    void Arm(QVEvent *event);
    void Disarm(QVEvent *event);
    bool IsArmed(const QVEvent *event) const;
    const KList &ArmedList() const { return m_armed; }

    // The rings. Adding marks the hub changed.
    void AddStart(const VRaceTime &time);
    void AddBreak(const VRaceTime &time);
    // Number of starts still kept (at most 100) and the number of the
    // oldest of them; count 0 when there are none.
    void RecentStarts(int &count, int &first);
    // Start number n; false when it is no longer (or not yet) kept.
    bool GetStart(int n, VRaceTime &time);
    bool GetBreak(int n, VRaceTime &time);

    // Capture and device queries: no devices in this program.
    bool IsCaptureRunning() const { return false; }
    bool IsCapturing() const { return false; }
    bool IsCaptureIdle() const { return true; }
    bool StartCapture(QVEvent *, int) { return false; }
    void StopCapture() {}
    bool UsesKeyboardButton() const { return false; }
    bool IsDeviceMarked(int) const { return false; }
    int DeviceCount() const { return 0; }
    // Hub serial ports offered besides the machine's (numbered from 256).
    int PortCount() const { return 0; }

    // Camera devices, capture per device and alignment: no camera devices in
    // this program, so each answers "no device" (false, 0, nothing done).
    bool IsCaptureCamera(int) const { return false; }
    bool GetCameraSettings(int, VCamera &) const { return false; }
    bool SendCameraSettings(int, const VCamera &) { return false; }
    bool StartDeviceCapture(int) { return false; }
    bool StopDeviceCapture(int) { return false; }
    bool StartAlignment(int, int32_t) { return false; }
    bool BeginAlignment() { return false; }
    void StopAlignment() {}
    bool SendRemoteCommand(int, wchar_t, wchar_t) { return false; }
    int CameraLaneCount() const { return 0; }
    bool CameraLanesReversed() const { return false; }

    void SetChanged() { m_changed = true; }
    void Handle(const KMessage &message) override;

private:
    struct Ring
    {
        VRaceTime times[kRingSize];
        int total = 0;   // records ever added; the newest is total - 1
    };
    void Add(Ring &ring, const VRaceTime &time);
    bool Get(Ring &ring, int n, VRaceTime &time);

    VHardwareView m_view;
    KList m_armed;
    KMutex m_ringMutex;
    Ring m_starts;
    Ring m_breaks;
    std::atomic<bool> m_changed{false};   // set by any thread, taken by Idle
};
