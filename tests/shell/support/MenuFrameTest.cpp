#include "shell/support/MenuFrameTest.h"

#include "framework/core/events/ZafEventManager.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"

TestFrame::TestFrame() : KZControl(20, 20, 640, 480)
{
    SetCoordinateType(kCoordPixels);
}

ZafEventType TestFrame::Event(const ZafEventStruct &event)
{
    if (event.type == kEvtMenuOpening) {
        ++menuOpenings;
        if (KZPullDownMenu *menu = KZMainMenuBar())
            for (int32_t code : enabled)
                menu->EnableItem(code, true);
    }
    return KZControl::Event(event);
}

TestChild::TestChild(int n) : KZMDIChild(10 * n, 10 * n, 200, 150)
{
    SetCoordinateType(kCoordPixels);
    SetTitle((L"Event " + std::to_wstring(n)).c_str());
}

ZafEventType TestChild::Event(const ZafEventStruct &event)
{
    if (event.type == kEvtCloseQuery)
        return closeAnswer;
    if (event.type == kEvtExitQuery) {
        ++exitQueries;
        return exitAnswer;
    }
    return KZMDIChild::Event(event);
}

void MenuFrameTest::SetUp()
{
    ToolkitTest::SetUp();
    frame = new TestFrame;
    menuBar = new KZPullDownMenu(0);
    auto *file = new KZPullDownItem(L"&File");
    KZAddToMenu(file, new KZPopUpItem(10102, L"&New,N", 0));
    KZAddToMenu(file, new KZPopUpItem(10103, L"&Open,O", 0));
    menuBar->Add(file);
    auto *scoreboard = new KZPullDownItem(L"&Scoreboard");
    KZAddToMenu(scoreboard, new KZPopUpItem(kCmdScoreboardInitialize, L"&Initialize,A+I", 0));
    menuBar->Add(scoreboard);
    windowMenu = new KZPullDownItem(L"&Window");
    KZAddToMenu(windowMenu, new KZPopUpItem(kEvtCascade, L"&Cascade", 0));
    KZAddToMenu(windowMenu, new KZPopUpItem(kEvtTileHorizontal, L"&Tile", 0));
    menuBar->Add(windowMenu);
    frame->Add(menuBar);
    frame->SetWindowMenu(windowMenu);
    KZSetMainMenuBar(menuBar);
    Show(frame);
    QueuedCommands();
}

void MenuFrameTest::TearDown()
{
    KZSetMainMenuBar(nullptr);
    BYTE state[256] = {};
    SetKeyboardState(state);
    ToolkitTest::TearDown();
}

std::vector<int32_t> MenuFrameTest::QueuedCommands()
{
    std::vector<int32_t> commands;
    ZafEventStruct event;
    while (app->EventManager()->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
        if (event.type >= 10000)
            commands.push_back(event.type);
    return commands;
}

ZafEventStruct MenuFrameTest::KeyPress(wchar_t key, bool ctrl, bool shift, bool alt)
{
    BYTE state[256] = {};
    if (ctrl)
        state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    if (shift)
        state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    if (alt)
        state[VK_MENU] = state[VK_LMENU] = 0x80;
    SetKeyboardState(state);
    ZafOSEventStruct os = {};
    os.hwnd = static_cast<HWND>(frame->OSHandle(2));
    os.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    os.wParam = WPARAM(key);
    os.lParam = LPARAM(MapVirtualKeyW(UINT(key), 0) << 16) | 1;
    return ZafEventStruct(ZAF_EVENT_OS, os);
}
