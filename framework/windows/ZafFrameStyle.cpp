// Collecting a frame's styles from its support objects.
#include "framework/windows/ZafFrameStyle.h"

#include "framework/core/base/ZafList.h"
#include "framework/core/objects/ZafWindowObject.h"

ZafFrameStyle ZafSupportFrameStyle(const ZafList &supportList, const DWORD (&partStyles)[5])
{
    ZafFrameStyle styles;
    for (ZafElement *e = supportList.First(); e; e = e->Next())
    {
        const ZafWindowObject *support = static_cast<ZafWindowObject *>(e);
        if (support->OwnOSWindow())
        {
            styles.supportWindow = true;
            continue;
        }
        const int id = support->NumberID();
        if (id >= -5 && id <= -1)
            styles.frame |= partStyles[-id - 1];
        else if (id == -6)
            styles.client |= WS_HSCROLL;
        else if (id == -7)
            styles.client |= WS_VSCROLL;
        styles.border = styles.border || id == -1;
    }
    return styles;
}
