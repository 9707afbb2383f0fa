#include "framework/core/objects/ZafErrorSystem.h"

#include "framework/core/base/ZafConstants.h"

namespace {

ZafErrorSystem *sharedErrorSystem = nullptr;

} // namespace

ZafErrorSystem::~ZafErrorSystem()
{
    if (sharedErrorSystem == this)
        sharedErrorSystem = nullptr;
}

ZafErrorSystem *ZafErrorSystem::Shared()
{
    return sharedErrorSystem;
}

ZafErrorSystem *ZafErrorSystem::SetShared(ZafErrorSystem *errorSystem)
{
    ZafErrorSystem *previous = sharedErrorSystem;
    sharedErrorSystem = errorSystem;
    return previous;
}

ZafInt32 ZafErrorSystem::Report(ZafErrorSystem *errorSystem, ZafWindowManager *windowManager,
                                const ZafIChar *title, ZafUInt32 options, const ZafIChar *message)
{
    ZafErrorSystem *reporter = errorSystem ? errorSystem : sharedErrorSystem;
    if (!reporter)
        return ZAF_NOT_HANDLED;
    return reporter->ReportError(windowManager, title, options, message);
}
