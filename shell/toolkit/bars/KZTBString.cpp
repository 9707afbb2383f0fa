#include "shell/toolkit/bars/KZTBString.h"

KZTBString::KZTBString(ZafStringData *text, int width) : KZString(0, 0, width, text) {}
