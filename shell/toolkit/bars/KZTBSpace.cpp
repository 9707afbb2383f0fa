#include "shell/toolkit/bars/KZTBSpace.h"

#include "shell/toolkit/KZToolkitCodes.h"

KZTBSpace::KZTBSpace(int size) : KZWindow(0, 0, size, size)
{
    SetCoordinateType(kCoordPixels);
    SetFocusBlocked(true);
}
