// Image files: the header record and the block file beside the document,
// their round trip, and damaged or hostile files.
#include "imaging/image/VImage.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/support/ImagingTestSupport.h"
#include "imaging/views/VImageView.h"
#include "shell/support/ShellScratch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#ifndef QV_IMAGING_INPUTS
#define QV_IMAGING_INPUTS L""
#endif

namespace
{
// Replaces the first UTF-16 occurrence of from (same length as to).
bool PatchText(std::string &bytes, const std::wstring &from, const std::wstring &to)
{
    std::string a, b;
    for (wchar_t c : from)
        a += {char(c & 0xFF), char(c >> 8)};
    for (wchar_t c : to)
        b += {char(c & 0xFF), char(c >> 8)};
    const size_t at = bytes.find(a);
    if (at == std::string::npos)
        return false;
    bytes.replace(at, b.size(), b);
    return true;
}

class VImageFileTest : public ImageTest
{
protected:
    std::wstring Path(const wchar_t *name) { return log.Application().PathOf(name); }

    void Export(VImage &image, const wchar_t *document)
    {
        KFile file(Path(document).c_str());
        file.Open(KFile::kModeReadWrite, true);
        file.SetSize(0);
        image.Export(file);
        file.Close();
    }
    void Import(VImage &image, const wchar_t *document)
    {
        KFile file(Path(document).c_str());
        file.Open(KFile::kModeRead);
        image.Import(file);
    }
    // The error code an import ends with, 0 when it succeeds.
    int32_t ImportCode(VImage &image, const wchar_t *document)
    {
        try {
            Import(image, document);
            return 0;
        } catch (const KX &error) {
            return error.Code();
        }
    }
    // A coded colour image of 3 blocks of 20 frames, with one view, saved as race.qve.
    TestFrames SaveCodedImage(const wchar_t *extension = L"i01")
    {
        VImage image;
        image.SetExtension(KString(extension));
        SetCodedCamera(image.Camera(), 64, 1);
        const TestFrames frames = AddColourBlocks(image, 3, 20, 11);
        image.GetView(0, true)->SetTimeTrackPoint(KPoint(5, 6));
        Export(image, L"race.qve");
        return frames;
    }
    // A coded colour image of many blocks, captured into its block file and
    // saved as race.qve with race.i01.
    TestFrames SaveLargeImage(int blocks, int framesPerBlock)
    {
        VImage image;
        image.SetExtension(KString(L"i01"));
        SetCodedCamera(image.Camera(), 64, 1);
        image.UseTemporaryFile(KString(Path(L"capture.tmp").c_str()));
        const TestFrames frames = AddColourBlocks(image, blocks, framesPerBlock, 17);
        Export(image, L"race.qve");
        return frames;
    }
    // Flips one bit of a block's word in race.i01.
    void FlipBit(int32_t block, int word, int bit)
    {
        KFile file(Path(L"race.i01").c_str());
        file.Open(KFile::kModeReadWrite);
        file.Seek(int64_t(VImage::kBlockBytes) * (block + 1) + 4 * word);
        const uint32_t value = file.ReadU32() ^ (1u << bit);
        file.Seek(int64_t(VImage::kBlockBytes) * (block + 1) + 4 * word);
        file.WriteU32(value);
    }
    // Renders view columns first..first+count-1 of the whole frame height;
    // answers each column's pixels and counts the block reads meanwhile.
    std::vector<std::vector<uint16_t>> Render(VImage &image, int32_t first, int32_t count, int &reads)
    {
        reads = 0;
        VImage::SetBlockReadHook([&reads](int32_t) { ++reads; });
        KRect rect(first, 0, first + count - 1, image.PixelsPerFrame() - 1);
        const uint8_t *out = image.RenderRect(rect, *image.GetView(99, true), 0);
        VImage::SetBlockReadHook(nullptr);
        std::vector<std::vector<uint16_t>> columns;
        if (!out || rect.Width() != count)
            return columns;
        for (int32_t c = 0; c < count; ++c) {
            columns.emplace_back();
            for (int32_t i = 0; i < rect.Height(); ++i) {
                const uint8_t *p = out + 2 * (c * rect.Height() + i);
                columns.back().push_back(uint16_t(p[0] | p[1] << 8));
            }
        }
        return columns;
    }
    // Reading every frame and its time must not fail, whatever was read.
    void ReadEverything(VImage &image)
    {
        VImageView *view = image.GetView(99, true);
        for (int32_t f = 0; f < image.FrameCount(); ++f) {
            ASSERT_NE(image.FramePixels(f), nullptr);
            image.TimeAt(*view, KPoint(f, 0), true);
        }
    }
};
} // namespace

TEST_F(VImageFileTest, ACodedImageRoundTripsThroughHeaderAndBlockFile)
{
    VImage image;
    image.SetExtension(KString(L"i01"));
    SetCodedCamera(image.Camera(), 64, 1);
    const TestFrames frames = AddColourBlocks(image, 3, 20, 5);
    image.GetView(0, true)->SetFirstRect(KRect(1, 2, 3, 4));
    Export(image, L"race.qve");

    // Field 9 of the header holds the block count.
    KFile header(Path(L"race.qve").c_str());
    header.Open(KFile::kModeRead);
    EXPECT_EQ(header.ReadU32(), VImage::kRecordVersion);
    header.ReadI32();
    header.ReadU32();
    VCamera camera;
    camera.Read(header);
    KSparseArray views;
    views.Read(header, [](const KString &, void *context) -> KListItem * {
        return new VImageView(static_cast<VImage *>(context), -1);
    }, &image);
    KString extension;
    extension.Read(header);
    EXPECT_EQ(extension, L"i01");
    EXPECT_EQ(header.ReadU32(), 0u);
    EXPECT_EQ(header.ReadU32(), 16000u);
    EXPECT_EQ(header.ReadI32(), 3);
    EXPECT_EQ(header.ReadI32(), 60);
    header.Close();

    const std::string blocks = ReadBytes(Path(L"race.i01"));
    ASSERT_EQ(blocks.size(), 64000u);
    VImageBlock *second = image.Block(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(blocks.substr(32000, 16000), std::string(reinterpret_cast<const char *>(second->Bytes()), 16000));

    VImage copy;
    Import(copy, L"race.qve");
    ASSERT_EQ(copy.FrameCount(), 60);
    VImageView *view = image.GetView(0, false);
    VImageView *copyView = copy.GetView(0, false);
    ASSERT_NE(copyView, nullptr);
    EXPECT_EQ(copyView->FirstRect(), KRect(1, 2, 3, 4));
    for (int32_t f = 59; f >= 0; --f) {
        EXPECT_EQ(ImagePixels(copy, f), frames.pixels[size_t(f)]) << f;
        EXPECT_EQ(copy.TimeAt(*copyView, KPoint(f, 0), false), image.TimeAt(*view, KPoint(f, 0), false)) << f;
    }
    EXPECT_FALSE(log.Contains("VImage::Import"));
}

TEST_F(VImageFileTest, APlainImageWritesWholeBlocksWhereTheyAreReadBack)
{
    VImage image;
    image.SetExtension(KString(L"i02"));
    SetPlainCamera(image.Camera(), 0);  // 1024 pixels, 15 frames a block
    for (int b = 0; b < 3; ++b) {
        VImageBlock *block = manager->CheckOutBlock(&image.Blocks(), 0);
        block->SetImage(&image);
        for (int k = 0; k < 15; ++k) {
            uint8_t *slot = block->Bytes() + k * 1024;
            const int frame = b * 15 + k;
            for (int i = 0; i < 1020; ++i)
                slot[i] = uint8_t(frame * 7 + i);
            slot[1020] = 0;
            slot[1021] = 0;
            slot[1022] = 1;
            slot[1023] = uint8_t(frame);
        }
        block->SetCamera(0);
        ASSERT_TRUE(image.AddBlock(block));
    }
    ASSERT_EQ(image.FrameCount(), 45);
    // Frames 33-44 are cut: 33 frames are left.
    VImageView *view = image.GetView(0, true);
    EXPECT_EQ(image.CutFrames(33, 44, *view, false), 12);
    std::vector<std::vector<uint16_t>> expected;
    for (int f = 0; f < 33; ++f)
        expected.push_back(ImagePixels(image, f));
    Export(image, L"plain.qve");
    const std::string blocks = ReadBytes(Path(L"plain.i02"));
    ASSERT_EQ(blocks.size(), 64000u);
    // Frame 15 starts the second block, frame 30 the third.
    EXPECT_EQ(uint8_t(blocks[32000]), uint8_t(15 * 7));
    EXPECT_EQ(uint8_t(blocks[48000]), uint8_t(30 * 7));
    EXPECT_EQ(uint8_t(blocks[48000 + 3 * 1024 + 1023]), 0);  // past the last frame

    VImage copy;
    Import(copy, L"plain.qve");
    ASSERT_EQ(copy.FrameCount(), 33);
    for (int f = 0; f < 33; ++f)
        EXPECT_EQ(ImagePixels(copy, f), expected[size_t(f)]) << f;
    EXPECT_EQ(copy.FrameTime(32).Ticks(), (0x100 + 32) * VRaceTime::kUnit8);
    EXPECT_FALSE(log.Contains("VImage::Import"));
}

TEST_F(VImageFileTest, ABlockFileWithoutBlocksIsLoggedAndShowsNoFrames)
{
    {
        VImage image;
        image.SetExtension(KString(L"i01"));
        SetCodedCamera(image.Camera(), 64, 1);
        AddColourBlocks(image, 1, 10, 1);
        Export(image, L"race.qve");
    }
    WriteBytes(Path(L"race.i01"), std::string(16000, '\0'));
    {
        VImage copy;
        Import(copy, L"race.qve");
        EXPECT_TRUE(log.Contains("VImage::Import: blocks != blockWidth"));
        EXPECT_TRUE(log.Contains("VImage::Import: blocks <= 0"));
        EXPECT_EQ(copy.FrameCount(), 0);
        EXPECT_EQ(copy.BlockCount(), 0);
    }

    // Reading changes no file, however short.
    WriteBytes(Path(L"race.i01"), std::string(100, 'x'));
    {
        VImage other;
        Import(other, L"race.qve");
    }
    EXPECT_EQ(ReadBytes(Path(L"race.i01")), std::string(100, 'x'));
}

TEST_F(VImageFileTest, StoredExtensionsAreMendedAndMustStayBesideTheDocument)
{
    SaveCodedImage(L"Z01");
    const std::string header = ReadBytes(Path(L"race.qve"));
    const std::string blocks = ReadBytes(Path(L"race.Z01"));
    struct Case
    {
        const wchar_t *stored;
        const wchar_t *extension;  // none: refused with 3010
    } cases[] = {{L".t0", L"t0"}, {L"C01", L"i01"}, {L"..\\", nullptr}, {L"a:b", nullptr},
                 {L"a/b", nullptr}, {L"..a", nullptr}, {L"qve", nullptr}};
    for (const Case &c : cases) {
        std::string patched = header;
        ASSERT_TRUE(PatchText(patched, L"Z01", c.stored));
        WriteBytes(Path(L"race.qve"), patched);
        if (c.extension)
            WriteBytes(Path((std::wstring(L"race.") + c.extension).c_str()), blocks);
        VImage copy;
        const int32_t code = ImportCode(copy, L"race.qve");
        if (c.extension) {
            EXPECT_EQ(code, 0) << c.stored;
            EXPECT_EQ(copy.Extension(), c.extension);
            EXPECT_EQ(copy.FrameCount(), 60);
        } else {
            EXPECT_EQ(code, kErrFileContents);
        }
    }
}

TEST_F(VImageFileTest, StoredDamagedFilesFailWithTheirCodesAndStayReadable)
{
    const std::wstring inputs = QV_IMAGING_INPUTS;
    const struct
    {
        const wchar_t *name;
        int32_t code;  // 0: read
    } cases[] = {
        {L"valid", 0},
        {L"wrong-version", kErrFileVersion},
        {L"view-version", kErrFileVersion},       // a view record of version 0x2000a
        {L"cut-header", kErrFileContents},
        {L"huge-blocks", kErrFileContents},
        {L"huge-frames", kErrFileContents},
        {L"bad-extension", kErrFileContents},     // "..\\"
        {L"drive-extension", kErrFileContents},   // "c:x"
        {L"missing-block-file", kErrImageFile},
        {L"short-block-file", 0},                 // no whole block: no frames
        {L"damaged-blocks", 0},
    };
    for (const auto &c : cases) {
        const std::wstring stem = inputs + L"/" + c.name;
        WriteBytes(Path(L"input.qve"), ReadBytes(stem + L".qve"));
        if (KFile((stem + L".i01").c_str()).Exists())
            WriteBytes(Path(L"input.i01"), ReadBytes(stem + L".i01"));
        else
            KFile(Path(L"input.i01").c_str()).Delete();
        VImage copy;
        EXPECT_EQ(ImportCode(copy, L"input.qve"), c.code) << std::string(stem.begin(), stem.end());
        ReadEverything(copy);
    }
}

TEST_F(VImageFileTest, RandomDamageImportsOrFailsCleanlyAndFramesStayReadable)
{
    SaveCodedImage();
    const std::string header = ReadBytes(Path(L"race.qve"));
    const std::string blocks = ReadBytes(Path(L"race.i01"));
    std::mt19937 random(2026);
    int imported = 0;
    for (int round = 0; round < 300; ++round) {
        std::string h = header, b = blocks;
        const int changes = 1 + int(random() % 4);
        for (int k = 0; k < changes; ++k) {
            std::string &target = random() % 3 == 0 ? b : h;
            target[random() % target.size()] = char(random());
        }
        if (random() % 10 == 0)
            h.resize(random() % h.size());
        if (random() % 10 == 0)
            b.resize(random() % b.size());
        WriteBytes(Path(L"race.qve"), h);
        WriteBytes(Path(L"race.i01"), b);
        VImage copy;
        const int32_t code = ImportCode(copy, L"race.qve");
        ASSERT_TRUE(code == 0 || code == kErrFileVersion || code == kErrFileContents || code == kErrImageFile)
            << "round " << round << ": " << code;
        imported += code == 0;
        ReadEverything(copy);
        ASSERT_LE(manager->FreeCount(), manager->BlockCount());
    }
    EXPECT_GT(imported, 0);
}

TEST_F(VImageFileTest, ADamagedBlockShowsOnlyItsOwnFramesBlankAndNoFrameReadsMoreThanItsBlock)
{
    const TestFrames frames = SaveLargeImage(1000, 8);
    FlipBit(500, 1, 20);  // block 500 names a first frame far out of order
    FlipBit(505, 0, 4);   // block 505 claims 24 frames instead of 8
    VImage copy;
    Import(copy, L"race.qve");
    ASSERT_EQ(copy.FrameCount(), 8000);
    EXPECT_TRUE(log.Contains("VImage::Import: damaged blocks"));

    // 300 columns over blocks 487 to 524.
    int reads = 0;
    const auto columns = Render(copy, 3900, 300, reads);
    ASSERT_EQ(columns.size(), 300u);
    EXPECT_LE(reads, 300 - 8);  // at most one per intact frame, none for a damaged one
    for (int32_t c = 0; c < 300; ++c) {
        const int32_t f = 3900 + c;
        const bool damaged = f >= 4000 && f < 4008;
        EXPECT_EQ(columns[size_t(c)], damaged ? std::vector<uint16_t>(64, 0) : frames.pixels[size_t(f)]) << f;
    }
    EXPECT_EQ(copy.FrameTime(4003), VRaceTime());
    EXPECT_EQ(copy.FrameTime(4047).Ticks(), int64_t(frames.times[4047]) * VRaceTime::kUnit8);
}

TEST_F(VImageFileTest, ASparseBlockFilePastTheBlockLimitShowsItsIntactFirstBlocksAndStaysUnchanged)
{
    const TestFrames frames = SaveLargeImage(3, 100);
    // The header claims the most blocks a file may hold and 50 frames past
    // the intact ones; the block file runs past the limit, zeros after block 2.
    std::string header = ReadBytes(Path(L"race.qve"));
    std::string extension = std::string("i\0" "0\0" "1\0", 6);
    const size_t counts = header.find(extension) + 6 + 8;
    ASSERT_EQ(header.substr(counts - 4, 4), std::string("\x80\x3e\0\0", 4));  // block size 16000
    const int32_t claimed[2] = {131072, 350};
    header.replace(counts, 8, reinterpret_cast<const char *>(claimed), 8);
    WriteBytes(Path(L"race.qve"), header);
    const int64_t size = int64_t(VImage::kBlockBytes) * (131073 + 500);
    {
        KFile blocks(Path(L"race.i01").c_str());
        blocks.Open(KFile::kModeReadWrite);
        blocks.SetSize(size);
    }
    {
        VImage copy;
        Import(copy, L"race.qve");
        EXPECT_TRUE(log.Contains("VImage::Import: blocks > 131072"));
        ASSERT_EQ(copy.FrameCount(), 350);
        int reads = 0;
        const auto columns = Render(copy, 0, 350, reads);
        ASSERT_EQ(columns.size(), 350u);
        EXPECT_LE(reads, 300);  // the blank frames read nothing
        for (int32_t f = 0; f < 350; ++f)
            EXPECT_EQ(columns[size_t(f)], f < 300 ? frames.pixels[size_t(f)] : std::vector<uint16_t>(64, 0)) << f;
    }
    KFile blocks(Path(L"race.i01").c_str());
    blocks.Open(KFile::kModeRead);
    EXPECT_EQ(blocks.GetSize(), size);
}
