#pragma once
// What the image store asks of the rest of the program, as narrow seams: the
// capture side of the hardware hub, and the progress display with the wait
// cursor and the user's abort key. The application installs them at start-up
// (any other implementation may be installed instead); without them capture is
// refused and progress is silent. GUI thread.

#include <cstdint>

class KString;
class VCamera;

class VImageCaptureHub
{
public:
    virtual ~VImageCaptureHub() = default;

    virtual bool IsCaptureIdle() const = 0;
    // Whether device is the camera being captured from, and whether that
    // capture is running.
    virtual bool IsCaptureCamera(int32_t device) const = 0;
    virtual bool IsCaptureRunning() const = 0;
    virtual bool SendCameraSettings(int32_t device, const VCamera &camera) = 0;
    virtual bool GetCameraSettings(int32_t device, VCamera &camera) = 0;
    virtual bool StartDeviceCapture(int32_t device) = 0;
    virtual bool StopDeviceCapture(int32_t device) = 0;

    static VImageCaptureHub *Installed();
    static void Install(VImageCaptureHub *hub);
};

class VImageProgress
{
public:
    virtual ~VImageProgress() = default;

    // Opens (or retitles) the progress display with a text.
    virtual void SetText(const KString &text) = 0;
    virtual void SetPercent(int32_t percent) = 0;
    virtual void Close() = 0;
    // The wait cursor on or off.
    virtual void SetWaitCursor(bool on) = 0;
    // True when the user asked to stop since the last call.
    virtual bool UserAbort() = 0;
    // An alert or message text ("\Strings\Alerts\UserAborted", the black fractions).
    virtual void ShowMessage(const KString &text) = 0;

    static VImageProgress *Installed();
    static void Install(VImageProgress *progress);
};
