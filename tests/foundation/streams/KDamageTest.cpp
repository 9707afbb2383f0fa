// Damaged input: records and settings texts with random bytes changed or cut
// off must fail with a KX error or read what they can, never crash or
// allocate without bound.
#include "foundation/containers/KList.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/support/RegistryTestTable.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
class Sample : public KListItem, public KPersistent
{
public:
    void Write(KStream &stream) const override
    {
        WriteVersion(stream, 0x20002);
        itsText.Write(stream);
        stream.WriteU32(itsCount);
        for (uint32_t i = 0; i < itsCount; ++i)
            stream.WriteI16(int16_t(i));
    }
    void Read(KStream &stream) override
    {
        ReadVersion(stream, {0x20002});
        itsText.Read(stream);
        itsCount = ReadCount(stream, 2, 5001);
        for (uint32_t i = 0; i < itsCount; ++i)
            stream.ReadI16();
    }
    const wchar_t *ClassName() const override { return L"Sample"; }
    KString itsText{L"trace"};
    uint32_t itsCount = 20;
};

KListItem *MakeSample(const KString &name, void *) { return name == L"Sample" ? new Sample : nullptr; }

std::vector<uint8_t> Damage(std::vector<uint8_t> bytes, std::mt19937 &random)
{
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<size_t> where(0, bytes.size() - 1);
    switch (kind(random)) {
    case 0:
        bytes.resize(where(random));
        break;
    case 1:
        for (int i = 0; i < 3; ++i)
            bytes[where(random)] = uint8_t(random());
        break;
    default:
        bytes[where(random)] = 0xFF;
        bytes[where(random)] = 0x7F;
        break;
    }
    return bytes;
}

// The registry's text in sixteen bits, as a save writes it.
std::string Saved(const KRegistry &registry)
{
    MemoryStream stream;
    stream.SetWriteEncoding(KStream::kEncoding16Bit);
    stream.WriteByteOrderMark();
    registry.Write(stream);
    return stream.Text();
}
} // namespace

TEST(KDamagedInput, ListRecordsFailWithAnErrorObjectOrReadCompletely)
{
    KList list;
    for (int i = 0; i < 4; ++i)
        list.AddItem(new Sample);
    MemoryStream original;
    list.Write(original);
    std::mt19937 random(1234);
    int failures = 0;
    for (int round = 0; round < 500; ++round) {
        MemoryStream damaged(Damage(original.Bytes(), random));
        KList back;
        try {
            back.Read(damaged, MakeSample, nullptr);
            EXPECT_LE(back.Count(), 4);
        } catch (const KX &) {
            ++failures;
            EXPECT_EQ(back.Count(), 0);
        }
    }
    EXPECT_GT(failures, 100);
}

TEST(KDamagedInput, SettingsTextsReadWhatTheyCan)
{
    KRegistry source(kTestDefaults);
    for (int encoding : {KStream::kEncoding8Bit, KStream::kEncoding16Bit}) {
        MemoryStream original;
        original.SetWriteEncoding(encoding);
        original.WriteByteOrderMark();
        source.Write(original);
        std::mt19937 random(99 + encoding);
        for (int round = 0; round < 300; ++round) {
            MemoryStream damaged(Damage(original.Bytes(), random));
            KRegistry target;
            target.Read(damaged);
            // Whatever was accepted saves and reloads unchanged.
            const std::string saved = Saved(target);
            MemoryStream savedStream(saved);
            KRegistry reloaded;
            EXPECT_EQ(reloaded.Read(savedStream), 0);
            ASSERT_EQ(Saved(reloaded), saved) << "round " << round;
        }
    }
}
