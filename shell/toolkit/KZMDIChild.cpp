#include "shell/toolkit/KZMDIChild.h"

#include <windows.h>

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

void KZMDIChild::LeaveWindowMenu()
{
    if (auto *menu = dynamic_cast<ZafWindow *>(windowMenuItem.Parent()))
        menu->Subtract(&windowMenuItem);
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
