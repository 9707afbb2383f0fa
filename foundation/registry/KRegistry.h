#pragma once
// KRegistry: the root of a settings tree, and the six node prototypes from
// which parsing makes new nodes. One instance holds the program's settings
// and, under "\Strings\", every user-visible text; the start-up creates it,
// fills it from the built-in defaults, the settings file and a language file,
// and the shut-down saves and deletes it. GUI thread only.
//
// The prototypes (one node of each type, in the order Group, String, Int,
// Rat, Bool, Float) are made by InitPrototypes before the first registry
// and freed by FreePrototypes after the last; a registry made without them
// makes them itself.

// The node types come with the registry: its users read settings of every type.
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRGroup.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRRat.h"
#include "foundation/registry/KRString.h"

class KRegistry : public KRGroup
{
public:
    // An empty tree, or one filled from a defaults table (see AddDefaults).
    KRegistry();
    explicit KRegistry(const wchar_t *const *defaults);

    // Applies each settings line of a table ended by a null pointer, creating
    // missing groups; type names are matched ignoring case. Answers the
    // number of lines refused.
    int AddDefaults(const wchar_t *const *table);

    static void InitPrototypes();
    static void FreePrototypes();
    static int PrototypeCount();
    // The prototype at index in the list order, none outside.
    static const KRNode *PrototypeAt(int index);
    // The prototype whose type name equals name, case ignored; none when unknown.
    static const KRNode *FindPrototype(const KString &name);
};
