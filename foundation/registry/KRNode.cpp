// KRNode: names, flags and the list of children.
#include "foundation/registry/KRNode.h"

#include "foundation/registry/KRGroup.h"
#include "foundation/strings/KText.h"

#include <cwchar>

KRNode::KRNode() = default;

KRNode::~KRNode()
{
    while (itsFirstChild) {
        KRNode *child = itsFirstChild;
        RemoveChild(child);
        delete child;
    }
    if (itsParent)
        itsParent->RemoveChild(this);
}

bool KRNode::ParseAttribute(const KString &attribute) { return attribute.IsEmpty(); }

void KRNode::WriteAttribute(KString &) const {}

bool KRNode::IsGroup() const { return wcscmp(TypeName(), KRGroup::kTypeName) == 0; }

void KRNode::AppendName(const KString &text)
{
    // "\", ":" and "=" separate the parts of a settings line and a line break
    // ends it: a name holding one could not be read back.
    for (int i = 0; i < text.Length(); ++i) {
        wchar_t c = text[i];
        if (c != L'\\' && c != L':' && c != L'=' && c != L'\r' && c != L'\n')
            itsName.AppendChar(c);
    }
}

void KRNode::SetName(const wchar_t *name, int length)
{
    itsName.Clear();
    itsName.Append(name, length < kMaxName ? length : kMaxName);
}

int KRNode::GetDepth() const
{
    int depth = 0;
    for (const KRNode *node = itsParent; node; node = node->itsParent)
        ++depth;
    return depth;
}

void KRNode::GetPath(KString &out) const
{
    if (!itsParent)
        return;
    itsParent->GetPath(out);
    out.AppendChar(L'\\');
    out.Append(itsName);
}

int KRNode::Index() const
{
    if (!itsParent)
        return -1;
    int index = 0;
    for (const KRNode *node = itsParent->itsFirstChild; node && node != this; node = node->itsNext)
        ++index;
    return index;
}

void KRNode::SetSaved(bool saved)
{
    itsFlags = saved ? (itsFlags & ~uint32_t(kFlagNotSaved)) : (itsFlags | kFlagNotSaved);
}

void KRNode::SetOmitted(bool omitted)
{
    itsFlags = omitted ? (itsFlags | kFlagOmitted) : (itsFlags & ~uint32_t(kFlagOmitted));
}

void KRNode::SetExpanded(bool expanded)
{
    itsDisplayFlags = expanded ? (itsDisplayFlags | kDisplayExpanded) : (itsDisplayFlags & ~uint32_t(kDisplayExpanded));
}

KRNode *KRNode::NextChild(const KRNode *child) const
{
    if (!child)
        return itsFirstChild;
    return child->itsParent == this ? child->itsNext : nullptr;
}

KRNode *KRNode::ChildAt(int index) const
{
    if (index < 0)
        return nullptr;
    KRNode *node = itsFirstChild;
    for (; node && index > 0; --index)
        node = node->itsNext;
    return node;
}

void KRNode::AddChild(KRNode *node, KRNode *after)
{
    if (!node || node == this || (after && after->itsParent != this) || node == after)
        return;
    // A node cannot become a child of its own descendant.
    for (const KRNode *up = this; up; up = up->itsParent)
        if (up == node)
            return;
    if (node->itsParent)
        node->itsParent->RemoveChild(node);
    node->itsParent = this;
    ChildLinks::LinkAfter(itsFirstChild, itsLastChild, itsChildCount, node, after);
}

void KRNode::AppendChild(KRNode *node)
{
    if (node && node == itsLastChild)
        return;
    AddChild(node, itsLastChild);
}

bool KRNode::RemoveChild(KRNode *child)
{
    if (!child || child->itsParent != this)
        return false;
    ChildLinks::Unlink(itsFirstChild, itsLastChild, itsChildCount, child);
    child->itsParent = nullptr;
    return true;
}

KRNode *KRNode::FindChild(const wchar_t *name, int length) const
{
    if (!name)
        return nullptr;
    if (length < 0)
        length = int(wcslen(name));
    for (KRNode *child = itsFirstChild; child; child = child->itsNext) {
        if (child->itsName.Length() != length)
            continue;
        int i = 0;
        while (i < length && KTextToUpper(child->itsName[i]) == KTextToUpper(name[i]))
            ++i;
        if (i == length)
            return child;
    }
    return nullptr;
}
