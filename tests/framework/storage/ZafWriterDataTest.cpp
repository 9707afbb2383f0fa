// The data files the build writes with zafwrite read back through the
// framework.

#include "tools/zafwrite/ZafWriteData.h"

#include "framework/core/data/ZafImageData.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindow.h"

#include <gtest/gtest.h>

#include <string>

#define ZAF_WIDEN2(text) L##text
#define ZAF_WIDEN(text) ZAF_WIDEN2(text)

namespace {

std::wstring DataFile(const wchar_t *name)
{
    return std::wstring(ZAF_WIDEN(ZAF_TEST_DATA_DIR)) + L"/" + name;
}

std::wstring ProgramFile(const wchar_t *name)
{
    return std::wstring(ZAF_WIDEN(ZAF_PROGRAM_DATA_DIR)) + L"/" + name;
}

} // namespace

TEST(ZafWriterData, ProgramDataFileHoldsEveryNamedBitmap)
{
    ZafStorage storage(ProgramFile(L"quorvane.zaf").c_str(), ZAF_FILE_READ);
    ASSERT_EQ(0, storage.Error());
    ZafObjectPersistence persistence(&storage);
    for (const wchar_t *name : ZAF_PROGRAM_BITMAPS) {
        ZafBitmapData bitmap(name, persistence);
        EXPECT_EQ(0, bitmap.Error()) << name;
        EXPECT_EQ(ZAF_PROGRAM_BITMAP_SIZE, bitmap.Width()) << name;
        EXPECT_EQ(ZAF_PROGRAM_BITMAP_SIZE, bitmap.Height()) << name;
        int drawn = 0;
        for (int i = 0; i < bitmap.Bitmap().PixelCount(); ++i)
            drawn += bitmap.Bitmap().array[i] != -1 ? 1 : 0;
        EXPECT_GT(drawn, 10) << name;
    }
}

TEST(ZafWriterData, TestStorageHoldsTheSampleWindowBitmapAndText)
{
    ZafStorage storage(DataFile(L"zaf_test_storage.zaf").c_str(), ZAF_FILE_READ);
    ASSERT_EQ(0, storage.Error());
    ZafObjectPersistence persistence(&storage);
    persistence.AddObjectConstructor(L"ZafWindowObject", ZafWindowObject::classID, ZafWindowObject::New);

    ZafWindow window(L"sample", persistence);
    ASSERT_EQ(0, window.Error());
    EXPECT_STREQ(L"Sample window", window.HelpTopic());
    EXPECT_EQ(2, window.Region().left);
    EXPECT_EQ(41, window.Region().right);
    ASSERT_EQ(2, window.ZafList::Count());
    EXPECT_NE(nullptr, window.GetObjectByStringID(L"first"));
    EXPECT_NE(nullptr, window.GetObjectByStringID(L"FIELD_2"));

    ZafBitmapData bitmap(L"TestBitmap", persistence);
    ASSERT_EQ(0, bitmap.Error());
    ASSERT_EQ(4, bitmap.Width());
    ASSERT_EQ(3, bitmap.Height());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(ZafTestBitmapPixel(x, y), bitmap.Bitmap().array[y * 4 + x]);

    ZafStringData greeting(L"Greeting", persistence);
    EXPECT_STREQ(L"Hello, data file", greeting.Text());
}
