#include "framework/core/objects/ZafHelpSystem.h"

ZafHelpSystem::~ZafHelpSystem()
{
    ForgetShared(this);
}

bool ZafHelpSystem::Show(const ZafIChar *topic)
{
    ZafHelpSystem *shared = Shared();
    if (!shared)
        return false;
    shared->DisplayHelp(topic);
    return true;
}
