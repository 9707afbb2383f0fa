#pragma once
// The header of an uncompressed device-independent bitmap of width x height
// pixels with bitCount bits each; a negative height stores the top row first.

#include <windows.h>

inline BITMAPINFOHEADER ZafDibHeader(int width, int height, int bitCount)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = WORD(bitCount);
    header.biCompression = BI_RGB;
    return header;
}
