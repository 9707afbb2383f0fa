#pragma once
// QuorvaneParts: the composition of Quorvane Training: which modules start
// and in which order (foundation, domain, imaging and the training user
// interface), its main window, and the event files a DDE command opens.
// Lent to the application by the entry point for the run. GUI thread only.

#include "shell/app/VZProgramParts.h"

class QuorvaneParts : public VZProgramParts
{
public:
    void StartModules() override;
    void StopModules() override;
    void ShowMainWindow(ZafWindowManager *manager) override;
    void CloseMainWindow(ZafWindowManager *manager) override;
    void OpenEventFile(const KString &path) override;
};
