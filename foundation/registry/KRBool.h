#pragma once
// KRBool: an on/off setting, stored and written as 1 or 0. It reads any
// integer (not 0 = on) and the words true/false, yes/no, on/off in any case.
// GUI thread only.

#include "foundation/registry/KRTypedNode.h"

class KRBool : public KRValueNode<KRBool, bool>
{
public:
    static constexpr const wchar_t *kTypeName = L"Bool";

    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;
};
