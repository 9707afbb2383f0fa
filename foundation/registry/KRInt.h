#pragma once
// KRInt: a 32-bit integer setting, optionally with limits ("Int,0..100"):
// every value offered is first clamped into them. New values pass through a
// change handler with a context word, like KRString's: the default stores
// the value and accepts it; a live object may install its own and refuse.
// GUI thread only.

#include "foundation/registry/KRTypedNode.h"

#include <cstdint>

class KRInt;

// Receives the node, the offered (already clamped) value and the context
// word; answers whether the value was accepted.
using KRIntChangeHandler = bool (*)(KRInt &node, int32_t value, void *context);

class KRInt : public KRTypedNode<KRInt>
{
public:
    static constexpr const wchar_t *kTypeName = L"Int";

    // An integer (decimal, "0x" hexadecimal, leading-0 octal, optional sign),
    // blanks around it allowed.
    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;
    // "min..max", in the same number forms; swapped when min > max.
    bool ParseAttribute(const KString &attribute) override;
    void WriteAttribute(KString &out) const override;

    int32_t Value() const { return itsValue; }
    // Clamps value into the limits and offers it to the change handler.
    bool SetValue(int32_t value);
    bool HasLimits() const { return itsHasLimits; }
    int32_t Minimum() const { return itsMinimum; }
    int32_t Maximum() const { return itsMaximum; }
    // Sets the limits and clamps the stored value into them (no handler).
    void SetLimits(int32_t minimum, int32_t maximum);
    void SetChangeHandler(KRIntChangeHandler handler, void *context);
    void *ChangeContext() const { return itsContext; }
    static bool DefaultChangeHandler(KRInt &node, int32_t value, void *context);

private:
    int32_t Clamp(int32_t value) const;

    int32_t itsValue = 0;
    bool itsHasLimits = false;
    int32_t itsMinimum = 0;
    int32_t itsMaximum = 0;
    KRIntChangeHandler itsHandler = DefaultChangeHandler;
    void *itsContext = nullptr;
};
