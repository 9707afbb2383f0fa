#ifndef SHELL_MENU_FRAME_TEST_H
#define SHELL_MENU_FRAME_TEST_H

// The fixture of the menu and MDI frame tests: a shown toolkit MDI frame with
// a menu bar (published as the main menu bar) whose Window menu lists the
// child windows. The frame answers the menu-opening event by enabling the
// entries it is told to.
#include "shell/support/ToolkitTest.h"

#include <cstdint>
#include <set>
#include <vector>

#include "shell/toolkit/window/KZControl.h"
#include "shell/toolkit/window/KZMDIChild.h"

class KZPullDownItem;
class KZPullDownMenu;

class TestFrame : public KZControl
{
public:
    TestFrame();
    ZafEventType Event(const ZafEventStruct &event) override;

    std::set<int32_t> enabled;          // commands the frame enables on 10020
    int menuOpenings = 0;
};

// A child window that answers the close and exit queries as told.
class TestChild : public KZMDIChild
{
public:
    explicit TestChild(int n);
    ZafEventType Event(const ZafEventStruct &event) override;

    ZafEventType closeAnswer = 1;
    ZafEventType exitAnswer = 1;
    int exitQueries = 0;
};

class MenuFrameTest : public ToolkitTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // The program events waiting in the framework queue, taken out.
    std::vector<int32_t> QueuedCommands();
    // A key press as the system sends it, with the keyboard state set for it.
    ZafEventStruct KeyPress(wchar_t key, bool ctrl, bool shift, bool alt);

    TestFrame *frame = nullptr;
    KZPullDownMenu *menuBar = nullptr;
    KZPullDownItem *windowMenu = nullptr;
};

#endif
