#pragma once
// ZafHelpSystem: the process-wide help viewer hook. Window objects ask it to
// show the topic named by their help text (F1, ZAF_EV_HELP). None is installed
// by default; then help requests do nothing. The installer owns the object.
// GUI thread only.

#include "framework/core/base/ZafSharedInstance.h"
#include "framework/core/base/ZafTypes.h"

class ZafHelpSystem : public ZafSharedInstance<ZafHelpSystem>
{
public:
    virtual ~ZafHelpSystem();

    // Shows the help topic of that name (null: the contents).
    virtual void DisplayHelp(const ZafIChar *topic) = 0;

    // Shared(): the installed help system, or null; SetShared installs one
    // (null removes it) and answers the previous one.
    // Shows the topic through the shared help system; false when none is
    // installed.
    static bool Show(const ZafIChar *topic);
};
