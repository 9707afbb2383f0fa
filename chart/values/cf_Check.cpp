#include "chart/values/cf_Check.h"

#include <cstdio>

namespace {

void DefaultReporter(const char *module, const char *condition)
{
    std::fprintf(stderr, "chart check failed in %s: %s\n", module, condition);
}

cf_CheckReporter currentReporter = DefaultReporter;

} // namespace

void cf_ReportCheck(const char *module, const char *condition)
{
    currentReporter(module, condition);
}

cf_CheckReporter cf_SetCheckReporter(cf_CheckReporter reporter)
{
    cf_CheckReporter previous = currentReporter;
    currentReporter = reporter ? reporter : DefaultReporter;
    return previous;
}
