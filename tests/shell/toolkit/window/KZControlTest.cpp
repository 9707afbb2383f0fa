// The MDI frame: the Window menu kept in step with the child windows,
// closing and the exit query, and activation from the menu.
#include <gtest/gtest.h>

#include <memory>

#include "shell/app/VZApplication.h"
#include "shell/support/MenuFrameTest.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

// The entries of the Window menu that stand for windows.
std::vector<KZPopUpItem *> ChildEntries(KZPullDownItem *menu)
{
    std::vector<KZPopUpItem *> entries;
    for (KZPopUpItem *entry = menu->NextEntry(nullptr); entry; entry = menu->NextEntry(entry))
        if (entry->Window())
            entries.push_back(entry);
    return entries;
}

} // namespace

using KZControlTest = MenuFrameTest;

TEST_F(KZControlTest, ChildrenAreNumberedInMenuOrderWithAltKeys)
{
    TestChild *children[3];
    for (int i = 0; i < 3; ++i)
        frame->Add(children[i] = new TestChild(i + 1));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(kEvtWindowMenuFirst + i, children[i]->WindowMenuItem().Value());
        EXPECT_EQ(kAccelAlt | uint32_t(L'1' + i), children[i]->WindowMenuItem().Accelerator());
    }
    EXPECT_EQ(children[2], frame->ActiveChild());
    EXPECT_TRUE(children[2]->WindowMenuItem().Selected());
    EXPECT_FALSE(children[0]->WindowMenuItem().Selected());
    EXPECT_STREQ(L"Event 2\tAlt+2", children[1]->WindowMenuItem().Text());

    frame->CloseChild(children[1]);
    EXPECT_EQ(2, frame->ChildCount());
    EXPECT_EQ(kEvtWindowMenuFirst + 1, children[2]->WindowMenuItem().Value());
    EXPECT_EQ(kAccelAlt | uint32_t(L'2'), children[2]->WindowMenuItem().Accelerator());
}

TEST_F(KZControlTest, AChildAddedAgainKeepsOneEntry)
{
    auto *child = new TestChild(1);
    frame->Add(child);
    frame->Add(new TestChild(2));
    frame->Add(child);
    EXPECT_EQ(2u, ChildEntries(windowMenu).size());
    EXPECT_EQ(child, frame->ActiveChild());
}

TEST_F(KZControlTest, TheWindowMenuActivatesAndRestoresItsChild)
{
    auto *first = new TestChild(1);
    frame->Add(first);
    frame->Add(new TestChild(2));
    first->SetMinimized(true);
    EXPECT_EQ(kEvtWindowMenuFirst, frame->Event(ZafEventStruct(kEvtWindowMenuFirst, 0)));
    EXPECT_EQ(first, frame->ActiveChild());
    EXPECT_FALSE(IsIconic(static_cast<HWND>(first->OSHandle(2))));
    EXPECT_EQ(kEvtWindowMenuFirst + 7, frame->Event(ZafEventStruct(kEvtWindowMenuFirst + 7, 0)));
}

TEST_F(KZControlTest, CloseAsksTheActiveChild)
{
    EXPECT_EQ(kEvtNotHandled, frame->Event(ZafEventStruct(kEvtCloseChild, 0)));
    auto *child = new TestChild(1);
    frame->Add(child);
    child->closeAnswer = 0;
    EXPECT_EQ(kEvtNotHandled, frame->Event(ZafEventStruct(kEvtCloseChild, 0)));
    EXPECT_EQ(1, frame->ChildCount());
    child->closeAnswer = 1;
    EXPECT_EQ(kEvtCloseChild, frame->Event(ZafEventStruct(kEvtCloseChild, 0)));
    EXPECT_EQ(0, frame->ChildCount());
    EXPECT_TRUE(ChildEntries(windowMenu).empty());
}

TEST_F(KZControlTest, ExitQueryStopsAtTheFirstRefusal)
{
    EXPECT_EQ(kEvtExitQuery, frame->Event(ZafEventStruct(kEvtExitQuery, 0)));
    auto *first = new TestChild(1);
    auto *second = new TestChild(2);
    frame->Add(first);
    frame->Add(second);
    TestChild *asked = frame->NextChild(nullptr) == first ? first : second;
    TestChild *refusing = asked == first ? second : first;
    refusing->exitAnswer = 0;
    EXPECT_EQ(0, frame->Event(ZafEventStruct(kEvtExitQuery, 0)));
    EXPECT_EQ(2, frame->ChildCount());
    EXPECT_EQ(1, asked->exitQueries);

    refusing->exitAnswer = 1;
    EXPECT_EQ(kEvtExitQuery, frame->Event(ZafEventStruct(kEvtExitQuery, 0)));
    EXPECT_EQ(0, frame->ChildCount());
}

TEST_F(KZControlTest, MenuOpeningEnablesTheFrameCommands)
{
    KZPopUpItem *cascade = windowMenu->NextEntry(nullptr);
    menuBar->ResetItems();
    EXPECT_FALSE(cascade->IsDisabled(true));
    auto *child = new TestChild(1);
    frame->Add(child);
    menuBar->ResetItems();
    EXPECT_FALSE(child->WindowMenuItem().IsDisabled(true));
    EXPECT_TRUE(child->WindowMenuItem().Selected());
}

// The frame's idle tick lets the main status bar clear itself by time; with
// no status bar nothing answers it.
TEST_F(KZControlTest, TheIdleTickGoesToTheMainStatusBar)
{
    struct CountingBar : KZStatusBar
    {
        CountingBar() : KZStatusBar(20, 0) {}
        ZafEventType Event(const ZafEventStruct &event) override
        {
            idles += event.type == kEvtIdle;
            return KZStatusBar::Event(event);
        }
        int idles = 0;
    } bar;
    KZSetMainStatusBar(&bar);
    EXPECT_EQ(kEvtIdle, frame->Event(ZafEventStruct(kEvtIdle, 0)));
    KZSetMainStatusBar(nullptr);
    EXPECT_EQ(1, bar.idles);
    EXPECT_EQ(0, frame->Event(ZafEventStruct(kEvtIdle, 0)));
    EXPECT_EQ(1, bar.idles);
}

TEST(KZControlMenu, EntriesPastTheHundredthCarryNoCommand)
{
    KZControl frame(0, 0, 100, 100);
    KZPullDownItem menu(L"&Window");
    frame.SetWindowMenu(&menu);
    std::vector<std::unique_ptr<KZMDIChild>> children;
    for (int i = 0; i < 101; ++i) {
        children.push_back(std::make_unique<KZMDIChild>(0, 0, 10, 10));
        menu.Add(&children.back()->WindowMenuItem());
    }
    frame.UpdateWindowMenu();
    EXPECT_EQ(kEvtWindowMenuLast, children[99]->WindowMenuItem().Value());
    EXPECT_EQ(0, children[100]->WindowMenuItem().Value());
    EXPECT_TRUE(children[100]->WindowMenuItem().IsDisabled(false));
    EXPECT_EQ(0u, children[9]->WindowMenuItem().Accelerator());
    frame.SetWindowMenu(nullptr);
}
