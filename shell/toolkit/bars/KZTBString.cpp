#include "shell/toolkit/KZTBString.h"

KZTBString::KZTBString(ZafStringData *text, int width) : KZString(0, 0, width, text) {}
