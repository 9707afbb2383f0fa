#pragma once
// KPersistent: the base of objects that write themselves to a KStream and read
// themselves back. Every record starts with a 32-bit version word; a reader
// that does not accept the version it finds throws KXPersistent
// kErrFileVersion, and one that finds impossible contents throws KXPersistent
// kErrFileContents. Counts read from a stream are checked (ReadCount) before
// anything is allocated. Values are little-endian (KStream). The object belongs
// to its owner.

#include <cstdint>
#include <initializer_list>

class KStream;

class KPersistent
{
public:
    virtual ~KPersistent();

    // Writes the whole record, version word first.
    virtual void Write(KStream &stream) const = 0;
    // Reads a record written by Write (of this or an accepted older version).
    virtual void Read(KStream &stream) = 0;
    // The class name stored before the record in a list record; a list's
    // reader hands it to its factory to make the item. Empty by default.
    virtual const wchar_t *ClassName() const;

    static void WriteVersion(KStream &stream, uint32_t version);
    // Reads the version word; throws KXPersistent kErrFileVersion (extra: the
    // low 31 bits of the word read) when it is not among accepted.
    static uint32_t ReadVersion(KStream &stream, std::initializer_list<uint32_t> accepted);
    // Reads a 32-bit count of items of at least bytesPerItem bytes each; throws
    // KXPersistent kErrFileContents when it exceeds maximum or what is left of
    // the stream (when the stream knows its length).
    static uint32_t ReadCount(KStream &stream, uint32_t bytesPerItem, uint32_t maximum);
};

// Reads the items of a counted list: the list emptied (DeleteAll), the count
// read and checked (ReadCount), then each item made by make (which answers
// a new item the list will own), added to the list, and read.
template <class List, class Make>
void KReadItems(KStream &stream, List &list, uint32_t bytesPerItem, uint32_t maximum, Make make)
{
    list.DeleteAll();
    const uint32_t count = KPersistent::ReadCount(stream, bytesPerItem, maximum);
    for (uint32_t i = 0; i < count; ++i) {
        auto *item = make();
        list.AddItem(item);
        item->Read(stream);
    }
}
