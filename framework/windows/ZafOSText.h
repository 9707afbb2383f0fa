#ifndef ZAF_OSTEXT_H
#define ZAF_OSTEXT_H

#include "framework/core/base/ZafTypes.h"

// Texts at the boundary of 8-bit window calls: a new local (8-bit) copy of
// a wide text (length -1 = up to its end) and a new wide copy of a local
// text, through the framework's shared code set. Callers delete[] them;
// null answers null.
char *ZafNewLocalText(const ZafIChar *text, int length = -1);
ZafIChar *ZafNewWideText(const char *text);

#endif
