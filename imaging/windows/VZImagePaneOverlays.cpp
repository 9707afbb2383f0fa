// The image pane's overlays: drawing the placed pictures, placing and
// clearing them, and the menu entries that offer them.
#include "imaging/windows/VZImagePane.h"

#include <vector>

#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/overlays/VOverlay.h"
#include "imaging/views/VImageView.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

// Black pixels of an overlay keep the picture below.
constexpr int32_t kOverlayTransparent = 0;

} // namespace

void VZImagePane::DrawOverlays(const KRect &units)
{
    KSparseArray &table = VOverlay::Table();
    for (KListItem *item = overlayLocations.First(); item; item = overlayLocations.Next(item)) {
        auto *location = static_cast<VOverlayLocation *>(item);
        auto *overlay = static_cast<VOverlay *>(table.Find(location->id));
        if (!overlay || !overlay->Lock())
            continue;
        const KBitmap &picture = overlay->Picture();
        const int32_t width = picture.Width(), height = picture.Height();
        const KPoint centre = image->ImageToView(location->position, view->Zoom());
        const KRect rect(centre.x - width / 2, centre.y - height / 2, centre.x - width / 2 + width - 1,
                         centre.y - height / 2 + height - 1);
        KRect meets = rect;
        meets.ClipTo(units);
        if (width > 0 && height > 0 && !meets.IsEmpty()) {
            // Rows of blue, green, red, top first, padded to 4 bytes.
            const int32_t stride = (width * 3 + 3) / 4 * 4;
            std::vector<uint8_t> rows(size_t(stride) * size_t(height), 0);
            for (int32_t y = 0; y < height; ++y)
                for (int32_t x = 0; x < width; ++x) {
                    const uint32_t argb = picture.GetPixel(x, (picture.FormatFlags() & KBitmap::kFormatBottomUp)
                                                                  ? height - 1 - y : y);
                    uint8_t *to = &rows[size_t(y) * size_t(stride) + size_t(x) * 3];
                    to[0] = uint8_t(argb);
                    to[1] = uint8_t(argb >> 8);
                    to[2] = uint8_t(argb >> 16);
                }
            const KRect previous = SetClipUnits(units);
            DrawImage(UnitRectToPixels(rect), rows.data(), 24, kOverlayTransparent);
            SetClipUnits(previous);
        }
        overlay->Unlock();
    }
}

void VZImagePane::PlaceOverlay(int32_t id)
{
    if (!view || !view->ShowTimeTrack() || !VOverlay::Table().Find(id))
        return;
    const KPoint at = image->ViewToImage(view->TimeTrackPoint(), view->Zoom());
    overlayLocations.AddItem(new VOverlayLocation(id, at));
    EraseCursor();
    RedrawClient(kEvtRedisplayNow);
}

void VZImagePane::ClearOverlays()
{
    overlayLocations.DeleteAll();
    RedrawClient(kEvtRedisplayNow);
}

void VZImagePane::MenuOpening()
{
    KZPullDownMenu *menu = KZMainMenuBar();
    if (!menu)
        return;
    for (int32_t code : { kEvtImageAdjustments, kEvtImagePageSetup, kEvtImageChoosePrinter })
        menu->EnableItem(code, true);
    if (HasSelection()) {
        menu->EnableItem(kEvtImageExport, true);
        menu->EnableItem(kEvtImagePrint, true);
    }
    KSparseArray &table = VOverlay::Table();
    if (view && view->ShowTimeTrack() && table.Count() > 0) {
        menu->EnableItem(kEvtImageOverlayMenu, true);
        for (KListItem *item = table.First(); item; item = table.Next(item)) {
            const int32_t id = static_cast<VOverlay *>(item)->Id();
            if (id >= 0 && id <= kImageOverlayLastId)
                menu->EnableItem(kEvtImagePlaceOverlay + id, true);
        }
    }
    if (overlayLocations.Count() > 0)
        menu->EnableItem(kEvtImageClearOverlays, true);
}
