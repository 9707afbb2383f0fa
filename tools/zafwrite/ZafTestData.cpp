// The storage the framework tests read back (see ZafWriteData.h).

#include "ZafWriteData.h"

#include "framework/core/data/ZafImageData.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindow.h"

ZafError ZafWriteTestData(const wchar_t *fileName)
{
    ZafStorage storage(fileName, ZAF_FILE_CREATE);
    if (storage.Error())
        return storage.Error();
    ZafObjectPersistence persistence(&storage);

    ZafWindow window(2, 1, 40, 10);
    window.SetStringID(L"sample");
    window.SetHelpTopic(L"Sample window");
    auto *first = new ZafWindowObject(1, 1, 12, 1);
    first->SetStringID(L"first");
    first->SetNumberID(1);
    auto *second = new ZafWindowObject(1, 3, 12, 1);
    second->SetNumberID(2);
    window.Add(first);
    window.Add(second);
    window.Write(persistence);
    if (window.Error())
        return window.Error();

    ZafInt8 pixels[4 * 3];
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            pixels[y * 4 + x] = ZafTestBitmapPixel(x, y);
    ZafBitmapData bitmap(ZafBitmapStruct(4, 3, pixels, true));
    bitmap.SetStringID(L"TestBitmap");
    if (ZafError error = bitmap.Write(persistence))
        return error;

    ZafStringData greeting(L"Hello, data file");
    greeting.SetStringID(L"Greeting");
    if (ZafError error = greeting.Write(persistence))
        return error;

    int result = storage.Save();
    return result == 0 ? 0 : storage.Error() ? storage.Error() : result;
}
