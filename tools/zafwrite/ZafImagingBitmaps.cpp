#include "ZafImagingBitmaps.h"

#include "ZafImageCanvas.h"

namespace {

// An arrow pointing (dx, dy), one of the four directions: a head at the edge
// and a shaft back through the centre.
void Arrow(ZafImageCanvas &canvas, int dx, int dy, ZafInt8 color)
{
    int tipX = 7 + 6 * dx, tipY = 7 + 6 * dy;
    for (int step = 0; step < 5; ++step) {
        int x = tipX - dx * step, y = tipY - dy * step;
        canvas.Line(x - dy * step, y - dx * step, x + dy * step, y + dx * step, color);
    }
    canvas.Line(tipX - 4 * dx, tipY - 4 * dy, 7 - 6 * dx, 7 - 6 * dy, color);
    canvas.Line(tipX - 4 * dx + dy, tipY - 4 * dy + dx, 7 - 6 * dx + dy, 7 - 6 * dy + dx, color);
}

void Magnifier(ZafImageCanvas &canvas, bool plus)
{
    canvas.Frame(1, 1, 10, 10, ZAF_COLOR_BLACK);
    canvas.Fill(2, 2, 9, 9, ZAF_COLOR_WHITE);
    canvas.Line(3, 5, 8, 5, ZAF_COLOR_BLACK);
    canvas.Line(3, 6, 8, 6, ZAF_COLOR_BLACK);
    if (plus) {
        canvas.Line(5, 3, 5, 8, ZAF_COLOR_BLACK);
        canvas.Line(6, 3, 6, 8, ZAF_COLOR_BLACK);
    }
    for (int i = 0; i < 4; ++i)
        canvas.Fill(10 + i, 10 + i, 11 + i, 11 + i, ZAF_COLOR_BROWN);
}

void Page(ZafImageCanvas &canvas)
{
    canvas.Fill(3, 1, 12, 14, ZAF_COLOR_WHITE);
    canvas.Frame(3, 1, 12, 14, ZAF_COLOR_BLACK);
    canvas.Line(9, 1, 12, 4, ZAF_COLOR_BLACK);
}

void Folder(ZafImageCanvas &canvas)
{
    canvas.Fill(1, 4, 6, 5, ZAF_COLOR_YELLOW);
    canvas.Fill(1, 5, 14, 13, ZAF_COLOR_YELLOW);
    canvas.Frame(1, 5, 14, 13, ZAF_COLOR_BLACK);
}

void Disk(ZafImageCanvas &canvas)
{
    canvas.Fill(1, 1, 14, 14, ZAF_COLOR_BLUE);
    canvas.Fill(4, 1, 11, 6, ZAF_COLOR_LIGHTGRAY);
    canvas.Fill(3, 9, 12, 14, ZAF_COLOR_WHITE);
    canvas.Frame(1, 1, 14, 14, ZAF_COLOR_BLACK);
}

// A lens with an aperture of the given radius.
void Iris(ZafImageCanvas &canvas, int open)
{
    canvas.Frame(1, 1, 14, 14, ZAF_COLOR_BLACK);
    canvas.Fill(2, 2, 13, 13, ZAF_COLOR_DARKGRAY);
    canvas.Fill(7 - open, 7 - open, 8 + open, 8 + open, ZAF_COLOR_WHITE);
}

void Turn(ZafImageCanvas &canvas, bool clockwise)
{
    canvas.Line(3, 12, 3, 5, ZAF_COLOR_BLUE);
    canvas.Line(3, 5, 5, 3, ZAF_COLOR_BLUE);
    canvas.Line(5, 3, 10, 3, ZAF_COLOR_BLUE);
    canvas.Line(10, 3, 12, 5, ZAF_COLOR_BLUE);
    canvas.Line(12, 5, 12, 12, ZAF_COLOR_BLUE);
    int tip = clockwise ? 12 : 3;
    canvas.Line(tip - 2, 10, tip, 12, ZAF_COLOR_BLUE);
    canvas.Line(tip + 2, 10, tip, 12, ZAF_COLOR_BLUE);
}

void Focus(ZafImageCanvas &canvas, bool near)
{
    int size = near ? 2 : 5;
    canvas.Fill(7 - size, 7 - size, 8 + size, 8 + size, ZAF_COLOR_GREEN);
    canvas.Frame(0, 0, 15, 15, ZAF_COLOR_BLACK);
}

// Crop marks: two corners; with the inner picture filled for the uncropped form.
void CropMarks(ZafImageCanvas &canvas, bool uncrop, bool automatic)
{
    canvas.Line(3, 0, 3, 12, ZAF_COLOR_BLACK);
    canvas.Line(0, 3, 12, 3, ZAF_COLOR_BLACK);
    canvas.Line(12, 3, 12, 15, ZAF_COLOR_BLACK);
    canvas.Line(3, 12, 15, 12, ZAF_COLOR_BLACK);
    if (uncrop)
        canvas.Fill(4, 4, 11, 11, ZAF_COLOR_LIGHTGRAY);
    if (automatic)
        canvas.Fill(6, 6, 9, 9, ZAF_COLOR_RED);
}

void IdMethod(ZafImageCanvas &canvas, int method)
{
    canvas.Frame(0, 2, 15, 13, ZAF_COLOR_BLACK);
    switch (method) {
    case 1:   // identification: a number plate
        canvas.Fill(3, 5, 12, 10, ZAF_COLOR_YELLOW);
        canvas.Line(7, 6, 7, 9, ZAF_COLOR_BLACK);
        break;
    case 2:   // lanes
        for (int x = 3; x <= 12; x += 3)
            canvas.Line(x, 4, x, 11, ZAF_COLOR_BLUE);
        break;
    case 3:   // licence
        canvas.Fill(3, 5, 12, 10, ZAF_COLOR_WHITE);
        canvas.Line(4, 7, 11, 7, ZAF_COLOR_BLACK);
        canvas.Line(4, 9, 9, 9, ZAF_COLOR_BLACK);
        break;
    default:  // none
        canvas.Line(2, 4, 13, 11, ZAF_COLOR_RED);
        break;
    }
}

void Window(ZafImageCanvas &canvas, bool maximize)
{
    if (maximize) {
        canvas.Frame(1, 1, 14, 14, ZAF_COLOR_BLACK);
        canvas.Fill(2, 2, 13, 3, ZAF_COLOR_DARKGRAY);
    } else {
        canvas.Frame(5, 1, 14, 10, ZAF_COLOR_BLACK);
        canvas.Fill(1, 5, 10, 14, ZAF_COLOR_WHITE);
        canvas.Frame(1, 5, 10, 14, ZAF_COLOR_BLACK);
        canvas.Fill(2, 6, 9, 7, ZAF_COLOR_DARKGRAY);
    }
}

void Enhance(ZafImageCanvas &canvas, bool on)
{
    for (int x = 1; x < 15; ++x)
        canvas.Line(x, 1, x, 14, ZafInt8(on ? (x < 8 ? ZAF_COLOR_BLACK : ZAF_COLOR_WHITE)
                                             : (x < 8 ? ZAF_COLOR_DARKGRAY : ZAF_COLOR_LIGHTGRAY)));
    canvas.Frame(0, 0, 15, 15, ZAF_COLOR_BLACK);
}

} // namespace

bool ZafDrawImagingBitmap(const std::wstring &name, ZafImageCanvas &canvas)
{
    const wchar_t *const idMethods[] = { L"IdMethodNone", L"IdMethodId", L"IdMethodLane", L"IdMethodLicense" };
    for (int method = 0; method < 4; ++method)
        if (name == idMethods[method]) {
            IdMethod(canvas, method);
            return true;
        }
    if (name == L"New")
        Page(canvas);
    else if (name == L"Open")
        Folder(canvas);
    else if (name == L"Save")
        Disk(canvas);
    else if (name == L"ZoomIn" || name == L"ZoomOut")
        Magnifier(canvas, name == L"ZoomIn");
    else if (name == L"Crop" || name == L"Uncrop" || name == L"AutoCrop")
        CropMarks(canvas, name == L"Uncrop", name == L"AutoCrop");
    else if (name == L"FindObject") {
        canvas.Fill(1, 1, 14, 14, ZAF_COLOR_BLACK);
        canvas.Fill(9, 4, 12, 11, ZAF_COLOR_WHITE);
        canvas.Line(2, 7, 7, 7, ZAF_COLOR_RED);
        canvas.Line(5, 5, 7, 7, ZAF_COLOR_RED);
        canvas.Line(5, 9, 7, 7, ZAF_COLOR_RED);
    } else if (name == L"Enhance" || name == L"Unenhance")
        Enhance(canvas, name == L"Enhance");
    else if (name == L"MaximizeImage" || name == L"RestoreImage")
        Window(canvas, name == L"MaximizeImage");
    else if (name == L"PositionUp")
        Arrow(canvas, 0, -1, ZAF_COLOR_BLUE);
    else if (name == L"PositionDown")
        Arrow(canvas, 0, 1, ZAF_COLOR_BLUE);
    else if (name == L"PositionLeft")
        Arrow(canvas, -1, 0, ZAF_COLOR_BLUE);
    else if (name == L"PositionRight")
        Arrow(canvas, 1, 0, ZAF_COLOR_BLUE);
    else if (name == L"PositionCW" || name == L"PositionCCW")
        Turn(canvas, name == L"PositionCW");
    else if (name == L"IrisClose" || name == L"IrisOpen")
        Iris(canvas, name == L"IrisOpen" ? 4 : 1);
    else if (name == L"FocusNear" || name == L"FocusFar")
        Focus(canvas, name == L"FocusNear");
    else
        return false;
    return true;
}
