#pragma once
// VZoom: the zoom state of a view: a horizontal and a vertical scale, each a
// ratio numerator/denominator, limited to 1/16..256 and optionally snapped
// to powers of two, with a smooth-drawing flag. Every change is announced
// with topic 39 (kMsgZoomChanged) to the root of its parent chain. A zoom
// belongs to the object that holds it (a chart view) and lives on the GUI
// thread.

#include <cstdint>

#include "foundation/messages/KMessageObject.h"

class KStream;

class VZoom : public KMessageObject
{
public:
    static constexpr int32_t kMaxReduction = 16;
    static constexpr int32_t kMaxMagnification = 256;
    static constexpr uint32_t kFlagSmooth = 1;   // fractional zooms draw interpolated

    // Called by a notified copy before (begin) and after it changes the
    // zoom; the object holding the zoom uses it to keep its marks in place.
    using ChangeHook = void (*)(void *context, bool begin);

    explicit VZoom(KMessageObject *parent = nullptr);
    // Takes every field of other without notification (not the hook).
    VZoom(const VZoom &other);
    VZoom &operator=(const VZoom &other) = delete;

    // Copies the five fields of other when they differ; with notify sends
    // topic 39. True when anything changed.
    bool CopyFrom(const VZoom &other, bool notify);
    bool Equals(const VZoom &other) const;

    void SetChangeHook(ChangeHook hook, void *context)
    {
        m_hook = hook;
        m_hookContext = context;
    }

    bool SetSmooth(bool on);
    bool IsSmooth() const { return (m_flags & kFlagSmooth) != 0; }

    // Each builds a copy with the new terms, normalises it without snapping
    // and copies it in; true when the zoom changed.
    bool SetHorizontal(int32_t numerator, int32_t denominator, bool notify);
    bool SetVertical(int32_t numerator, int32_t denominator, bool notify);
    bool SetBoth(int32_t numerator, int32_t denominator, bool notify);
    // Doubles (halves) the horizontal scale, takes it for both directions
    // and snaps to powers of two.
    bool ZoomIn(bool notify);
    bool ZoomOut(bool notify);

    int32_t HorizontalNumerator() const { return m_hNum; }
    int32_t HorizontalDenominator() const { return m_hDen; }
    int32_t VerticalNumerator() const { return m_vNum; }
    int32_t VerticalDenominator() const { return m_vDen; }
    uint32_t Flags() const { return m_flags; }

    int32_t HorizontalPercent() const;
    bool IsFractional() const;
    bool IsHorizontalReduction() const { return m_hNum < m_hDen; }
    bool IsVerticalReduction() const { return m_vNum < m_vDen; }
    bool IsVerticalOneToOne() const { return m_vNum == m_vDen; }

    // The record of version 0x20011; Read also takes the old one-word zooms
    // (1..256 magnify, -2..-16 reduce, one ignored word after them) and
    // throws KXPersistent kErrFileVersion for any other word.
    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    void Normalise(bool snap);
    // Zoom in or out: the horizontal term given doubled (unless that would
    // overflow), both directions then equal to the horizontal one, snapped.
    bool DoubleHorizontal(int32_t VZoom::*term, bool notify);
    // The ratio given to the directions named, unsnapped.
    bool SetRatio(bool horizontal, bool vertical, int32_t numerator, int32_t denominator, bool notify);
    static void NormaliseDirection(int32_t &numerator, int32_t &denominator, bool snap);

    ChangeHook m_hook = nullptr;
    void *m_hookContext = nullptr;
    uint32_t m_flags = 0;
    int32_t m_hNum = 1;
    int32_t m_hDen = 1;
    int32_t m_vNum = 1;
    int32_t m_vDen = 1;
};
