#pragma once
// KRGroup: a settings node without a value, whose only role is to hold
// settings ("Serial\" holds "ShortTimeout", ...). Its settings line is the
// path and ":="; the tree operations (lookups, Parse, NextChild) are those of
// KRNode. Owned by its parent; GUI thread only.

#include "foundation/registry/KRTypedNode.h"

class KRGroup : public KRTypedNode<KRGroup>
{
public:
    static constexpr const wchar_t *kTypeName = L"Group";

    KRGroup() = default;
    // A group named name (cut at 15 characters).
    explicit KRGroup(const wchar_t *name);
    // A group has no value: every text is accepted and ignored.
    bool ParseValue(const KString &) override { return true; }
    void WriteValue(KString &) const override {}
};
