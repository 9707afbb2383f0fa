#pragma once
// The fixture of the image pane and window tests: the image window fixture
// with the image store started, a block pool of 64 blocks, the pane's
// module started, and a coded colour image of random frames with one view.

#include "imaging/support/ImagingTestSupport.h"
#include "imaging/support/ImagingWindowTest.h"
#include "framework/core/base/ZafTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

class KMessageObject;
class KZStatusString;
class VImage;
class VImageBlockManager;
class VImageView;
class VZImagePane;
class VZImageWindow;
class ZafWindowObject;

class ImagePaneTest : public ImagingWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    void SetInt(const wchar_t *key, int32_t value);
    // Hands the queued program commands (a tool-bar button's, a menu's) to
    // window, as the program's loop would; answers their codes.
    std::vector<int32_t> DeliverCommandsTo(ZafWindowObject *window);
    // A pane over the view, width x height pixels at (0, 0) of the host.
    VZImagePane *MakePane(int width, int height);
    // An image window over the view, 360 x height pixels at (0, 0) of the
    // host, shown; RemoveFromHost takes it down and deletes it.
    VZImageWindow *ShowImageWindow(KMessageObject *owner, int height = 260);
    // Runs what waits as the program's loop would, one event at a time:
    // messages go to the window manager, program commands to window.
    void RunLoopFor(ZafWindowObject *window);
    // The colour on the screen of a view unit of the fixture's pane, or of another.
    COLORREF UnitPixel(KPoint unit, VZImagePane *of = nullptr);
    // The colour a frame's pixel should show.
    COLORREF ImageColour(KPoint unit) const;
    static bool Near(COLORREF a, COLORREF b);
    // Gives a pane a logical mouse event at a view unit; Send gives it to
    // the fixture's pane.
    static void SendTo(VZImagePane *target, ZafLogicalEvent code, KPoint unit, uint32_t modifiers = 0);
    void Send(ZafLogicalEvent code, KPoint unit, uint32_t modifiers = 0) { SendTo(pane, code, unit, modifiers); }
    // A status bar on the host, installed as the program's; its message
    // pane. The fixture takes it down again.
    KZStatusString *InstallStatusBar();

    std::unique_ptr<VImage> image;
    VImageView *view = nullptr;
    VZImagePane *pane = nullptr;
    TestFrames frames;

private:
    VImageBlockManager *manager = nullptr;
};
