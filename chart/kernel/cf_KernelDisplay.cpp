#include "chart/kernel/cf_Kernel.h"

#include "chart/backend/bf_Display.h"

void cf_Kernel::Prepare(const bf_Display *display)
{
    cf_2DRect deviceRect;
    display->DeviceRect(deviceRect);
    PrepareRect(deviceRect);
}
