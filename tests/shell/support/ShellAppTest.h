#ifndef SHELL_APP_TEST_H
#define SHELL_APP_TEST_H

// The fixture of the application tests: the platform object, a
// VZApplication whose program lives in a scratch folder (its own instance
// count name, so that a running program is not disturbed), the settings
// registry on the built-in defaults, and message boxes answered by a
// recorder instead of the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "framework/windows/ZafMSWindowsApp.h"
#include "shell/app/VZApplication.h"
#include "shell/support/ShellScratch.h"

class KRegistry;

struct RecordedBox
{
    std::wstring caption;
    std::wstring text;
    uint32_t buttons;
    uint32_t defaultButton;
    int icon;
};

class ShellAppTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes the application again with these arguments after the program path.
    void MakeApplication(std::initializer_list<const wchar_t *> arguments);
    // Drops the fixture's settings registry (Run makes its own).
    void DropRegistry();
    // A file in the program's folder.
    std::wstring ProgramFolderFile(const wchar_t *name) const { return scratch.PathOf(name); }

    std::unique_ptr<ZafMSWindowsApp> platform;
    ShellScratch scratch;
    std::unique_ptr<VZApplication> app;
    KRegistry *registry = nullptr;

    std::vector<RecordedBox> boxes;
    int32_t boxAnswer = -2999;                 // what every box answers
    std::function<void()> whileBoxIsUp;        // runs inside each box

private:
    void MakeRegistry();
    void DropApplication();
    bool prototypesMade = false;
    std::vector<std::wstring> arguments;
    std::vector<wchar_t *> argv;
};

#endif
