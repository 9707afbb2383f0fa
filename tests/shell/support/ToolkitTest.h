#ifndef SHELL_TOOLKIT_TEST_H
#define SHELL_TOOLKIT_TEST_H

// The fixture of the toolkit tests: the application fixture with its screen
// display and font cache, and a shown top-level toolkit window in pixel
// coordinates to put objects in; helpers to let the windows paint and to
// read their pixels back.
#include "shell/support/ShellAppTest.h"

#include <string>

class KZWindow;
class ZafWindowObject;

class ToolkitTest : public ShellAppTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a top-level window to the window manager; the fixture removes it.
    void Show(ZafWindowObject *window);
    // Takes an object out of the host window and deletes it; the pointer
    // becomes none. Nothing happens when it is none already.
    template <class T> void RemoveFromHost(T *&object)
    {
        DeleteFromHost(object);
        object = nullptr;
    }
    // Dispatches the thread's messages for a while, so that windows paint.
    static void Pump(int milliseconds = 50);
    // The colour of a pixel of an OS window's client area.
    static COLORREF PixelOf(HWND window, int x, int y);
    static COLORREF PixelOf(ZafWindowObject *object, int x, int y);
    // A Targa picture of one colour (24 bits, rows top first) beside the program.
    void WriteTarga(const wchar_t *name, int width, int height, COLORREF color);
    // Opens the program's own data file (bin\quorvane.zaf of the build), for
    // its bitmaps; true when it opened.
    bool OpenProgramDataFile();

    KZWindow *host = nullptr;                 // 400 x 300 pixels at (40, 40)

private:
    void DeleteFromHost(ZafWindowObject *object);

    std::vector<ZafWindowObject *> shown;
};

#endif
