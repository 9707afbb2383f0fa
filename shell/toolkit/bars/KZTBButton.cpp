#include "shell/toolkit/bars/KZTBButton.h"

#include "framework/core/data/ZafImageData.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/bars/KZToolBar.h"

namespace {

constexpr int kFrame = 6;            // pixels around a button's contents
constexpr ZafInt8 kTextFont = 1;

int BitmapWidth(const ZafBitmapData *bitmap) { return bitmap ? bitmap->Width() : 0; }
int BitmapHeight(const ZafBitmapData *bitmap) { return bitmap ? bitmap->Height() : 0; }

} // namespace

KZTBButton::KZTBButton(int32_t value, ZafBitmapData *bitmap, int extraWidth, int extraHeight)
    : KZButton(0, 0, BitmapWidth(bitmap) + extraWidth + kFrame, BitmapHeight(bitmap) + extraHeight + kFrame, bitmap,
          value)
{
    Configure();
}

KZTBButton::KZTBButton(int32_t value, const wchar_t *text, int widthInCells)
    : KZButton(0, 0, widthInCells * ZafDisplay::SharedOrDefault().cellWidth, KZFontHeight(kTextFont) + kFrame, text,
          nullptr, kPush, value)
{
    Configure();
}

void KZTBButton::Configure()
{
    SetCoordinateType(kCoordPixels);
    SetButtonType(ZAF_TOOL_BAR_BUTTON);
    SetAutoSize(false);
    SetFocusBlocked(true);
}

ZafEventType KZTBButton::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    // Taken before the button runs its command, which may change the bar.
    auto *bar = dynamic_cast<KZToolBar *>(Parent());
    ZafWindowObject *holder = bar ? bar->Parent() : nullptr;
    const bool notify = bar && (bar->ToolBarFlags() & kToolBarNotifyParent) && holder;
    const ZafEventType answer = KZButton::Event(event);
    if (code == kEvtLeftRelease && notify)
        holder->Event(ZafEventStruct(kEvtTakeFocus, 0));
    return answer;
}
