#pragma once
// The framework's table of static-data release functions. A module that
// keeps class-wide data (built-in images, pointer tables) registers its
// release function once; at shut-down the framework calls every function
// with true, last registered first, and the module deletes its data and
// clears its pointers. The module builds its data again when it is next
// needed. GUI thread only.

#include <cstddef>

// Called with true at shut-down.
using ZafStaticDataFunction = void (*)(bool release);

// Registers the function; a function already registered is not added again.
// Answers true when it was added.
bool ZafRegisterStaticData(ZafStaticDataFunction function);
// Calls every registered function with true and empties the table.
void ZafReleaseStaticData();

// The usual body of a release function: deletes every object of a
// class-wide table and clears its pointers (nothing without release).
template <class Object, std::size_t count>
void ZafReleaseTable(bool release, Object *(&table)[count])
{
    if (!release)
        return;
    for (Object *&object : table)
    {
        delete object;
        object = nullptr;
    }
}
