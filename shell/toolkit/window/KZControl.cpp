#include "shell/toolkit/window/KZControl.h"

#include <windows.h>

#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZMDIChild.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/window/KZStatusLine.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr int kNumberedKeys = 9;

KZMDIChild *AsChild(ZafElement *element)
{
    return dynamic_cast<KZMDIChild *>(static_cast<ZafWindowObject *>(element));
}

// The first child window from element on, stepping with step (Next or Previous).
KZMDIChild *ChildFrom(ZafElement *element, ZafElement *(ZafElement::*step)() const)
{
    for (; element; element = (element->*step)())
        if (KZMDIChild *found = AsChild(element))
            return found;
    return nullptr;
}

} // namespace

KZControl::KZControl(int left, int top, int width, int height)
    : ZafMDIWindow(left, top, width, height, ZAF_MDI_FRAME), KZWindowLeech(this), windowKeyModifier(kAccelAlt)
{
    AddFrameObjects(L"");
}

KZControl::~KZControl()
{
    // The children's entries live inside the children: the menu must not
    // delete them with itself.
    if (windowMenu)
        for (KZMDIChild *child = NextChild(nullptr); child; child = NextChild(child))
            if (child->WindowMenuItem().Parent())
                windowMenu->Subtract(&child->WindowMenuItem());
}

// ---- Children ---------------------------------------------------------------

ZafWindowObject *KZControl::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    auto *child = dynamic_cast<KZMDIChild *>(object);
    if (!child)
        return ZafMDIWindow::Add(object, position);
    const ZafWindowObject *before = child->Parent();
    SetAutomaticUpdate(false);
    ZafMDIWindow::Add(child, position);
    SetAutomaticUpdate(true);
    child->Activate();
    if (before != this && windowMenu) {
        ShowChildSeparator(true);
        KZAddToMenu(windowMenu, &child->WindowMenuItem());
        UpdateWindowMenu();
    }
    return object;
}

ZafWindowObject *KZControl::Subtract(ZafWindowObject *object)
{
    if (auto *child = dynamic_cast<KZMDIChild *>(object))
        if (windowMenu && child->WindowMenuItem().Parent()) {
            windowMenu->Subtract(&child->WindowMenuItem());
            ShowChildSeparator(HasChildEntries());
            UpdateWindowMenu();
        }
    return ZafMDIWindow::Subtract(object);
}

void KZControl::CloseChild(KZMDIChild *child)
{
    Subtract(child);
    delete child;
}

KZMDIChild *KZControl::ActiveChild() const
{
    return AsChild(CurrentChild());
}

KZMDIChild *KZControl::NextChild(KZMDIChild *child) const
{
    return ChildFrom(child ? static_cast<ZafWindowObject *>(child)->Next() : ZafList::First(), &ZafElement::Next);
}

KZMDIChild *KZControl::PreviousChild(KZMDIChild *child) const
{
    return ChildFrom(child ? static_cast<ZafWindowObject *>(child)->Previous() : ZafList::Last(),
                     &ZafElement::Previous);
}

int KZControl::ChildCount() const
{
    int count = 0;
    for (KZMDIChild *child = NextChild(nullptr); child; child = NextChild(child))
        ++count;
    return count;
}

void KZControl::SetWindowMenu(KZPullDownItem *menu)
{
    ShowChildSeparator(true);
    hiddenSeparator.reset();
    childSeparator = nullptr;
    windowMenu = menu;
    if (!menu)
        return;
    KZPopUpItem *last = nullptr;
    for (KZPopUpItem *entry = menu->NextEntry(nullptr); entry && !entry->Window(); entry = menu->NextEntry(entry))
        last = entry;
    if (last && last->IsSeparator())
        childSeparator = last;
    ShowChildSeparator(HasChildEntries());
}

bool KZControl::HasChildEntries() const
{
    for (KZPopUpItem *entry = windowMenu->NextEntry(nullptr); entry; entry = windowMenu->NextEntry(entry))
        if (entry->Window())
            return true;
    return false;
}

void KZControl::ShowChildSeparator(bool shown)
{
    if (!windowMenu || !childSeparator || shown == !hiddenSeparator)
        return;
    if (shown) {
        KZAddToMenu(windowMenu, hiddenSeparator.release());
    } else {
        windowMenu->Subtract(childSeparator);
        hiddenSeparator.reset(childSeparator);
    }
}

void KZControl::UpdateWindowMenu()
{
    if (!windowMenu)
        return;
    KZMDIChild *active = ActiveChild();
    int32_t code = kEvtWindowMenuFirst;
    for (KZPopUpItem *entry = windowMenu->NextEntry(nullptr); entry; entry = windowMenu->NextEntry(entry)) {
        if (!entry->Window())
            continue;
        if (code > kEvtWindowMenuLast) {
            // No command of its own: the numbers after the Window range belong to other commands.
            entry->SetValue(0);
            entry->Enable(false);
            entry->SetSelectedTree(false, false);
        } else {
            entry->SetValue(code);
            entry->Enable(true);
            entry->SetSelectedTree(entry->Window() == active && active, false);
            if (windowKeyModifier && code - kEvtWindowMenuFirst < kNumberedKeys)
                entry->SetAccelerator(windowKeyModifier | uint32_t(L'1' + (code - kEvtWindowMenuFirst)));
        }
        ++code;
    }
}

// ---- Events -----------------------------------------------------------------

ZafEventType KZControl::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code >= kEvtWindowMenuFirst && code <= kEvtWindowMenuLast)
        return ActivateByMenu(code);
    switch (code) {
    case kEvtCascade:
        ZafMDIWindow::Event(ZafEventStruct(kEvtMDICascade, 0));
        return code;
    case kEvtTileHorizontal:
        ZafMDIWindow::Event(ZafEventStruct(kEvtMDITile, 0));
        return code;
    case kEvtTileVertical:
        if (HWND client = static_cast<HWND>(OSWindow()))
            SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0);
        return code;
    case kEvtCloseChild:
        return CloseRequested(event.dataObject);
    case kEvtExitQuery:
        return ExitQuery(event);
    case kEvtMenuOpening:
        return MenuOpening(event);
    case kEvtIdle:
        if (KZStatusLine *line = KZMainStatusLine())
            return line->OnIdle(event);
        return 0;
    default:
        return ZafMDIWindow::Event(event);
    }
}

ZafEventType KZControl::ActivateByMenu(ZafEventType code)
{
    for (KZMDIChild *child = NextChild(nullptr); child; child = NextChild(child))
        if (child->WindowMenuItem().Value() == code) {
            SetAutomaticUpdate(false);
            child->Activate();
            SetAutomaticUpdate(true);
            break;
        }
    return code;
}

KZMDIChild *KZControl::OwnChild(const ZafWindowObject *object) const
{
    // Addresses only: the object may have been deleted meanwhile.
    for (KZMDIChild *child = NextChild(nullptr); child; child = NextChild(child))
        if (child == object)
            return child;
    return nullptr;
}

ZafEventType KZControl::CloseRequested(ZafWindowObject *named)
{
    KZMDIChild *child = named ? OwnChild(named) : ActiveChild();
    if (!child)
        return kEvtNotHandled;
    // Not while a long operation may still use the window: after it.
    KZApplication *application = KZApplication::Instance();
    if (application && application->HoldClose(KZApplication::CloseRequest::ChildWindow, child))
        return kEvtNotHandled;
    if (KZApplication::QueryChildClose(*child) == 0)
        return kEvtNotHandled;
    CloseChild(child);
    return kEvtCloseChild;
}

ZafEventType KZControl::ExitQuery(const ZafEventStruct &event)
{
    for (KZMDIChild *child = NextChild(nullptr); child; child = NextChild(child))
        if (child->Event(event) == 0)
            return 0;
    // A session end may yet be called off: the windows stay as they are (if
    // it goes ahead, the system ends the process).
    if (ZafWindowManager *manager = ZafWindowManager::Shared())
        if (manager->AskingSessionEnd())
            return kEvtExitQuery;
    while (KZMDIChild *child = NextChild(nullptr))
        CloseChild(child);
    return kEvtExitQuery;
}

ZafEventType KZControl::MenuOpening(const ZafEventStruct &event)
{
    if (KZPullDownMenu *menu = KZMainMenuBar()) {
        menu->EnableItem(kEvtCloseChild, ActiveChild() != nullptr);
        for (int32_t code : { kEvtExit, kEvtCascade, kEvtTileHorizontal, kEvtTileVertical })
            menu->EnableItem(code, true);
    }
    UpdateWindowMenu();
    return ZafMDIWindow::Event(event);
}
