#pragma once
// ZafMDIWindow: the framework's multiple-document window. One class plays two
// roles by its MDI kind: the frame (kind 0, a top-level window holding an OS
// "MDICLIENT" window) and the child (kind 1, a document window inside its
// frame's MDI client). The kind follows the window's place when it is settled
// (ZAF_EV_SETTLE): with a parent it is a child, without one a frame. The frame
// turns the MDI command events (ZAF_EV_MDI_CLOSE .. ZAF_EV_MDI_TILE) into the
// OS MDI messages and keeps its child list, current child and focus in step
// with the active MDI child; the newest child is first in the list. A child is
// its own root window. Children are owned by their frame like any window's. GUI
// thread only.

#include "framework/core/objects/ZafWindow.h"
#include "framework/controls/ZafFixedSettings.h"

#include <memory>

constexpr int ZAF_MDI_FRAME = 0;
constexpr int ZAF_MDI_CHILD = 1;

class ZafMDIWindow : public ZafWindow
{
public:
    ZafMDIWindow(int left, int top, int width, int height, int mdiType = ZAF_MDI_FRAME);
    ZafMDIWindow(const ZafMDIWindow &copy);
    ZafMDIWindow(const ZafIChar *name, ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_MDI_WINDOW, L"ZafMDIWindow")

    // The MDI command events and the kind's own handling of ZAF_EV_SETTLE,
    // ZAF_EV_REGISTER, ZAF_EV_UNREGISTER and ZAF_EV_COMPUTE_REGION (Windows
    // half); every other event is the window's.
    ZafEventType Event(const ZafEventStruct &event) override;
    ZafEventType OSEvent(const ZafEventStruct &event) override;      // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafMDIWindow);
    void Write(ZafObjectPersistence &persistence) override;

    // Both kinds are their own root window.
    ZafWindowObject *RootObject() const override { return const_cast<ZafMDIWindow *>(this); }
    ZafEventType DragHook(const ZafEventStruct &) override { return ZAF_NOT_HANDLED; }
    // A frame gaining the focus on one of its children activates it and
    // moves it to the front of the list (Windows half).
    ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained) override;
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;
    void OSRegisterObject() override;                                 // Windows half
    // A child maximizes and restores through its MDI client.
    bool SetMaximized(bool value) override;                           // Windows half
    // A frame puts a new child (added without a position) first.
    ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr) override;

    // Only before registration, and only while a frame has no children or
    // a child has no parent; answers the kind.
    virtual int SetMDIType(int type);
    int MDIType() const { return mdiType; }
    bool IsFrame() const { return mdiType == ZAF_MDI_FRAME; }

    // Settings the class fixes (by kind where noted).
    ZAF_FIXED_TOP_WINDOW_SETTINGS
    bool SetDropTarget(bool value) override;
    ZafWindow *SetOwner(ZafWindow *window) override;
    int SetSelectionType(int type) override;

    static const ZafPaletteMap defaultPaletteMap[];

protected:
    void WriteRecordExtension(ZafFile &file) override;

private:
    ZafMDIWindow(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<int> storedKind);
    ZafEventType CloseChild(const ZafEventStruct &event);
    ZafEventType FrameCommand(const ZafEventStruct &event);
    ZafEventType ChildCommand(const ZafEventStruct &event);
    ZafEventType RegisterEvent(const ZafEventStruct &event);
    ZafEventType UnregisterChild(const ZafEventStruct &event);
    void DisableLaterSiblings();
    ZafOSWindow ParentClient() const;

    int mdiType = ZAF_MDI_FRAME;
};
