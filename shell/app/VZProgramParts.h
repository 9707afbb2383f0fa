#pragma once
// VZProgramParts: what the application's start-up and shut-down ask of the
// program built on the shell: which modules start and in which order, the main
// window, and opening an event file for a DDE command. The program's
// composition (program/) implements it and lends it to the application for its
// run; without one, the application runs its own steps only. GUI thread only.

class KString;
class ZafWindowManager;

class VZProgramParts
{
public:
    virtual ~VZProgramParts() = default;

    // The modules' start-ups, in order; StopModules runs their shut-downs
    // in exactly the reverse order.
    virtual void StartModules() = 0;
    virtual void StopModules() = 0;
    // Makes the main window and gives it to the manager (none: made only).
    virtual void ShowMainWindow(ZafWindowManager *manager) = 0;
    // Deletes a main window still standing (the manager deletes the one it
    // closes), before the domain objects it shows go.
    virtual void CloseMainWindow(ZafWindowManager *manager) = 0;
    // Opens the event file as the File menu does, with no result selected;
    // failures are shown to the user there.
    virtual void OpenEventFile(const KString &path) = 0;
};
