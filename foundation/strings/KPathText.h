#pragma once
// Joining a folder and a name in a path text: the one rule of where a
// separator goes, for the places that build a file's path from a folder
// setting.

#include "foundation/strings/KString.h"

// Appends name to path after a backslash, unless path is empty or already
// ends in a backslash or a slash (then name follows directly).
void KAppendPathName(KString &path, const KString &name);
