#pragma once
// The two calls nearly every Windows-half source makes: the window handle
// kept in a portable half's opaque handle field, and SendMessage through the
// entry-point table (which old platforms, or a recorder, may replace).
// Sources bring them in with using-declarations. GUI thread only.

#include <windows.h>

#include "framework/core/base/ZafTypes.h"
#include "framework/windows/ZafMSWindowsApp.h"

namespace ZafOSCalls {

inline HWND Handle(ZafOSWindow window) { return static_cast<HWND>(window); }

inline LRESULT Send(ZafOSWindow window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ZafMSWindowsApp::Entry().sendMessage(Handle(window), message, wParam, lParam);
}

} // namespace ZafOSCalls
