#include "framework/core/objects/ZafErrorSystem.h"
#include "framework/core/base/ZafSharedSlot.h"

#include "framework/core/base/ZafConstants.h"

namespace {

ZafSharedSlot<ZafErrorSystem> sharedErrorSystem;

} // namespace

ZafErrorSystem::~ZafErrorSystem()
{
    sharedErrorSystem.Forget(this);
}

ZafErrorSystem *ZafErrorSystem::Shared()
{
    return sharedErrorSystem.Get();
}

ZafErrorSystem *ZafErrorSystem::SetShared(ZafErrorSystem *errorSystem)
{
    return sharedErrorSystem.Set(errorSystem);
}

ZafInt32 ZafErrorSystem::Report(ZafErrorSystem *errorSystem, ZafWindowManager *windowManager,
                                const ZafIChar *title, ZafUInt32 options, const ZafIChar *message)
{
    ZafErrorSystem *reporter = errorSystem ? errorSystem : sharedErrorSystem.Get();
    if (!reporter)
        return ZAF_NOT_HANDLED;
    return reporter->ReportError(windowManager, title, options, message);
}
