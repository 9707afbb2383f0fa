// The toolkit's menus on a real frame: labels with hot keys and
// accelerators, accelerators dispatched from key presses, entry states set
// afresh by the frame, pop-up menu lookups and the watchdog's arming.
#include <gtest/gtest.h>

#include "shell/support/MenuFrameTest.h"
#include "shell/toolkit/menus/KZMenuWatchDog.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

KZPopUpItem *EntryOf(KZPullDownMenu *bar, int title, int entry)
{
    auto *item = static_cast<KZPullDownItem *>(bar->ZafList::Get(title));
    KZPopUpItem *found = item->NextEntry(nullptr);
    while (found && entry-- > 0)
        found = item->NextEntry(found);
    return found;
}

} // namespace

using KZMenus = MenuFrameTest;

TEST_F(KZMenus, EntriesShowTheirLabelAndAccelerator)
{
    KZPopUpItem *newEntry = EntryOf(menuBar, 0, 0);
    EXPECT_STREQ(L"New\tCtrl+N", newEntry->Text());
    EXPECT_EQ(L'N', newEntry->HotKeyChar());
    KZPopUpItem *initialize = EntryOf(menuBar, 1, 0);
    EXPECT_STREQ(L"Initialize\tAlt+I", initialize->Text());

    KZPopUpItem doubled(0, L"a&&b", 0);
    EXPECT_STREQ(L"a&b", doubled.Text());
    EXPECT_EQ(0, doubled.HotKeyChar());
    KZPopUpItem bare(0, L"Plain,", 0);
    EXPECT_STREQ(L"Plain", bare.Text());
    EXPECT_EQ(0u, bare.Accelerator());
}

TEST_F(KZMenus, AcceleratorsQueueTheCommandOfAnEnabledEntryOnly)
{
    frame->enabled = { 10102, kCmdScoreboardInitialize };
    EXPECT_TRUE(menuBar->DispatchAccelerator(KeyPress(L'N', true, false, false)));
    EXPECT_EQ(std::vector<int32_t>{ 10102 }, QueuedCommands());
    EXPECT_FALSE(menuBar->DispatchAccelerator(KeyPress(L'N', true, true, false)));
    EXPECT_FALSE(menuBar->DispatchAccelerator(KeyPress(L'N', false, false, false)));
    EXPECT_TRUE(menuBar->DispatchAccelerator(KeyPress(L'I', false, false, true)));
    EXPECT_EQ(std::vector<int32_t>{ kCmdScoreboardInitialize }, QueuedCommands());

    frame->enabled = {};
    EXPECT_FALSE(menuBar->DispatchAccelerator(KeyPress(L'N', true, false, false)));
    EXPECT_TRUE(QueuedCommands().empty());
    EXPECT_GT(frame->menuOpenings, 0);
}

TEST_F(KZMenus, TheLoopOffersKeysToTheMainMenuBarFirst)
{
    frame->enabled = { 10103 };
    const ZafEventStruct press = KeyPress(L'O', true, false, false);
    PostMessageW(static_cast<HWND>(press.osEvent.hwnd), WM_KEYDOWN, press.osEvent.wParam, press.osEvent.lParam);
    ZafEventStruct event;
    EXPECT_FALSE(app->GetEvent(event, ZAF_NO_WAIT));          // the key is used up
    ASSERT_TRUE(app->GetEvent(event, ZAF_NO_WAIT));
    EXPECT_EQ(10103, event.type);
}

TEST_F(KZMenus, OpeningAMenuResetsEveryEntryBeforeTheFrameSetsIt)
{
    KZPopUpItem *newEntry = EntryOf(menuBar, 0, 0);
    KZPopUpItem *open = EntryOf(menuBar, 0, 1);
    open->SetSelected(true);
    frame->enabled = { 10102 };
    menuBar->ResetItems();
    EXPECT_FALSE(newEntry->IsDisabled(true));
    EXPECT_TRUE(open->IsDisabled(true));
    EXPECT_FALSE(open->Selected());
    menuBar->CheckItem(10103, true);
    EXPECT_TRUE(open->Selected());
}

TEST_F(KZMenus, ItemAtCountsEntriesWithOrWithoutSeparators)
{
    KZPopUpMenu menu(KPoint(0, 0));
    auto *p = new KZPopUpItem(1, L"P", 0);
    auto *q = new KZPopUpItem(2, L"Q", 0);
    auto *r = new KZPopUpItem(3, L"R", 0);
    KZAddToMenu(KZAddToMenu(KZAddToMenu(KZAddToMenu(&menu, p), new KZPopUpItem(KZPopUpItem::kSeparator)), q), r);
    EXPECT_EQ(r, menu.ItemAt(2, true));
    EXPECT_EQ(q, menu.ItemAt(2, false));
    EXPECT_EQ(nullptr, menu.ItemAt(4, false));
    menu.SetItemSelected(0, true, true);
    EXPECT_TRUE(menu.IsItemSelected(0, false));
    EXPECT_FALSE(menu.IsItemSelected(9, true));
}

TEST_F(KZMenus, TheWatchdogRunsWhileAMenuIsOpen)
{
    KZPullDownMenu bar(5000);
    ASSERT_NE(nullptr, bar.WatchDog());
    EXPECT_FALSE(bar.WatchDog()->Armed());
    bar.Event(ZafEventStruct(kEvtMenuOpened, 0));
    EXPECT_TRUE(bar.WatchDog()->Armed());
    bar.Event(ZafEventStruct(kEvtMenuClosed, 0));
    EXPECT_FALSE(bar.WatchDog()->Armed());
    EXPECT_EQ(nullptr, KZPullDownMenu(0).WatchDog());
}
