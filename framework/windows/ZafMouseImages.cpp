// The framework's table of pointer images: the system cursors for the
// arrow, I-beam, busy, sizing and cross pointers, and the framework's own
// pictures (drag, copy, no-drop) turned into OS cursors by the display. The
// pictures are drawn here at start-up: 0 black, -1 transparent, 1 white.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/core/display/ZafDisplay.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/events/ZafMouse.h"
#include "framework/core/base/ZafStaticData.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"

namespace {

enum class Picture { Arrow, IBeam, Busy, Move, SizeWE, SizeNS, Diagonal1, Diagonal2, Cross,
                     NoDrop, DragMove, DragCopy, DragMultiMove, DragMultiCopy, Link, Hand };

struct PointerRow
{
    ZafEventType id;
    const wchar_t *systemCursor;   // null: the framework's own picture
    int width, height, hotX, hotY;
    Picture picture;
};

const PointerRow pointerRows[] = {
    { -3200, IDC_ARROW, 10, 16, 0, 0, Picture::Arrow },
    { -3221, IDC_ARROW, 10, 16, 0, 0, Picture::Arrow },
    { -3201, IDC_IBEAM, 5, 15, 2, 6, Picture::IBeam },
    { -3202, IDC_WAIT, 15, 27, 7, 13, Picture::Busy },
    { -3204, IDC_SIZEALL, 19, 19, 9, 9, Picture::Move },
    { -3205, IDC_SIZEWE, 16, 12, 7, 5, Picture::SizeWE },
    { -3206, IDC_SIZEWE, 16, 12, 7, 5, Picture::SizeWE },
    { -3207, IDC_SIZENS, 12, 16, 5, 7, Picture::SizeNS },
    { -3208, IDC_SIZENS, 12, 16, 5, 7, Picture::SizeNS },
    { -3209, IDC_SIZENWSE, 12, 12, 5, 5, Picture::Diagonal1 },
    { -3210, IDC_SIZENESW, 12, 12, 5, 5, Picture::Diagonal2 },
    { -3211, IDC_SIZENESW, 12, 12, 5, 5, Picture::Diagonal1 },
    { -3212, IDC_SIZENWSE, 12, 12, 5, 5, Picture::Diagonal2 },
    { -3203, IDC_CROSS, 11, 11, 5, 5, Picture::Cross },
    { -3213, nullptr, 20, 20, 7, 7, Picture::NoDrop },
    { -3215, nullptr, 15, 26, 7, 7, Picture::DragMove },
    { -3216, nullptr, 15, 26, 7, 7, Picture::DragCopy },
    { -3218, nullptr, 19, 26, 7, 7, Picture::DragMultiMove },
    { -3219, nullptr, 19, 26, 7, 7, Picture::DragMultiCopy },
    { -3222, nullptr, 16, 17, 7, 9, Picture::Link },
    { -3223, nullptr, 17, 18, 9, 9, Picture::Hand },
};
constexpr int rowCount = int(sizeof(pointerRows) / sizeof(pointerRows[0]));

constexpr ZafInt8 BLACK = 0, WHITE = 1, CLEAR = -1;

class Canvas
{
public:
    Canvas(int width, int height) : width(width), height(height), pixels(size_t(width * height), CLEAR) { }
    void Set(int x, int y, ZafInt8 value)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[size_t(y * width + x)] = value;
    }
    void Line(int x1, int y1, int x2, int y2, ZafInt8 value)
    {
        int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i <= steps; ++i)
            Set(x1 + (steps ? (x2 - x1) * i / steps : 0), y1 + (steps ? (y2 - y1) * i / steps : 0), value);
    }
    void Box(int left, int top, int right, int bottom)
    {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                Set(x, y, (x == left || x == right || y == top || y == bottom) ? BLACK : WHITE);
    }
    // An arrow with its tip at (x, y), filled white and outlined black.
    void Arrow(int x, int y, int size)
    {
        for (int row = 0; row < size; ++row)
            for (int column = 0; column <= row / 2 + 1 && column < size; ++column)
                Set(x + column, y + row, (column == 0 || column == row / 2 + 1 || row == size - 1) ? BLACK : WHITE);
    }
    ZafInt8 *Release()
    {
        ZafInt8 *array = new ZafInt8[pixels.size()];
        std::copy(pixels.begin(), pixels.end(), array);
        return array;
    }
    const int width, height;

private:
    std::vector<ZafInt8> pixels;
};

ZafInt8 *Draw(const PointerRow &row)
{
    Canvas c(row.width, row.height);
    const int w = row.width - 1, h = row.height - 1;
    switch (row.picture)
    {
    case Picture::Arrow: c.Arrow(0, 0, row.height); break;
    case Picture::IBeam: c.Line(2, 0, 2, h, BLACK); c.Line(0, 0, w, 0, BLACK); c.Line(0, h, w, h, BLACK); break;
    case Picture::Busy:
        c.Box(0, 0, w, h);
        c.Line(1, 1, w - 1, h - 1, BLACK);
        c.Line(w - 1, 1, 1, h - 1, BLACK);
        break;
    case Picture::Move: c.Line(row.hotX, 0, row.hotX, h, BLACK); c.Line(0, row.hotY, w, row.hotY, BLACK); break;
    case Picture::SizeWE: c.Line(0, row.hotY, w, row.hotY, BLACK); c.Line(0, row.hotY, 3, row.hotY - 3, BLACK);
        c.Line(w, row.hotY, w - 3, row.hotY + 3, BLACK); break;
    case Picture::SizeNS: c.Line(row.hotX, 0, row.hotX, h, BLACK); c.Line(row.hotX, 0, row.hotX - 3, 3, BLACK);
        c.Line(row.hotX, h, row.hotX + 3, h - 3, BLACK); break;
    case Picture::Diagonal1: c.Line(0, 0, w, h, BLACK); break;
    case Picture::Diagonal2: c.Line(w, 0, 0, h, BLACK); break;
    case Picture::Cross: c.Line(row.hotX, 0, row.hotX, h, BLACK); c.Line(0, row.hotY, w, row.hotY, BLACK); break;
    case Picture::NoDrop:
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x)
            {
                int dx = 2 * x - w, dy = 2 * y - h, d = dx * dx + dy * dy;
                if (d <= (w + 1) * (w + 1) && d >= (w - 5) * (w - 5))
                    c.Set(x, y, BLACK);
            }
        c.Line(3, 3, w - 3, h - 3, BLACK);
        break;
    case Picture::DragMove:
    case Picture::DragCopy:
        c.Arrow(0, 0, 14);
        c.Box(3, 15, w, h);
        if (row.picture == Picture::DragCopy)
        {
            c.Line(9, 17, 9, h - 2, BLACK);
            c.Line(6, 20, w - 2, 20, BLACK);
        }
        break;
    case Picture::DragMultiMove:
    case Picture::DragMultiCopy:
        c.Arrow(0, 0, 14);
        c.Box(7, 15, w, h - 3);
        c.Box(3, 18, w - 4, h);
        if (row.picture == Picture::DragMultiCopy)
            c.Line(6, 22, w - 7, 22, BLACK);
        break;
    case Picture::Link: c.Arrow(0, 0, 12); c.Box(6, 10, w, h); break;
    case Picture::Hand: c.Box(4, 4, w - 2, h); c.Line(row.hotX, 0, row.hotX, 8, BLACK); break;
    }
    return c.Release();
}

ZafMouseData **pointerTable = nullptr;   // rowCount entries, then null

void ReleasePointerTable(bool release)
{
    if (!release || !pointerTable)
        return;
    for (int i = 0; pointerTable[i]; ++i)
        delete pointerTable[i];
    delete[] pointerTable;
    pointerTable = nullptr;
}

void BuildPointerTable()
{
    ZafRegisterStaticData(&ReleasePointerTable);
    pointerTable = new ZafMouseData *[rowCount + 1];
    ZafGdiDisplay *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    for (int i = 0; i < rowCount; ++i)
    {
        const PointerRow &row = pointerRows[i];
        ZafInt8 *pixels = Draw(row);
        ZafMouseStruct mouse(row.width, row.height, pixels, row.hotX, row.hotY, false);
        ZafMouseData *data = new ZafMouseData(mouse, ZafNumberID(row.id));
        delete[] pixels;   // the data object keeps its own copy of a non-static array
        ZafMouseStruct &image = data->Mouse();
        image.hotSpotX = row.hotX;
        image.hotSpotY = row.hotY;
        if (row.systemCursor)
        {
            image.osCursor = ZafLoadCursor(nullptr, row.systemCursor);
            image.staticHandle = 1;
        }
        else if (display)
            display->ConvertToOSMouse(image);
        pointerTable[i] = data;
    }
    pointerTable[rowCount] = nullptr;
}

} // namespace

ZafMouseData *ZafMouse::PointerImage(ZafEventType id)
{
    if (!pointerTable)
        BuildPointerTable();
    for (int i = 0; pointerTable[i]; ++i)
        if (pointerTable[i]->NumberID() == id)
            return pointerTable[i];
    return nullptr;
}
