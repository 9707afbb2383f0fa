#ifndef ZAF_MSWINDOWSAPP_H
#define ZAF_MSWINDOWSAPP_H

#include <windows.h>

// The platform decision taken from the operating system's version data: which
// family of Windows runs, whether it draws three-dimensional controls itself
// and whether the window system takes wide (W) or 8-bit (A) texts. A pure value
// of the version data, so that any version can be decided without running it.
struct ZafPlatformInfo
{
    int platform = 3;          // 1 Win32s, 2 Windows 95 family, 3 NT
    int version = 400;         // major x 100 + minor mod 100
    bool threeD = true;        // the 3-D look
    bool nativeThreeD = true;  // the platform draws 3-D controls itself (same value as threeD)
    bool ansi = false;         // the A entry points are used; texts go out in the local code set
};

// Decides the platform from GetVersionExA's platform id and version numbers.
ZafPlatformInfo ZafDecidePlatform(DWORD platformId, DWORD majorVersion, DWORD minorVersion);

// The 13 window-system calls that exist in a wide and an 8-bit form. All
// framework code calls them through this table, never the W or A form directly.
struct ZafOSEntryPoints
{
    LRESULT (WINAPI *callWindowProc)(WNDPROC, HWND, UINT, WPARAM, LPARAM);
    LRESULT (WINAPI *defFrameProc)(HWND, HWND, UINT, WPARAM, LPARAM);
    LRESULT (WINAPI *defWindowProc)(HWND, UINT, WPARAM, LPARAM);
    LRESULT (WINAPI *defMDIChildProc)(HWND, UINT, WPARAM, LPARAM);
    LRESULT (WINAPI *dispatchMessage)(const MSG *);
    DWORD (WINAPI *getClassLong)(HWND, int);
    BOOL (WINAPI *getMessage)(LPMSG, HWND, UINT, UINT);
    BOOL (WINAPI *peekMessage)(LPMSG, HWND, UINT, UINT, UINT);
    BOOL (WINAPI *postMessage)(HWND, UINT, WPARAM, LPARAM);
    LRESULT (WINAPI *sendMessage)(HWND, UINT, WPARAM, LPARAM);
    int (WINAPI *getObject)(HANDLE, int, LPVOID);
    LONG (WINAPI *getWindowLong)(HWND, int);
    LONG (WINAPI *setWindowLong)(HWND, int, LONG);
};

// ZafMSWindowsApp: the Windows platform object. The program's entry point
// makes exactly one, with its instance handle, before the application object.
// It records the platform, fills the entry-point table with the W or A forms,
// loads "ctl3d32.dll" on old platforms (only when present) and registers the
// framework's window classes; its destructor undoes the registrations. The
// platform state is process-wide and read on the GUI thread only; before any
// platform object exists it describes a wide-character NT platform.
class ZafMSWindowsApp
{
public:
    // version: null asks the operating system (GetVersionExA); another
    // version runs the paths of that platform.
    explicit ZafMSWindowsApp(HINSTANCE instance, const OSVERSIONINFOA *version = nullptr);
    ~ZafMSWindowsApp();
    ZafMSWindowsApp(const ZafMSWindowsApp &) = delete;
    ZafMSWindowsApp &operator=(const ZafMSWindowsApp &) = delete;

    static HINSTANCE Instance() { return instance; }
    static const ZafPlatformInfo &Platform() { return platform; }
    static bool Ansi() { return platform.ansi; }
    static bool ThreeDPlatform() { return platform.threeD; }
    static bool NativeThreeDControls() { return platform.nativeThreeD; }
    // True on 3-D platforms, else when "ctl3d32.dll" loaded and enabled itself.
    static bool ThreeDLibraryAvailable() { return ctl3dAvailable; }
    static const ZafOSEntryPoints &Entry() { return entry; }

    // Asks "ctl3d32.dll" (ordinal 3) to draw a window's controls in 3-D; does
    // nothing when the library is not loaded.
    static void SubclassThreeD(HWND window);

    // Sets the platform state and entry points as a platform object would for
    // that information, without registering classes.
    static void ApplyPlatform(const ZafPlatformInfo &info);

    static const wchar_t *const windowClassName;   // "ZafWindow"
    static const wchar_t *const mdiFrameClassName;  // "ZafMDIFrame"
    static const wchar_t *const mdiChildClassName;  // "ZafMDIChild"

    // The procedures of the MDI classes (the MDI window's, unless a program
    // sets others before the platform object is made).
    static WNDPROC mdiFrameProcedure;
    static WNDPROC mdiChildProcedure;

private:
    using Ctl3dCall = BOOL (WINAPI *)(HANDLE);
    void LoadThreeDLibrary();
    void RegisterClasses();

    static HINSTANCE instance;
    static ZafPlatformInfo platform;
    static ZafOSEntryPoints entry;
    static bool ctl3dAvailable;
    static HMODULE ctl3dLibrary;
    static FARPROC ctl3dEntries[5];   // ordinals 12, 5, 16, 13, 3
};

// CreateWindowExW on wide platforms; on 8-bit platforms the class name and the
// title go to CreateWindowExA in the local code set.
HWND ZafCreateWindowEx(DWORD exStyle, const wchar_t *className, const wchar_t *title,
    DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
    HINSTANCE instance, void *createParam);

// A new text (delete[] by the caller) in which every '&' is doubled and an '&'
// stands before the character at hotKeyIndex; null for null.
wchar_t *ZafConvertHotKeyText(const wchar_t *text, int hotKeyIndex);

// Pass-through wrappers for callers that have chosen the form already.
int ZafDrawTextW(HDC dc, const wchar_t *text, int length, RECT *rect, UINT format);
BOOL ZafAppendMenuW(HMENU menu, UINT flags, UINT_PTR id, const wchar_t *text);
BOOL ZafModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR id, const wchar_t *text);
HCURSOR ZafLoadCursorA(HINSTANCE instance, const char *name);
HWND ZafCreateWindowExA(DWORD exStyle, const char *className, const char *title,
    DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
    HINSTANCE instance, void *createParam);
DWORD ZafGetProfileStringA(const char *section, const char *key, const char *defaultText,
    char *buffer, DWORD size);
UINT ZafGetProfileIntA(const char *section, const char *key, int defaultValue);
// LoadCursorW, or LoadCursorA on 8-bit platforms (resource ids pass unchanged).
HCURSOR ZafLoadCursor(HINSTANCE instance, const wchar_t *name);

// The framework window procedure installed on every window made by
// ZafWindowObject::CreateOSWindow.
LRESULT CALLBACK ZafWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
