#include "framework/controls/ZafFrameObjects.h"

#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafFrameButtons.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindow.h"

void ZafAddStandardFrameObjects(ZafWindow *window, ZafStringData *title)
{
    window->Add(new ZafBorder);
    window->Add(new ZafMaximizeButton);
    window->Add(new ZafMinimizeButton);
    window->Add(new ZafSystemButton(0));
    window->Add(new ZafTitle(title ? title : new ZafStringData(L"", -1, false)));
}
