#pragma once
// ZafErrorSystem: the process-wide reporter of errors meant for the user.
// The framework raises no exceptions; operations answer codes, and messages
// for the user go to the installed error system, which shows them and
// answers the user's choice. None is installed by default: without one,
// reports are dropped and answer ZAF_NOT_HANDLED. The installer owns the
// object. GUI thread only.

#include "framework/core/base/ZafSharedInstance.h"
#include "framework/core/base/ZafTypes.h"

class ZafWindowManager;

class ZafErrorSystem : public ZafSharedInstance<ZafErrorSystem>
{
public:
    static constexpr int MESSAGE_SIZE = 2048;    // characters of a formatted message

    virtual ~ZafErrorSystem();

    // Shows the message text as it stands (never as a format) under the
    // title, with the given dialog flags; answers the user's answer.
    virtual ZafInt32 ReportError(ZafWindowManager *windowManager, const ZafIChar *title,
                                 ZafUInt32 options, const ZafIChar *message) = 0;

    // Shared(): the installed error system, or null; SetShared installs one
    // (null removes it) and answers the previous one.
    // Reports through the given error system, else the shared one; answers
    // its answer, or ZAF_NOT_HANDLED when there is none.
    static ZafInt32 Report(ZafErrorSystem *errorSystem, ZafWindowManager *windowManager,
                           const ZafIChar *title, ZafUInt32 options, const ZafIChar *message);
};
