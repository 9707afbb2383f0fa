#pragma once
// The fixture of the image and hardware window tests: the toolkit fixture
// (application, settings on the built-in defaults, a shown host window,
// recorded message boxes) with the settings installed for the domain and
// the program's data file opened, so that named bitmaps load; a recording
// hub as the program's hub.

#include <memory>
#include <string>
#include <vector>

#include "shell/support/ToolkitTest.h"
#include "imaging/support/HardwareTestSupport.h"

class VZLaneBar;

class ImagingWindowTest : public ToolkitTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The texts of a lane bar's cells, left to right.
    static std::vector<std::wstring> LaneTexts(VZLaneBar *bar);

    std::unique_ptr<RecordingHub> hub;
};
