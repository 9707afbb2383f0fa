#pragma once
// LocaleName: the locale name from which a first start chooses its
// language, in the form language_COUNTRY.codepage ("de_US.1252"). The
// environment variable VEXA_LANG gives it, or its beginning; the missing
// parts come from the user's Windows locale and the ANSI code page. Built
// once on first use (at most 31 characters); GUI thread.

class KString;

const KString &LocaleName();
// Forgets the built text so that the next call builds it again.
void ResetLocaleName();

// The pieces: the two-letter language code of a Windows primary
// language id ("en" when unknown); the alpha-2 code of an ISO 3166 alpha-3
// country code, case ignored ("US" when unknown).
const wchar_t *LocaleLanguageCode(int primaryLanguage);
const wchar_t *LocaleCountryCode(const wchar_t *alpha3);
int LocaleLanguageCount();
int LocaleCountryCount();
