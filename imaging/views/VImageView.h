#pragma once
// VImageView: one view onto an image: its scroll position, zoom, the
// time-track point, the first rectangle and the object rectangle found by
// the object search (all in view coordinates, after the zoom), and the
// window that shows it. Views belong to their image's view list (the item id
// is the view's number there); the image is the view's message parent. The
// view turns the image's, camera's, zoom's and sibling views' messages into
// calls of its window (VImageViewWindow). GUI thread.

#include "domain/charts/VZoom.h"
#include "foundation/containers/KSparseArray.h"
#include "foundation/messages/KMessageObject.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/values/KRect.h"

#include <cstdint>

class VImage;
class VImageViewWindow;

class VImageView : public KSparseArrayItem, public KMessageObject, public KPersistent
{
public:
    static constexpr uint32_t kRecordVersion = 0x2000c;
    static constexpr uint32_t kRecordVersionOld = 0x2000b;  // read: no flags, no id

    // An id other than -1 gives the zoom a new message id.
    VImageView(VImage *image, int32_t id);
    ~VImageView() override;

    VImage *Image() const { return itsImage; }
    VImageViewWindow *Window() const { return itsWindow; }
    void SetWindow(VImageViewWindow *window) { itsWindow = window; }
    uint32_t Flags() const { return itsFlags; }
    void SetFlag(bool on);
    const KPoint &Position() const { return itsPosition; }
    void SetPosition(const KPoint &position) { itsPosition = position; }
    VZoom &Zoom() { return itsZoom; }
    const VZoom &Zoom() const { return itsZoom; }
    int32_t RedrawSuspended() const { return itsRedrawSuspended; }
    // Setting 0 redraws.
    void SetRedrawSuspended(int32_t value);

    const KPoint &TimeTrackPoint() const { return itsTimeTrack; }
    void SetTimeTrackPoint(const KPoint &point) { itsTimeTrack = point; }
    // The flag, cleared first when the point lies outside the zoomed image.
    bool ShowTimeTrack();
    void SetShowTimeTrack(bool on);
    const KRect &FirstRect() const { return itsFirstRect; }
    void SetFirstRect(const KRect &rect) { itsFirstRect = rect; }
    // The flag, cleared first when the rectangle misses the zoomed image.
    bool ShowFirstRect();
    void SetShowFirstRect(bool on);
    const KRect &ObjectRect() const { return itsObjectRect; }
    void SetObjectRect(const KRect &rect) { itsObjectRect = rect; }
    bool ObjectFound() const { return itsObjectFound; }

    // Searches the next object from the object rectangle (VImage::FindNextObject).
    bool FindNextObject();
    // Sends the race time at the time-track point (topic 36) to the image's
    // owner, when "\Event\Image\Hash\TimeTrack" is on.
    void BroadcastTimeTrack();
    // Sends topic 38 with value, when "\Event\Image\Hash\ShowLines" is on.
    void BroadcastShowLines(uint32_t value);
    // True while BroadcastTimeTrack is sending.
    static bool IsBroadcasting();

    // The marks to image coordinates (displayed frame, pixel) and back, so
    // that they keep their place while the zoom changes.
    void BeginChange();
    void EndChange();
    // The marks to stored frame numbers and back, around cutting frames.
    void ToStoredFrames();
    void FromStoredFrames();
    // Clips the marks to the zoomed image.
    void ClipMarks();

    // The zoomed image's size.
    int32_t Width() const;
    int32_t Height() const;

    void Handle(const KMessage &message) override;
    void Write(KStream &stream) const override;
    // Accepts 0x2000b (flags become 1, the id the next free one of the
    // image's views) and 0x2000c; else KXPersistent kErrFileVersion.
    void Read(KStream &stream) override;
    const wchar_t *ClassName() const override { return L"VImageView"; }

private:
    void RedrawUnlessSuspended();
    // Maps every mark through convert (x, y in place).
    template <typename Convert> void MapMarks(Convert convert);
    static void ZoomChangeHook(void *context, bool begin);

    VImage *itsImage;
    VImageViewWindow *itsWindow = nullptr;
    uint32_t itsFlags = 0;
    KPoint itsPosition;
    VZoom itsZoom;
    int32_t itsRedrawSuspended = 0;
    KPoint itsTimeTrack;
    bool itsShowTimeTrack = false;
    KRect itsFirstRect;
    bool itsShowFirstRect = false;
    KRect itsObjectRect;
    bool itsObjectFound = false;
};
