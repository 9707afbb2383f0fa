// The program's named bitmaps: simple 16 x 16 pictures drawn on a canvas.

#include "ZafImageCanvas.h"
#include "ZafImagingBitmaps.h"
#include "ZafWriteData.h"

#include "framework/core/data/ZafImageData.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"

#include <string>

namespace {

constexpr int size = ZAF_PROGRAM_BITMAP_SIZE;

// A small chart: axes on the left and bottom.
void Axes(ZafImageCanvas &canvas)
{
    canvas.Line(1, 1, 1, 14, ZAF_COLOR_BLACK);
    canvas.Line(1, 14, 14, 14, ZAF_COLOR_BLACK);
}

void Cross(ZafImageCanvas &canvas, ZafInt8 color)
{
    canvas.Line(3, 3, 13, 13, color);
    canvas.Line(13, 3, 3, 13, color);
}

void Wave(ZafImageCanvas &canvas, int base, ZafInt8 color)
{
    const int heights[] = { 0, -2, -4, -5, -4, -2, 0, 1, 2, 1, 0, -1 };
    for (int i = 0; i + 1 < 12; ++i)
        canvas.Line(2 + i, base + heights[i], 3 + i, base + heights[i + 1], color);
}

ZafInt8 LineColor(const std::wstring &name)
{
    if (name.find(L"Set") != std::wstring::npos)
        return ZAF_COLOR_BLUE;
    if (name.find(L"Gun") != std::wstring::npos)
        return ZAF_COLOR_RED;
    if (name.find(L"Legal") != std::wstring::npos)
        return ZAF_COLOR_GREEN;
    if (name.find(L"ReactionTime") != std::wstring::npos)
        return ZAF_COLOR_MAGENTA;
    return ZAF_COLOR_BROWN;
}

void Draw(const std::wstring &name, ZafImageCanvas &canvas)
{
    if (name == L"Print") {
        canvas.Fill(4, 1, 11, 6, ZAF_COLOR_WHITE);
        canvas.Frame(4, 1, 11, 6, ZAF_COLOR_BLACK);
        canvas.Fill(1, 6, 14, 11, ZAF_COLOR_LIGHTGRAY);
        canvas.Frame(1, 6, 14, 11, ZAF_COLOR_BLACK);
        canvas.Fill(4, 10, 11, 14, ZAF_COLOR_WHITE);
        canvas.Frame(4, 10, 11, 14, ZAF_COLOR_BLACK);
        canvas.Point(12, 8, ZAF_COLOR_GREEN);
    } else if (name == L"MaximizeChart") {
        canvas.Frame(1, 1, 14, 14, ZAF_COLOR_BLACK);
        canvas.Fill(2, 2, 13, 3, ZAF_COLOR_BLUE);
    } else if (name == L"RestoreChart") {
        canvas.Frame(5, 1, 14, 10, ZAF_COLOR_BLACK);
        canvas.Fill(6, 2, 13, 3, ZAF_COLOR_BLUE);
        canvas.Fill(1, 5, 10, 14, ZAF_COLOR_WHITE);
        canvas.Frame(1, 5, 10, 14, ZAF_COLOR_BLACK);
        canvas.Fill(2, 6, 9, 7, ZAF_COLOR_BLUE);
    } else if (name.compare(0, 4, L"Show") == 0 || name.compare(0, 4, L"Hide") == 0) {
        Axes(canvas);
        ZafInt8 color = LineColor(name);
        canvas.Line(3, 7, 14, 7, color);
        canvas.Line(3, 8, 14, 8, color);
        if (name.compare(0, 4, L"Hide") == 0)
            Cross(canvas, ZAF_COLOR_BLACK);
    } else if (name == L"AddReactionTimes") {
        Axes(canvas);
        canvas.Fill(7, 3, 9, 12, ZAF_COLOR_MAGENTA);
        canvas.Fill(3, 6, 13, 8, ZAF_COLOR_MAGENTA);
    } else if (name == L"DownloadData") {
        canvas.Fill(6, 1, 9, 8, ZAF_COLOR_BLUE);
        for (int row = 0; row < 5; ++row)
            canvas.Line(3 + row, 9 + row, 12 - row, 9 + row, ZAF_COLOR_BLUE);
        canvas.Line(1, 15, 14, 15, ZAF_COLOR_BLACK);
    } else if (name == L"DeleteTrace") {
        Wave(canvas, 9, ZAF_COLOR_BLUE);
        Cross(canvas, ZAF_COLOR_RED);
    } else if (name == L"OverlayModeOn") {
        Axes(canvas);
        Wave(canvas, 9, ZAF_COLOR_BLUE);
        Wave(canvas, 12, ZAF_COLOR_RED);
    } else if (name == L"OverlayModeOff") {
        Axes(canvas);
        Wave(canvas, 10, ZAF_COLOR_BLUE);
    } else if (name == L"OverlayClear") {
        Axes(canvas);
        Wave(canvas, 9, ZAF_COLOR_BLUE);
        Wave(canvas, 12, ZAF_COLOR_RED);
        Cross(canvas, ZAF_COLOR_BLACK);
    } else if (name == L"GetInfo") {
        canvas.Fill(3, 2, 12, 13, ZAF_COLOR_BLUE);
        canvas.Fill(7, 4, 8, 5, ZAF_COLOR_WHITE);
        canvas.Fill(7, 7, 8, 11, ZAF_COLOR_WHITE);
    } else if (name == L"ArmedOn" || name == L"ArmedOff") {
        canvas.Fill(4, 4, 11, 11, name == L"ArmedOn" ? ZAF_COLOR_RED : ZAF_COLOR_LIGHTGRAY);
        canvas.Frame(4, 4, 11, 11, ZAF_COLOR_DARKGRAY);
    } else if (name == L"CaptureModeOn" || name == L"CaptureModeOff") {
        canvas.Fill(2, 5, 13, 12, name == L"CaptureModeOn" ? ZAF_COLOR_GREEN : ZAF_COLOR_LIGHTGRAY);
        canvas.Frame(2, 5, 13, 12, ZAF_COLOR_DARKGRAY);
        canvas.Fill(5, 3, 9, 4, ZAF_COLOR_DARKGRAY);
    } else if (name == L"AlignOn" || name == L"AlignOff") {
        bool on = name == L"AlignOn";
        canvas.Fill(2, on ? 4 : 2, 4, on ? 13 : 11, ZAF_COLOR_DARKGRAY);
        canvas.Fill(7, 4, 9, 13, ZAF_COLOR_DARKGRAY);
        canvas.Fill(12, on ? 4 : 6, 14, on ? 13 : 15, ZAF_COLOR_DARKGRAY);
        if (on)
            canvas.Line(0, 3, 15, 3, ZAF_COLOR_RED);
    } else if (!ZafDrawImagingBitmap(name, canvas))
        canvas.Frame(0, 0, size - 1, size - 1, ZAF_COLOR_BLACK);
}

} // namespace

ZafError ZafWriteProgramData(const wchar_t *fileName)
{
    ZafStorage storage(fileName, ZAF_FILE_CREATE);
    if (storage.Error())
        return storage.Error();
    ZafObjectPersistence persistence(&storage);
    for (const wchar_t *name : ZAF_PROGRAM_BITMAPS) {
        ZafImageCanvas canvas(size, size);
        Draw(name, canvas);
        ZafBitmapData bitmap(ZafBitmapStruct(size, size, canvas.Pixels(), true));
        bitmap.SetStringID(name);
        if (ZafError error = bitmap.Write(persistence))
            return error;
    }
    int result = storage.Save();
    return result == 0 ? 0 : storage.Error() ? storage.Error() : result;
}
