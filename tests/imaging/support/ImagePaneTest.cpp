#include "imaging/support/ImagePaneTest.h"

#include "foundation/registry/KRegistry.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "imaging/image/VImage.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/store/VImageFrame.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/bars/KZProgressBar.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/window/KZWindow.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "shell/toolkit/KZToolkitCodes.h"

void ImagePaneTest::SetUp()
{
    ImagingWindowTest::SetUp();
    VImageFrame::Startup();
    VImage::Startup();
    manager = new VImageBlockManager(64);
    VImageBlockManager::SetInstance(manager);
    VZImagePane::Startup();
    image = std::make_unique<VImage>();
    SetCodedCamera(image->Camera(), 64, 1);
    frames = AddColourBlocks(*image, 4, 20, 7);
    view = image->GetView(0, true);
}

namespace {

// A message pane and a progress pane, as the main window's bar has them.
class StatusBar : public KZStatusBar
{
public:
    StatusBar() : KZStatusBar(24, 0)
    {
        auto *message = new KZStatusString;
        message->SetRegion(KZMakeRegion(KRect(4, 0, 203, 19), kCoordPixels));
        auto *progress = new KZProgressBar;
        progress->SetRegion(KZMakeRegion(KRect(210, 0, 313, 19), kCoordPixels));
        SetPanes(message, progress);
    }
};

} // namespace

void ImagePaneTest::SendTo(VZImagePane *target, ZafLogicalEvent code, KPoint unit, uint32_t modifiers)
{
    KPoint pixel = target->UnitToPixel(unit);
    target->ClientToOS(pixel);
    ZafEventStruct event(code, 0, KZMakeRegion(KRect(pixel.x, pixel.y, pixel.x, pixel.y), kCoordPixels));
    event.modifiers = modifiers;
    target->Event(event);
}

VZImageWindow *ImagePaneTest::ShowImageWindow(KMessageObject *owner, int height)
{
    auto *window = new VZImageWindow(owner, view);
    window->SetRegion(KZMakeRegion(KRect(0, 0, 359, height - 1), kCoordPixels));
    host->Add(window);
    Pump();
    return window;
}

KZStatusString *ImagePaneTest::InstallStatusBar()
{
    auto *bar = new StatusBar;
    host->Add(bar);
    KZSetMainStatusBar(bar);
    return bar->MessagePane();
}

void ImagePaneTest::TearDown()
{
    KZSetMainStatusBar(nullptr);
    RemoveFromHost(pane);
    image.reset();
    VZImagePane::Shutdown();
    VImage::Shutdown();
    VImageFrame::Shutdown();
    ImagingWindowTest::TearDown();
}

std::vector<int32_t> ImagePaneTest::DeliverCommandsTo(ZafWindowObject *window)
{
    Pump();
    std::vector<int32_t> codes;
    ZafEventManager *events = ZafEventManager::Shared();
    ZafEventStruct event;
    while (events && events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0) {
        if (event.type < 10000)
            continue;
        codes.push_back(event.type);
        window->Event(event);
    }
    return codes;
}

void ImagePaneTest::RunLoopFor(ZafWindowObject *window)
{
    ZafEventManager *events = ZafEventManager::Shared();
    ZafEventStruct event;
    while (events->Get(event, ZAF_NO_WAIT) == 0) {
        if (event.type >= 10000)
            window->Event(event);
        else
            app->WindowManager()->Event(event);
    }
}

void ImagePaneTest::SetInt(const wchar_t *key, int32_t value)
{
    registry->GetInt(key)->SetValue(value);
}

VZImagePane *ImagePaneTest::MakePane(int width, int height)
{
    pane = new VZImagePane(nullptr, view);
    pane->SetRegion(KZMakeRegion(KRect(0, 0, width - 1, height - 1), kCoordPixels));
    host->Add(pane);
    Pump();
    return pane;
}

COLORREF ImagePaneTest::UnitPixel(KPoint unit, VZImagePane *of)
{
    VZImagePane *shown = of ? of : pane;
    KPoint pixel = shown->UnitToPixel(unit);
    shown->ClientToOS(pixel);
    return PixelOf(shown, pixel.x, pixel.y);
}

COLORREF ImagePaneTest::ImageColour(KPoint unit) const
{
    const uint16_t word = frames.pixels.at(size_t(unit.x)).at(size_t(unit.y));
    auto channel = [word](int shift) { return (word >> shift & 31) * 255 / 31; };
    return RGB(channel(10), channel(5), channel(0));
}

bool ImagePaneTest::Near(COLORREF a, COLORREF b)
{
    auto close = [](int x, int y) { return x - y <= 8 && y - x <= 8; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}
