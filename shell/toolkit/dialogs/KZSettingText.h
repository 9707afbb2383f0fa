#pragma once
// KZSettingText: the user-visible text stored under a key path of the
// program's settings ("\Strings\Dialog\Ok"), read at the moment of use. A
// missing key, or no settings at all, gives an empty text. GUI thread only.

class KString;

const KString &KZSettingText(const wchar_t *key);
// The same, with english in place of a missing or empty text.
KString KZSettingText(const wchar_t *key, const wchar_t *english);
