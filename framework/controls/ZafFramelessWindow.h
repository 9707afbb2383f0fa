#pragma once
// ZafFramelessWindow: what the windows without a frame of their own share
// (the bars, menus, lists, notebooks, scroll bars and text editors that live
// inside or beside another window): none can be locked, maximized, minimized,
// modal, moved or sized, and none has an owner; those settings are pinned
// (the argument is ignored and the fixed value answered). It adds no data
// and no virtual functions of its own. GUI thread only.

#include "framework/core/objects/ZafWindow.h"

class ZafFramelessWindow : public ZafWindow
{
public:
    using ZafWindow::ZafWindow;

    bool SetLocked(bool) override { return locked = false; }
    bool SetMaximized(bool) override { return maximized = false; }
    bool SetMinimized(bool) override { return minimized = false; }
    bool SetModal(bool) override { return modal = false; }
    bool SetMoveable(bool) override { return moveable = false; }
    bool SetSizeable(bool) override { return sizeable = false; }
    ZafWindow *SetOwner(ZafWindow *) override { return owner = nullptr; }
};
