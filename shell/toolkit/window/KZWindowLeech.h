#pragma once
// KZWindowLeech: the leech of the toolkit's container wrappers (windows,
// dialogs, MDI windows, bars, lists). It behaves as KZWindowObjectLeech, but
// its client rectangle is the window's inside as the framework last recorded
// it from the operating system. Lives and dies with its wrapper.

#include "shell/toolkit/window/KZWindowObjectLeech.h"

class ZafWindow;

class KZWindowLeech : public KZWindowObjectLeech
{
public:
    explicit KZWindowLeech(ZafWindow *host);

    ZafEventType Event(const ZafEventStruct &event) override;
    KRect ClientRect() override;

    ZafWindow *HostWindow() const { return window; }

private:
    ZafWindow *const window;
};
