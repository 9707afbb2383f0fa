// The chart stub: its stored record, its owned texts and the placeholder.

#include "framework/controls/ZafChartStub.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafScreenDisplay.h"
#include "framework/display/ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(ZafChartStubStorage, ReadBackThroughTheRegisteredConstructorHasEqualFields)
{
    ZafStorage storage;
    ZafObjectPersistence persistence(&storage);
    ZafChartStub stub(3, 4, 50, 20, 4, 2);
    stub.SetStringID(L"chart");
    stub.SetColors(9, 12);
    stub.SetFirstFlag(false);
    stub.SetText1(L"Force");
    stub.SetText3(L"\x00C5ngstr\x00F6m \x20AC");
    stub.Write(persistence);
    ASSERT_EQ(0, stub.Error());

    ZafObjectConstructor make = persistence.GetObjectConstructor(L"ZafChart");
    ASSERT_NE(nullptr, make);
    std::unique_ptr<ZafElement> element(make(L"chart", persistence));
    auto *read = dynamic_cast<ZafChartStub *>(element.get());
    ASSERT_NE(nullptr, read);
    ASSERT_EQ(0, read->Error());
    EXPECT_EQ(30, read->ClassID());
    ZafUInt8 second = 0;
    EXPECT_EQ(9, read->Colors(&second));
    EXPECT_EQ(12, second);
    EXPECT_EQ(4, read->ChartType());
    EXPECT_EQ(2, read->ChartOption());
    EXPECT_FALSE(read->FirstFlag());
    EXPECT_TRUE(read->SecondFlag());
    EXPECT_STREQ(L"Force", read->Text1());
    EXPECT_EQ(nullptr, read->Text2());
    EXPECT_STREQ(stub.Text3(), read->Text3());
    EXPECT_EQ(stub.Region().right, read->Region().right);
    EXPECT_TRUE(read->FocusBlocked());
    EXPECT_FALSE(read->OwnOSWindow());
}

TEST(ZafChartStubStorage, TruncatedRecordReportsAnErrorAndKeepsTheDefaults)
{
    ZafStorage storage;
    ZafObjectPersistence persistence(&storage);
    ZafChartStub stub(0, 0, 10, 10, 7, 1);
    stub.SetStringID(L"short");
    stub.SetText2(L"lost");
    stub.Write(persistence);
    ZafStorageFile *file = storage.Open(L"~short~objectData", ZAF_FILE_READWRITE);
    ASSERT_NE(nullptr, file);
    ZafInt32 length = file->Length();
    storage.Close(file);
    // Keep the window object's record and the first four bytes of the stub's.
    std::vector<unsigned char> bytes(static_cast<size_t>(length));
    file = storage.Open(L"~short~objectData", ZAF_FILE_READWRITE);
    file->ReadBlock(bytes.data(), 1, length);
    storage.Close(file);
    storage.Remove(L"~short~objectData");
    file = storage.Open(L"~short~objectData", ZAF_FILE_CREATE | ZAF_FILE_READWRITE);
    ASSERT_NE(nullptr, file);
    // The window object's record with empty texts: 22 bytes of fields, seven
    // empty strings of 2 bytes and two words, 40 bytes in all.
    file->WriteBlock(bytes.data(), 1, 40 + 4);
    storage.Close(file);

    ZafChartStub read(L"short", persistence);
    EXPECT_NE(0, read.Error());
    EXPECT_EQ(nullptr, read.Text2());
    EXPECT_EQ(0, read.ChartType());
}

TEST(ZafChartStubTexts, OwnPointerKeepsTheTextAndNullClearsIt)
{
    ZafChartStub stub(0, 0, 10, 10, 4, 2);
    const ZafIChar *stored = stub.SetText1(L"Power");
    EXPECT_STREQ(L"Power", stub.SetText1(stored));
    EXPECT_STREQ(L"Power", stub.Text1());
    EXPECT_EQ(nullptr, stub.SetText1(nullptr));
    EXPECT_EQ(nullptr, stub.Text1());
    stub.SetText2(L"copied");
    ZafChartStub copy(stub);
    EXPECT_STREQ(L"copied", copy.Text2());
    EXPECT_NE(stub.Text2(), copy.Text2());
}

TEST(ZafChartStubTexts, PinnedSettersIgnoreTheirArgument)
{
    ZafChartStub stub(0, 0, 10, 10, 4, 2);
    EXPECT_FALSE(stub.SetDisabled(true));
    EXPECT_FALSE(stub.SetDropTarget(true));
    EXPECT_FALSE(stub.SetFocus(true));
    EXPECT_TRUE(stub.SetFocusBlocked(false));
    EXPECT_EQ(nullptr, stub.SetHelpTopic(L"topic"));
    EXPECT_EQ(nullptr, stub.HelpTopic());
}

TEST(ZafChartStubDrawing, PlaceholderOutlinesInTheFirstColourWithTextInTheMiddle)
{
    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    ZafScreenDisplay display;
    TopLevelWindow top;
    HostObject host(top.Handle());
    DibSurface surface(120, 60, RGB(255, 255, 255));
    auto *stub = new ZafChartStub(10, 10, 100, 40, 4, 2);
    std::unique_ptr<ZafChartStub> owner(stub);
    stub->SetCoordinateType(ZAF_PIXEL);
    stub->SetParent(&host);
    stub->SetBackgroundColor(15, 15);
    stub->SetColors(4, 0);
    stub->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));

    display.BeginDraw(surface.Context(), nullptr);
    EXPECT_EQ(ZAF_EV_REDRAW, stub->Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW));
    display.EndDraw();

    const COLORREF red = display.EntryRGB(4);
    for (int x : { 10, 60, 109 }) {
        EXPECT_EQ(red, surface.PixelAt(x, 10)) << x;
        EXPECT_EQ(red, surface.PixelAt(x, 49)) << x;
    }
    EXPECT_EQ(red, surface.PixelAt(10, 30));
    EXPECT_EQ(red, surface.PixelAt(109, 30));
    EXPECT_EQ(RGB(255, 255, 255), surface.PixelAt(9, 9));
    EXPECT_EQ(RGB(255, 255, 255), surface.PixelAt(110, 50));
    int textPixels = 0, outside = 0;
    for (int y = 12; y < 48; ++y)
        for (int x = 12; x < 108; ++x) {
            bool drawn = surface.PixelAt(x, y) != RGB(255, 255, 255);
            bool middle = x >= 30 && x < 90 && y >= 20 && y < 40;
            (middle ? textPixels : outside) += drawn;
        }
    EXPECT_GT(textPixels, 20);
    EXPECT_EQ(0, outside);
}
