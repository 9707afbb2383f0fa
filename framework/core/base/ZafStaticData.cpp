#include "framework/core/base/ZafStaticData.h"

#include <vector>

namespace {

std::vector<ZafStaticDataFunction> &Table()
{
    static std::vector<ZafStaticDataFunction> table;
    return table;
}

} // namespace

bool ZafRegisterStaticData(ZafStaticDataFunction function)
{
    if (!function)
        return false;
    for (ZafStaticDataFunction registered : Table())
        if (registered == function)
            return false;
    Table().push_back(function);
    return true;
}

void ZafReleaseStaticData()
{
    // A release function may register itself again; walking a copy taken
    // first keeps that from disturbing the loop.
    std::vector<ZafStaticDataFunction> functions;
    functions.swap(Table());
    for (auto it = functions.rbegin(); it != functions.rend(); ++it)
        (*it)(true);
}
