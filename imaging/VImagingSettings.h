#pragma once
// Reads an integer setting of the image store from the program's settings
// (the domain's settings seam); a missing node, a node of another type or no
// installed settings give the built-in value. GUI thread.

#include <cstdint>

class KRInt;

int32_t VImagingSetting(const wchar_t *path, int32_t builtIn);
// The node itself, none when it is missing.
KRInt *VImagingSettingNode(const wchar_t *path);
