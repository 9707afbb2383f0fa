// Data objects written to a storage and read back by name.

#include "ZafStorageTestSupport.h"

#include "framework/core/data/ZafImageData.h"
#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/data/ZafRealData.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/data/ZafPaletteData.h"
#include "framework/core/data/ZafScrollData.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/data/ZafStringData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

class ZafDataStorage : public ::testing::Test
{
protected:
    ZafStorage storage;
    ZafObjectPersistence persistence{ &storage };
};

} // namespace

TEST_F(ZafDataStorage, BitmapStoredByNameReadsBackPixelForPixel)
{
    ZafInt8 pixels[5 * 3];
    for (int i = 0; i < 15; ++i)
        pixels[i] = ZafInt8(i % 4 == 3 ? -1 : i);
    ZafBitmapData bitmap(ZafBitmapStruct(5, 3, pixels, true));
    bitmap.SetStringID(L"Print");
    bitmap.SetNumberID(9);
    ASSERT_EQ(0, bitmap.Write(persistence));

    ZafBitmapData read(L"Print", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_STREQ(L"Print", read.StringID());
    EXPECT_EQ(9, read.NumberID());
    ASSERT_EQ(5, read.Width());
    ASSERT_EQ(3, read.Height());
    EXPECT_EQ(0, std::memcmp(pixels, read.Bitmap().array, 15));
    EXPECT_EQ(0, read.Bitmap().staticArray);
    // Stored in its class's directory.
    EXPECT_EQ(0, storage.ChDir(L"~ZafBitmapData"));
}

TEST_F(ZafDataStorage, MissingBitmapIsAnErrorAndAnEmptyImage)
{
    ZafBitmapData read(L"Nowhere", persistence);
    EXPECT_EQ(2, read.Error());
    EXPECT_EQ(0, read.Width());
    EXPECT_EQ(nullptr, read.Bitmap().array);
    ZafIChar cwd[16];
    storage.GetCWD(cwd, 16);
    EXPECT_STREQ(L"~", cwd);
}

TEST_F(ZafDataStorage, IconAndPointerImagesKeepSizeAndHotSpot)
{
    ZafInt8 pixels[4] = { 0, -1, 15, 0 };
    ZafIconData icon(ZafIconStruct(2, 2, pixels, false));
    icon.SetStringID(L"HAND");
    ASSERT_EQ(0, icon.Write(persistence));
    ZafMouseData mouse(ZafMouseStruct(2, 2, pixels, 1, 0, false), -3201);
    mouse.SetStringID(L"ibeam");
    ASSERT_EQ(0, mouse.Write(persistence));

    ZafIconData readIcon(L"HAND", persistence);
    EXPECT_EQ(0, readIcon.Error());
    EXPECT_EQ(0, std::memcmp(pixels, readIcon.Icon().array, 4));
    ZafMouseData readMouse(L"ibeam", persistence);
    EXPECT_EQ(0, readMouse.Error());
    EXPECT_EQ(-3201, readMouse.NumberID());
    EXPECT_EQ(1, readMouse.Mouse().hotSpotX);
    EXPECT_EQ(0, readMouse.Mouse().hotSpotY);
}

TEST_F(ZafDataStorage, DamagedImageRecordsAreRefusedWithoutHugeAllocations)
{
    const ZafInt32 sizes[][2] = { { 100000, 100000 }, { -1, 5 }, { 64, 64 } };
    for (const auto &size : sizes) {
        persistence.SetError(0);
        ZafObjectPersistence::PushLevel(persistence, L"ZafBitmapData", ZAF_ID_BITMAP_DATA, ZAF_PERSIST_DATA);
        ZafFile *file = ZafDataPersistence::OpenObjectFile(persistence, L"bad", ZAF_PERSIST_WRITE);
        ASSERT_NE(nullptr, file);
        file->WriteInt16(0);
        file->WriteInt32(size[0]);
        file->WriteInt32(size[1]);
        file->WriteInt32(0);   // far fewer pixels than claimed
        ZafObjectPersistence::PopLevel(persistence);
        ZafBitmapData read(L"bad", persistence);
        EXPECT_EQ(16, read.Error()) << size[0];
        EXPECT_EQ(0, read.Width());
    }
}

TEST_F(ZafDataStorage, PaletteMapRoundTripsInTypeAndStateOrder)
{
    ZafPaletteData palette;
    palette.SetStringID(L"colours");
    ZafPaletteStruct text = ZafPaletteStruct::Default();
    text.colorForeground = 4;
    text.osColorBackground = 0x00123456;
    ZafPaletteStruct face = ZafPaletteStruct::Unset();
    palette.AddPalette(ZAF_PT_TEXT, ZAF_PS_DISABLED, text);
    palette.AddPalette(ZAF_PT_BACKGROUND, ZAF_PS_ENABLED, face);
    ASSERT_EQ(0, palette.Write(persistence));

    ZafPaletteData read(L"colours", persistence);
    ASSERT_EQ(0, read.Error());
    ASSERT_EQ(2, read.PaletteCount());
    EXPECT_EQ(ZAF_PT_BACKGROUND, read.PaletteMap()[0].type);
    EXPECT_TRUE(read.GetPalette(ZAF_PT_TEXT, ZAF_PS_DISABLED) == text);
    EXPECT_TRUE(read.GetPalette(ZAF_PT_BACKGROUND, ZAF_PS_ENABLED) == face);
    EXPECT_TRUE(read.Destroyable());
}

TEST_F(ZafDataStorage, ValueDataRoundTripsExactly)
{
    ZafStringData text(L"Grüße \x20AC", 20);
    text.SetStringID(L"greeting");
    ZafScrollData scroll(0, 100, 40, 2, 10);
    scroll.SetStringID(L"range");
    ZafIntegerData integer(-123456);
    integer.SetStringID(L"count");
    ZafRealData real(-0.1);
    real.SetStringID(L"ratio");
    ZafFormatData format;
    format.SetStringID(L"plainFormat");
    format.SetNumberID(-7);
    ASSERT_EQ(0, scroll.Write(persistence));
    for (ZafFormatData *data : std::initializer_list<ZafFormatData *>{ &text, &integer, &real, &format })
        ASSERT_EQ(0, data->Write(persistence));

    ZafStringData readText(L"greeting", persistence);
    EXPECT_STREQ(L"Grüße \x20AC", readText.Text());
    EXPECT_EQ(20, readText.MaxLength());
    EXPECT_FALSE(readText.StaticText());
    ZafScrollData readScroll(L"range", persistence);
    EXPECT_EQ(100, readScroll.Maximum());
    EXPECT_EQ(40, readScroll.Current());
    EXPECT_EQ(10, readScroll.PageSize());
    ZafIntegerData readInteger(L"count", persistence);
    EXPECT_EQ(-123456, readInteger.Value());
    ZafRealData readReal(L"ratio", persistence);
    EXPECT_EQ(-0.1, readReal.Value());
    ZafFormatData readFormat(L"plainFormat", persistence);
    EXPECT_EQ(-7, readFormat.NumberID());
    for (ZafData *data : std::initializer_list<ZafData *>{ &readText, &readScroll, &readInteger, &readReal, &readFormat })
        EXPECT_EQ(0, data->Error());
}

TEST_F(ZafDataStorage, DataObjectWithoutANameIsNotStored)
{
    ZafScrollData scroll;
    EXPECT_EQ(16, scroll.Write(persistence));
    EXPECT_EQ(0, storage.Root()->ChildCount());
}

TEST_F(ZafDataStorage, ReadOnlyStorageRefusesWrites)
{
    ZafScratchFolder folder(L"datareadonly");
    {
        ZafStorage created(folder.Path(L"d").c_str(), ZAF_FILE_CREATE);
        created.Save();
    }
    ZafStorage readOnly(folder.Path(L"d").c_str(), ZAF_FILE_READ);
    ZafObjectPersistence reader(&readOnly);
    ZafStringData text(L"x");
    text.SetStringID(L"t");
    EXPECT_EQ(10, text.Write(reader));
}
