#pragma once
// The grey-to-colour table of the imaging code: for each 8-bit grey level
// the 15-bit colour (5 bits each of red, green, blue) of the same grey.
// Built once at start-up by VBuildGray15Table; read-only afterwards.

#include <cstdint>

void VBuildGray15Table();
// The 256 entries (built on first use when the start-up has not run).
const uint16_t *VGray15Table();
