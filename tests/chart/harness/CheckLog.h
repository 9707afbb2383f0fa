#pragma once
// CheckLog: while it lives, the chart library's failed checks are kept here,
// each as "module: condition", in place of going to the standard error
// stream; the reporter found before is put back when it goes (also when a
// failed assertion leaves the test early). One at a time.

#include "chart/values/cf_Check.h"

#include <string>
#include <vector>

class CheckLog {
public:
    CheckLog() : previous(cf_SetCheckReporter(&Remember)) { Kept().clear(); }
    ~CheckLog() { cf_SetCheckReporter(previous); }
    CheckLog(const CheckLog &) = delete;
    CheckLog &operator=(const CheckLog &) = delete;

    const std::vector<std::string> &Reported() const { return Kept(); }

private:
    static std::vector<std::string> &Kept()
    {
        static std::vector<std::string> kept;
        return kept;
    }
    static void Remember(const char *module, const char *condition)
    {
        Kept().push_back(std::string(module) + ": " + condition);
    }

    cf_CheckReporter previous;
};
