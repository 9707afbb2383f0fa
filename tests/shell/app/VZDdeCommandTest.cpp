#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "foundation/log/KLog.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "program/QuorvaneParts.h"
#include "shell/support/ShellAppTest.h"
#include "ui/main/QVZControl.h"

namespace {


class VZDdeCommand : public ShellAppTest
{
protected:
    uint32_t Accept(const std::wstring &text)
    {
        return app->AcceptCommand(text.c_str(), int32_t((text.size() + 1) * sizeof(wchar_t)), true);
    }
    std::wstring Pending() const { return app->PendingCommand().CStr(); }
};

// The same with the program's parts, the main window and a program log in
// the scratch folder.
class VZDdeServing : public VZDdeCommand
{
protected:
    void SetUp() override
    {
        VZDdeCommand::SetUp();
        KSetProgramLog(new KLog);
        app->SetParts(&parts);
        control = new QVZControl;
    }
    void TearDown() override
    {
        if (app->WindowManager()->Holds(control))
            app->WindowManager()->Subtract(control);
        delete control;
        delete KProgramLog();
        KSetProgramLog(nullptr);
        VZDdeCommand::TearDown();
    }

    QuorvaneParts parts;
    QVZControl *control = nullptr;
};

} // namespace

TEST_F(VZDdeCommand, OneCommandWaitsAtATimeAndLaterOnesAreBusy)
{
    EXPECT_EQ(kDdeTaken, Accept(L"OpenEvent,a.qvw"));
    EXPECT_EQ(kDdeBusy, Accept(L"OpenEvent,b.qvw"));
    EXPECT_EQ(L"OpenEvent,a.qvw", Pending());
}

TEST_F(VZDdeCommand, CommandsOverTheLimitAreRefusedWholeAndOthersEndAtTheirFirstNul)
{
    const struct
    {
        std::string bytes;   // the data as sent
        bool wide;
        uint32_t answer;
        std::wstring pending;
    } cases[] = {
        { std::string(510, 'w'), true, kDdeTaken, std::wstring(255, L'\x7777') },   // 255 characters: the most 511 bytes hold
        { std::string(512, 'w'), true, kDdeRefused, L"" },
        { std::string(511, 'n'), false, kDdeTaken, std::wstring(511, L'n') },
        { std::string(512, 'n'), false, kDdeRefused, L"" },
        { std::string("OpenEvent,x") + '\0' + std::string(600, 't'), false, kDdeTaken, L"OpenEvent,x" },
        { "OpenEvent,C:\\" + std::string(256, 'p'), false, kDdeTaken, L"OpenEvent,C:\\" + std::wstring(256, L'p') },
        { "OpenEvent,C:\\" + std::string(257, 'p'), false, kDdeRefused, L"" },   // no path is that long
        { "Other,C:\\" + std::string(257, 'p'), false, kDdeTaken, L"Other,C:\\" + std::wstring(257, L'p') },
    };
    for (const auto &c : cases) {
        MakeApplication({});
        EXPECT_EQ(c.answer, app->AcceptCommand(c.bytes.data(), int32_t(c.bytes.size()), c.wide)) << c.bytes.size();
        EXPECT_EQ(c.pending, Pending()) << c.bytes.size();
    }
}

TEST_F(VZDdeCommand, OnlyTheFirstCopyWithoutTheSwitchServes)
{
    MakeApplication({ L"-NoDdeServer" });
    EXPECT_TRUE(app->StartDdeServer());
    EXPECT_FALSE(app->DdeServing());

    MakeApplication({});
    const std::wstring name = L"QuorvaneShellTest" + std::to_wstring(GetCurrentProcessId());
    app->CountInstance(name.c_str());   // a later copy
    EXPECT_TRUE(app->StartDdeServer());
    EXPECT_FALSE(app->DdeServing());
}

TEST_F(VZDdeCommand, NothingIsServedBeforeTheMainWindowExists)
{
    Accept(L"OpenEvent,a.qvw");
    app->ServePendingCommand();
    EXPECT_EQ(L"OpenEvent,a.qvw", Pending());
}

TEST_F(VZDdeServing, OnlyOpenEventWithAFileCallsTheMainWindow)
{
    const struct
    {
        const wchar_t *command;
        bool opened;   // the main window tried to open the file (none exists: an error box)
    } cases[] = {
        { L"OpenEvent,\"C:\\t\\a,b.qvw\"", true },
        { L"OpenEvent,C:\\t\\plain.qve", true },
        { L"openevent,x", false },
        { L"OpenEvent", false },
        { L"Close,y", false },
    };
    for (const auto &c : cases) {
        const size_t before = boxes.size();
        Accept(c.command);
        app->ServePendingCommand();
        EXPECT_EQ(L"", Pending()) << c.command;
        EXPECT_EQ(c.opened ? before + 1 : before, boxes.size()) << c.command;
    }
}

TEST_F(VZDdeServing, ACommandWaitsWhileAModalWindowIsUpAndRunsInTheMainLoop)
{
    ZafWindowManager *manager = app->WindowManager();
    manager->Add(control);
    auto *dialog = new ZafWindow(60, 60, 100, 60);
    dialog->SetCoordinateType(ZAF_PIXEL);
    manager->Add(dialog);
    Accept(L"OpenEvent,\"C:\\t\\modal.qvw\"");

    ZafEventManager *events = app->EventManager();
    std::thread closer([events] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        events->Put(ZafEventStruct(kDialogOk, 0));
    });
    EXPECT_EQ(kDialogOk, app->Control(dialog));
    closer.join();
    EXPECT_EQ(L"OpenEvent,\"C:\\t\\modal.qvw\"", Pending());
    manager->Subtract(dialog);
    delete dialog;

    const DWORD gui = GetCurrentThreadId();
    std::thread quitter([gui] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        PostThreadMessageW(gui, WM_QUIT, 0, 0);
    });
    EXPECT_EQ(kEvtExit, app->Control());
    quitter.join();
    EXPECT_EQ(L"", Pending());
    EXPECT_EQ(1u, boxes.size());   // the file does not exist: its error was shown
}
