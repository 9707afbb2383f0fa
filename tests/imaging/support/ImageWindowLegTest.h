#pragma once
// The fixture of the result-entry tests: an image window over the pane
// fixture's colour image, which a free-standing leg with a result list owns;
// the image's identification method 1 (the lane field), beeps counted, the
// entry texts set, and a menu bar holding the time-resolution entries.

#include "domain/timing/VLeg.h"
#include "imaging/support/ImagePaneTest.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class KZPopUpItem;
class KZPullDownMenu;
class QVResult;
class QVResults;
class VRaceTime;
class VZImageWindow;

// A leg that also hands its tree's messages to the image it owns, as an
// owner of images does.
class ImageOwningLeg : public VLeg
{
public:
    void Handle(const KMessage &message) override;
    VImage *image = nullptr;
};

class ImageWindowLegTest : public ImagePaneTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A result of the list with the lane and affiliation, timed at ms when ms >= 0.
    QVResult *AddResult(const wchar_t *lane, const wchar_t *affiliation = L"", int32_t ms = -1);
    // The cursor shown at the unit; answers the time there.
    VRaceTime PlaceCursor(KPoint unit);
    // Types the identification and presses Enter in it.
    void EnterId(const wchar_t *text);
    // Hands the queued program commands to the window; answers their codes.
    std::vector<int32_t> DeliverCommands();
    // The checked resolution entry (10367..10372) after the menu opened; 0 none.
    int32_t CheckedResolution();

    static int beeps;
    static void CountBeep(uint32_t type);

    std::unique_ptr<ImageOwningLeg> leg;
    QVResults *results = nullptr;
    VZImageWindow *window = nullptr;

private:
    KZPullDownMenu *menuBar = nullptr;
    std::map<int32_t, KZPopUpItem *> resolutionEntries;
};
