#pragma once
// KRTypedNode: what every settings node type answers the same way: its type
// name (Self::kTypeName) and a fresh node of its own type.
// KRValueNode: a node type whose value is stored as it is given, with no
// handler or limits between; the type itself parses and writes its text.

#include "foundation/registry/KRNode.h"

template <class Self>
class KRTypedNode : public KRNode
{
public:
    const wchar_t *TypeName() const override { return Self::kTypeName; }
    KRNode *NewNode() const override { return new Self; }
};

template <class Self, class T>
class KRValueNode : public KRTypedNode<Self>
{
public:
    const T &Value() const { return itsValue; }
    void SetValue(const T &value) { itsValue = value; }

protected:
    T itsValue{};
};
