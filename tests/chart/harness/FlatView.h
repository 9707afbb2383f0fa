#ifndef CHART_HARNESS_FLAT_VIEW_H
#define CHART_HARNESS_FLAT_VIEW_H

// The view the flat charts run a kernel with, for tests that need the
// kernel's working coordinates to be the view ones: front view (angles 0,
// so no perspective) and no margins. The caller then updates the geometry
// and prepares the kernel for its drawing area.
#include "chart/kernel/cf_Kernel.h"

inline void SetFlatView(cf_Kernel &kernel)
{
    kernel.SetViewAngles(0, 0);
    kernel.SetLeftMargin(0);
    kernel.SetRightMargin(0);
    kernel.SetTopMargin(0);
    kernel.SetBottomMargin(0);
}

#endif
