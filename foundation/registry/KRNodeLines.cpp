// KRNode: lookups by path and the parsing of settings lines.
#include "foundation/registry/KRNode.h"

#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRRat.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/strings/KText.h"

#include <cwchar>
#include <memory>
#include <vector>

namespace
{
struct Segment
{
    const wchar_t *text;
    int length;
};

// Splits [begin, end) at "\", dropping empty names; false when a name is
// longer than a node's name may be.
bool SplitPath(const wchar_t *begin, const wchar_t *end, std::vector<Segment> &segments)
{
    while (begin < end) {
        const wchar_t *stop = begin;
        while (stop < end && *stop != L'\\')
            ++stop;
        int length = int(stop - begin);
        if (length > KRNode::kMaxName)
            return false;
        if (length > 0)
            segments.push_back({begin, length});
        begin = stop + 1;
    }
    return true;
}

void TrimRange(const wchar_t *&begin, const wchar_t *&end)
{
    while (begin < end && KTextIsSpace(*begin))
        ++begin;
    while (end > begin && KTextIsSpace(end[-1]))
        --end;
}

template <typename T>
T *FindTyped(const KRNode *root, const wchar_t *path)
{
    return dynamic_cast<T *>(root->Find(path));
}
} // namespace

KRNode *KRNode::Find(const wchar_t *path) const
{
    const KRNode *node = this;
    if (!path)
        return const_cast<KRNode *>(node);
    while (*path && node) {
        const wchar_t *stop = path;
        while (*stop && *stop != L'\\')
            ++stop;
        if (stop > path)
            node = node->FindChild(path, int(stop - path));
        path = *stop ? stop + 1 : stop;
    }
    return const_cast<KRNode *>(node);
}

KRGroup *KRNode::GetGroup(const wchar_t *path) const { return FindTyped<KRGroup>(this, path); }
KRString *KRNode::GetString(const wchar_t *path) const { return FindTyped<KRString>(this, path); }
KRInt *KRNode::GetInt(const wchar_t *path) const { return FindTyped<KRInt>(this, path); }
KRBool *KRNode::GetBool(const wchar_t *path) const { return FindTyped<KRBool>(this, path); }
KRFloat *KRNode::GetFloat(const wchar_t *path) const { return FindTyped<KRFloat>(this, path); }
KRRat *KRNode::GetRat(const wchar_t *path) const { return FindTyped<KRRat>(this, path); }

const KString &KRNode::EmptyText()
{
    static const KString empty;
    return empty;
}

const KString &KRNode::GetText(const wchar_t *path) const
{
    const KRString *node = GetString(path);
    return node ? node->GetValue() : EmptyText();
}

KRNode *KRNode::Parse(const KString &line, int flags) { return Parse(line.CStr(), flags); }

KRNode *KRNode::Parse(const wchar_t *line, int flags) { return Parse(line, flags, nullptr); }

KRNode *KRNode::Parse(const wchar_t *line, int, KString *reason)
{
    auto refuse = [reason](const wchar_t *why) -> KRNode * {
        if (reason)
            *reason = KString(why);
        return nullptr;
    };
    if (!line)
        return refuse(L"no text");
    // The path ends at the first ":", the type at the first "=" after it;
    // the value is the rest of the line as it stands.
    const wchar_t *colon = wcschr(line, L':');
    if (!colon)
        return refuse(L"no \":\" after the path");
    const wchar_t *equals = wcschr(colon + 1, L'=');
    if (!equals)
        return refuse(L"no \"=\" after the type");
    const wchar_t *pathBegin = line, *pathEnd = colon;
    TrimRange(pathBegin, pathEnd);
    const wchar_t *comma = colon + 1;
    while (comma < equals && *comma != L',')
        ++comma;
    const wchar_t *typeBegin = colon + 1, *typeEnd = comma;
    TrimRange(typeBegin, typeEnd);
    KString type, attribute, value(equals + 1);
    type.Append(typeBegin, int(typeEnd - typeBegin));
    if (comma < equals) {
        attribute.Append(comma + 1, int(equals - comma - 1));
        attribute.Trim();
    }

    std::vector<Segment> segments;
    if (!SplitPath(pathBegin, pathEnd, segments))
        return refuse(L"a name in the path is longer than 15 characters");
    // Walk down as far as the nodes exist.
    KRNode *node = this;
    size_t found = 0;
    for (; found < segments.size(); ++found) {
        KRNode *child = node->FindChild(segments[found].text, segments[found].length);
        if (!child)
            break;
        node = child;
    }

    const bool group = type.IsEmpty() || type.EqualsIgnoreCase(KString(KRGroup::kTypeName));
    std::unique_ptr<KRNode> fresh;
    if (!group) {
        if (segments.empty())
            return refuse(L"the setting has no name");
        if (found == segments.size())
            return node->ParseValue(value) ? node : refuse(L"the value does not suit the setting");
        const KRNode *prototype = KRegistry::FindPrototype(type);
        if (!prototype)
            return refuse(L"unknown type");
        fresh.reset(prototype->NewNode());
        const Segment &last = segments.back();
        fresh->SetName(last.text, last.length);
        if (!fresh->ParseAttribute(attribute))
            return refuse(L"the limits cannot be read");
        if (!fresh->ParseValue(value))
            return refuse(L"the value does not suit the type");
        segments.pop_back();
    }
    // The line is good: make the missing groups, then the new node.
    for (; found < segments.size(); ++found) {
        KRGroup *created = new KRGroup;
        created->SetName(segments[found].text, segments[found].length);
        node->AppendChild(created);
        node = created;
    }
    if (fresh) {
        KRNode *made = fresh.release();
        node->AppendChild(made);
        node = made;
    }
    return node;
}

int KRNode::ParseLine(const KString &line, int flags) { return Parse(line, flags) ? 0 : kErrFileContents; }
