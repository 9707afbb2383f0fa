#include "framework/controls/ZafBorder.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/objects/ZafWindow.h"

#include <algorithm>

int ZafBorder::width = 0;

ZafBorder::ZafBorder() : ZafWindowObject(0, 0, 0, 0)
{
    useParentFrameHandle = true;
    ownOSWindow = false;
    regionMode = 1;
    focusBlocked = true;
    SetNumberID(ZAF_NUMID_BORDER);
    SetStringID(ZAF_STRID_BORDER);
}

void ZafBorder::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    persistence.AddObjectConstructor(className, classID, NewFunction());
    persistence.SetError(0);
    ZafDataPersistence::OpenObjectFile(persistence, StringID(), ZAF_PERSIST_WRITE);
    ZafObjectPersistence::PopLevel(persistence);
    if (persistence.Error())
        SetError(persistence.Error());
}

int ZafBorder::SetWidth(int newWidth)
{
    const int previous = width;
    width = std::max(newWidth, 1);
    if (WidthFixed())
        width = previous;
    return width;
}

ZafBorder *ZafWindow::Border() const
{
    return dynamic_cast<ZafBorder *>(SupportObject(ZAF_NUMID_BORDER));
}
