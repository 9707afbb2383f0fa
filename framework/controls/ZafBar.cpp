#include "framework/controls/ZafBar.h"

ZafBar::ZafBar(int left, int top, int width, int height) : ZafFramelessWindow(left, top, width, height)
{
    Configure();
}

ZafBar::ZafBar(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafFramelessWindow(name, persistence)
{
    Configure();
}

void ZafBar::Configure()
{
    border = true;
    destroyable = false;
    moveable = false;
    focusBlocked = true;
    regionMode = 2;
    sizeable = false;
    useParentFrameHandle = true;
}
