// The windows without a frame of their own and the menu entries keep the
// settings they cannot honour pinned, whatever a caller asks for.
#include "framework/controls/ZafComboBox.h"
#include "framework/controls/ZafNotebook.h"
#include "framework/controls/ZafPopUpItem.h"
#include "framework/controls/ZafPopUpMenu.h"
#include "framework/controls/ZafPullDownItem.h"
#include "framework/controls/ZafPullDownMenu.h"
#include "framework/controls/ZafScrollBar.h"
#include "framework/controls/ZafStatusBar.h"
#include "framework/controls/ZafText.h"
#include "framework/controls/ZafToolBar.h"
#include "framework/controls/ZafVtList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(ZafPinnedSettings, WindowsWithoutAFrameCannotBeMovedSizedOrMadeModalOrOwned)
{
    std::vector<std::unique_ptr<ZafWindow>> windows;
    windows.emplace_back(new ZafPopUpMenu);
    windows.emplace_back(new ZafPullDownMenu);
    windows.emplace_back(new ZafStatusBar(0, 0, 20, 1));
    windows.emplace_back(new ZafToolBar(0, 0, 20, 1));
    windows.emplace_back(new ZafText(0, 0, 20, 4, L"text"));
    windows.emplace_back(new ZafComboBox(0, 0, 20, 4));
    windows.emplace_back(new ZafVtList(0, 0, 20, 4));
    windows.emplace_back(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    windows.emplace_back(new ZafNotebook(0, 0, 20, 4));
    ZafWindow owner(0, 0, 20, 10);
    for (const auto &window : windows) {
        SCOPED_TRACE(window->ClassName());
        EXPECT_FALSE(window->SetLocked(true));
        EXPECT_FALSE(window->SetMaximized(true));
        EXPECT_FALSE(window->SetMinimized(true));
        EXPECT_FALSE(window->SetModal(true));
        EXPECT_FALSE(window->SetMoveable(true));
        EXPECT_FALSE(window->SetSizeable(true));
        EXPECT_EQ(nullptr, window->SetOwner(&owner));
        EXPECT_FALSE(window->Moveable());
        EXPECT_FALSE(window->Sizeable());
        EXPECT_FALSE(window->Modal());
    }
}

TEST(ZafPinnedSettings, MenuEntriesKeepTheButtonSettingsAnOSMenuCannotShow)
{
    std::vector<std::unique_ptr<ZafButton>> entries;
    entries.emplace_back(new ZafPopUpItem(L"Pop-up entry"));
    entries.emplace_back(new ZafPullDownItem(L"Bar entry"));
    for (const auto &entry : entries) {
        SCOPED_TRACE(entry->ClassName());
        EXPECT_FALSE(entry->SetBorder(true));
        EXPECT_FALSE(entry->SetAutoRepeat(true));
        EXPECT_FALSE(entry->SetAutoSize(true));
        EXPECT_FALSE(entry->SetPressed(true));
        EXPECT_FALSE(entry->SetAllowDefault(true));
        EXPECT_FALSE(entry->SetDropTarget(true));
        EXPECT_EQ(4, entry->SetButtonType(1));
        EXPECT_EQ(0, entry->SetDepth(3));
        EXPECT_EQ(2, entry->SetVerticalPlacement(0));
        EXPECT_EQ(nullptr, entry->OSHandle());
    }
}
