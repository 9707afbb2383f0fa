#pragma once
// VCamera: the description of a photo-finish line-scan camera: a name, a
// lane count (at most 20) with the lane boundaries, display brightness,
// contrast and gamma, and 42 numbered parameters, each with limits and a
// lock flag. Parameter 0 is the model code (101 or 102). Values are checked
// on the way in: a locked parameter, a value outside the limits or one that
// breaks a rule between parameters is refused silently, and model 102 keeps
// parameter 7 (its frame height) even. Changes are announced to the
// camera's message tree: a parameter set with notify (topic
// kMsgCameraParameters, data = the parameter), the display values (topic
// kMsgCameraDisplay) and the lanes (topic kMsgCameraLanes). The record
// (version 0x20009) is written inside image headers and read back field for
// field.
// Owned by whoever made it (the hub or an image); GUI thread. This program
// has no cameras: the class exists for the image side.

#include <cstdint>

#include "foundation/messages/KMessageObject.h"
#include "foundation/strings/KString.h"

class KStream;

constexpr uint32_t kMsgCameraParameters = 22;  // a camera parameter changed; data = its number
constexpr uint32_t kMsgCameraDisplay = 23;     // brightness, contrast or gamma changed
constexpr uint32_t kMsgCameraLanes = 24;       // lane count or boundaries changed

class VCamera : public KMessageObject
{
public:
    static constexpr int kParameterCount = 42;
    static constexpr int kMaxLanes = 20;
    static constexpr uint32_t kRecordVersion = 0x20009;
    static constexpr uint32_t kFlagLocked = 1;   // parameter flag: refuses new values
    // Parameter numbers the program reads.
    enum
    {
        kModel = 0,             // 101 or 102
        kSerialNumber = 1,
        kDevice = 2,            // camera device number
        kAddress = 3,           // IP address
        kFramesPerStep = 4,
        kFrameMode = 5,         // frame mode / averaging
        kDensity = 7,           // model 101: height selector 0..3; model 102: frame height in pixels
        kFrameRate = 8,         // also the alignment value factor
        kCompression = 9,
        kCompressionMin = 10,
        kGainMethod = 11,
        kGain = 12,
        kOrientation = 16,
        kReverseLanes = 17,
        kIdMethod = 18,         // identification method 0..3
        kColourOffsetR = 19,
        kColourOffsetG = 20,
        kColourOffsetB = 21,
        kPixelFormat = 27,      // 0 grey, 1 colour
        kMaxGain = 40
    };
    // CopyFrom flags.
    static constexpr int kCopyParameters = 1;   // the 42 values
    static constexpr int kCopyFlags = 2;        // the lock flags
    static constexpr int kCopyIdentity = 4;     // name and lane count
    static constexpr int kCopyDisplay = 8;      // brightness, contrast, gamma

    // A model 101 camera with every parameter at its default, none locked.
    VCamera();

    int32_t Parameter(int i) const;
    // Stores value when i is valid, not locked and the value valid; answers
    // whether the stored value is now value (after the even rounding).
    bool SetParameter(int i, int32_t value, bool notify = false);
    uint32_t ParameterFlags(int i) const;
    void SetParameterFlags(int i, uint32_t flags);
    bool IsLocked(int i) const { return (ParameterFlags(i) & kFlagLocked) != 0; }
    int32_t MinimumValue(int i) const;
    int32_t MaximumValue(int i) const;
    // Limits and the rules between parameters (compression minimum not above
    // compression, gain not above the maximum gain, the model's density range).
    bool IsValidValue(int i, int32_t value) const;

    bool IsModel101() const { return Parameter(kModel) == 101; }
    bool IsModel102() const { return Parameter(kModel) == 102; }
    bool IsNetworkCamera() const { return true; }
    // Pixels per frame: model 101 1024 >> density; model 102 the density.
    int32_t FrameHeight() const;
    // Frames in one image block of 16000 pixel rows (at least 1).
    int32_t FramesPerBlock() const;
    bool LanesReversed() const { return Parameter(kReverseLanes) != 0; }

    const KString &Name() const { return m_name; }
    void SetName(const KString &name) { m_name = name; }
    int32_t LaneCount() const { return m_lanes; }
    // Cut to 0..20; the boundaries are spread evenly again.
    void SetLaneCount(int32_t lanes);
    // Boundary i (0..lane count) of the lanes across the frame, in
    // ten-thousandths (0..10000); -1 outside.
    static constexpr int32_t kBoundaryScale = 10000;
    int32_t LaneBoundary(int i) const;
    // Clamped to 0..10000; nothing outside 0..lane count.
    void SetLaneBoundary(int i, int32_t value);
    // The lane bar's dragged divider.
    int32_t FirstValue() const { return m_firstValue; }
    void SetFirstValue(int32_t value) { m_firstValue = value; }

    // Display values: brightness and contrast as fractions -1..1 (neutral
    // 0.0), gamma as a factor 0.1..4.0 (neutral 1.0). Each setter clamps and
    // announces a change.
    static constexpr double kMinGamma = 0.1;
    static constexpr double kMaxGamma = 4.0;
    double Brightness() const { return m_brightness; }
    double Contrast() const { return m_contrast; }
    double Gamma() const { return m_gamma; }
    void SetBrightness(double value);
    void SetContrast(double value);
    void SetGamma(double value);
    // Gain method automatic (1) with value as gain, when both are allowed.
    void SetAutomaticGain(int32_t value);

    void CopyFrom(const VCamera &other, int flags);
    bool Equals(const VCamera &other) const;

    // The record: version, name, lane count, display values, the first value
    // and the lane boundaries, then for each parameter its value and flags.
    // Read takes back exactly what Write wrote; it throws KXPersistent
    // kErrFileVersion for another version and kErrFileContents for contents out
    // of range (a value outside its parameter's limits among them), leaving the
    // camera unchanged.
    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    void SpreadBoundaries();
    void SendIfChanged(bool changed, uint32_t topic);

    KString31 m_name;
    int32_t m_lanes = 8;
    int32_t m_boundaries[kMaxLanes + 1] = {};
    int32_t m_firstValue = 0;
    double m_brightness = 0.0;
    double m_contrast = 0.0;
    double m_gamma = 1.0;
    int32_t m_values[kParameterCount];
    uint32_t m_flags[kParameterCount];
};
