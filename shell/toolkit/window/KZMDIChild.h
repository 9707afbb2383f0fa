#pragma once
// KZMDIChild: a document window inside the toolkit's MDI frame (KZControl), a
// framework MDI child with the window leech. It carries its own entry of
// the frame's Window menu, which the frame inserts when the child is added
// and removes when it is taken out; the entry shows the window's title.
// Owned by its frame; GUI thread only.

#include "foundation/values/KRect.h"
#include "framework/controls/ZafMDIWindow.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZMDIChild : public ZafMDIWindow, public KZWindowLeech
{
public:
    KZMDIChild(int left, int top, int width, int height);
    explicit KZMDIChild(const KRect &rect);
    ~KZMDIChild() override;

    ZafEventType Event(const ZafEventStruct &event) override;

    // Restores the window when it is minimised (also when only the system
    // reports it so) and gives it the focus, which makes it the active child.
    virtual void Activate();
    // The window's title and the text of its Window-menu entry.
    virtual void SetTitle(const wchar_t *text);

    KZPopUpItem &WindowMenuItem() { return windowMenuItem; }

    using ZafMDIWindow::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafMDIWindow::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafMDIWindow::DrawEdge;
    using KZWindowLeech::DrawEdge;

private:
    void LeaveWindowMenu();

    // The Window-menu entry lives inside the child: the menu holds it only
    // while the child belongs to a frame.
    KZPopUpItem windowMenuItem;
};
