#pragma once
// ZafWindow: the framework's container. Its ZafList base is the list of its
// children in display and tab order (the list's current element is the
// current child); a second list holds its support objects (frame parts,
// menus, tool and status bars, the geometry manager: objects that sit in the
// frame rather than the client area). The window owns both lists' objects
// and deletes them with itself. It keeps the default buttons (on the root
// window only), the window flags and, on Windows, may own two OS windows: an
// outer frame window and the client window its children live in. The window
// manager is itself a ZafWindow whose children are the top-level windows.
// GUI thread only.
//
// The portable half (ZafWindow.cpp) holds the child management, lookups,
// focus and default-button rules; the Windows half holds the event handler,
// OS registration and sizing (ZafWindowOS.cpp) and the raw message handler
// (ZafWindowOSEvent.cpp).

#include "framework/core/base/ZafList.h"
#include "framework/core/objects/ZafWindowObject.h"

#include <functional>

class ZafWindow;

class ZafStringData;
class ZafBorder;
class ZafTitle;
class ZafIcon;
class ZafScrollBar;

// Builds a window's frame objects (border, maximize and minimize buttons,
// system button, title holding the title data, which it takes over) for
// AddFrameObjects. The framework's own (ZafAddStandardFrameObjects) is
// installed from the start.
using ZafFrameObjectFactory = void (*)(ZafWindow *window, ZafStringData *title);

class ZafWindow : public ZafWindowObject, public ZafList
{
public:
    // The region is the constructor's; its width and height are also the
    // wanted client size.
    ZafWindow(int left, int top, int width, int height);
    ZafWindow(const ZafWindow &copy);
    // Persistent constructor: the window object's record, the window's
    // record, then every stored object whose class the persistence can make
    // (ZafWindowStorage.cpp).
    ZafWindow(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafWindow() override;

protected:
    // For derived windows whose record continues after the window's own
    // fields (in the same record file, before the stored children): the
    // persistent constructor hands the open file to readExtension right
    // after the window's fields, and Write calls WriteRecordExtension there.
    using RecordExtensionReader = std::function<void(ZafFile &file)>;
    ZafWindow(const ZafIChar *name, ZafObjectPersistence &persistence, const RecordExtensionReader &readExtension);
    virtual void WriteRecordExtension(ZafFile &) { }
public:

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindowObject, ZAF_ID_WINDOW, L"ZafWindow")

    ZafEventType Event(const ZafEventStruct &event) override;      // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;    // Windows half
    ZafWindowObject *GetObjectByNumberID(ZafNumberID id) override;
    ZafWindowObject *GetObjectByStringID(const ZafIChar *path) override;
    // The same for a path in the local 8-bit code set.
    ZafWindowObject *GetObjectByStringID(const char *path);
    ZafRegionStruct ClientRegion(ZafWindowObject *object) override; // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafWindow);
    ZafWindowObject *FocusObject() const override;
    // The title support object's text; null without a title.
    const ZafIChar *Text() override;
    // Sets the title's text; 1 without a title.
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;
    bool SelectionChanged() const override;
    bool SetSelectionChanged(bool value) override;
    // A window is never dragged, never has its border or focus drawn by its
    // parent and is never selected: these clear their flag and answer false.
    bool SetDragCtrl(bool value) override;
    bool SetDragCtrlShift(bool value) override;
    bool SetDragShift(bool value) override;
    bool SetBorderByParent(bool value) override;
    bool SetFocusByParent(bool value) override;
    bool SetSelected(bool value) override;
    bool SetDisabled(bool value) override;                          // Windows half
    bool SetFocus(bool value) override;                             // Windows half
    ZafCoordinateType SetCoordinateType(ZafCoordinateType type) override;
    ZafRegionStruct SetRegion(const ZafRegionStruct &newRegion) override;
    ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained) override;
    void NotifySelection(ZafWindowObject *object, bool selected) override;
    ZafEventType DropHook(const ZafEventStruct &event) override { return event.type; }
    void DrawHook() override { }
    ZafRegionStruct BeginDraw() override;                           // Windows half
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;
    int TranslateInputEvent(ZafEventStruct &event) override;        // Windows half
    ZafOSWindow OSHandle(int kind = 2) const override;              // Windows half
    void ApplyPosition() override;                                  // Windows half
    ZafEventType ApplyOSFont() override;                            // Windows half
    void OSRegisterObject() override;                               // Windows half
    ZafLogicalEvent MapEvent(ZafEventStruct &event) override;

    // Persistence: the window object's record, the window's record, then the
    // support objects and children, each on its own level.
    void Write(ZafObjectPersistence &persistence) override;
    virtual void WriteChildren(ZafObjectPersistence &persistence);
    virtual void WriteSupportObjects(ZafObjectPersistence &persistence);
    // The name of a compare function in the persistence's table; null.
    virtual const ZafIChar *CompareFunctionName(ZafCompareFunction function, ZafObjectPersistence &persistence) const;

    // Sends the event to every support object, then every child; then, for
    // depth -1 or positive, repeats into every object that is a window with
    // the depth lowered (kept at -1). Depth 0 reaches direct objects only.
    virtual ZafEventType BroadcastEvent(const ZafEventStruct &event, int depth);
    virtual bool SetDestroyable(bool value) { return destroyable = value; }
    // These act only before the OS window exists; each answers the flag.
    virtual bool SetLocked(bool value) { return SetBeforeRegistration(locked, value); }
    virtual bool SetModal(bool value) { return SetBeforeRegistration(modal, value); }
    virtual bool SetMoveable(bool value) { return SetBeforeRegistration(moveable, value); }
    virtual bool SetAltFreeHotKeys(bool value) { return SetBeforeRegistration(altFreeHotKeys, value); }
    virtual bool SetSizeable(bool value) { return SetBeforeRegistration(sizeable, value); }
    virtual bool SetTemporary(bool value) { return SetBeforeRegistration(temporary, value); }
    // Setting one clears the other; on screen, ShowWindow maximizes,
    // minimizes or restores at once. Answer the flag.
    virtual bool SetMaximized(bool value);                          // Windows half
    virtual bool SetMinimized(bool value);                          // Windows half
    // Only before the OS window exists and for a window without parent.
    virtual ZafWindow *SetOwner(ZafWindow *window);
    // Only before the OS window exists; 0 leaves at most one child selected.
    virtual int SetSelectionType(int type);
    // Adds a child (or, for an object that uses its parent's frame handle, a
    // support object) before position, or by the list's order. An object
    // that already has a parent is refused. On screen the object is built at
    // once. The window owns the object afterwards. Answers the object.
    virtual ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr);
    // Sends ZAF_EV_UNREGISTER to every child, then deletes them.
    virtual void DestroyChildren();
    // Removes the object (child or support object) and hands ownership back
    // to the caller; its OS window is destroyed. Answers the object.
    virtual ZafWindowObject *Subtract(ZafWindowObject *object);
    // Sends ZAF_EV_UNREGISTER to every child.
    virtual void NotifyChildrenDestroy();

    // Adds the frame objects (through the installed factory) holding the
    // title, then the extra object when one is given. Answers the window.
    ZafWindow *AddFrameObjects(ZafStringData *title, ZafWindowObject *extra = nullptr);
    // The same with a wide title text wrapped in a new string data object.
    ZafWindow *AddFrameObjects(const ZafIChar *title, ZafWindowObject *extra = nullptr);
    static ZafFrameObjectFactory SetFrameObjectFactory(ZafFrameObjectFactory factory);

    // The root window's default buttons (a button that Enter presses).
    ZafWindowObject *DefaultButton(bool permanent) const;
    ZafWindowObject *SetDefaultButton(ZafWindowObject *button, bool permanent);

    // Fixed support objects by number id; null when absent.
    ZafWindowObject *SupportObject(ZafNumberID id) const;
    // The frame objects as their classes; null when absent or of another
    // class (defined beside those classes).
    ZafBorder *Border() const;
    ZafTitle *Title() const;
    ZafIcon *MinimizeIcon() const;
    ZafWindowObject *SystemButton() const { return SupportObject(-4); }
    // The scroll-bar support objects (ZafScrollBar.cpp): the first support
    // object of the number id when it is a scroll bar, else null.
    ZafScrollBar *HorizontalScrollBar() const;
    ZafScrollBar *VerticalScrollBar() const;
    ZafScrollBar *CornerScrollBar() const;
    ZafWindowObject *GeometryManager() const { return SupportObject(-9); }
    ZafWindowObject *PullDownMenu() const { return SupportObject(-11); }

    // Compare functions for a sorted child list: by Text, ascending (objects
    // without text first) and descending (objects without text last).
    static int CompareAscending(ZafElement *a, ZafElement *b);
    static int CompareDescending(ZafElement *a, ZafElement *b);

    ZafWindowObject *FirstChild() const { return static_cast<ZafWindowObject *>(ZafList::First()); }
    ZafWindowObject *LastChild() const { return static_cast<ZafWindowObject *>(ZafList::Last()); }
    ZafWindowObject *CurrentChild() const { return static_cast<ZafWindowObject *>(ZafList::Current()); }
    ZafWindowObject *FirstSupport() const { return static_cast<ZafWindowObject *>(supportList.First()); }
    const ZafList &SupportList() const { return supportList; }

    bool Destroyable() const { return destroyable; }
    bool Locked() const { return locked; }
    bool Maximized() const { return maximized; }
    bool Minimized() const { return minimized; }
    bool Modal() const { return modal; }
    bool Moveable() const { return moveable; }
    bool AltFreeHotKeys() const { return altFreeHotKeys; }
    bool Sizeable() const { return sizeable; }
    bool Temporary() const { return temporary; }
    bool FitToClient() const { return fitToClient; }
    int SelectionType() const { return selectionType; }
    ZafWindow *Owner() const { return owner; }
    ZafRegionStruct ClientSize() const { return clientSize; }
    ZafRegionStruct RestoreRegion() const { return restoreRegion; }
    ZafOSWindow FrameWindow() const { return frameWindow; }

    // The class input map of ZafWindow.
    static const ZafInputMap defaultInputMap[];

protected:
    // Moves the keyboard focus among the children (Tab, Shift+Tab, arrows);
    // answers 0 when it moved, ZAF_NOT_HANDLED when no child could take it. Tab
    // wraps round only in a root window: a window inside another answers
    // ZAF_NOT_HANDLED at the end of its children (and at once when it allows
    // one selection among them), so that the window around it moves on.
    ZafEventType MoveFocusByTab(bool backwards);
    ZafEventType MoveFocusByArrow(ZafRawCode key);
    ZafEventType HotKeyEvent(const ZafEventStruct &event);
    ZafEventType ReflectToChild(const ZafEventStruct &event);
    // The WINDOWPOS resend that makes the frame lay its parts out again.
    void RelayoutFrame();
    ZafEventType FrameStyleChanged();
    // The two halves of Add around the OS work. EnterList puts the object
    // into list (before position when that is in it) as a child of this
    // window, its focus and selection taken off and kept; SettleEntered gives
    // them back, making it the current child when it had the focus, this
    // window holds none and mayBeCurrent.
    struct EnteredState
    {
        bool hadFocus;
        bool wasSelected;
    };
    EnteredState EnterList(ZafList &list, ZafWindowObject *object, ZafWindowObject *position);
    void SettleEntered(ZafWindowObject *object, EnteredState state, bool mayBeCurrent);
    // Destroys the frame window of a frame and client pair.
    void ReleaseFrame();
    // The window's raw WM_WINDOWPOSCHANGED (client size, ZAF_EV_MOVED /
    // ZAF_EV_SIZED).
    ZafEventType WindowPosChanged(const ZafEventStruct &event, ZafEventType answer);
    ZafEventType EraseBackground(const ZafEventStruct &event);
    ZafEventType PaletteEvent(const ZafEventStruct &event);
    // The child of this window that is or contains the object; null.
    ZafWindowObject *DirectChildOf(ZafWindowObject *object) const;
    bool IsFocusable(const ZafWindowObject *object) const;

    ZafList supportList;
    ZafWindowObject *currentDefault = nullptr;
    ZafWindowObject *permanentDefault = nullptr;
    bool destroyable = true;
    bool locked = false;
    bool maximized = false;
    bool minimized = false;
    bool modal = false;
    bool moveable = true;
    bool altFreeHotKeys = false;
    ZafWindow *owner = nullptr;
    int selectionType = 0;
    bool sizeable = true;
    bool temporary = false;
    ZafRegionStruct clientSize;
    ZafRegionStruct restoreRegion;
    ZafOSWindow frameWindow = nullptr;
    bool fitToClient = true;

private:
    // One handler per framework event of Event (Windows half); each answers
    // what Event answers.
    ZafEventType RestoreEvent(const ZafEventStruct &event);
    ZafEventType SettleEvent(const ZafEventStruct &event);
    ZafEventType RebuildEvent(const ZafEventStruct &event);
    ZafEventType CloseEvent(const ZafEventStruct &event);
    ZafEventType OSWindowGoneEvent(const ZafEventStruct &event);
    ZafEventType RegisterWithChildren(const ZafEventStruct &event);
    ZafEventType UnregisterEvent(const ZafEventStruct &event);
    ZafEventType HotKeyToChildren(const ZafEventStruct &event);
    ZafEventType SetRegionEvent(const ZafEventStruct &event);
    ZafEventType SizedEvent(const ZafEventStruct &event);
    ZafEventType MovedEvent(const ZafEventStruct &event);

    static ZafFrameObjectFactory frameObjectFactory;
    friend class ZafWindowManager;
    friend class ZafFrameRouting;
};

