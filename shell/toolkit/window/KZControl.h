#pragma once
// KZControl: the program's multiple-document frame, a framework MDI frame with
// the window leech. It keeps the Window menu in step with its child windows
// (KZMDIChild): one numbered entry per child (kEvtWindowMenuFirst and up, Alt+1
// .. Alt+9 for the first nine), checked for the active one; it arranges the
// children (cascade, tile), closes the active one, asks all of them before the
// program exits (and closes them, except when the system asks for its session
// end, which may yet be called off), enables its own menu entries when a menu
// opens and passes the idle tick to the status bar. The window manager owns the
// frame; the frame owns its children. GUI thread only.

#include <cstdint>
#include <memory>

#include "framework/controls/ZafMDIWindow.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZMDIChild;
class KZPopUpItem;
class KZPullDownItem;

class KZControl : public ZafMDIWindow, public KZWindowLeech
{
public:
    KZControl(int left, int top, int width, int height);
    ~KZControl() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // A child window is activated and enters the Window menu (once).
    ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr) override;
    // A child window leaves the Window menu first.
    ZafWindowObject *Subtract(ZafWindowObject *object) override;

    // Takes the child out and deletes it.
    virtual void CloseChild(KZMDIChild *child);
    // The current child when it is a KZMDIChild, else null.
    KZMDIChild *ActiveChild() const;
    // The KZMDIChild after (before) child, from the first (last) with null;
    // null at the end.
    KZMDIChild *NextChild(KZMDIChild *child) const;
    KZMDIChild *PreviousChild(KZMDIChild *child) const;
    int ChildCount() const;
    // Numbers the child entries in menu order from kEvtWindowMenuFirst, enables
    // them, checks the active child's and gives the first nine their keys. An
    // entry past the hundredth carries no command and stays disabled.
    void UpdateWindowMenu();

    // The menu-bar title whose menu lists the child windows (not owned;
    // null: no Window menu is kept). A separator that ends its entries
    // stands before the child entries: it shows only while there are any,
    // so that the menu never ends with a separator.
    void SetWindowMenu(KZPullDownItem *menu);
    KZPullDownItem *WindowMenu() const { return windowMenu; }
    // The modifiers of the first nine child keys (Alt by default; 0: no keys).
    void SetWindowKeyModifier(uint32_t modifier) { windowKeyModifier = modifier; }

    using ZafMDIWindow::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafMDIWindow::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafMDIWindow::DrawEdge;
    using KZWindowLeech::DrawEdge;

private:
    ZafEventType ActivateByMenu(ZafEventType code);
    // A close of the child window named (none: the active one): asked and
    // closed, or held while something is under way. A named window that is
    // no longer here went while the close waited: nothing is closed.
    ZafEventType CloseRequested(ZafWindowObject *named);
    KZMDIChild *OwnChild(const ZafWindowObject *object) const;
    ZafEventType ExitQuery(const ZafEventStruct &event);
    ZafEventType MenuOpening(const ZafEventStruct &event);
    bool HasChildEntries() const;
    // Puts the separator before the child entries into the Window menu or
    // takes it out (keeping it) as shown says.
    void ShowChildSeparator(bool shown);

    KZPullDownItem *windowMenu = nullptr;
    KZPopUpItem *childSeparator = nullptr;              // none when the menu has none
    std::unique_ptr<KZPopUpItem> hiddenSeparator;        // the separator while out of the menu
    uint32_t windowKeyModifier;
};
