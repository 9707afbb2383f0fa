#pragma once
// RecordDrawing: draws through a bf_Display on a recording display for a
// stand-in window of (0, 0) to (right, bottom) and answers the drawing calls
// made by draw (the display's own set-up calls and those of prepare, which
// runs first on the same display, are left out).

#include "chart/backend/bf_Display.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"

#include <vector>

template <class Draw, class Prepare>
std::vector<RecordedCall> RecordDrawing(Draw draw, Prepare prepare, int right = 399, int bottom = 299)
{
    RecordingDisplay recorder;
    StandInWindow window(0, 0, right, bottom);
    {
        bf_Display display(&recorder, &window);
        prepare(&display);
        recorder.Clear();
        draw(&display);
    }
    return recorder.Drawing();
}

template <class Draw> std::vector<RecordedCall> RecordDrawing(Draw draw, int right = 399, int bottom = 299)
{
    return RecordDrawing(draw, [](bf_Display *) {}, right, bottom);
}
