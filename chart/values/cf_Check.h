#pragma once
// Internal consistency checks of the chart library. The library reports no
// errors to its callers; a failed check names its module and condition, is
// handed to the current reporter and the program goes on.
// GUI thread only (the reporter is a plain process-wide setting).

typedef void (*cf_CheckReporter)(const char *module, const char *condition);

// Reports a failed check through the current reporter (by default a line on
// the standard error stream).
void cf_ReportCheck(const char *module, const char *condition);

// Installs a reporter (null restores the default); answers the previous one.
cf_CheckReporter cf_SetCheckReporter(cf_CheckReporter reporter);

// Evaluates the condition and reports it by its text when it does not hold;
// answers whether it held.
#define CF_CHECK(module, condition) \
    ((condition) ? true : (cf_ReportCheck((module), #condition), false))
