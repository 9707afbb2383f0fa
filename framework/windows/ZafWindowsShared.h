#pragma once
// Process-wide values of the framework's Windows half that several classes
// read: the tips timer that watches the pointer (a thread timer, 500 ms),
// the combo box whose list is dropped down, and the procedures of the frame
// windows, and conversions of OS message data several classes share. GUI
// thread only.

#include <windows.h>

#include "framework/core/display/ZafRegionStruct.h"

// Makes the client window (the framework's window class) of a frame pair
// inside the frame, sized to the frame's client area; answers whether it
// was made. The client handle is stored before the sizing.
class ZafWindowObject;
bool ZafCreateFrameClient(ZafWindowObject *object, HWND frame, DWORD style, ZafOSWindow &client);

// The id of the running tips timer; 0 when none runs.
UINT_PTR ZafTipsTimer();
UINT_PTR ZafSetTipsTimer(UINT_PTR id);

// The combo box whose list is dropped down (kept by the combo box); null.
HWND ZafDroppedComboBox();
HWND ZafSetDroppedComboBox(HWND comboBox);

// The framework window procedure installed on frame windows: the frame
// router with ZafDefaultWindowProc.
LRESULT CALLBACK ZafWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// CallWindowProc of DefWindowProc through the entry-point table.
LRESULT CALLBACK ZafDefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The heart of the frame procedures (window, MDI frame and MDI child).
LRESULT ZafFrameRouter(WNDPROC defaultProcedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The class window procedure of a window (GetClassLong GCL_WNDPROC) called
// with the message of a raw event; its answer.
class ZafWindowObject;
struct ZafEventStruct;
long ZafCallClassProcedure(const ZafEventStruct &event);

// The procedures of the MDI window classes ("ZafMDIFrame", "ZafMDIChild")
// and their default procedures (DefFrameProc with the frame's MDI client,
// DefMDIChildProc).
LRESULT CALLBACK ZafMDIFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ZafMDIChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ZafDefaultMDIFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ZafDefaultMDIChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A window procedure for OS child controls inside a framework object's
// window (the combo box installs it): the message goes as a raw event to
// the object kept in the control's parent window; a control whose parent
// holds no framework object gets its own class procedure.
LRESULT CALLBACK ZafChildControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The region a WM_WINDOWPOSCHANGED places the object at, in the coordinates
// of its parent (of the window manager for a top-level object).
ZafRegionStruct ZafRegionOfWindowPos(ZafWindowObject *object, const WINDOWPOS &position);

// The redraw of an object its parent shows through: the parent repaints the
// event's area, or the object's whole region for ZAF_EV_REDRAW.
void ZafRedrawByParent(ZafWindowObject *object, const ZafEventStruct &event);

// WM_SETTEXT with the text in the form the platform takes (converted to the
// local code set on 8-bit platforms).
LRESULT ZafSetOSWindowText(HWND window, const wchar_t *text);
