#pragma once
// The window styles the OS windows and controls of framework objects start
// from: the object's shown and disabled state, and a border drawn the way
// the platform draws a control's. GUI thread only.
#include <windows.h>

class ZafWindowObject;

// WS_VISIBLE when the object itself is visible; WS_DISABLED when it is
// disabled, itself or through a parent, and not being designed.
DWORD ZafControlStateStyle(const ZafWindowObject *object);

// A border: the sunken client edge (an extended style) where the platform
// draws three-dimensional controls, else a line.
void ZafAddControlBorder(bool threeD, DWORD &style, DWORD &exStyle);
