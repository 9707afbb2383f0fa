#pragma once
// Bitmaps of the display back end: placeholders in this program. Nothing is
// loaded, sizes are 0 and drawing does nothing (and answers true); the chart
// engine still makes and deletes its wall bitmap through them.

#include "chart/backend/bf_Color.h"
#include "chart/values/cf_2DRect.h"
#include "chart/values/cf_String.h"

class bf_Display;

class bf_2DBitmap {
public:
    bf_2DBitmap(const wchar_t *bitmapName, bf_Display *) : name(bitmapName) {}
    const cf_String &Name() const { return name; }
    cf_2DRect Size() const { return cf_2DRect(0, 0, 0, 0); }
    int Width() const { return 0; }
    int Height() const { return 0; }

private:
    cf_String name;
};

class bf_2DBitmapDisplay {
public:
    bf_2DBitmapDisplay() = default;
    bf_Color Foreground() const { return bf_Color(0); }
    int Depth() const { return 0; }
    bool DrawBitmap(const cf_2DPoint &, const bf_2DBitmap *) { return true; }
};
