#pragma once
// KZBitmap: a bitmap read by name from the program's own data file. It is
// marked not destroyable, so that the buttons that show it never delete it;
// the code that made it keeps and deletes it. A name the file does not hold
// (or no open data file) gives an empty image. GUI thread only.

#include "framework/core/data/ZafImageData.h"

class KZBitmap : public ZafBitmapData
{
public:
    explicit KZBitmap(const wchar_t *name);
};
