// The program's entry point.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/windows/ZafMSWindowsApp.h"
#include "program/QuorvaneParts.h"
#include "shell/app/KZCommandLine.h"
#include "shell/app/VZApplication.h"

namespace {

// The program's full path, however long.
std::wstring ModulePath()
{
    std::vector<wchar_t> buffer(1024);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    auto *platform = new ZafMSWindowsApp(instance);
    std::vector<std::wstring> arguments = KZSplitCommandLine(KZSkipProgramName(GetCommandLineW()));
    arguments.insert(arguments.begin(), ModulePath());
    std::vector<wchar_t *> argv;
    for (std::wstring &argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);

    auto *application = new VZApplication(int(arguments.size()), argv.data());
    QuorvaneParts parts;
    application->SetParts(&parts);
    int exitCode = 1;
    if (application->Status() == ZafApplication::STATUS_BEEP_AND_END) {
        MessageBeep(MB_OK);
    } else {
        exitCode = application->Run();
    }
    delete application;
    delete platform;
    return exitCode;
}
