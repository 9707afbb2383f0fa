// The portable half of ZafScrollBar: construction, the data it observes,
// the scroll types, the scroll arithmetic and storage; also the window's
// scroll-bar lookups.
#include "framework/controls/ZafScrollBar.h"
#include "framework/core/storage/ZafObjectLevel.h"
#include "framework/core/data/ZafDataLink.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafScrollData.h"
#include "framework/core/storage/ZafFile.h"

#include <memory>

namespace {

// The support-object ids of the types that stand for a window's own parts.
struct SupportID
{
    int scrollType;
    ZafNumberID numberID;
    const ZafIChar *stringID;
};

const SupportID supportIDs[] = {
    { ZafScrollBar::VERTICAL_BAR, -7, L"ZAF_VERTICAL_SCROLL" },
    { ZafScrollBar::HORIZONTAL_BAR, -6, L"ZAF_HORIZONTAL_SCROLL" },
    { ZafScrollBar::CORNER, -8, L"ZAF_CORNER_SCROLL" },
};

ZafScrollBar *ScrollBarOf(ZafWindowObject *object)
{
    return object && object->IsAClassID(ZAF_ID_SCROLL_BAR) ? static_cast<ZafScrollBar *>(object) : nullptr;
}

} // namespace

// ---- The window's lookups -----------------------------------------------------

ZafScrollBar *ZafWindow::HorizontalScrollBar() const { return ScrollBarOf(SupportObject(-6)); }
ZafScrollBar *ZafWindow::VerticalScrollBar() const { return ScrollBarOf(SupportObject(-7)); }
ZafScrollBar *ZafWindow::CornerScrollBar() const { return ScrollBarOf(SupportObject(-8)); }

// ---- Construction -------------------------------------------------------------

ZafScrollBar::ZafScrollBar(int type) : ZafFramelessWindow(0, 0, 0, 0)
{
    SetScrollType(type);
    if (!IsSlider())
        SetUseParentFrameHandle(true);
    SetScrollData(new ZafScrollData(0, 100, 0, 1, 1));
    Finish();
}

ZafScrollBar::ZafScrollBar(int left, int top, int width, int height, int minimum, int maximum, int current,
    int lineStep, int pageSize, int type) : ZafFramelessWindow(left, top, width, height)
{
    SetScrollType(type);
    if (!IsSlider())
        SetUseParentFrameHandle(true);
    SetScrollData(new ZafScrollData(minimum, maximum, current, lineStep, pageSize));
    Finish();
}

ZafScrollBar::ZafScrollBar(int left, int top, int width, int height, ZafScrollData *data, int type)
    : ZafFramelessWindow(left, top, width, height)
{
    SetScrollType(type);
    if (!IsSlider())
        SetUseParentFrameHandle(true);
    SetScrollData(data ? data : new ZafScrollData(0, 0, 0, 1, 1));
    Finish();
}

ZafScrollBar::ZafScrollBar(const ZafScrollBar &copy)
    : ZafFramelessWindow(copy), scrollType(copy.scrollType), autoSize(copy.autoSize)
{
    ZafScrollData *data = copy.scrollData;
    if (data && data->Destroyable())
        data = new ZafScrollData(*data);
    SetScrollData(data);
    ownOSWindow = !useParentFrameHandle;
}

void ZafScrollBar::Finish()
{
    destroyable = false;
    moveable = false;
    sizeable = false;
    ownOSWindow = !useParentFrameHandle;
}

ZafScrollBar::~ZafScrollBar()
{
    ZafScrollData *data = scrollData;
    scrollData = nullptr;
    ReleaseData(data);
}

void ZafScrollBar::ReleaseData(ZafScrollData *data)
{
    ZafLetGoData(data, this);
}

// ---- Settings -------------------------------------------------------------------

ZafScrollData *ZafScrollBar::SetScrollData(ZafScrollData *data)
{
    ZafScrollData *old = scrollData;
    if (old)
        old->SubtractNotification(this);
    if (old && old != data)
        ReleaseData(old);
    scrollData = data ? data : new ZafScrollData(0, 0, 0, 1, 1);
    scrollData->AddNotification(this, &ZafScrollBar::Notification, ZAF_NOTIFY_READ | ZAF_NOTIFY_CHANGED);
    UpdateOSScroll();
    return scrollData;
}

int ZafScrollBar::SetScrollType(int type)
{
    if (Registered() || type == scrollType)
        return scrollType;
    scrollType = type;
    if (IsSlider())
    {
        SetRegionMode(0);
        SetFocusBlocked(false);
        SetUseParentFrameHandle(false);
    }
    return scrollType;
}

bool ZafScrollBar::SetUseParentFrameHandle(bool value)
{
    if (parent || value == useParentFrameHandle)
        return useParentFrameHandle;
    if (value && IsSlider())
        return useParentFrameHandle;
    useParentFrameHandle = value;
    if (value)
    {
        SetRegionMode(2);
        SetFocusBlocked(true);
        SetNumberID(0);
        SetStringID(nullptr);
        for (const SupportID &entry : supportIDs)
            if (entry.scrollType == scrollType)
            {
                SetNumberID(entry.numberID);
                SetStringID(entry.stringID);
            }
    }
    else
    {
        SetRegionMode(0);
        SetFocusBlocked(false);
        SetNumberID(0);
        SetStringID(nullptr);
    }
    ownOSWindow = !useParentFrameHandle;
    return useParentFrameHandle;
}

ZafError ZafScrollBar::Notification(ZafElement *observer, ZafUpdateCode code)
{
    ZafScrollBar *bar = static_cast<ZafScrollBar *>(observer);
    return ZafAnswerNotice(code, [bar] { return bar->UpdateOSScroll(); }, [bar] { return bar->ReadOSPosition(); });
}

// ---- Scroll arithmetic ----------------------------------------------------------

int ZafScrollBar::ScaleFor(int minimum, int maximum)
{
    ZafUInt32 range = ZafUInt32(maximum) - ZafUInt32(minimum) + 1u;
    return int(range / 65535u + 1u);
}

int ZafScrollBar::ValueAtPosition(int osPosition) const
{
    const long long offset = (long long)(osPosition + 32767) * scaleFactor;
    const long long value = scrollType == VERTICAL_SLIDER ? scrollData->Maximum() - offset
                                                         : scrollData->Minimum() + offset;
    if (value < scrollData->Minimum())
        return scrollData->Minimum();
    if (value > scrollData->Maximum())
        return scrollData->Maximum();
    return int(value);
}

ZafScrollBar::Step ZafScrollBar::ScrollStep(int osCode, int thumbPosition) const
{
    const bool inverted = scrollType == VERTICAL_SLIDER;
    const int minimum = scrollData->Minimum(), maximum = scrollData->Maximum();
    const long long v = scrollData->Current();
    const long long line = scrollData->LineStep(), page = scrollData->PageSize();
    const int sign = inverted ? -1 : 1;
    long long value = v;
    ZafLogicalEvent code = 0;
    switch (osCode)
    {
    case 0: value = v - sign * line; code = ZAF_L_UP; break;                       // SB_LINEUP
    case 1: value = v + sign * line; code = ZAF_L_DOWN; break;                     // SB_LINEDOWN
    case 2: value = v - sign * page; code = ZAF_L_PAGE_UP; break;                  // SB_PAGEUP
    case 3: value = v + sign * page; code = ZAF_L_PAGE_DOWN; break;                // SB_PAGEDOWN
    case 4: value = ValueAtPosition(thumbPosition); code = ZAF_L_END_SELECT; break;        // SB_THUMBPOSITION
    case 5: value = ValueAtPosition(thumbPosition); code = ZAF_L_CONTINUE_SELECT; break;   // SB_THUMBTRACK
    case 6: value = inverted ? maximum : minimum; code = 1056; break;              // SB_TOP
    case 7: value = inverted ? minimum : maximum; code = 1057; break;              // SB_BOTTOM
    default: break;
    }
    if (value < minimum)
        value = minimum;
    if (value > maximum)
        value = maximum;
    return { int(value), code };
}

void ZafScrollBar::StoreCurrent(int value)
{
    scrollData->StoreCurrent(value);
}

// ---- Storage --------------------------------------------------------------------
// After the window's record, in the same record file: u16 flags (bit 0
// automatic size), u16 scroll type (low four bits), the name of the scroll
// data, which is stored beside the record under that name.

ZafScrollBar::ZafScrollBar(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafScrollBar(name, persistence, std::make_shared<Stored>())
{
}

// The record is read inside the window's constructor, before this object's
// own members exist; it waits in stored until they do.
ZafScrollBar::ZafScrollBar(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<Stored> stored)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [stored, &persistence](ZafFile &file) {
              ZafUInt16 flags = 0, type = 0;
              file.ReadUInt16(flags);
              file.ReadUInt16(type);
              ZafIChar *dataName = file.ReadNewString();
              if (!file.Error())
              {
                  stored->autoSize = flags & 1;
                  stored->scrollType = type & 0x0F;
                  if (dataName && *dataName)
                      stored->data = new ZafScrollData(dataName, persistence);
              }
              delete[] dataName;
          }),
      scrollType(stored->scrollType), autoSize(stored->autoSize)
{
    ZafScrollData *data = stored->data;
    if (data && data->Error() && !Error())
        SetError(data->Error());
    SetScrollData(data ? data : new ZafScrollData(0, 0, 0, 1, 1));
    // The stored ids stay: a support object keeps what it was.
    if (IsSlider())
        useParentFrameHandle = false;
    ownOSWindow = !useParentFrameHandle;
    ZafPopObjectLevel(*this, persistence);
}

void ZafScrollBar::Write(ZafObjectPersistence &persistence)
{
    if (scrollData && !(scrollData->StringID() && *scrollData->StringID()))
        scrollData->SetStringID(L"scrollData");
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafWindow::Write(persistence); });
}

void ZafScrollBar::WriteRecordExtension(ZafFile &file)
{
    file.WriteUInt16(autoSize ? 1 : 0);
    file.WriteUInt16(ZafUInt16(scrollType & 0x0F));
    file.WriteString(scrollData ? scrollData->StringID() : nullptr);
}

void ZafScrollBar::WriteSupportObjects(ZafObjectPersistence &persistence)
{
    if (scrollData)
        if (ZafError error = scrollData->Write(persistence))
            SetError(error);
    ZafWindow::WriteSupportObjects(persistence);
}
