#include "foundation/bitmap/KBitmap.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// A 3 x 2 picture with six different colours, top row first.
const uint32_t kPicture[2][3] = {{0xFF102030, 0xFF405060, 0xFF708090},
                                 {0xFFA0B0C0, 0xFFD0E0F0, 0xFF01FE7F}};

void Paint(KBitmap &bitmap)
{
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            bitmap.SetPixel(x, (bitmap.FormatFlags() & KBitmap::kFormatBottomUp) ? 1 - y : y,
                            kPicture[y][x]);
}

// Pixel of the picture at (x, y) counted from the top, whatever the row order.
uint32_t PixelFromTop(const KBitmap &bitmap, int x, int y)
{
    const bool bottomUp = (bitmap.FormatFlags() & KBitmap::kFormatBottomUp) != 0;
    return bitmap.GetPixel(x, bottomUp ? bitmap.Height() - 1 - y : y);
}

std::string Header(int type, int width, int height, int bits, int descriptor, int idLength = 0)
{
    std::string h(18, '\0');
    h[0] = char(idLength);
    h[2] = char(type);
    h[12] = char(width & 0xFF);
    h[13] = char(width >> 8);
    h[14] = char(height & 0xFF);
    h[15] = char(height >> 8);
    h[16] = char(bits);
    h[17] = char(descriptor);
    return h;
}

// The folder of the stored damaged inputs, as Wine sees this source tree.
KString InputsFolder()
{
    return KString(QV_FOUNDATION_INPUTS L"/");
}

const uint8_t *StopAfterOneRow(int32_t row, void *context)
{
    static const uint8_t bytes[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    ++*static_cast<int *>(context);
    return row == 0 ? bytes : nullptr;
}
} // namespace

TEST(KBitmapTarga, ExportedPictureImportsWithIdenticalPixels)
{
    for (uint32_t order : {0u, uint32_t(KBitmap::kFormatBottomUp)}) {
        KBitmap picture(3, 2, KBitmap::kFormat24Bit | order);
        ASSERT_TRUE(picture.Allocate());
        Paint(picture);
        MemoryStream file;
        EXPECT_TRUE(picture.Export(file));
        EXPECT_EQ(file.Bytes().size(), 18u + 3 * 2 * 3);

        for (uint32_t readOrder : {0u, uint32_t(KBitmap::kFormatBottomUp)}) {
            file.Rewind();
            KBitmap back(KBitmap::kFormat24Bit | readOrder, KBitmap::kMemoryHeap);
            ASSERT_TRUE(back.ImportTarga(file));
            EXPECT_EQ(back.Width(), 3);
            EXPECT_EQ(back.Height(), 2);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(PixelFromTop(back, x, y), kPicture[y][x]) << x << "," << y;
        }
    }
}

TEST(KBitmapTarga, ExportWritesAnUncompressedTrueColourHeader)
{
    KBitmap picture(3, 2, 0x28); // the chart export's format
    ASSERT_TRUE(picture.Allocate());
    Paint(picture);
    MemoryStream file;
    picture.Export(file);
    const std::vector<uint8_t> &b = file.Bytes();
    ASSERT_GE(b.size(), 18u);
    EXPECT_EQ(b[0], 0);  // no image id
    EXPECT_EQ(b[1], 0);  // no colour map
    EXPECT_EQ(b[2], 2);  // uncompressed true colour
    EXPECT_EQ(b[12] | (b[13] << 8), 3);
    EXPECT_EQ(b[14] | (b[15] << 8), 2);
    EXPECT_EQ(b[16], 24);
    EXPECT_EQ(b[17] & 0x20, 0); // bottom row first
    // The first row in the file is the bottom row, blue-green-red.
    EXPECT_EQ(b[18], 0xC0);
    EXPECT_EQ(b[19], 0xB0);
    EXPECT_EQ(b[20], 0xA0);
}

TEST(KBitmapTarga, RowCallbackThatStopsLeavesHeaderAndOneRow)
{
    KBitmap picture(3, 2, 0x28, 1); // no pixels: every row comes from the callback
    MemoryStream file;
    int calls = 0;
    EXPECT_FALSE(picture.Export(file, StopAfterOneRow, &calls));
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(file.Bytes().size(), 18u + 9);
    EXPECT_EQ(file.Bytes()[18], 1);
    EXPECT_EQ(file.Bytes()[26], 9);
}

TEST(KBitmapTarga, DepthsConvertOnImport)
{
    // 32-bit file into a 24-bit bitmap, and 16-bit (5-5-5) into 32-bit.
    std::string file32 = Header(2, 2, 1, 32, 0x28);
    file32 += std::string("\x10\x20\x30\x80\x40\x50\x60\xFF", 8);
    MemoryStream s32(file32);
    KBitmap rgb(KBitmap::kFormat24Bit, KBitmap::kMemoryHeap);
    ASSERT_TRUE(rgb.ImportTarga(s32));
    EXPECT_EQ(rgb.GetPixel(0, 0), 0xFF302010u);
    EXPECT_EQ(rgb.GetPixel(1, 0), 0xFF605040u);

    std::string file16 = Header(2, 1, 1, 16, 0x20);
    file16 += std::string("\x1F\xFC", 2); // attribute bit set, red 31, green 0, blue 31
    MemoryStream s16(file16);
    KBitmap argb(0x88, 6); // the overlays' format
    ASSERT_TRUE(argb.ImportTarga(s16));
    EXPECT_EQ(argb.BytesPerPixel(), 4);
    EXPECT_EQ(argb.GetPixel(0, 0), 0xFFFF00FFu);
}

TEST(KBitmapTarga, EmptyBitmapTakesTheFilesDepth)
{
    std::string file = Header(2, 1, 2, 16, 0x00) + std::string("\x00\x7C\xE0\x03", 4);
    MemoryStream stream(file);
    KBitmap picture(0, KBitmap::kMemoryHeap);
    EXPECT_EQ(picture.Lock(), nullptr);
    ASSERT_TRUE(picture.ImportTarga(stream));
    EXPECT_EQ(picture.BytesPerPixel(), 2);
    EXPECT_EQ(picture.GetPixel(0, 0), 0xFF00FF00u); // top row: the second in the file
    EXPECT_EQ(picture.GetPixel(0, 1), 0xFFFF0000u);
    EXPECT_NE(picture.Lock(), nullptr);
    picture.Unlock();
}

TEST(KBitmapTarga, ImageIdAndRightToLeftRowsAreHandled)
{
    std::string file = Header(2, 2, 1, 24, 0x30, 3) + "abc" + std::string("\x01\x02\x03\x04\x05\x06", 6);
    MemoryStream stream(file);
    KBitmap picture(KBitmap::kFormat24Bit, 1);
    ASSERT_TRUE(picture.ImportTarga(stream));
    EXPECT_EQ(picture.GetPixel(0, 0), 0xFF060504u);
    EXPECT_EQ(picture.GetPixel(1, 0), 0xFF030201u);
}

TEST(KBitmapTarga, MalformedFilesFailCleanlyAndLeaveTheBitmapEmpty)
{
    const std::string pixels(12, '\x7F');
    const std::string cases[] = {
        "",                                                      // nothing
        Header(2, 2, 2, 24, 0).substr(0, 10),                    // cut inside the header
        Header(10, 2, 2, 24, 0) + pixels,                        // run-length coded
        Header(1, 2, 2, 8, 0) + pixels,                          // colour-mapped
        Header(3, 2, 2, 8, 0) + pixels,                          // grey
        Header(2, 2, 2, 8, 0) + pixels,                          // no true-colour depth
        Header(2, 0, 2, 24, 0) + pixels,                         // no width
        Header(2, 2, 2, 24, 0) + pixels.substr(0, 7),            // cut inside the pixels
        Header(2, 65535, 65535, 32, 0) + pixels,                 // huge size, few bytes
        Header(2, 2, 2, 24, 0, 200) + pixels,                    // id longer than the file
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        // A picture loaded before is replaced by nothing.
        MemoryStream good(Header(2, 1, 1, 24, 0) + "abc");
        KBitmap picture(KBitmap::kFormat24Bit, 1);
        ASSERT_TRUE(picture.ImportTarga(good));
        MemoryStream stream(cases[i]);
        EXPECT_FALSE(picture.ImportTarga(stream)) << "case " << i;
        EXPECT_FALSE(picture.HasPixels()) << "case " << i;
        EXPECT_EQ(picture.Width(), 0) << "case " << i;
        EXPECT_EQ(picture.Lock(), nullptr) << "case " << i;
    }
}

TEST(KBitmapTarga, StoredMalformedInputsFailCleanly)
{
    // tests/foundation/inputs/ holds damaged pictures kept for this test.
    for (const wchar_t *name : {L"truncated.tga", L"rle.tga", L"zero-height.tga"}) {
        KString path = InputsFolder();
        path.Append(name);
        KFile file;
        file.SetFullName(path);
        ASSERT_NO_THROW(file.Open(1, false)) << path.CStr();
        KBitmap picture(KBitmap::kFormat24Bit, 1);
        EXPECT_FALSE(picture.ImportTarga(file));
        EXPECT_FALSE(picture.HasPixels());
        file.Close();
    }
}

TEST(KBitmapTarga, ExportRefusesWhatATargaFileCannotHold)
{
    MemoryStream file;
    KBitmap noDepth(3, 2, 0);
    EXPECT_THROW(noDepth.Export(file), KXStream);
    KBitmap noPixels(3, 2, KBitmap::kFormat24Bit);
    EXPECT_THROW(noPixels.Export(file), KXStream);
    KBitmap tooWide(70000, 1, KBitmap::kFormat24Bit);
    int calls = 0;
    EXPECT_THROW(tooWide.Export(file, StopAfterOneRow, &calls), KXStream);
    EXPECT_EQ(file.Bytes().size(), 0u);
}

TEST(KBitmapPixels, RowsAndPixelsStayInsideTheBitmap)
{
    KBitmap picture(4, 3, KBitmap::kFormat32Bit);
    EXPECT_EQ(picture.RowPointer(0), nullptr);
    ASSERT_TRUE(picture.Allocate());
    EXPECT_EQ(picture.RowBytes(), 16);
    EXPECT_EQ(picture.RowPointer(1) - picture.RowPointer(0), 16);
    EXPECT_EQ(picture.RowPointer(3), nullptr);
    EXPECT_EQ(picture.RowPointer(-1), nullptr);
    picture.SetPixel(4, 0, 0xFFFFFFFF);
    picture.SetPixel(-1, 0, 0xFFFFFFFF);
    picture.SetPixel(3, 2, 0x80112233);
    EXPECT_EQ(picture.GetPixel(3, 2), 0x80112233u);
    EXPECT_EQ(picture.GetPixel(4, 2), 0u);
    for (int i = 0; i < 11; ++i) // every other pixel is untouched
        EXPECT_EQ(picture.GetPixel(i % 4, i / 4), 0u);

    KBitmap unusable(0, 5, KBitmap::kFormat24Bit);
    EXPECT_FALSE(unusable.Allocate());
    KBitmap huge(60000, 60000, KBitmap::kFormat32Bit);
    EXPECT_FALSE(huge.Allocate());
}

TEST(KBitmapPixels, FifteenBitPixelsKeepFiveBitsPerChannel)
{
    KBitmap picture(1, 1, KBitmap::kFormat15Bit);
    ASSERT_TRUE(picture.Allocate());
    picture.SetPixel(0, 0, 0xFFF80408);
    EXPECT_EQ(picture.GetPixel(0, 0), 0xFFFF0008u);
    EXPECT_EQ(picture.RowPointer(0)[1] & 0x80, 0);
}
