// The example event of docs/examples opened in quorvane.exe as the README
// tells a newcomer to open it: File > Open lists workouts only, so the
// event's full name is typed into the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/support/ShellScratch.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

// ... and File > Save as... keeps it an event under any name.
TEST(ExampleProgram, TheExampleEventOpensThroughFileOpenByItsFullNameAndStaysAnEventWhenSavedAs)
{
    ProgramRoad road(L"qexample");
    const std::wstring event = road.Folder().PathOf(L"example-event.qve");
    WriteBytes(event, ReadBytes(QV_EXAMPLES L"/example-event.qve"));
    ASSERT_TRUE(road.Start());
    H::Focus(road.Main());
    H::Control('O');
    ASSERT_TRUE(ChooseFile(road.Process(), event)) << "no open dialog:" << WindowsOf(road.Process());
    HWND list = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(road.Main())) != nullptr; }))
        << "the event did not open:" << WindowsOf(road.Process());
    EXPECT_EQ(3u, NumberBands(Settled(list)).size()) << "rows of the example event";

    for (const wchar_t *name : { L"event-copy.qve", L"event-copy.qvw" })
    {
        const std::wstring copy = road.Folder().PathOf(name);
        road.ChooseFromMenu('F', 'A');
        ASSERT_TRUE(ChooseFile(road.Process(), copy) && H::WaitFor([&] { return FileExists(copy); }))
            << "no save dialog:" << WindowsOf(road.Process());
        EXPECT_EQ(1, ReadBytes(copy).at(4)) << "the kind word of " << std::string(copy.begin(), copy.end());
    }
    EXPECT_EQ(0u, road.Close());
}
