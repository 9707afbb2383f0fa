#include "ui/support/MainWindowTest.h"

#include "domain/ui/QVSettings.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/VZUserInterface.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/main/QVZControl.h"

void MainWindowTest::SetUp()
{
    ToolkitTest::SetUp();
    KSetProgramLog(new KLog);
    InstallUserInterface();
    QVZEventMDI::Startup();
    QVZControl::SetHelpCall([this](const KString &file, uint32_t command) {
        helpCalls.emplace_back(file.CStr(), command);
        return true;
    });
    MakeControl();
}

void MainWindowTest::TearDown()
{
    ZafWindowManager *manager = app->WindowManager();
    if (control && manager->Holds(control)) {
        manager->Subtract(control);
        delete control;
    }
    control = nullptr;
    QVZControl::SetHelpCall({});
    QVUserInterface::Install(nullptr);
    QVSetSettings(nullptr);
    userInterface.reset();
    delete KProgramLog();
    KSetProgramLog(nullptr);
    ToolkitTest::TearDown();
}

void MainWindowTest::MakeControl()
{
    ZafWindowManager *manager = app->WindowManager();
    if (control && manager->Holds(control)) {
        manager->Subtract(control);
        delete control;
    }
    control = new QVZControl;
    manager->Add(control);
    Pump();
}

void MainWindowTest::Restart(std::initializer_list<const wchar_t *> arguments)
{
    ZafWindowManager *manager = app->WindowManager();
    if (control && manager->Holds(control))
        manager->Subtract(control);
    delete control;
    control = nullptr;
    QVUserInterface::Install(nullptr);
    MakeApplication(arguments);
    InstallUserInterface();
    QVZEventMDI::Startup();
    MakeControl();
}

void MainWindowTest::InstallUserInterface()
{
    QVSetSettings(registry);
    userInterface = std::make_unique<VZUserInterface>(*app);
    QVUserInterface::Install(userInterface.get());
}

void MainWindowTest::SetLayout(std::initializer_list<std::pair<const wchar_t *, const wchar_t *>> entries)
{
    if (KRNode *old = registry->GetGroup(L"\\Event\\Layout\\")) {
        old->Parent()->RemoveChild(old);
        delete old;
    }
    KRNode *group = registry->Parse(L"Event\\Layout\\:=");
    for (const auto &entry : entries)
        group->Parse((std::wstring(entry.first) + L":String=" + entry.second).c_str());
}

KZPullDownItem *MainWindowTest::Title(int index) const
{
    int n = 0;
    for (ZafElement *e = control->MenuBar()->FirstChild(); e; e = e->Next())
        if (auto *title = dynamic_cast<KZPullDownItem *>(static_cast<ZafWindowObject *>(e)))
            if (n++ == index)
                return title;
    return nullptr;
}

KZPopUpItem *MainWindowTest::Entry(int title, int32_t command) const
{
    KZPullDownItem *menu = Title(title);
    for (KZPopUpItem *entry = menu ? menu->NextEntry(nullptr) : nullptr; entry; entry = menu->NextEntry(entry))
        if (!entry->IsSeparator() && entry->Value() == command)
            return entry;
    return nullptr;
}

int MainWindowTest::EventWindowCount() const
{
    int count = 0;
    for (QVZEventMDI *w = control->NextEventWindow(nullptr); w; w = control->NextEventWindow(w))
        ++count;
    return count;
}

std::string MainWindowTest::Log() const
{
    return ReadBytes(scratch.PathOf(L"quorvane.log"));
}
