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

// What the three share: the description (Struct) they own under the rules
// above, and its storage form, written under Derived's class name and id.
template <class Derived, class Struct>
class ZafImageDataOf : public ZafData
{
public:
    explicit ZafImageDataOf(const Struct &description);
    ZafImageDataOf(const ZafImageDataOf &copy);
    // Storage form (docs/zaf-data-files.md): read by name from the
    // persistence's data file; the pixel array is owned. A failure goes to
    // Error() and leaves an empty image.
    ZafImageDataOf(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);
    ~ZafImageDataOf() override;

    ZafInt32 Width() const { return image.width; }
    ZafInt32 Height() const { return image.height; }

protected:
    Struct image;
};

class ZafBitmapData : public ZafImageDataOf<ZafBitmapData, ZafBitmapStruct>
{
public:
    using ZafImageDataOf::ZafImageDataOf;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafData, ZAF_ID_BITMAP_DATA, L"ZafBitmapData")

    // The description; the display stores the OS handles it makes here.
    ZafBitmapStruct &Bitmap() { return image; }
    const ZafBitmapStruct &Bitmap() const { return image; }
};

class ZafIconData : public ZafImageDataOf<ZafIconData, ZafIconStruct>
{
public:
    using ZafImageDataOf::ZafImageDataOf;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafData, ZAF_ID_ICON_DATA, L"ZafIconData")

    ZafIconStruct &Icon() { return image; }
    const ZafIconStruct &Icon() const { return image; }
};

// A pointer image; its number id selects the pointer (ZAF_POINTER_ARROW ...
// ZAF_POINTER_LAST).
class ZafMouseData : public ZafImageDataOf<ZafMouseData, ZafMouseStruct>
{
public:
    explicit ZafMouseData(const ZafMouseStruct &description, ZafNumberID id = 0);
    ZafMouseData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafImageDataOf(name, persistence) { }

    ZAF_CLASS_IDENTITY_MEMBERS(ZafData, ZAF_ID_MOUSE_DATA, L"ZafMouseData")

    ZafMouseStruct &Mouse() { return image; }
    const ZafMouseStruct &Mouse() const { return image; }
};
