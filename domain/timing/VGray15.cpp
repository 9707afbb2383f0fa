#include "domain/timing/VGray15.h"

namespace
{
uint16_t g_table[256];
bool g_built = false;
}

void VBuildGray15Table()
{
    for (int v = 0; v < 256; ++v) {
        uint16_t c = uint16_t(v >> 3);
        g_table[v] = uint16_t((c << 10) | (c << 5) | c);
    }
    g_built = true;
}

const uint16_t *VGray15Table()
{
    if (!g_built)
        VBuildGray15Table();
    return g_table;
}
