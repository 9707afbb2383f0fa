#pragma once
// VZUserInterface: the domain's user interface, answered by the application
// object's error display and prompts. The start-up installs one
// (QVUserInterface::Install) and removes it at shut-down. The status line
// stays idle until the main window has a status bar. GUI thread only.

#include <memory>

#include "domain/ui/QVUserInterface.h"
#include "shell/app/KZLongOperation.h"

class VZApplication;

class VZUserInterface : public QVUserInterface
{
public:
    explicit VZUserInterface(VZApplication &application) : application(application) {}

    void ShowError(int32_t code, int32_t extra) override;
    void ShowErrorAbout(int32_t code, int32_t extra, const KString &about, const KString &why) override;
    void ShowFileError(int32_t code, int32_t extra, const KString &file) override;
    void ShowMessage(const KString &title, const KString &text) override;
    int Ask(const KString &title, const KString &text, int buttons) override;
    void StatusText(const KString &text) override;
    bool ChooseSaveFile(KString &path, const wchar_t *extensions) override;
    // The domain's long operations run as a KZLongOperation.
    void BeginWork(const KString &text) override;
    void WorkText(const KString &text) override;
    bool Work(int percent) override;
    void EndWork() override;

private:
    VZApplication &application;
    std::unique_ptr<KZLongOperation> work;
};
