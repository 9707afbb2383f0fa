#pragma once
// ZafDirectoryElement: one entry of a storage's directory tree: a directory
// or a file with a name, the element's string id and number id, and where
// the file's data lies (the file that holds it, offset and length). A
// directory owns its children (in insertion order); the storage owns the
// root. GUI thread only.

#include "framework/core/base/ZafList.h"
#include "framework/core/storage/ZafFileSystem.h"

class ZafDirectoryElement : public ZafElement
{
public:
    ZafDirectoryElement(const ZafIChar *name, ZafUInt16 flags, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0);
    ~ZafDirectoryElement() override;

    const ZafIChar *Name() const { return name; }
    void SetName(const ZafIChar *newName);
    bool IsDirectory() const { return (flags & ZAF_ENTRY_DIRECTORY) != 0; }

    ZafDirectoryElement *ParentEntry() const { return parentEntry; }
    ZafDirectoryElement *FirstChild() const { return static_cast<ZafDirectoryElement *>(children.First()); }
    ZafDirectoryElement *NextSibling() const { return static_cast<ZafDirectoryElement *>(Next()); }
    int ChildCount() const { return children.Count(); }
    // Appends a child (taking ownership); answers it.
    ZafDirectoryElement *AddChild(ZafDirectoryElement *child);
    // Unlinks a child (ownership goes back to the caller).
    void SubtractChild(ZafDirectoryElement *child);
    // True when this entry is entry or one of its ancestors.
    bool IsAncestorOf(const ZafDirectoryElement *entry) const;

    // Where the data lies; offset -1 = no data.
    ZafFile *file = nullptr;
    ZafInt32 offset = -1;
    ZafInt32 length = 0;
    ZafUInt16 flags = 0;

private:
    ZafIChar *name = nullptr;
    ZafDirectoryElement *parentEntry = nullptr;
    ZafList children;
};
