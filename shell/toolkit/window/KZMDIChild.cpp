#include "shell/toolkit/window/KZMDIChild.h"

#include <windows.h>

#include "framework/controls/ZafPullDownItem.h"
#include "framework/core/objects/ZafWindow.h"

namespace {

constexpr int32_t kUnnumbered = -1;

} // namespace

KZMDIChild::KZMDIChild(int left, int top, int width, int height)
    : ZafMDIWindow(left, top, width, height, ZAF_MDI_CHILD), KZWindowLeech(this),
      windowMenuItem(kUnnumbered, 0, L"", 0)
{
    AddFrameObjects(L"");
    windowMenuItem.SetWindow(this);
}

KZMDIChild::KZMDIChild(const KRect &rect) : KZMDIChild(rect.left, rect.top, rect.Width(), rect.Height()) {}

KZMDIChild::~KZMDIChild()
{
    LeaveWindowMenu();
}

// Through the menu's title where there is one, so that a title left without
// entries changes its form on screen.
void KZMDIChild::LeaveWindowMenu()
{
    ZafWindowObject *menu = windowMenuItem.Parent();
    if (!menu)
        return;
    if (auto *title = dynamic_cast<ZafPullDownItem *>(menu->Parent()))
        title->Subtract(&windowMenuItem);
    else if (auto *entry = dynamic_cast<ZafPopUpItem *>(menu->Parent()))
        entry->Subtract(&windowMenuItem);
    else if (auto *window = dynamic_cast<ZafWindow *>(menu))
        window->Subtract(&windowMenuItem);
}

ZafEventType KZMDIChild::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    return ZafMDIWindow::Event(event);
}

void KZMDIChild::Activate()
{
    if (Minimized())
        SetMinimized(false);
    else if (HWND frame = static_cast<HWND>(OSHandle(2))) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        if (GetWindowPlacement(frame, &placement) &&
            (placement.showCmd == SW_SHOWMINIMIZED || placement.showCmd == SW_MINIMIZE)) {
            // The framework learns the state first, so that restoring it acts.
            minimized = true;
            SetMinimized(false);
        }
    }
    TakeFocus();
}

void KZMDIChild::SetTitle(const wchar_t *text)
{
    ZafMDIWindow::SetText(text);
    windowMenuItem.SetLabel(text);
}
