#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSText.h"

HINSTANCE ZafMSWindowsApp::instance = nullptr;
ZafPlatformInfo ZafMSWindowsApp::platform;
bool ZafMSWindowsApp::ctl3dAvailable = true;
HMODULE ZafMSWindowsApp::ctl3dLibrary = nullptr;
FARPROC ZafMSWindowsApp::ctl3dEntries[5] = {};
WNDPROC ZafMSWindowsApp::mdiFrameProcedure = nullptr;
WNDPROC ZafMSWindowsApp::mdiChildProcedure = nullptr;

const wchar_t *const ZafMSWindowsApp::windowClassName = L"ZafWindow";
const wchar_t *const ZafMSWindowsApp::mdiFrameClassName = L"ZafMDIFrame";
const wchar_t *const ZafMSWindowsApp::mdiChildClassName = L"ZafMDIChild";

namespace {

// Wrappers of the same shape for the calls whose W and A prototypes differ
// only in name or in a signed/unsigned return type.
DWORD WINAPI GetClassLongWForm(HWND window, int index) { return GetClassLongW(window, index); }
DWORD WINAPI GetClassLongAForm(HWND window, int index) { return GetClassLongA(window, index); }
int WINAPI GetObjectWForm(HANDLE object, int size, LPVOID buffer) { return GetObjectW(object, size, buffer); }
int WINAPI GetObjectAForm(HANDLE object, int size, LPVOID buffer) { return GetObjectA(object, size, buffer); }

const ZafOSEntryPoints wideEntryPoints = {
    CallWindowProcW, DefFrameProcW, DefWindowProcW, DefMDIChildProcW, DispatchMessageW,
    GetClassLongWForm, GetMessageW, PeekMessageW, PostMessageW, SendMessageW,
    GetObjectWForm, GetWindowLongW, SetWindowLongW,
};

const ZafOSEntryPoints ansiEntryPoints = {
    CallWindowProcA, DefFrameProcA, DefWindowProcA, DefMDIChildProcA, DispatchMessageA,
    GetClassLongAForm, GetMessageA, PeekMessageA, PostMessageA, SendMessageA,
    GetObjectAForm, GetWindowLongA, SetWindowLongA,
};

// Entry points taken by ordinal are cast through the generic function type.
template <typename Call>
Call ProcAs(FARPROC procedure)
{
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(procedure));
}

} // namespace

ZafOSEntryPoints ZafMSWindowsApp::entry = wideEntryPoints;

ZafPlatformInfo ZafDecidePlatform(DWORD platformId, DWORD majorVersion, DWORD minorVersion)
{
    ZafPlatformInfo info;
    info.version = int(majorVersion * 100 + minorVersion % 100);
    info.platform = platformId == VER_PLATFORM_WIN32s ? 1
        : platformId == VER_PLATFORM_WIN32_WINDOWS ? 2 : 3;
    info.threeD = info.platform == 2
        || (info.platform == 3 && info.version > 350)
        || (info.platform == 1 && info.version > 102);
    info.nativeThreeD = info.threeD;
    info.ansi = platformId != VER_PLATFORM_WIN32_NT;
    return info;
}

void ZafMSWindowsApp::ApplyPlatform(const ZafPlatformInfo &info)
{
    platform = info;
    entry = info.ansi ? ansiEntryPoints : wideEntryPoints;
    if (info.threeD)
        ctl3dAvailable = true;
    else
        ctl3dAvailable = ctl3dLibrary != nullptr && ctl3dAvailable;
}

ZafMSWindowsApp::ZafMSWindowsApp(HINSTANCE instanceHandle, const OSVERSIONINFOA *version)
{
    instance = instanceHandle ? instanceHandle : GetModuleHandleW(nullptr);
    OSVERSIONINFOA info = {};
    if (version)
        info = *version;
    else
    {
        info.dwOSVersionInfoSize = sizeof(info);   // 148
        GetVersionExA(&info);
    }
    ZafPlatformInfo decided = ZafDecidePlatform(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    platform = decided;
    if (!decided.threeD)
        LoadThreeDLibrary();
    else
        ctl3dAvailable = true;
    entry = decided.ansi ? ansiEntryPoints : wideEntryPoints;
    if (!mdiFrameProcedure)
        mdiFrameProcedure = ZafMDIFrameProc;
    if (!mdiChildProcedure)
        mdiChildProcedure = ZafMDIChildProc;
    RegisterClasses();
}

ZafMSWindowsApp::~ZafMSWindowsApp()
{
    UnregisterClassA("ZafWindow", instance);
    UnregisterClassA("ZafMDIFrame", instance);
    UnregisterClassA("ZafMDIChild", instance);
    if (!platform.threeD && ctl3dLibrary)
    {
        if (ctl3dEntries[3])
            ProcAs<Ctl3dCall>(ctl3dEntries[3])(instance);
        FreeLibrary(ctl3dLibrary);
        ctl3dLibrary = nullptr;
        for (FARPROC &call : ctl3dEntries)
            call = nullptr;
    }
}

void ZafMSWindowsApp::LoadThreeDLibrary()
{
    ctl3dAvailable = false;
    ctl3dLibrary = LoadLibraryA("ctl3d32.dll");
    if (!ctl3dLibrary)
        return;
    static const WORD ordinals[5] = { 12, 5, 16, 13, 3 };
    for (int i = 0; i < 5; ++i)
        ctl3dEntries[i] = GetProcAddress(ctl3dLibrary, MAKEINTRESOURCEA(ordinals[i]));
    if (!ctl3dEntries[0] || !ctl3dEntries[1])
        return;
    ProcAs<Ctl3dCall>(ctl3dEntries[0])(instance);
    if (ProcAs<BOOL (WINAPI *)()>(ctl3dEntries[1])())
    {
        ctl3dAvailable = true;
        if (ctl3dEntries[2])
            ProcAs<Ctl3dCall>(ctl3dEntries[2])(instance);
    }
}

void ZafMSWindowsApp::SubclassThreeD(HWND window)
{
    if (ctl3dLibrary && ctl3dAvailable && ctl3dEntries[4])
        ProcAs<Ctl3dCall>(ctl3dEntries[4])(window);
}

// One window class of the framework in the platform's wide or 8-bit form
// (WNDCLASSW with RegisterClassW, WNDCLASSA with RegisterClassA).
template <class WindowClass, class Name>
static void RegisterFrameClass(ATOM (WINAPI *registerClass)(const WindowClass *), Name name, WNDPROC procedure,
    HINSTANCE instance, HICON icon, HCURSOR cursor)
{
    WindowClass wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.lpszClassName = name;
    registerClass(&wc);
}

void ZafMSWindowsApp::RegisterClasses()
{
    struct ClassEntry { const wchar_t *name; const char *ansiName; WNDPROC procedure; bool icon; };
    const ClassEntry classes[3] = {
        { windowClassName, "ZafWindow", platform.ansi ? DefWindowProcA : DefWindowProcW, false },
        { mdiFrameClassName, "ZafMDIFrame", mdiFrameProcedure, true },
        { mdiChildClassName, "ZafMDIChild", mdiChildProcedure, true },
    };
    HICON icon = LoadIconA(instance, "Application");
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F00));
    for (const ClassEntry &entryClass : classes)
    {
        if (platform.ansi)
            RegisterFrameClass(RegisterClassA, entryClass.ansiName, entryClass.procedure, instance,
                entryClass.icon ? icon : nullptr, arrow);
        else
            RegisterFrameClass(RegisterClassW, entryClass.name, entryClass.procedure, instance,
                entryClass.icon ? icon : nullptr, arrow);
    }
}

wchar_t *ZafConvertHotKeyText(const wchar_t *text, int hotKeyIndex)
{
    if (!text)
        return nullptr;
    size_t length = 0, ampersands = 0;
    for (const wchar_t *p = text; *p; ++p, ++length)
        if (*p == L'&')
            ++ampersands;
    wchar_t *result = new wchar_t[length + ampersands + 2];
    wchar_t *out = result;
    for (size_t i = 0; i < length; ++i)
    {
        if (int(i) == hotKeyIndex)
            *out++ = L'&';
        if (text[i] == L'&')
            *out++ = L'&';
        *out++ = text[i];
    }
    *out = 0;
    return result;
}

int ZafDrawTextW(HDC dc, const wchar_t *text, int length, RECT *rect, UINT format)
{
    return DrawTextW(dc, text, length, rect, format);
}

BOOL ZafAppendMenuW(HMENU menu, UINT flags, UINT_PTR id, const wchar_t *text)
{
    return AppendMenuW(menu, flags, id, text);
}

BOOL ZafModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR id, const wchar_t *text)
{
    return ModifyMenuW(menu, position, flags, id, text);
}

HCURSOR ZafLoadCursorA(HINSTANCE instanceHandle, const char *name)
{
    return LoadCursorA(instanceHandle, name);
}

HWND ZafCreateWindowExA(DWORD exStyle, const char *className, const char *title,
    DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
    HINSTANCE instanceHandle, void *createParam)
{
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height,
        parent, menu, instanceHandle, createParam);
}

DWORD ZafGetProfileStringA(const char *section, const char *key, const char *defaultText,
    char *buffer, DWORD size)
{
    return GetProfileStringA(section, key, defaultText, buffer, size);
}

UINT ZafGetProfileIntA(const char *section, const char *key, int defaultValue)
{
    return GetProfileIntA(section, key, defaultValue);
}

HCURSOR ZafLoadCursor(HINSTANCE instanceHandle, const wchar_t *name)
{
    if (!ZafMSWindowsApp::Ansi())
        return LoadCursorW(instanceHandle, name);
    if (IS_INTRESOURCE(name))
        return LoadCursorA(instanceHandle, reinterpret_cast<const char *>(name));
    char *local = ZafNewLocalText(name);
    HCURSOR cursor = LoadCursorA(instanceHandle, local);
    delete[] local;
    return cursor;
}
