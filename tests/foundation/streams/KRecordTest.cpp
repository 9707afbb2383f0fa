// Stream records: KString, KList with its factory, KPoint/KRect and the
// version and count checks of KPersistent.
#include "foundation/streams/KGeometryRecord.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/support/TestStreams.h"
#include "foundation/containers/KList.h"
#include "foundation/values/KPoint.h"
#include "foundation/values/KRect.h"

#include <gtest/gtest.h>

namespace
{
// A list item with a versioned record of one text and one number.
class Lap : public KListItem, public KPersistent
{
public:
    static constexpr uint32_t kVersion = 0x20001;
    Lap() = default;
    Lap(const wchar_t *name, int32_t ms) : itsName(name), itsMs(ms) {}
    void Write(KStream &stream) const override
    {
        WriteVersion(stream, kVersion);
        itsName.Write(stream);
        stream.WriteI32(itsMs);
    }
    void Read(KStream &stream) override
    {
        ReadVersion(stream, {kVersion});
        itsName.Read(stream);
        itsMs = stream.ReadI32();
    }
    const wchar_t *ClassName() const override { return L"Lap"; }
    KString itsName;
    int32_t itsMs = 0;
};

KListItem *MakeLap(const KString &className, void *context)
{
    ++*static_cast<int *>(context);
    return className == L"Lap" ? new Lap : nullptr;
}

class NotPersistent : public KListItem
{
};
} // namespace

TEST(KStringRecord, WritesTagLengthAndUtf16Characters)
{
    MemoryStream stream;
    KString(L"A\x20AC").Write(stream);
    const std::string expected("\x05\x00\x01\x10\x02\x00\x00\x00\x41\x00\xAC\x20", 12);
    EXPECT_EQ(stream.Text(), expected);
    stream.Rewind();
    KString back(L"old");
    back.Read(stream);
    EXPECT_EQ(back, L"A\x20AC");
}

TEST(KStringRecord, OlderTagIsAcceptedAndAnUnknownTagThrows3009)
{
    MemoryStream older(std::string("\x05\x00\x01\x00\x02\x00\x00\x00o\x00k\x00", 12));
    KString text;
    text.Read(older);
    EXPECT_EQ(text, L"ok");

    MemoryStream bad(std::string("\x45\x23\x01\x00\x00\x00\x00\x00", 8));
    EXPECT_EQ(CodeOf([&] { text.Read(bad); }), kErrFileVersion);
}

TEST(KStringRecord, ImpossibleLengthIsRefusedBeforeAllocating)
{
    MemoryStream stream(std::string("\x05\x00\x01\x10\xFF\xFF\xFF\x7F\x41\x00", 10));
    KString text;
    EXPECT_EQ(CodeOf([&] { text.Read(stream); }), kErrFileContents);
    MemoryStream truncated(std::string("\x05\x00\x01\x10\x03\x00\x00\x00\x41\x00", 10));
    EXPECT_NE(CodeOf([&] { text.Read(truncated); }), 0);
}

TEST(KStringRecord, FixedCapacityStringCutsButConsumesTheRecord)
{
    MemoryStream stream;
    KString(L"a text longer than fifteen").Write(stream);
    stream.WriteU32(99);
    stream.Rewind();
    KString15 cut;
    cut.Read(stream);
    EXPECT_EQ(cut, L"a text longer t");
    EXPECT_EQ(stream.ReadU32(), 99u);
}

TEST(KListRecord, ThreeItemsRoundTripThroughTheFactory)
{
    KList list;
    list.AddItem(new Lap(L"first", 100));
    list.AddItem(new Lap(L"second", -5));
    list.AddItem(new Lap(L"", 0));
    MemoryStream stream;
    list.Write(stream);
    EXPECT_EQ(stream.Text().substr(0, 8), std::string("\x07\x00\x01\x00\x03\x00\x00\x00", 8));

    stream.Rewind();
    KList back;
    back.AddItem(new Lap(L"stale", 1));
    int made = 0;
    back.Read(stream, MakeLap, &made);
    EXPECT_EQ(made, 3);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(static_cast<Lap *>(back[0])->itsName, L"first");
    EXPECT_EQ(static_cast<Lap *>(back[1])->itsMs, -5);
    EXPECT_TRUE(static_cast<Lap *>(back[2])->itsName.IsEmpty());
    EXPECT_EQ(stream.Remaining(), 0);
}

TEST(KListRecord, UnknownClassOrBadItemVersionEmptiesTheListAndThrows)
{
    KList list;
    list.AddItem(new Lap(L"x", 1));
    MemoryStream stream;
    list.Write(stream);

    KList back;
    int made = 0;
    stream.Bytes()[16] = 'M'; // class name "Lap" -> "Map"
    stream.Rewind();
    EXPECT_EQ(CodeOf([&] { back.Read(stream, MakeLap, &made); }), kErrFileContents);
    EXPECT_EQ(back.Count(), 0);

    stream.Bytes()[16] = 'L';
    stream.Bytes()[22] = 0x09; // the item's version word
    stream.Rewind();
    EXPECT_EQ(CodeOf([&] { back.Read(stream, MakeLap, &made); }), kErrFileVersion);
    EXPECT_EQ(back.Count(), 0);

    MemoryStream wrongTag(std::string("\x08\x00\x01\x00\x00\x00\x00\x00", 8));
    EXPECT_EQ(CodeOf([&] { back.Read(wrongTag, MakeLap, &made); }), kErrFileVersion);
}

TEST(KListRecord, AnItemThatCannotWriteItselfIsRefusedBeforeAnyByte)
{
    KList list;
    list.AddItem(new Lap(L"x", 1));
    list.AddItem(new NotPersistent);
    MemoryStream stream;
    EXPECT_EQ(CodeOf([&] { list.Write(stream); }), kErrFileContents);
    EXPECT_TRUE(stream.Bytes().empty());
}

TEST(KPersistentChecks, VersionAndCountGuards)
{
    MemoryStream stream;
    KPersistent::WriteVersion(stream, 0x20006);
    stream.WriteU32(3);
    stream.WriteU32(1000);
    stream.Rewind();
    EXPECT_EQ(KPersistent::ReadVersion(stream, {0x20005, 0x20006}), 0x20006u);
    EXPECT_EQ(KPersistent::ReadCount(stream, 1, 10), 3u);
    EXPECT_EQ(CodeOf([&] { KPersistent::ReadCount(stream, 1, 10); }), kErrFileContents);
    stream.Rewind();
    EXPECT_EQ(CodeOf([&] { KPersistent::ReadVersion(stream, {0x20007}); }), kErrFileVersion);
}

TEST(KGeometryRecords, PointAndRectRoundTrip)
{
    MemoryStream stream;
    KWritePoint(stream, KPoint(-3, 4));
    KWriteRect(stream, KRect(1, 2, 30, -40));
    EXPECT_EQ(stream.Bytes().size(), 24u);
    stream.Rewind();
    KPoint point;
    KRect rect;
    KReadPoint(stream, point);
    KReadRect(stream, rect);
    EXPECT_EQ(point, KPoint(-3, 4));
    EXPECT_EQ(rect, KRect(1, 2, 30, -40));
}
