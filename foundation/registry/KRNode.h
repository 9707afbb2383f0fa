#pragma once
// KRNode: one node of the settings tree (KRegistry). A node has a name of at
// most 15 characters, a parent, its children in order, and flags. Any node
// may hold children, so a value can at the same time be the group of further
// settings ("\Strings\Event\Chart\ExportBitmap\Error" is a text and the parent
// of "General"); KRGroup is the node that holds no value. Each derived type
// parses and writes its value as the settings text format has it (see
// docs/settings-file.md).
//
// Ownership: a node owns its children and deletes them with itself; deleting
// a node takes it out of its parent. Nodes never move in memory, so callers
// may keep pointers to nodes and references to their texts for as long as
// the node lives. Paths use "\" between names; a leading "\" is optional and
// names are matched ignoring case. GUI thread only.

#include "foundation/strings/KString.h"
#include "framework/core/base/ZafChainLinks.h"

class KRBool;
class KRFloat;
class KRGroup;
class KRInt;
class KRRat;
class KRString;
class KReplacingFile;
class KStream;

class KRNode
{
public:
    static constexpr int kMaxName = 15; // characters of a node's name

    KRNode();
    KRNode(const KRNode &) = delete;
    KRNode &operator=(const KRNode &) = delete;
    virtual ~KRNode();

    // The node's type: "Group", "Bool", "Int", "Rat", "Float" or "String".
    virtual const wchar_t *TypeName() const = 0;
    // A fresh, unnamed node of the same type (made from the prototypes).
    virtual KRNode *NewNode() const = 0;
    // Value parser: reads text in the node's own type and stores it; false,
    // value unchanged, when the text is not a value of that type (or a
    // change handler refused it).
    virtual bool ParseValue(const KString &text) = 0;
    // Value writer: appends the value as the settings file writes it.
    virtual void WriteValue(KString &out) const = 0;
    // The attribute after the type name ("Int,0..100"): applied to a new
    // node; false when it is not valid for the type. Default: only none.
    virtual bool ParseAttribute(const KString &attribute);
    // Appends the attribute (without the comma); nothing by default.
    virtual void WriteAttribute(KString &out) const;
    bool IsGroup() const;

    // Name and place in the tree.
    const KString &Name() const { return itsName; }
    // Appends to the name; what passes 15 characters is cut, and the
    // characters a name cannot hold ("\", ":", "=", line breaks) are left out.
    void AppendName(const KString &text);
    KRNode *Parent() const { return itsParent; }
    // Number of ancestors: 0 for the root.
    int GetDepth() const;
    // Appends the full path, "\" before each name ("\Serial\ShortTimeout");
    // nothing for the root.
    void GetPath(KString &out) const;
    // Position among the parent's children, -1 for the root.
    virtual int Index() const;

    // Flags. A node that is not saved is not written, with all below it; an
    // omitted node (flag 1) is skipped, with all below it, when its parent
    // writes its children. Expanded (bit 1 of the display flags) decides what
    // KRIterator visits.
    bool IsSaved() const { return (itsFlags & kFlagNotSaved) == 0; }
    void SetSaved(bool saved);
    bool IsOmitted() const { return (itsFlags & kFlagOmitted) != 0; }
    void SetOmitted(bool omitted);
    bool IsExpanded() const { return (itsDisplayFlags & kDisplayExpanded) != 0; }
    void SetExpanded(bool expanded);

    // Children.
    // The child after child, the first for none; none after the last.
    KRNode *NextChild(const KRNode *child = nullptr) const;
    // The child at index (from 0), none outside.
    KRNode *ChildAt(int index) const;
    int ChildCount() const { return itsChildCount; }
    // Makes this node the parent of node (taking it out of its old parent)
    // and links it after the child after, or first when after is none.
    void AddChild(KRNode *node, KRNode *after = nullptr);
    // Links node as the last child.
    void AppendChild(KRNode *node);
    // Unlinks child without deleting it; false when it is not a child.
    bool RemoveChild(KRNode *child);
    // The child with that name, case ignored; none when missing.
    KRNode *FindChild(const wchar_t *name, int length = -1) const;

    // Lookups by path below this node; none when the path is missing or
    // names a node of another type. An empty path is this node.
    KRNode *Find(const wchar_t *path) const;
    KRNode *Find(const KString &path) const { return Find(path.CStr()); }
    KRGroup *GetGroup(const wchar_t *path) const;
    KRString *GetString(const wchar_t *path) const;
    KRInt *GetInt(const wchar_t *path) const;
    KRBool *GetBool(const wchar_t *path) const;
    KRFloat *GetFloat(const wchar_t *path) const;
    KRRat *GetRat(const wchar_t *path) const;
    // The stored text of the String setting at path, as a reference that
    // stays valid while the node lives; a shared empty text (never to be
    // changed) when the path is missing or not a String.
    const KString &GetText(const wchar_t *path) const;
    const KString &GetText(const KString &path) const { return GetText(path.CStr()); }
    // The shared empty text.
    static const KString &EmptyText();

    // Settings lines (path ":" type ["," attribute] "=" value, or path ":="
    // for a group), applied below this node, creating missing groups. An
    // existing node keeps its type and limits and parses the value. Parse
    // answers the node the line set, none when it refused the line.
    KRNode *Parse(const KString &line, int flags = 0);
    KRNode *Parse(const wchar_t *line, int flags = 0);
    // The same; on refusal reason (when given) says why, in a few words.
    KRNode *Parse(const wchar_t *line, int flags, KString *reason);
    // The same; answers 0 when the line was accepted, else kErrFileContents.
    virtual int ParseLine(const KString &line, int flags = 0);

    // Settings text. Read drops the first line (the header; a warning goes
    // to the program log when it is not "Registry Version: ..."), then applies
    // every further line through Parse; lines that do not parse are
    // skipped. Answers the number of lines skipped. Lines longer than
    // kMaxLine characters are cut.
    static constexpr int kMaxLine = 4095;
    int Read(KStream &stream);
    // What a read met: the number of skipped lines, the file line number of
    // the first and why it was skipped.
    struct ReadReport
    {
        int skipped = 0;
        int firstSkipped = 0;   // 0: none
        KString firstReason;
    };
    // The same, for a text from source (a file name, shown in the log's
    // lines; may be empty) whose header stands on line firstLine of it: a
    // skipped line is logged as "KRNode::Read: <source> line <n> skipped:
    // <reason>" with its line number in the source (the first 20 only).
    // Fills report when given.
    int Read(KStream &stream, const KString &source, int firstLine, ReadReport *report);
    // Writes "Registry Version: 1.00" and then, depth first, this node (not
    // when it is the root) and every saved, non-omitted node below it, each
    // as one line with its full path. Throws KXStream when the stream fails.
    void Write(KStream &stream) const;
    // Writes the lines only (no header).
    void WriteLines(KStream &stream) const;
    // Saves the settings text into file's target through its temporary file,
    // in encoding (KStream; a byte-order mark for 16-bit; 3 counts as 8-bit).
    // When 8-bit text cannot carry a character of the tree, the file is
    // written in 16-bit instead. Answers the encoding written. Throws
    // KXStream; on failure the target file is as it was.
    int Save(KReplacingFile &file, int encoding) const;
    int Save(const KString &path, int encoding) const;
    // Reads a settings file through a 4096-byte buffer. Answers the encoding
    // found (KStream 0 or 1), -1 when the file does not exist or is empty.
    // Throws KXStream when it exists but cannot be read.
    int Load(const KString &path);

protected:
    enum
    {
        kFlagOmitted = 0x1,  // skipped when the parent writes its children
        kFlagNotSaved = 0x2  // not written, with its subtree
    };
    enum
    {
        kDisplayExpanded = 0x2 // the settings editor shows the children
    };
    void SetName(const wchar_t *name, int length);

private:
    void WriteLine(KStream &stream) const;
    void WriteTree(KStream &stream) const;

    KString15 itsName;
    KRNode *itsParent = nullptr;
    KRNode *itsFirstChild = nullptr;
    KRNode *itsLastChild = nullptr;
    KRNode *itsPrevious = nullptr;
    KRNode *itsNext = nullptr;
    int itsChildCount = 0;
    uint32_t itsFlags = 0;
    uint32_t itsDisplayFlags = 0;

    using ChildLinks = ZafChainLinks<KRNode, &KRNode::itsPrevious, &KRNode::itsNext>;
};
