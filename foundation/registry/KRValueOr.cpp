#include "foundation/registry/KRValueOr.h"

#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRNode.h"
#include "foundation/registry/KRString.h"

int32_t KRIntOr(const KRNode *settings, const wchar_t *path, int32_t fallback)
{
    const KRInt *node = settings ? settings->GetInt(path) : nullptr;
    return node ? node->Value() : fallback;
}

double KRFloatOr(const KRNode *settings, const wchar_t *path, double fallback)
{
    const KRFloat *node = settings ? settings->GetFloat(path) : nullptr;
    return node ? node->Value() : fallback;
}

bool KRBoolOr(const KRNode *settings, const wchar_t *path, bool fallback)
{
    const KRBool *node = settings ? settings->GetBool(path) : nullptr;
    return node ? node->Value() : fallback;
}

KString KRStringOr(const KRNode *settings, const wchar_t *path, const KString &fallback)
{
    const KRString *node = settings ? settings->GetString(path) : nullptr;
    return node ? node->GetValue() : fallback;
}
