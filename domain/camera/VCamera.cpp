#include "domain/camera/VCamera.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

namespace {

struct Limits
{
    int32_t minimum;
    int32_t maximum;
    int32_t initial;
};

// Limits and initial values of the 42 parameters.
const Limits kLimits[VCamera::kParameterCount] = {
    {100, 102, 101},        // 0 model
    {0, INT32_MAX, 0},      // 1 serial number
    {0, 255, 0},            // 2 device number
    {INT32_MIN, INT32_MAX, 0}, // 3 IP address
    {1, 16, 1},             // 4 frames per time step
    {0, 7, 0},              // 5 frame mode
    {0, 255, 0},            // 6
    {0, 1024, 0},           // 7 density (model rule below)
    {1, 20000, 1000},       // 8 frame rate
    {0, 100, 50},           // 9 compression
    {0, 100, 0},            // 10 compression minimum
    {0, 2, 0},              // 11 gain method
    {0, 1023, 0},           // 12 gain
    {0, 255, 128},          // 13 brightness
    {0, 255, 128},          // 14 brightness (second channel)
    {0, 1000, 50},          // 15 frequency
    {0, 1, 0},              // 16 orientation
    {0, 1, 0},              // 17 reverse lanes
    {0, 3, 0},              // 18 identification method
    {-255, 255, 0},         // 19 colour offset red
    {-255, 255, 0},         // 20 colour offset green
    {-255, 255, 0},         // 21 colour offset blue
    {0, 255, 0},            // 22
    {0, 4096, 64},          // 23 memory in MB
    {0, 255, 0},            // 24
    {0, 255, 0},            // 25
    {0, 255, 0},            // 26
    {0, 1, 0},              // 27 pixel format
    {0, 255, 0},            // 28
    {0, 255, 0},            // 29
    {0, 255, 0},            // 30
    {0, 255, 0},            // 31
    {0, 255, 0},            // 32
    {0, 2, 0},              // 33 gun sensor: none, normally open, normally closed
    {0, 60000, 0},          // 34 gun sensor debounce, ms
    {0, 1, 0},              // 35 photo-eye
    {0, 60000, 0},          // 36 photo-eye debounce, ms
    {0, 60000, 0},          // 37 photo-eye offset, ms
    {0, 255, 0},            // 38
    {0, 255, 0},            // 39
    {0, 1023, 1023},        // 40 maximum gain
    {0, 1, 0},              // 41 gun sensor mode
};

bool ValidIndex(int i)
{
    return i >= 0 && i < VCamera::kParameterCount;
}

int32_t Clamp(int32_t value, int32_t low, int32_t high)
{
    return value < low ? low : value > high ? high : value;
}

} // namespace

VCamera::VCamera()
{
    for (int i = 0; i < kParameterCount; ++i) {
        m_values[i] = kLimits[i].initial;
        m_flags[i] = 0;
    }
    SpreadBoundaries();
}

void VCamera::SpreadBoundaries()
{
    for (int i = 0; i <= kMaxLanes; ++i)
        m_boundaries[i] = m_lanes > 0 ? Clamp(i * kBoundaryScale / m_lanes, 0, kBoundaryScale) : 0;
}

void VCamera::SendIfChanged(bool changed, uint32_t topic)
{
    if (changed)
        Send(topic);
}

int32_t VCamera::Parameter(int i) const
{
    return ValidIndex(i) ? m_values[i] : 0;
}

uint32_t VCamera::ParameterFlags(int i) const
{
    return ValidIndex(i) ? m_flags[i] : 0;
}

void VCamera::SetParameterFlags(int i, uint32_t flags)
{
    if (ValidIndex(i))
        m_flags[i] = flags;
}

int32_t VCamera::MinimumValue(int i) const
{
    if (!ValidIndex(i))
        return 0;
    if (i == kDensity && IsModel102())
        return 64;
    return kLimits[i].minimum;
}

int32_t VCamera::MaximumValue(int i) const
{
    if (!ValidIndex(i))
        return 0;
    if (i == kDensity && !IsModel102())
        return 3;
    return kLimits[i].maximum;
}

bool VCamera::IsValidValue(int i, int32_t value) const
{
    if (!ValidIndex(i) || value < MinimumValue(i) || value > MaximumValue(i))
        return false;
    switch (i) {
    case kCompressionMin: return value <= m_values[kCompression];
    case kCompression: return value >= m_values[kCompressionMin];
    case kGain: return value <= m_values[kMaxGain];
    case kMaxGain: return value >= m_values[kGain];
    default: return true;
    }
}

bool VCamera::SetParameter(int i, int32_t value, bool notify)
{
    if (!ValidIndex(i) || IsLocked(i))
        return false;
    if (i == kDensity && IsModel102())
        value &= ~1;
    if (!IsValidValue(i, value))
        return false;
    bool changed = m_values[i] != value;
    m_values[i] = value;
    if (i == kModel && changed)   // the density's range follows the model
        m_values[kDensity] = IsModel102() ? 512 : 0;
    if (notify && changed)
        Send(kMsgCameraParameters, uint32_t(i));
    return true;
}

int32_t VCamera::FrameHeight() const
{
    if (IsModel102())
        return m_values[kDensity];
    return 1024 >> Clamp(m_values[kDensity], 0, 3);
}

int32_t VCamera::FramesPerBlock() const
{
    int32_t height = FrameHeight();
    int32_t frames = height > 0 ? 16000 / height : 1;
    return frames > 0 ? frames : 1;
}

void VCamera::SetLaneCount(int32_t lanes)
{
    const int32_t old = m_lanes;
    m_lanes = Clamp(lanes, 0, kMaxLanes);
    SpreadBoundaries();
    SendIfChanged(old != m_lanes, kMsgCameraLanes);
}

int32_t VCamera::LaneBoundary(int i) const
{
    return i >= 0 && i <= m_lanes ? m_boundaries[i] : -1;
}

void VCamera::SetLaneBoundary(int i, int32_t value)
{
    if (i < 0 || i > m_lanes)
        return;
    const int32_t old = m_boundaries[i];
    m_boundaries[i] = Clamp(value, 0, kBoundaryScale);
    SendIfChanged(old != m_boundaries[i], kMsgCameraLanes);
}

namespace {

double ClampReal(double value, double low, double high)
{
    // NaN fails both tests and becomes the low end.
    return value >= low ? (value <= high ? value : high) : low;
}

} // namespace

void VCamera::SetBrightness(double value)
{
    const double old = m_brightness;
    m_brightness = ClampReal(value, -1.0, 1.0);
    SendIfChanged(old != m_brightness, kMsgCameraDisplay);
}

void VCamera::SetContrast(double value)
{
    const double old = m_contrast;
    m_contrast = ClampReal(value, -1.0, 1.0);
    SendIfChanged(old != m_contrast, kMsgCameraDisplay);
}

void VCamera::SetGamma(double value)
{
    const double old = m_gamma;
    m_gamma = ClampReal(value, kMinGamma, kMaxGamma);
    SendIfChanged(old != m_gamma, kMsgCameraDisplay);
}

void VCamera::SetAutomaticGain(int32_t value)
{
    if (SetParameter(kGainMethod, 1))
        SetParameter(kGain, value);
}

void VCamera::CopyFrom(const VCamera &other, int flags)
{
    if (flags & kCopyParameters)
        for (int i = 0; i < kParameterCount; ++i)
            m_values[i] = other.m_values[i];
    if (flags & kCopyFlags)
        for (int i = 0; i < kParameterCount; ++i)
            m_flags[i] = other.m_flags[i];
    if (flags & kCopyIdentity) {
        m_name = other.m_name;
        m_lanes = other.m_lanes;
        for (int i = 0; i <= kMaxLanes; ++i)
            m_boundaries[i] = other.m_boundaries[i];
        m_firstValue = other.m_firstValue;
    }
    if (flags & kCopyDisplay) {
        m_brightness = other.m_brightness;
        m_contrast = other.m_contrast;
        m_gamma = other.m_gamma;
    }
}

bool VCamera::Equals(const VCamera &other) const
{
    for (int i = 0; i < kParameterCount; ++i)
        if (m_values[i] != other.m_values[i] || m_flags[i] != other.m_flags[i])
            return false;
    for (int i = 0; i <= kMaxLanes; ++i)
        if (m_boundaries[i] != other.m_boundaries[i])
            return false;
    return m_name == other.m_name && m_lanes == other.m_lanes && m_firstValue == other.m_firstValue &&
           m_brightness == other.m_brightness && m_contrast == other.m_contrast && m_gamma == other.m_gamma;
}

void VCamera::Write(KStream &stream) const
{
    stream.WriteU32(kRecordVersion);
    m_name.Write(stream);
    stream.WriteI32(m_lanes);
    stream.WriteDouble(m_brightness);
    stream.WriteDouble(m_contrast);
    stream.WriteDouble(m_gamma);
    stream.WriteI32(m_firstValue);
    stream.WriteI32(kMaxLanes + 1);
    for (int32_t boundary : m_boundaries)
        stream.WriteI32(boundary);
    stream.WriteI32(kParameterCount);
    for (int i = 0; i < kParameterCount; ++i) {
        stream.WriteI32(m_values[i]);
        stream.WriteU32(m_flags[i]);
    }
}

void VCamera::Read(KStream &stream)
{
    if (stream.ReadU32() != kRecordVersion)
        throw KXPersistent(kErrFileVersion);
    VCamera read;
    read.m_name.Read(stream);
    read.m_lanes = stream.ReadI32();
    read.m_brightness = stream.ReadDouble();
    read.m_contrast = stream.ReadDouble();
    read.m_gamma = stream.ReadDouble();
    read.m_firstValue = stream.ReadI32();
    if (read.m_lanes < 0 || read.m_lanes > kMaxLanes || !(read.m_brightness >= -1.0 && read.m_brightness <= 1.0) ||
        !(read.m_contrast >= -1.0 && read.m_contrast <= 1.0) ||
        !(read.m_gamma >= kMinGamma && read.m_gamma <= kMaxGamma) || stream.ReadI32() != kMaxLanes + 1)
        throw KXPersistent(kErrFileContents);
    for (int32_t &boundary : read.m_boundaries) {
        boundary = stream.ReadI32();
        if (boundary < 0 || boundary > kBoundaryScale)
            throw KXPersistent(kErrFileContents);
    }
    if (stream.ReadI32() != kParameterCount)
        throw KXPersistent(kErrFileContents);
    for (int i = 0; i < kParameterCount; ++i) {
        read.m_values[i] = stream.ReadI32();
        read.m_flags[i] = stream.ReadU32();
    }
    // The model first: the density's limits depend on it.
    for (int i = 0; i < kParameterCount; ++i)
        if (read.m_values[i] < read.MinimumValue(i) || read.m_values[i] > read.MaximumValue(i))
            throw KXPersistent(kErrFileContents);
    CopyFrom(read, kCopyParameters | kCopyFlags | kCopyIdentity | kCopyDisplay);
}
