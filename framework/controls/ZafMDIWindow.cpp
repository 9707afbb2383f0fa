// The portable half of ZafMDIWindow: construction, settings, adding
// children, the close command and storage.
#include "framework/controls/ZafMDIWindow.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/base/ZafConstants.h"

#include <memory>

namespace {

constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);

} // namespace

const ZafPaletteMap ZafMDIWindow::defaultPaletteMap[] = {
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 0, 2, 1, ZAF_UNSET_OS_COLOR, ZAF_UNSET_OS_COLOR } },
    { 0, 0, {} },
};

ZafMDIWindow::ZafMDIWindow(int left, int top, int width, int height, int mdiType)
    : ZafWindow(left, top, width, height), mdiType(mdiType == ZAF_MDI_CHILD ? ZAF_MDI_CHILD : ZAF_MDI_FRAME)
{
}

ZafMDIWindow::ZafMDIWindow(const ZafMDIWindow &copy) : ZafWindow(copy), mdiType(copy.mdiType)
{
}

ZafMDIWindow::ZafMDIWindow(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafMDIWindow(name, persistence, std::make_shared<int>(ZAF_MDI_FRAME))
{
}

// The kind is read inside the window's constructor, before this object's
// own members exist; it waits in storedKind until they do.
ZafMDIWindow::ZafMDIWindow(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<int> storedKind)
    : ZafWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID),
          [storedKind](ZafFile &file) {
              ZafUInt16 kind = 0;
              file.ReadUInt16(kind);
              *storedKind = (kind & 0x0F) == ZAF_MDI_CHILD ? ZAF_MDI_CHILD : ZAF_MDI_FRAME;
          }),
      mdiType(*storedKind)
{
    ZafPopObjectLevel(*this, persistence);
}

void ZafMDIWindow::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafWindow::Write(persistence); });
}

void ZafMDIWindow::WriteRecordExtension(ZafFile &file)
{
    file.WriteUInt16(ZafUInt16(mdiType & 0x0F));
}

int ZafMDIWindow::SetMDIType(int type)
{
    if (Registered() || (type != ZAF_MDI_FRAME && type != ZAF_MDI_CHILD))
        return mdiType;
    if ((mdiType == ZAF_MDI_FRAME && Count() == 0) || (mdiType == ZAF_MDI_CHILD && !parent))
        mdiType = type;
    return mdiType;
}

bool ZafMDIWindow::SetDropTarget(bool value)
{
    return dropTarget = IsFrame() ? false : value;
}

ZafWindow *ZafMDIWindow::SetOwner(ZafWindow *window)
{
    if (!IsFrame())
        return owner = nullptr;
    return ZafWindow::SetOwner(window);
}

int ZafMDIWindow::SetSelectionType(int type)
{
    if (IsFrame())
        return selectionType = 0;
    return ZafWindow::SetSelectionType(type);
}

const ZafPaletteStruct *ZafMDIWindow::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *palette = FindPalette(defaultPaletteMap, type, state))
        return palette;
    return ZafWindow::MapPalette(type, state);
}

ZafWindowObject *ZafMDIWindow::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    if (IsFrame() && object && !position && !object->UseParentFrameHandle())
        return ZafWindow::Add(object, FirstChild());
    return ZafWindow::Add(object, position);
}

// -501: the child carried by the event (or, without one, the current
// child) is asked and removed. A carried child that is no longer in this
// window left while the close waited in the queue: nothing is closed then.
ZafEventType ZafMDIWindow::CloseChild(const ZafEventStruct &event)
{
    ZafWindowObject *named = event.dataObject;
    ZafWindowObject *target = named ? nullptr : CurrentChild();
    // Addresses only: the named child may have been deleted meanwhile.
    for (ZafElement *e = ZafList::First(); e && named && !target; e = e->Next())
        if (e == named)
            target = named;
    ZafWindow *window = dynamic_cast<ZafWindow *>(target);
    if (!window || window->Locked())
        return event.type;
    if (window->Event(ZafEventStruct(ZAF_EV_CLOSE_QUERY, 0)) != 0)
        return event.type;
    Subtract(window);
    if (window->Destroyable())
        delete window;
    return event.type;
}
