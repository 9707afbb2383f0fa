#pragma once
// ZafHelpSystem: the process-wide help viewer hook. Window objects ask it to
// show the topic named by their help text (F1, ZAF_EV_HELP). None is installed
// by default; then help requests do nothing. The installer owns the object.
// GUI thread only.

#include "framework/core/base/ZafTypes.h"

class ZafHelpSystem
{
public:
    virtual ~ZafHelpSystem();

    // Shows the help topic of that name (null: the contents).
    virtual void DisplayHelp(const ZafIChar *topic) = 0;

    // The installed help system, or null.
    static ZafHelpSystem *Shared();
    // Installs a help system (null removes it); answers the previous one.
    static ZafHelpSystem *SetShared(ZafHelpSystem *helpSystem);
    // Shows the topic through the shared help system; false when none is
    // installed.
    static bool Show(const ZafIChar *topic);
};
