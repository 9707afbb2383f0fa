#pragma once
// VZModuleBitmaps<Names>: the start-up, shut-down and bitmaps of a window
// module whose module state is its named bitmaps. A window class takes them
// by deriving from it with its list of names (an inline constexpr array of
// the names in the program's data file): Startup reads the bitmaps,
// Shutdown frees them. GUI thread.

#include "shell/toolkit/window/VZNamedBitmaps.h"

#include <iterator>

template <const auto &Names> class VZModuleBitmaps
{
public:
    static void Startup() { Shared().Load(Names, int(std::size(Names))); }
    static void Shutdown() { Shared().Free(); }
    // The module's bitmaps, in the order of their list; empty outside start-up and shut-down.
    static const VZNamedBitmaps &Bitmaps() { return Shared(); }

private:
    static VZNamedBitmaps &Shared()
    {
        static VZNamedBitmaps bitmaps;
        return bitmaps;
    }
};
