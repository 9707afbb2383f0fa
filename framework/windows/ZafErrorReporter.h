#pragma once
// ZafErrorReporter: the framework's error system on Windows. Each report
// beeps once and shows the message in a modal message window (the "HAND"
// system icon, the caller's buttons, OK as the default), which answers the
// button the user pressed; the window is gone when the report returns. The
// application installs one with ZafErrorSystem::SetShared and owns it.
// GUI thread only.

#include "framework/core/objects/ZafErrorSystem.h"

// Sounds the warning beep; replaceable (SetBeep) by any other sound or none.
using ZafBeepFunction = void (*)();

class ZafErrorReporter : public ZafErrorSystem
{
public:
    static constexpr ZafUInt16 HAND_ICON = 3;    // number id of the system image "HAND"

    ZafInt32 ReportError(ZafWindowManager *windowManager, const ZafIChar *title,
                         ZafUInt32 options, const ZafIChar *message) override;

    // Installs the beep (null: MessageBeep(0) again); answers the previous one.
    static ZafBeepFunction SetBeep(ZafBeepFunction beep);
};
