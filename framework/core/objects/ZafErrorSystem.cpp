#include "framework/core/objects/ZafErrorSystem.h"

#include "framework/core/base/ZafConstants.h"

ZafErrorSystem::~ZafErrorSystem()
{
    ForgetShared(this);
}

ZafInt32 ZafErrorSystem::Report(ZafErrorSystem *errorSystem, ZafWindowManager *windowManager,
                                const ZafIChar *title, ZafUInt32 options, const ZafIChar *message)
{
    ZafErrorSystem *reporter = errorSystem ? errorSystem : Shared();
    if (!reporter)
        return ZAF_NOT_HANDLED;
    return reporter->ReportError(windowManager, title, options, message);
}
