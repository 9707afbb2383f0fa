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

    // Capture, device and port operations. This program has no timing
    // devices, so each answers "none" (false, 0, nothing done); they are
    // virtual so that a hub with devices can answer for them.
    virtual bool IsCaptureRunning() const { return false; }
    virtual bool IsCapturing() const { return false; }
    virtual bool IsCaptureIdle() const { return true; }
    virtual bool StartCapture(QVEvent *, int) { return false; }
    virtual void StopCapture() {}
    virtual bool UsesKeyboardButton() const { return false; }
    virtual bool IsDeviceMarked(int) const { return false; }
    virtual int DeviceCount() const { return 0; }
    // A hand start, taken now, less offset when one is given (none: no
    // offset); false when no device takes it.
    virtual bool ManualStart(const VRaceTime *offset);
    // Hub serial ports offered besides the machine's (numbered from 256).
    virtual int PortCount() const { return 0; }

    // Camera devices, capture per device and alignment.
    virtual bool IsCaptureCamera(int) const { return false; }
    virtual bool GetCameraSettings(int, VCamera &) const { return false; }
    virtual bool SendCameraSettings(int, const VCamera &) { return false; }
    virtual bool StartDeviceCapture(int) { return false; }
    virtual bool StopDeviceCapture(int) { return false; }
    virtual bool StartAlignment(int, int32_t) { return false; }
    virtual bool BeginAlignment() { return false; }
    virtual void StopAlignment() {}
    virtual bool SendRemoteCommand(int, wchar_t, wchar_t) { return false; }
    virtual int CameraLaneCount() const { return 0; }
    virtual bool CameraLanesReversed() const { return false; }
    // Lane boundary i of the hub's camera in ten-thousandths of the frame.
    virtual int32_t CameraLaneBoundary(int) const { return 0; }
    virtual void SetCameraLaneBoundary(int, int32_t) {}

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
