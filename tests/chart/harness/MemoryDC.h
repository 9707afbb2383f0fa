#pragma once
// MemoryDC: a white 32-bit top-down device-independent bitmap selected into
// a memory device context, with the real screen display of the framework
// drawing on it between Begin and End, and its pixels read back as 0xRRGGBB.
// Needs the X display (the screen display measures the screen and fonts).

#include "framework/windows/ZafScreenDisplay.h"
#include "support/DibSurface.h"

#include <cstdint>
#include <memory>

class MemoryDC {
public:
    MemoryDC(int width, int height);
    ~MemoryDC();
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;

    ZafScreenDisplay *Display() { return display.get(); }
    // Starts and ends a framework drawing sequence on the memory DC.
    void Begin();
    void End();
    // The pixel as 0xRRGGBB; 0xFFFFFFFF outside the bitmap.
    uint32_t Pixel(int x, int y) const;

private:
    int width;
    int height;
    DibSurface surface;
    std::unique_ptr<ZafScreenDisplay> display;
    ZafDisplay *previousShared = nullptr;
};
