#pragma once
// VZFieldErrors: the program's error system for the framework's fields. A
// field that refuses an entry reports it without a title of its own; the
// box then carries the program's error caption, as every other error box
// does. Reports that give a title keep it. GUI thread only.

#include "framework/windows/ZafErrorReporter.h"

class VZFieldErrors : public ZafErrorReporter
{
public:
    ZafInt32 ReportError(ZafWindowManager *windowManager, const ZafIChar *title,
                         ZafUInt32 options, const ZafIChar *message) override;
};
