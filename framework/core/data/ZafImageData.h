#pragma once
// Image data objects: ZafBitmapData, ZafIconData and ZafMouseData each hold
// one image description as an observable data object. Made from a
// description, a static pixel array is used in place; any other array is
// copied, so the object always owns what it frees. A copy shares a static
// array and copies any other; it shares OS handles only when they are
// static and otherwise starts without them (the display makes them again
// when it draws), so no handle is ever deleted twice. GUI thread only.

#include "framework/core/data/ZafData.h"
#include "framework/core/data/ZafImageStruct.h"

class ZafObjectPersistence;

class ZafBitmapData : public ZafData
{
public:
    explicit ZafBitmapData(const ZafBitmapStruct &description);
    ZafBitmapData(const ZafBitmapData &copy);
    // Storage form (docs/zaf-data-files.md): read by name from the
    // persistence's data file; the pixel array is owned. A failure goes to
    // Error() and leaves an empty image.
    ZafBitmapData(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);
    ~ZafBitmapData() override;

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_BITMAP_DATA, L"ZafBitmapData")

    ZafInt32 Width() const { return bitmap.width; }
    ZafInt32 Height() const { return bitmap.height; }
    // The description; the display stores the OS handles it makes here.
    ZafBitmapStruct &Bitmap() { return bitmap; }
    const ZafBitmapStruct &Bitmap() const { return bitmap; }

private:
    // Windows half: deletes the handles unless they are static.
    void DestroyOSHandles();

    ZafBitmapStruct bitmap;
};

class ZafIconData : public ZafData
{
public:
    explicit ZafIconData(const ZafIconStruct &description);
    ZafIconData(const ZafIconData &copy);
    // Storage form (docs/zaf-data-files.md): read by name from the
    // persistence's data file; the pixel array is owned. A failure goes to
    // Error() and leaves an empty image.
    ZafIconData(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);
    ~ZafIconData() override;

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_ICON_DATA, L"ZafIconData")

    ZafInt32 Width() const { return icon.width; }
    ZafInt32 Height() const { return icon.height; }
    ZafIconStruct &Icon() { return icon; }
    const ZafIconStruct &Icon() const { return icon; }

private:
    void DestroyOSHandles();

    ZafIconStruct icon;
};

// A pointer image; its number id selects the pointer (ZAF_POINTER_ARROW ...
// ZAF_POINTER_LAST).
class ZafMouseData : public ZafData
{
public:
    explicit ZafMouseData(const ZafMouseStruct &description, ZafNumberID id = 0);
    ZafMouseData(const ZafMouseData &copy);
    // Storage form (docs/zaf-data-files.md): read by name from the
    // persistence's data file; the pixel array is owned. A failure goes to
    // Error() and leaves an empty image.
    ZafMouseData(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);
    ~ZafMouseData() override;

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_MOUSE_DATA, L"ZafMouseData")

    ZafMouseStruct &Mouse() { return mouse; }
    const ZafMouseStruct &Mouse() const { return mouse; }

private:
    void DestroyOSHandles();

    ZafMouseStruct mouse;
};
