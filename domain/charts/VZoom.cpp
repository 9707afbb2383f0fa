#include "domain/charts/VZoom.h"

#include "domain/QVDomainCodes.h"

namespace
{
int32_t LargestPowerOfTwo(int32_t value)
{
    if (value < 1)
        return 0;
    int32_t power = 1;
    while (power <= value / 2)
        power *= 2;
    return power;
}
}

VZoom::VZoom(KMessageObject *parent) : KMessageObject(parent) {}

VZoom::VZoom(const VZoom &other)
    : KMessageObject(nullptr), m_flags(other.m_flags), m_hNum(other.m_hNum), m_hDen(other.m_hDen),
      m_vNum(other.m_vNum), m_vDen(other.m_vDen)
{
}

bool VZoom::Equals(const VZoom &other) const
{
    return m_flags == other.m_flags && m_hNum == other.m_hNum && m_hDen == other.m_hDen &&
           m_vNum == other.m_vNum && m_vDen == other.m_vDen;
}

bool VZoom::CopyFrom(const VZoom &other, bool notify)
{
    if (Equals(other))
        return false;
    const bool bracket = notify && m_hook;
    if (bracket)
        m_hook(m_hookContext, true);
    m_flags = other.m_flags;
    m_hNum = other.m_hNum;
    m_hDen = other.m_hDen;
    m_vNum = other.m_vNum;
    m_vDen = other.m_vDen;
    if (bracket)
        m_hook(m_hookContext, false);
    if (notify)
        Send(kMsgZoomChanged | kMsgNoModify, 0);
    return true;
}

bool VZoom::SetSmooth(bool on)
{
    VZoom copy(*this);
    copy.m_flags = on ? (m_flags | kFlagSmooth) : (m_flags & ~kFlagSmooth);
    return CopyFrom(copy, true);
}

void VZoom::NormaliseDirection(int32_t &numerator, int32_t &denominator, bool snap)
{
    // Terms below 1 make no scale; treat them as 1.
    if (numerator < 1)
        numerator = 1;
    if (denominator < 1)
        denominator = 1;
    if (snap) {
        if (numerator < denominator) {
            denominator = LargestPowerOfTwo(denominator / numerator);
            numerator = 1;
        } else {
            numerator = LargestPowerOfTwo(numerator / denominator);
            denominator = 1;
        }
    }
    if (numerator < denominator) {
        if (int64_t(numerator) * kMaxReduction < denominator)
            denominator = numerator * kMaxReduction;
    } else if (int64_t(denominator) * kMaxMagnification < numerator) {
        numerator = denominator * kMaxMagnification;
    }
}

void VZoom::Normalise(bool snap)
{
    NormaliseDirection(m_hNum, m_hDen, snap);
    NormaliseDirection(m_vNum, m_vDen, snap);
}

bool VZoom::SetHorizontal(int32_t numerator, int32_t denominator, bool notify)
{
    return SetRatio(true, false, numerator, denominator, notify);
}

bool VZoom::SetVertical(int32_t numerator, int32_t denominator, bool notify)
{
    return SetRatio(false, true, numerator, denominator, notify);
}

bool VZoom::SetBoth(int32_t numerator, int32_t denominator, bool notify)
{
    return SetRatio(true, true, numerator, denominator, notify);
}

bool VZoom::SetRatio(bool horizontal, bool vertical, int32_t numerator, int32_t denominator, bool notify)
{
    VZoom copy(*this);
    if (horizontal) {
        copy.m_hNum = numerator;
        copy.m_hDen = denominator;
    }
    if (vertical) {
        copy.m_vNum = numerator;
        copy.m_vDen = denominator;
    }
    copy.Normalise(false);
    return CopyFrom(copy, notify);
}

bool VZoom::ZoomIn(bool notify)
{
    return DoubleHorizontal(&VZoom::m_hNum, notify);
}

bool VZoom::ZoomOut(bool notify)
{
    return DoubleHorizontal(&VZoom::m_hDen, notify);
}

bool VZoom::DoubleHorizontal(int32_t VZoom::*term, bool notify)
{
    VZoom copy(*this);
    if (copy.*term <= INT32_MAX / 2)
        copy.*term *= 2;
    copy.m_vNum = copy.m_hNum;
    copy.m_vDen = copy.m_hDen;
    copy.Normalise(true);
    return CopyFrom(copy, notify);
}

int32_t VZoom::HorizontalPercent() const
{
    return m_hDen == 0 ? 0 : int32_t(int64_t(m_hNum) * 100 / m_hDen);
}

bool VZoom::IsFractional() const
{
    return (m_hNum == 0 || m_hDen % m_hNum != 0) || (m_vNum == 0 || m_vDen % m_vNum != 0);
}
