#pragma once
// KZStatusLine: the main window's status bar as the toolkit's windows and
// fields reach it: the fly-over help of what the pointer is over, cleared
// when the pointer leaves, and the idle tick that lets it clear itself by
// time. The status bar (KZStatusBar) implements it; KZMainStatusLine
// (shell/app/VZApplication.h) gives the main window's. GUI thread only.

#include <cstdint>

#include "framework/core/events/ZafEventStruct.h"

class KZStatusLine
{
public:
    virtual ~KZStatusLine() = default;
    // Empty message, no percentage.
    virtual void Clear() = 0;
    // The fly-over help of a command.
    virtual void SetFlyOver(int32_t command) = 0;
    // The idle tick (10021); the answer of the bar's event handler.
    virtual ZafEventType OnIdle(const ZafEventStruct &event) = 0;
};
