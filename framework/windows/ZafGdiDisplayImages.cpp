// ZafGdiDisplay: bitmaps, icons and pointer images.
#include "framework/windows/ZafGdiDisplay.h"

int ZafGdiDisplay::Bitmap(int, int, ZafBitmapStruct &) { return 0; }
int ZafGdiDisplay::ConvertToOSBitmap(ZafBitmapStruct &) { return 0; }
int ZafGdiDisplay::ConvertToZafBitmap(ZafBitmapStruct &) { return ZAF_DISPLAY_NO_OS_IMAGE; }
int ZafGdiDisplay::DestroyOSBitmap(ZafBitmapStruct &) { return 0; }
int ZafGdiDisplay::DestroyZafBitmap(ZafBitmapStruct &) { return 0; }
int ZafGdiDisplay::Icon(int, int, ZafIconStruct &) { return 0; }
int ZafGdiDisplay::ConvertToOSIcon(ZafIconStruct &) { return 0; }
int ZafGdiDisplay::ConvertToZafIcon(ZafIconStruct &) { return ZAF_DISPLAY_NO_OS_IMAGE; }
int ZafGdiDisplay::DestroyOSIcon(ZafIconStruct &) { return 0; }
int ZafGdiDisplay::DestroyZafIcon(ZafIconStruct &) { return 0; }
int ZafGdiDisplay::Mouse(int, int, ZafMouseStruct &) { return 0; }
int ZafGdiDisplay::ConvertToOSMouse(ZafMouseStruct &) { return 0; }
int ZafGdiDisplay::ConvertToZafMouse(ZafMouseStruct &) { return 0; }
int ZafGdiDisplay::DestroyOSMouse(ZafMouseStruct &) { return 0; }
int ZafGdiDisplay::DestroyZafMouse(ZafMouseStruct &) { return 0; }
