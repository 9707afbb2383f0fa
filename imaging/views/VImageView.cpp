#include "imaging/views/VImageView.h"

#include "domain/QVDomainCodes.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VImagingSettings.h"
#include "imaging/image/VImage.h"
#include "imaging/views/VImageViewWindow.h"

#include <algorithm>
#include <cstdint>

namespace
{
bool g_broadcasting = false;

// The object that owns an image or a view's image; none for anything else.
KMessageObject *OwnerOf(KMessageObject *object)
{
    if (auto *view = dynamic_cast<VImageView *>(object))
        return view->Image() ? view->Image()->GetParent() : nullptr;
    if (auto *image = dynamic_cast<VImage *>(object))
        return image->GetParent();
    return nullptr;
}
} // namespace

VImageView::VImageView(VImage *image, int32_t id)
    : KSparseArrayItem(id), KMessageObject(image, 0), itsImage(image), itsZoom(this)
{
    if (id != -1) {
        KMessageObject::SetId(NewId());
        itsZoom.SetId(itsZoom.NewId());
    }
    itsZoom.SetChangeHook(ZoomChangeHook, this);
}

VImageView::~VImageView()
{
    itsZoom.SetChangeHook(nullptr, nullptr);
    itsWindow = nullptr;
}

void VImageView::SetFlag(bool on)
{
    itsFlags = on ? (itsFlags | 1u) : (itsFlags & ~1u);
}

void VImageView::RedrawUnlessSuspended()
{
    if (itsRedrawSuspended == 0 && itsWindow)
        itsWindow->Redraw(false);
}

void VImageView::SetRedrawSuspended(int32_t value)
{
    itsRedrawSuspended = value;
    RedrawUnlessSuspended();
}

bool VImageView::ShowTimeTrack()
{
    if (itsTimeTrack.x < 0 || itsTimeTrack.x >= Width() || itsTimeTrack.y < 0 || itsTimeTrack.y >= Height())
        itsShowTimeTrack = false;
    return itsShowTimeTrack;
}

void VImageView::SetShowTimeTrack(bool on)
{
    itsShowTimeTrack = on;
    RedrawUnlessSuspended();
}

bool VImageView::ShowFirstRect()
{
    KRect clipped = itsFirstRect;
    clipped.ClipTo(KRect(0, 0, Width() - 1, Height() - 1));
    if (itsFirstRect.IsEmpty() || clipped.IsEmpty())
        itsShowFirstRect = false;
    return itsShowFirstRect;
}

void VImageView::SetShowFirstRect(bool on)
{
    itsShowFirstRect = on;
    RedrawUnlessSuspended();
}

int32_t VImageView::Width() const
{
    return itsImage ? itsImage->ZoomedWidth(itsZoom) : 0;
}

int32_t VImageView::Height() const
{
    return itsImage ? itsImage->ZoomedHeight(itsZoom) : 0;
}

bool VImageView::FindNextObject()
{
    if (!itsImage)
        return false;
    int32_t abortState = 0;
    KRect rect = itsObjectRect;
    itsObjectFound = itsImage->FindNextObject(rect, *this, !itsObjectFound, abortState);
    if (itsObjectFound)
        itsObjectRect = rect;
    return itsObjectFound;
}

bool VImageView::IsBroadcasting()
{
    return g_broadcasting;
}

void VImageView::BroadcastTimeTrack()
{
    if (!itsImage || VImagingSetting(kKeyHashTimeTrack, kDefaultHashTimeTrack) == 0)
        return;
    const VRaceTime time = itsImage->TimeAt(*this, itsTimeTrack, true);
    KMessageObject *owner = itsImage->GetParent() ? itsImage->GetParent() : itsImage;
    g_broadcasting = true;
    owner->Handle(KMessage(kMsgTimeTrack, uint32_t(reinterpret_cast<uintptr_t>(&time)), this));
    g_broadcasting = false;
}

void VImageView::BroadcastShowLines(uint32_t value)
{
    if (!itsImage || VImagingSetting(kKeyHashShowLines, kDefaultHashShowLines) == 0)
        return;
    KMessageObject *owner = itsImage->GetParent() ? itsImage->GetParent() : itsImage;
    owner->Handle(KMessage(kMsgShowLines, value, this));
}

template <typename Convert>
void VImageView::MapMarks(Convert convert)
{
    convert(itsTimeTrack.x, itsTimeTrack.y);
    for (KRect *rect : {&itsFirstRect, &itsObjectRect}) {
        convert(rect->left, rect->top);
        convert(rect->right, rect->bottom);
        if (rect->left > rect->right)
            std::swap(rect->left, rect->right);
    }
}

void VImageView::BeginChange()
{
    if (!itsImage)
        return;
    MapMarks([this](int32_t &x, int32_t &y) {
        x = itsImage->ViewToFrame(x, itsZoom);
        y = itsImage->ViewToPixel(y, itsZoom);
    });
}

void VImageView::EndChange()
{
    if (!itsImage)
        return;
    MapMarks([this](int32_t &x, int32_t &y) {
        x = itsImage->FrameToView(x, itsZoom);
        y = itsImage->PixelToView(y, itsZoom);
    });
}

void VImageView::ToStoredFrames()
{
    BeginChange();
    if (itsImage)
        MapMarks([this](int32_t &x, int32_t &) { x = itsImage->StoredFrame(x); });
}

void VImageView::FromStoredFrames()
{
    if (itsImage)
        MapMarks([this](int32_t &x, int32_t &) { x = itsImage->DisplayedFrame(x); });
    EndChange();
}

void VImageView::ClipMarks()
{
    const KRect bounds(0, 0, Width() - 1, Height() - 1);
    itsTimeTrack.ClampTo(bounds);
    itsFirstRect.ClipTo(bounds);
    itsObjectRect.ClipTo(bounds);
}

void VImageView::ZoomChangeHook(void *context, bool begin)
{
    auto *view = static_cast<VImageView *>(context);
    if (begin)
        view->BeginChange();
    else
        view->EndChange();
}

void VImageView::Handle(const KMessage &message)
{
    itsZoom.Handle(message);
    KMessageObject *sender = message.sender;
    auto *other = dynamic_cast<VImageView *>(sender);
    const bool fromOtherView = other && other != this;
    const bool paneShown = itsWindow && itsWindow->HasPane();
    const bool fromCamera = sender && itsImage && itsImage->Find(sender->GetId()) == sender;
    const bool fromImage = sender && sender == itsImage;
    switch (message.Topic()) {
    case kMsgCameraParameters:
    case kMsgCameraDisplay:
    case kMsgCameraLanes:
        if (!fromCamera || !itsWindow)
            break;
        if (message.Topic() == kMsgCameraLanes)
            itsWindow->LanesChanged();
        else
            itsWindow->Redraw(message.Topic() == kMsgCameraParameters);
        break;
    case kMsgTopicImage:
    case kMsgImageRedraw:
        if (fromImage && itsWindow)
            itsWindow->Redraw(message.Topic() == kMsgTopicImage);
        break;
    case kMsgImageExtent:
        if (fromImage && itsWindow)
            itsWindow->ExtentChanged();
        break;
    case kMsgImageBlockAdded:
        if (fromImage && itsWindow)
            itsWindow->BlockAdded();
        break;
    case kMsgViewRedraw:
        if (sender == this && itsWindow)
            itsWindow->Redraw(true);
        break;
    case kMsgTimeTrack:
        if (paneShown && fromOtherView && message.data) {
            const auto &time = *reinterpret_cast<const VRaceTime *>(uintptr_t(message.data));
            if (other->Image() == itsImage) {
                const int32_t height = other->Height();
                const int32_t y = height > 0 ? int32_t(int64_t(other->TimeTrackPoint().y) * Height() / height) : -1;
                itsWindow->MoveTimeTrack(time, y);
            } else if (other->Image() && OwnerOf(other) && OwnerOf(other) == OwnerOf(this)) {
                itsWindow->MoveTimeTrack(time, -1);
            }
        }
        break;
    case kMsgFollow:
        if (paneShown && OwnerOf(sender) && OwnerOf(sender) == OwnerOf(this))
            itsWindow->Follow(message.data);
        break;
    case kMsgShowLines:
        if (paneShown && fromOtherView)
            itsWindow->ShowLines(message.data != 0);
        break;
    case kMsgZoomChanged:
        if (sender == &itsZoom) {
            ClipMarks();
            if (itsWindow)
                itsWindow->Redraw(true);
        }
        break;
    default:
        break;
    }
}
