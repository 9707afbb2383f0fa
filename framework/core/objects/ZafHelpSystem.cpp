#include "framework/core/objects/ZafHelpSystem.h"

namespace {

ZafHelpSystem *sharedHelpSystem = nullptr;

} // namespace

ZafHelpSystem::~ZafHelpSystem()
{
    if (sharedHelpSystem == this)
        sharedHelpSystem = nullptr;
}

ZafHelpSystem *ZafHelpSystem::Shared()
{
    return sharedHelpSystem;
}

ZafHelpSystem *ZafHelpSystem::SetShared(ZafHelpSystem *helpSystem)
{
    ZafHelpSystem *previous = sharedHelpSystem;
    sharedHelpSystem = helpSystem;
    return previous;
}

bool ZafHelpSystem::Show(const ZafIChar *topic)
{
    if (!sharedHelpSystem)
        return false;
    sharedHelpSystem->DisplayHelp(topic);
    return true;
}
