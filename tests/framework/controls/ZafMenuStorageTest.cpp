// Menu bars, their entries and the system button's menu written to a
// storage and read back.
#include <gtest/gtest.h>

#include "framework/controls/ZafFrameButtons.h"
#include "framework/controls/ZafPopUpItem.h"
#include "framework/controls/ZafPullDownItem.h"
#include "framework/controls/ZafPullDownMenu.h"
#include "framework/storage/ZafMemoryPersistence.h"

namespace {

class ZafPopUpItemStorage : public ::testing::Test, protected ZafMemoryPersistence
{
protected:
    void SetUp() override
    {
        Construct<ZafWindow, ZafPullDownMenu, ZafPullDownItem, ZafPopUpItem, ZafSystemButton, ZafMaximizeButton,
            ZafMinimizeButton>();
    }
};

ZafPopUpItem *Item(ZafWindow *menu, int index)
{
    return dynamic_cast<ZafPopUpItem *>(static_cast<ZafWindowObject *>(menu->Get(index)));
}

} // namespace

TEST_F(ZafPopUpItemStorage, AMenuBarComesBackWithItsEntriesTypesAndValues)
{
    ZafWindow window(0, 0, 40, 10);
    window.SetStringID(L"main");
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *file = new ZafPullDownItem(L"File");
    file->SetHotKey(L'f', 0);
    ZafPopUpItem *open = new ZafPopUpItem(L"Open", 0);
    open->SetValue(10100);
    open->SetSendMessage(true);
    file->Add(open);
    file->Add(new ZafPopUpItem(L"", 7));
    file->Add(new ZafPopUpItem(L"x", 10));
    bar->Add(file);
    bar->Add(new ZafPullDownItem(L"Edit"));
    window.Add(bar);
    ZafSystemButton *system = new ZafSystemButton(1);
    system->AddMenuItem(new ZafPopUpItem(L"x", 2));
    window.Add(system);
    window.Add(new ZafMaximizeButton);
    window.Add(new ZafMinimizeButton);
    window.Write(persistence);
    ASSERT_EQ(0, window.Error());

    ZafWindow read(L"main", persistence);
    ASSERT_EQ(0, read.Error());
    auto *readBar = dynamic_cast<ZafPullDownMenu *>(read.PullDownMenu());
    ASSERT_NE(nullptr, readBar);
    ASSERT_EQ(2, readBar->Count());
    auto *readFile = dynamic_cast<ZafPullDownItem *>(readBar->FirstChild());
    ASSERT_NE(nullptr, readFile);
    EXPECT_STREQ(L"File", readFile->Text());
    EXPECT_EQ(0, readFile->HotKeyIndex());
    ASSERT_EQ(3, readFile->SubMenu().Count());
    ZafPopUpItem *readOpen = Item(&readFile->SubMenu(), 0);
    ASSERT_NE(nullptr, readOpen);
    EXPECT_EQ(10100, readOpen->Value());
    EXPECT_EQ(7, Item(&readFile->SubMenu(), 1)->Type());
    EXPECT_STREQ(L"Exit", Item(&readFile->SubMenu(), 2)->Text());
    EXPECT_EQ(ZAF_EV_EXIT, Item(&readFile->SubMenu(), 2)->Value());
    EXPECT_EQ(0, static_cast<ZafPullDownItem *>(readFile->Next())->SubMenu().Count());

    auto *readSystem = dynamic_cast<ZafSystemButton *>(read.SystemButton());
    ASSERT_NE(nullptr, readSystem);
    EXPECT_EQ(1, readSystem->SystemMenuType());
    ASSERT_EQ(1, readSystem->SystemMenu().Count());
    EXPECT_EQ(2, Item(&readSystem->SystemMenu(), 0)->Type());
    EXPECT_NE(nullptr, dynamic_cast<ZafMaximizeButton *>(read.SupportObject(-2)));
    EXPECT_NE(nullptr, dynamic_cast<ZafMinimizeButton *>(read.SupportObject(-3)));
}
