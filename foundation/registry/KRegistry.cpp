// KRegistry: defaults and the prototype list.
#include "foundation/registry/KRegistry.h"

#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRRat.h"
#include "foundation/registry/KRString.h"

#include <memory>
#include <vector>

namespace
{
std::vector<std::unique_ptr<KRNode>> &Prototypes()
{
    static std::vector<std::unique_ptr<KRNode>> prototypes;
    return prototypes;
}
} // namespace

KRegistry::KRegistry() { InitPrototypes(); }

KRegistry::KRegistry(const wchar_t *const *defaults) : KRegistry() { AddDefaults(defaults); }

int KRegistry::AddDefaults(const wchar_t *const *table)
{
    int refused = 0;
    for (; table && *table; ++table)
        if (!Parse(*table))
            ++refused;
    return refused;
}

void KRegistry::InitPrototypes()
{
    auto &list = Prototypes();
    if (!list.empty())
        return;
    list.emplace_back(new KRGroup);
    list.emplace_back(new KRString);
    list.emplace_back(new KRInt);
    list.emplace_back(new KRRat);
    list.emplace_back(new KRBool);
    list.emplace_back(new KRFloat);
}

void KRegistry::FreePrototypes() { Prototypes().clear(); }

int KRegistry::PrototypeCount() { return int(Prototypes().size()); }

const KRNode *KRegistry::PrototypeAt(int index)
{
    return index >= 0 && index < PrototypeCount() ? Prototypes()[size_t(index)].get() : nullptr;
}

const KRNode *KRegistry::FindPrototype(const KString &name)
{
    if (Prototypes().empty())
        InitPrototypes();
    for (const auto &prototype : Prototypes())
        if (name.EqualsIgnoreCase(KString(prototype->TypeName())))
            return prototype.get();
    return nullptr;
}
