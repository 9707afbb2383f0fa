#include "framework/core/objects/ZafHelpSystem.h"
#include "framework/core/base/ZafSharedSlot.h"

namespace {

ZafSharedSlot<ZafHelpSystem> sharedHelpSystem;

} // namespace

ZafHelpSystem::~ZafHelpSystem()
{
    sharedHelpSystem.Forget(this);
}

ZafHelpSystem *ZafHelpSystem::Shared()
{
    return sharedHelpSystem.Get();
}

ZafHelpSystem *ZafHelpSystem::SetShared(ZafHelpSystem *helpSystem)
{
    return sharedHelpSystem.Set(helpSystem);
}

bool ZafHelpSystem::Show(const ZafIChar *topic)
{
    ZafHelpSystem *shared = sharedHelpSystem.Get();
    if (!shared)
        return false;
    shared->DisplayHelp(topic);
    return true;
}
