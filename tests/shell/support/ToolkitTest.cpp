#include "shell/support/ToolkitTest.h"

#include "framework/core/objects/ZafWindowManager.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"

void ToolkitTest::SetUp()
{
    ShellAppTest::SetUp();
    KZInitFontCache();
    host = new KZWindow(40, 40, 400, 300);
    host->SetCoordinateType(kCoordPixels);
    Show(host);
}

void ToolkitTest::TearDown()
{
    ZafWindowManager *manager = app->WindowManager();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (manager->Holds(*it)) {
            manager->Subtract(*it);
            delete *it;
        }
    shown.clear();
    KZFreeFontCache();
    ShellAppTest::TearDown();
}

void ToolkitTest::Show(ZafWindowObject *window)
{
    app->WindowManager()->Add(window);
    shown.push_back(window);
    Pump();
}

void ToolkitTest::DeleteFromHost(ZafWindowObject *object)
{
    if (!object)
        return;
    host->Subtract(object);
    delete object;
}

void ToolkitTest::Pump(int milliseconds)
{
    const DWORD end = GetTickCount() + DWORD(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    } while (int(end - GetTickCount()) > 0);
}

COLORREF ToolkitTest::PixelOf(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

COLORREF ToolkitTest::PixelOf(ZafWindowObject *object, int x, int y)
{
    return PixelOf(static_cast<HWND>(object->OSWindow()), x, y);
}

void ToolkitTest::WriteTarga(const wchar_t *name, int width, int height, COLORREF color)
{
    std::string bytes(18, '\0');
    bytes[2] = 2;                                  // uncompressed true colour
    bytes[12] = char(width & 0xFF);
    bytes[13] = char(width >> 8);
    bytes[14] = char(height & 0xFF);
    bytes[15] = char(height >> 8);
    bytes[16] = 24;
    bytes[17] = 0x20;                              // first row at the top
    const char pixel[3] = { char(GetBValue(color)), char(GetGValue(color)), char(GetRValue(color)) };
    for (int i = 0; i < width * height; ++i)
        bytes.append(pixel, 3);
    WriteBytes(ProgramFolderFile(name), bytes);
}

bool ToolkitTest::OpenProgramDataFile()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring built = path;
    for (int level = 0; level < 3; ++level)
        built.erase(built.find_last_of(L"\\/"));
    return app->OpenDataFile((built + L"\\bin\\quorvane.zaf").c_str());
}
