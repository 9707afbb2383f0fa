// ZafGdiDisplay: bitmaps, icons and pointer images, drawn and converted to
// and from the operating system's objects.
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafDibHeader.h"
#include "framework/windows/ZafImagePacking.h"
#include "framework/windows/ZafMSWindowsApp.h"

#include <cstdlib>
#include <vector>

namespace {

// A device context to make bitmaps with: the display's, or the screen's
// with the display's palette realised; released at the end of the scope.
class ImageContext
{
public:
    ImageContext(HDC displayContext, HPALETTE palette) : context(displayContext)
    {
        if (context)
            return;
        context = screen = GetDC(nullptr);
        if (palette)
        {
            oldPalette = SelectPalette(context, palette, FALSE);
            RealizePalette(context);
        }
    }
    ~ImageContext()
    {
        if (!screen)
            return;
        if (oldPalette)
            SelectPalette(screen, oldPalette, FALSE);
        ReleaseDC(nullptr, screen);
    }
    ImageContext(const ImageContext &) = delete;
    ImageContext &operator=(const ImageContext &) = delete;
    HDC Get() const { return context; }

private:
    HDC context;
    HDC screen = nullptr;
    HPALETTE oldPalette = nullptr;
};

// A memory device context with one bitmap selected, restored at the end.
class MemoryContext
{
public:
    MemoryContext(HDC like, HGDIOBJ bitmap) : context(CreateCompatibleDC(like))
    {
        old = SelectObject(context, bitmap);
    }
    ~MemoryContext()
    {
        SelectObject(context, old);
        DeleteDC(context);
    }
    MemoryContext(const MemoryContext &) = delete;
    MemoryContext &operator=(const MemoryContext &) = delete;
    HDC Get() const { return context; }
    void Select(HGDIOBJ bitmap) { SelectObject(context, bitmap); }

private:
    HDC context;
    HGDIOBJ old;
};

struct BitmapInfo256
{
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

// Frees the image's pixel array unless it is static.
void FreeArray(ZafImageStruct &image)
{
    if (image.array && !image.staticArray)
    {
        delete[] image.array;
        image.array = nullptr;
    }
}

void ReplaceArray(ZafImageStruct &image, int width, int height, ZafInt8 *array)
{
    FreeArray(image);
    image.width = width;
    image.height = height;
    image.array = array;
    image.staticArray = 0;
}

// The OS image of an image, made from its pixel array by convert when there
// is none yet; null when there is neither.
template <class OSImage, class Convert>
OSImage MadeOSImage(const ZafImageStruct &image, const OSImage &osImage, Convert convert)
{
    if (image.array && !osImage)
        convert();
    return osImage;
}

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) + std::abs(int(GetGValue(a)) - int(GetGValue(b)))
        + std::abs(int(GetBValue(a)) - int(GetBValue(b)));
}

} // namespace

// ---- Bitmaps ----------------------------------------------------------------

int ZafGdiDisplay::ConvertToOSBitmap(ZafBitmapStruct &bitmap)
{
    if (!bitmap.array || bitmap.PixelCount() == 0)
        return ZAF_DISPLAY_OK;
    if (bitmap.osBitmap || bitmap.osMask)
        DestroyOSBitmap(bitmap);
    ZafPackedBitmap packed = ZafPackBitmap(bitmap);
    BitmapInfo256 info = {};
    info.header = ZafDibHeader(bitmap.width, bitmap.height, 8);
    info.header.biClrUsed = info.header.biClrImportant = DWORD(packed.colors);
    UINT usage = DIB_RGB_COLORS;
    if (paletteDevice)
    {
        usage = DIB_PAL_COLORS;
        WORD *indices = reinterpret_cast<WORD *>(info.colors);
        for (int i = 0; i < packed.colors; ++i)
            indices[i] = ValidColorIndex(i) ? WORD(ColorValue(i) & 0xFFFF) : 0;
    }
    else
        for (int i = 0; i < packed.colors; ++i)
        {
            COLORREF color = ValidColorIndex(i) ? EntryRGB(i) : 0;
            info.colors[i] = { GetBValue(color), GetGValue(color), GetRValue(color), 0 };
        }
    ImageContext context(deviceContext, static_cast<HPALETTE>(osPalette));
    bitmap.osBitmap = CreateDIBitmap(context.Get(), &info.header, CBM_INIT, packed.image.data(),
        reinterpret_cast<BITMAPINFO *>(&info), usage);
    if (packed.transparent)
        bitmap.osMask = CreateBitmap(bitmap.width, bitmap.height, 1, 1, packed.mask.data());
    bitmap.staticHandle = 0;
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::ConvertToZafBitmap(ZafBitmapStruct &bitmap)
{
    if (!bitmap.osBitmap)
        return ZAF_DISPLAY_NO_OS_IMAGE;
    BITMAP description = {};
    GetObjectW(static_cast<HBITMAP>(bitmap.osBitmap), sizeof(description), &description);
    int width = description.bmWidth, height = description.bmHeight;
    if (width <= 0 || height <= 0)
        return ZAF_DISPLAY_NO_OS_IMAGE;
    ZafInt8 *pixels = new ZafInt8[size_t(width) * size_t(height)];
    HDC screen = GetDC(nullptr);

    // Image: palette devices give OS palette slots, mapped back to the colour
    // table; others give RGB values, mapped to the entry that matches best.
    BitmapInfo256 info = {};
    info.header = ZafDibHeader(width, -height, paletteDevice ? 8 : 32);
    if (paletteDevice)
    {
        int rowBytes = (width + 3) & ~3;
        std::vector<uint8_t> rows(size_t(rowBytes) * size_t(height));
        HGDIOBJ old = osPalette ? SelectPalette(screen, static_cast<HPALETTE>(osPalette), FALSE) : nullptr;
        GetDIBits(screen, static_cast<HBITMAP>(bitmap.osBitmap), 0, UINT(height), rows.data(),
            reinterpret_cast<BITMAPINFO *>(&info), DIB_PAL_COLORS);
        if (old)
            SelectPalette(screen, static_cast<HPALETTE>(old), FALSE);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
            {
                int color = PaletteSlotColor(rows[size_t(y) * size_t(rowBytes) + size_t(x)]);
                pixels[y * width + x] = ZafInt8(color < 0 ? 0 : color);
            }
    }
    else
    {
        std::vector<uint32_t> rows(size_t(width) * size_t(height));
        GetDIBits(screen, static_cast<HBITMAP>(bitmap.osBitmap), 0, UINT(height), rows.data(),
            reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            COLORREF color = RGB((rows[i] >> 16) & 0xFF, (rows[i] >> 8) & 0xFF, rows[i] & 0xFF);
            int best = 0, bestDistance = 1 << 30;
            for (int entry = 0; entry < COLOR_TABLE_SIZE && bestDistance; ++entry)
            {
                if (ColorValue(entry) == UNUSED_COLOR)
                    continue;
                int distance = Distance(color, EntryRGB(entry));
                if (distance < bestDistance)
                {
                    best = entry;
                    bestDistance = distance;
                }
            }
            pixels[i] = ZafInt8(best);
        }
    }

    // Mask: set bits are transparent; read top-down like the image.
    if (bitmap.osMask)
    {
        struct { BITMAPINFOHEADER header; RGBQUAD colors[2]; } maskInfo = {};
        maskInfo.header = ZafDibHeader(width, -height, 1);
        int rowBytes = ((width + 31) / 32) * 4;
        std::vector<uint8_t> rows(size_t(rowBytes) * size_t(height));
        GetDIBits(screen, static_cast<HBITMAP>(bitmap.osMask), 0, UINT(height), rows.data(),
            reinterpret_cast<BITMAPINFO *>(&maskInfo), DIB_RGB_COLORS);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
            {
                bool bit = (rows[size_t(y) * size_t(rowBytes) + size_t(x / 8)] & (0x80 >> (x % 8))) != 0;
                if (bit)
                    pixels[y * width + x] = -1;
            }
    }
    ReleaseDC(nullptr, screen);
    ReplaceArray(bitmap, width, height, pixels);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::DestroyOSBitmap(ZafBitmapStruct &bitmap)
{
    ZafDestroyOSHandles(bitmap);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::DestroyZafBitmap(ZafBitmapStruct &bitmap)
{
    FreeArray(bitmap);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::Bitmap(int x, int y, ZafBitmapStruct &bitmap)
{
    if (!deviceContext || !MadeOSImage(bitmap, bitmap.osBitmap, [&] { ConvertToOSBitmap(bitmap); }))
        return ZAF_DISPLAY_OK;
    x = MapX(x);
    y = MapY(y);
    int width = bitmap.width, height = bitmap.height;
    int scaledWidth = ScaleX(width), scaledHeight = ScaleY(height);
    DWORD operation = modeTable[mode].rasterOperation;
    MemoryContext image(deviceContext, bitmap.osBitmap);
    if (mode == 0 && bitmap.osMask)
    {
        HBITMAP work = CreateCompatibleBitmap(deviceContext, width, height);
        {
            MemoryContext combined(deviceContext, work);
            StretchBlt(combined.Get(), 0, 0, width, height, deviceContext, x, y, scaledWidth, scaledHeight, SRCCOPY);
            ::SetTextColor(combined.Get(), RGB(0, 0, 0));
            SetBkColor(combined.Get(), RGB(255, 255, 255));
            MemoryContext mask(deviceContext, bitmap.osMask);
            BitBlt(combined.Get(), 0, 0, width, height, mask.Get(), 0, 0, SRCAND);
            BitBlt(combined.Get(), 0, 0, width, height, image.Get(), 0, 0, SRCINVERT);
            if (FullScale())
                BitBlt(deviceContext, x, y, width, height, combined.Get(), 0, 0, SRCCOPY);
            else
                StretchBlt(deviceContext, x, y, scaledWidth, scaledHeight, combined.Get(), 0, 0, width, height, operation);
        }
        DeleteObject(work);
        return ZAF_DISPLAY_OK;
    }
    if (FullScale())
        BitBlt(deviceContext, x, y, width, height, image.Get(), 0, 0, operation);
    else
        StretchBlt(deviceContext, x, y, scaledWidth, scaledHeight, image.Get(), 0, 0, width, height, operation);
    return ZAF_DISPLAY_OK;
}

// ---- Icons ------------------------------------------------------------------

int ZafGdiDisplay::ConvertToOSIcon(ZafIconStruct &icon)
{
    if (!icon.array || icon.PixelCount() == 0)
        return ZAF_DISPLAY_OK;
    if (icon.osIcon)
        DestroyOSIcon(icon);
    ZafBitmapStruct work(icon.width, icon.height, icon.array, true);
    ConvertToOSBitmap(work);
    if (!work.osMask)
    {
        // An icon always has a mask: all zero when nothing is transparent.
        std::vector<uint8_t> zero(size_t((((icon.width + 7) / 8) + 1) & ~1) * size_t(icon.height), 0);
        work.osMask = CreateBitmap(icon.width, icon.height, 1, 1, zero.data());
    }
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = static_cast<HBITMAP>(work.osBitmap);
    info.hbmMask = static_cast<HBITMAP>(work.osMask);
    icon.osIcon = CreateIconIndirect(&info);
    icon.staticHandle = 0;
    DestroyOSBitmap(work);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::ConvertToZafIcon(ZafIconStruct &icon)
{
    if (!icon.osIcon)
        return ZAF_DISPLAY_NO_OS_IMAGE;
    ICONINFO info = {};
    if (!GetIconInfo(static_cast<HICON>(icon.osIcon), &info) || !info.hbmColor)
    {
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        return ZAF_DISPLAY_NO_OS_IMAGE;
    }
    ZafBitmapStruct work;
    work.osBitmap = info.hbmColor;
    work.osMask = info.hbmMask;
    int result = ConvertToZafBitmap(work);
    DestroyOSBitmap(work);
    if (result == ZAF_DISPLAY_OK)
    {
        ReplaceArray(icon, work.width, work.height, work.array);
        work.array = nullptr;
    }
    return result;
}

int ZafGdiDisplay::DestroyOSIcon(ZafIconStruct &icon)
{
    ZafDestroyOSHandles(icon);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::DestroyZafIcon(ZafIconStruct &icon)
{
    FreeArray(icon);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::Icon(int x, int y, ZafIconStruct &icon)
{
    if (!deviceContext || !MadeOSImage(icon, icon.osIcon, [&] { ConvertToOSIcon(icon); }))
        return ZAF_DISPLAY_OK;
    x = MapX(x);
    y = MapY(y);
    if (mode == 0)
    {
        DrawIcon(deviceContext, x, y, static_cast<HICON>(icon.osIcon));
        return ZAF_DISPLAY_OK;
    }
    HBITMAP work = CreateCompatibleBitmap(deviceContext, icon.width, icon.height);
    {
        MemoryContext memory(deviceContext, work);
        PatBlt(memory.Get(), 0, 0, icon.width, icon.height, BLACKNESS);
        DrawIcon(memory.Get(), 0, 0, static_cast<HICON>(icon.osIcon));
        BitBlt(deviceContext, x, y, icon.width, icon.height, memory.Get(), 0, 0, SRCINVERT);
    }
    DeleteObject(work);
    return ZAF_DISPLAY_OK;
}

// ---- Pointer images -----------------------------------------------------------

int ZafGdiDisplay::Mouse(int, int, ZafMouseStruct &)
{
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::ConvertToOSMouse(ZafMouseStruct &mouse)
{
    if (!mouse.array || mouse.PixelCount() == 0)
        return ZAF_DISPLAY_OK;
    if (mouse.osCursor)
        DestroyOSMouse(mouse);
    int width = GetSystemMetrics(SM_CXCURSOR), height = GetSystemMetrics(SM_CYCURSOR);
    if (width <= 0 || height <= 0)
        width = height = 32;
    ZafPackedCursor packed = ZafPackCursor(mouse, width, height);
    HINSTANCE instance = ZafMSWindowsApp::Instance() ? ZafMSWindowsApp::Instance() : GetModuleHandleW(nullptr);
    mouse.osCursor = CreateCursor(instance, packed.hotSpotX, packed.hotSpotY, packed.width, packed.height,
        packed.andPlane.data(), packed.xorPlane.data());
    mouse.staticHandle = 0;
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::ConvertToZafMouse(ZafMouseStruct &)
{
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::DestroyOSMouse(ZafMouseStruct &mouse)
{
    ZafDestroyOSHandles(mouse);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::DestroyZafMouse(ZafMouseStruct &)
{
    return ZAF_DISPLAY_OK;
}
