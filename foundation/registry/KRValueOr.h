#pragma once
// Reading one setting with a fallback: the value of the node at path below
// settings, or fallback when settings is null or holds no node of that type
// there. Nothing is created or changed.

#include <cstdint>

#include "foundation/strings/KString.h"

class KRNode;

int32_t KRIntOr(const KRNode *settings, const wchar_t *path, int32_t fallback);
double KRFloatOr(const KRNode *settings, const wchar_t *path, double fallback);
bool KRBoolOr(const KRNode *settings, const wchar_t *path, bool fallback);
KString KRStringOr(const KRNode *settings, const wchar_t *path, const KString &fallback);
