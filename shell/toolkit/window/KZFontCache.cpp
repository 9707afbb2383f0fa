#include "shell/toolkit/window/KZFontCache.h"

#include <windows.h>

#include <cstring>

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"

namespace {

constexpr int kFontCount = 10;

struct FontEntry
{
    char *faceName;
    TEXTMETRICA metrics;
};

FontEntry gFonts[kFontCount];

bool ValidFont(int n) { return n >= 0 && n < kFontCount; }

void ReadFont(HDC dc, HFONT font, FontEntry &entry)
{
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextMetricsA(dc, &entry.metrics);
    const int length = GetTextFaceA(dc, 0, nullptr);
    if (length > 0) {
        entry.faceName = new char[length + 1];
        const int copied = GetTextFaceA(dc, length + 1, entry.faceName);
        entry.faceName[copied > 0 ? (copied < length ? copied : length) : 0] = 0;
        if (!*entry.faceName) {
            delete[] entry.faceName;
            entry.faceName = nullptr;
        }
    }
    SelectObject(dc, previous);
}

} // namespace

void KZInitFontCache()
{
    KZFreeFontCache();
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display)
        return;
    display->BeginDraw(nullptr, reinterpret_cast<HWND>(-1));
    if (HDC dc = display->DeviceContext())
        for (int n = 0; n < kFontCount; ++n)
            if (HFONT font = display->FontAt(n))
                ReadFont(dc, font, gFonts[n]);
    display->EndDraw();
}

void KZFreeFontCache()
{
    for (FontEntry &entry : gFonts) {
        delete[] entry.faceName;
        entry.faceName = nullptr;
        std::memset(&entry.metrics, 0, sizeof entry.metrics);
    }
}

const char *KZFontFaceName(int n)
{
    return ValidFont(n) ? gFonts[n].faceName : nullptr;
}

int KZFontHeight(int n)
{
    return ValidFont(n) ? int(gFonts[n].metrics.tmHeight) : 0;
}
