#include "shell/support/ShellAppTest.h"

#include "foundation/registry/KRegistry.h"
#include "shell/app/KZMessageBox.h"

void ShellAppTest::SetUp()
{
    platform = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
    KZSetMessageBoxHook([this](const KString &caption, const KString &text, uint32_t buttons,
                               uint32_t defaultButton, int icon) {
        boxes.push_back({ caption.CStr(), text.CStr(), buttons, defaultButton, icon });
        if (whileBoxIsUp)
            whileBoxIsUp();
        return boxAnswer;
    });
    MakeApplication({});
}

void ShellAppTest::TearDown()
{
    DropApplication();
    KZSetMessageBoxHook({});
    platform.reset();
}

void ShellAppTest::MakeApplication(std::initializer_list<const wchar_t *> extra)
{
    DropApplication();
    arguments.assign(1, scratch.PathOf(L"quorvane.exe"));
    for (const wchar_t *argument : extra)
        arguments.emplace_back(argument);
    argv.clear();
    for (std::wstring &argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    const std::wstring instanceName = L"QuorvaneShellTest" + std::to_wstring(GetCurrentProcessId());
    app = std::make_unique<VZApplication>(int(arguments.size()), argv.data(), instanceName.c_str());
    KSetApplicationHooks(app.get());
    MakeRegistry();
}

void ShellAppTest::MakeRegistry()
{
    KRegistry::InitPrototypes();
    prototypesMade = true;
    registry = new KRegistry;
    VZApplication::PublishRegistry(registry);
    app->LoadDefaults();
}

void ShellAppTest::DropRegistry()
{
    if (VZApplication::Registry() == registry)
        VZApplication::PublishRegistry(nullptr);
    delete registry;
    registry = nullptr;
    if (prototypesMade)
        KRegistry::FreePrototypes();
    prototypesMade = false;
}

void ShellAppTest::DropApplication()
{
    if (!app)
        return;
    DropRegistry();
    KSetApplicationHooks(nullptr);
    app.reset();
}
