#ifndef UI_MAIN_WINDOW_TEST_H
#define UI_MAIN_WINDOW_TEST_H

// The fixture of the main-window tests: the toolkit fixture with the event
// layout's defaults, a program log in the scratch folder, help calls
// recorded instead of made, and the main window shown.
#include "shell/app/VZUserInterface.h"
#include "shell/support/ToolkitTest.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class KZPopUpItem;
class KZPullDownItem;
class QVZControl;
class QVZEventMDI;

class MainWindowTest : public ToolkitTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the main window (again) and shows it.
    void MakeControl();
    // Starts again with these command-line arguments.
    void Restart(std::initializer_list<const wchar_t *> arguments);
    // The layout entries that replace "\Event\Layout\".
    void SetLayout(std::initializer_list<std::pair<const wchar_t *, const wchar_t *>> entries);
    // The entry of the menu-bar title at index with that command; null when none.
    KZPopUpItem *Entry(int title, int32_t command) const;
    KZPullDownItem *Title(int index) const;
    int EventWindowCount() const;
    std::string Log() const;

    QVZControl *control = nullptr;
    std::unique_ptr<VZUserInterface> userInterface;   // the domain's prompts and file dialogs
    std::vector<std::pair<std::wstring, uint32_t>> helpCalls;

private:
    void InstallUserInterface();
};

#endif
