#ifndef ZAF_WINDOWOBJECT_H
#define ZAF_WINDOWOBJECT_H

#include "framework/core/base/ZafTypes.h"
#include "framework/core/base/ZafElement.h"
#include "framework/core/display/ZafRegionStruct.h"
#include "framework/core/events/ZafEventStruct.h"
#include "framework/core/data/ZafPaletteData.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/events/ZafInputMap.h"

class ZafWindowObject;
class ZafGdiDisplay;

// Called by CallUserFunction with (object, a copy of the event, code).
using ZafUserFunction = ZafEventType (*)(ZafWindowObject *object, ZafEventStruct &event, ZafEventType code);
// The object's event callback for ZAF_EV_BECAME_CURRENT, ZAF_EV_MAY_LEAVE
// and ZAF_L_SELECT.
using ZafMemberUserFunction = ZafEventType (ZafWindowObject::*)(const ZafEventStruct &event, ZafEventType code);

// ZafWindowObject: the base of every visible object of the framework (windows,
// controls, frame parts). It owns its rectangle, state flags, palette map (when
// destroyable), help and tip texts and user hooks; once registered it knows
// the OS window it draws in (its own, or its parent's). The parent owns its
// children. GUI thread only.
//
// Setters answer the value in force. The setters of styles the OS window takes
// at creation act only before registration and answer the unchanged value
// afterwards. The portable half lives in framework/core, the operations that
// touch the OS window in framework/windows.
class ZafWindowObject : public ZafElement
{
public:
    ZafWindowObject(int left, int top, int width, int height);
    ZafWindowObject(const ZafWindowObject &copy);
    // Persistent constructor: reads the object named name on the
    // persistence's current level (ZafWindowObjectStorage.cpp); a storage
    // error goes to SetError and leaves the stored fields at their defaults.
    ZafWindowObject(const ZafIChar *name, ZafObjectPersistence &persistence);
    ZafWindowObject &operator=(const ZafWindowObject &) = delete;
    virtual ~ZafWindowObject();

    // Class identity.
    ZAF_CLASS_IDENTITY_MEMBERS(ZafElement, ZAF_ID_WINDOW_OBJECT, L"ZafWindowObject")

    // Events (framework and raw).
    virtual ZafEventType Event(const ZafEventStruct &event);
    // Raw OS messages (event type 1); answers the message result.
    virtual ZafEventType OSEvent(const ZafEventStruct &event);

    // ---- Input and the focus protocol (ZafWindowObjectEvent.cpp,
    // ZafWindowObjectInput.cpp, ZafWindowObjectDrag.cpp) ----
    // Fills the input fields (raw code, modifiers, character, map modifier
    // field, position) of a keyboard or mouse event for this object and
    // makes the event name it; 1 when it did, 0 otherwise.
    virtual int TranslateInputEvent(ZafEventStruct &event);
    // The logical event of a raw input event by the map; ZAF_NO_EVENT when the map
    // has none; the event's own type for types outside 0 .. 99.
    ZafLogicalEvent MapInputTable(const ZafInputMap *map, ZafEventStruct &event);
    // MapInputTable over the class input map, answering the event's own
    // type instead of ZAF_NO_EVENT.
    virtual ZafLogicalEvent MapEvent(ZafEventStruct &event);
    // An object inside this one gains (true) or gives up the focus; answers
    // null on success, else the object that refused.
    virtual ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained);
    // Drag and drop events ZAF_EV_DRAG_FIRST .. ZAF_EV_DRAG_LAST: the answered
    // drag code, or ZAF_REFUSED.
    virtual ZafEventType DragDropEvent(const ZafEventStruct &event);
    // Design mode: moves or sizes the object with the mouse; answers
    // ZAF_L_END_SELECT.
    virtual ZafEventType MoveSizeEvent(const ZafEventStruct &event);
    virtual ZafEventType DragHook(const ZafEventStruct &event) { return event.type; }
    virtual ZafEventType DropHook(const ZafEventStruct &event) { return event.type; }
    // A button that may become the window's current default (ZafButton).
    virtual bool AllowDefault() const { return false; }
    // The class input map of ZafWindowObject.
    static const ZafInputMap defaultInputMap[];

protected:
    // Pieces of event handling (Windows half).
    ZafEventType DesignModeEvent(ZafEventStruct &event);
    ZafEventType DrawItemEvent(const ZafEventStruct &event);
    ZafEventType ControlColorEvent(const ZafEventStruct &event);
    void TrackTips();
    void PressForDrag(const ZafEventStruct &event);
    bool MouseMoveDrag(const ZafEventStruct &event);
    void ReleaseForDrag(const ZafEventStruct &event);
    void DragTrack(const ZafEventStruct &event, bool release);
public:

    // Lookup and small queries.
    virtual ZafWindowObject *GetObjectByNumberID(ZafNumberID id);
    virtual ZafWindowObject *GetObjectByStringID(const ZafIChar *id);
    ZafWindowObject *GetObjectByStringID(const char *id);
    // The receiver's client area as offered to the given child (pixels).
    virtual ZafRegionStruct ClientRegion(ZafWindowObject *object);
    virtual ZafWindowObject *Duplicate() { return new ZafWindowObject(*this); }
    virtual ZafWindowObject *FocusObject() const;
    virtual ZafRegionStruct Region() const { return region; }
    virtual ZafWindowObject *RootObject() const;
    virtual const ZafIChar *Text() { return nullptr; }
    virtual ZafInt32 Value() const { return 0; }
    ZafWindowObject *Parent() const { return parent; }
    void SetParent(ZafWindowObject *newParent) { parent = newParent; }
    ZafOSWindow OSWindow() const { return osWindow; }
    bool Registered() const { return osWindow != nullptr; }
    ZafEventType CallUserFunction(const ZafEventStruct &event, ZafEventType code);

    // Persistence: registers the class, names an unnamed object "FIELD_"
    // and its number id, and writes its record; failures go to SetError.
    virtual void Write(ZafObjectPersistence &persistence);
    // The creation function of the class (New for this class).
    virtual ZafObjectConstructor NewFunction() const { return &ZafWindowObject::New; }
    static ZafElement *New(const ZafIChar *name, ZafObjectPersistence &persistence);
    // The names the persistence has the function or object registered under.
    virtual const ZafIChar *UserFunctionName(ZafUserFunction function, ZafObjectPersistence &persistence) const;
    virtual const ZafIChar *UserObjectName(void *object, ZafObjectPersistence &persistence) const;

    // Texts: each setter stores a copy (null clears) and answers the stored text.
    virtual const ZafIChar *SetTipText2(const ZafIChar *text);
    virtual const ZafIChar *SetHelpTopic(const ZafIChar *topic);
    virtual const ZafIChar *SetTipText(const ZafIChar *text);
    const ZafIChar *HelpTopic() const { return helpTopic; }
    const ZafIChar *TipText() const { return tipText; }
    const ZafIChar *TipText2() const { return tipText2; }
    const ZafIChar *ExtraText() const { return extraText; }
    const ZafIChar *SetExtraText(const ZafIChar *text);
    ZafUInt16 Extra1() const { return extra1; }
    ZafUInt16 Extra2() const { return extra2; }
    ZafUInt16 SetExtra1(ZafUInt16 value) { return extra1 = value; }
    ZafUInt16 SetExtra2(ZafUInt16 value) { return extra2 = value; }
    void *UserObject() const { return userObject; }
    void *SetUserObject(void *object) { return userObject = object; }

    virtual ZafRegionStruct SetRegion(const ZafRegionStruct &newRegion);
    // Base: changes nothing and answers 1.
    virtual ZafError SetText(const ZafIChar *text);
    ZafError SetText(const char *text);
    virtual ZafUserFunction SetUserFunction(ZafUserFunction function);
    ZafUserFunction UserFunction() const { return userFunction; }
    ZafMemberUserFunction MemberUserFunction() const { return memberFunction; }
    ZafMemberUserFunction SetMemberUserFunction(ZafMemberUserFunction function) { return memberFunction = function; }

    // Flags.
    virtual bool SelectionChanged() const { return selectionChanged; }
    virtual bool DragCtrl() const { return dragCtrl; }
    virtual bool Draggable() const { return dragCtrl || dragCtrlShift || dragShift; }
    virtual bool DragCtrlShift() const { return dragCtrlShift; }
    virtual bool DragShift() const { return dragShift; }
    bool DropTarget() const { return dropTarget; }
    bool Border() const { return border; }
    bool SystemDrawn() const { return systemDrawn; }
    bool BorderByParent() const { return borderByParent; }
    bool FocusByParent() const { return focusByParent; }
    bool PaletteFromParent() const { return paletteFromParent; }
    bool Selected() const { return selected; }
    bool UseParentFrameHandle() const { return useParentFrameHandle; }
    bool OwnOSWindow() const { return ownOSWindow; }
    bool Focus() const { return focus; }
    int RegionMode() const { return regionMode; }
    ZafCoordinateType CoordinateType() const { return coordinateType; }
    ZafError Error() const { return error; }
    ZafRegionStruct LastRegion() const { return lastRegion; }
    // The own flag; with inherited, also the parents' (a child of a disabled
    // window is disabled; visible and updating only when every parent is).
    bool IsDisabled(bool inherited = true) const;
    bool IsVisible(bool inherited = true) const;
    bool AutomaticUpdate(bool inherited = true) const;
    // True when the object or any parent never takes the focus.
    bool FocusBlocked() const;

    virtual bool SetDropTarget(bool value) { return dropTarget = value; }
    virtual bool SetAutomaticUpdate(bool value);                  // OS half
    virtual bool SetBorder(bool value) { return SetBeforeRegistration(border, value); }
    virtual bool SetSelectionChanged(bool value) { return selectionChanged = value; }
    virtual bool SetDragCtrl(bool value) { return dragCtrl = value; }
    virtual bool SetDisabled(bool value);                         // OS half
    virtual ZafError SetError(ZafError value) { return error = value; }
    // The focus protocol (event handling): a disabled or focus-blocked
    // object never takes the focus; answers the focus flag.
    virtual bool SetFocus(bool value);
    virtual bool SetDragCtrlShift(bool value) { return dragCtrlShift = value; }
    virtual bool SetDragShift(bool value) { return dragShift = value; }
    virtual bool SetFocusBlocked(bool value) { return focusBlocked = value; }
    virtual bool SetSystemDrawn(bool value) { return SetBeforeRegistration(systemDrawn, value); }
    virtual bool SetBorderByParent(bool value) { return SetBeforeRegistration(borderByParent, value); }
    virtual bool SetFocusByParent(bool value) { return SetBeforeRegistration(focusByParent, value); }
    virtual bool SetPaletteFromParent(bool value) { return SetBeforeRegistration(paletteFromParent, value); }
    virtual int SetRegionMode(int value) { return SetBeforeRegistration(regionMode, value); }
    virtual bool SetSelected(bool value);
    virtual bool SetVisible(bool value);                          // OS half
    virtual bool ToggleSelected() { return SetSelected(!selected); }
    virtual bool DesignMode() const { return designMode; }
    virtual bool SetDesignMode(bool value) { return SetBeforeRegistration(designMode, value); }
    virtual ZafCoordinateType SetCoordinateType(ZafCoordinateType type); // before registration only
    // Base: always clears the flag and answers false; support objects set it.
    virtual bool SetUseParentFrameHandle(bool value);
    virtual bool SetOwnOSWindow(bool value);                      // OS half
    // Passes a selection notice on to the parent, naming itself.
    virtual void NotifySelection(ZafWindowObject *object, bool value);

    // Palettes and drawing attributes (drawing in framework/windows).
    virtual ZafInt8 SetFont(ZafInt8 font);
    virtual ZafInt8 SetTextColor(ZafInt8 color, ZafInt8 mono);
    virtual ZafInt8 SetBackgroundColor(ZafInt8 color, ZafInt8 mono);
    virtual ZafPaletteData *SetPaletteData(ZafPaletteData *data);
    ZafPaletteData *PaletteData() const { return paletteData; }

    // Coordinates.
    virtual void ConvertCoordinates(ZafCoordinateType type);
    virtual void ConvertRegion(ZafRegionStruct &convert, ZafCoordinateType type) const;

    // Drawing (Windows half).
    virtual ZafRegionStruct BeginDraw();
    void EndDraw();
    virtual ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code);
    virtual ZafEventType DrawBackground(ZafRegionStruct &drawRegion, ZafEventType code);
    virtual ZafEventType DrawBorder(ZafRegionStruct &drawRegion, ZafEventType code);
    virtual ZafEventType DrawFocus(ZafRegionStruct &drawRegion, ZafEventType code);
    virtual ZafEventType DrawEdge(ZafRegionStruct &drawRegion, int depth, ZafEventType code);
    virtual void DrawHook() { }
    virtual ZafPaletteStruct ResolvePalette(ZafPaletteType type, ZafPaletteState state);

    // The object's region in its OS window's pixel coordinates (see the source).
    virtual ZafRegionStruct OSRegion(ZafWindowObject *reference = nullptr, const ZafRegionStruct *given = nullptr);
    // Called on the parent: add (or subtract) the offsets of every ancestor
    // drawn in another's window, up to the first with a window of its own.
    virtual void ConvertToOSPosition(ZafWindowObject *object, int &x, int &y) const;
    virtual void ConvertFromOSPosition(ZafWindowObject *object, int &x, int &y) const;
    virtual void ConvertToOSRegion(ZafWindowObject *object, ZafRegionStruct &convert) const;
    virtual void ConvertFromOSRegion(ZafWindowObject *object, ZafRegionStruct &convert) const;
    // One point between the object's OS coordinates and the screen (pixels).
    virtual ZafRegionStruct ConvertToScreenRegion(ZafWindowObject *object, int x, int y);
    virtual ZafRegionStruct ConvertFromScreenRegion(ZafWindowObject *object, int x, int y);

    virtual ZafPaletteState PaletteState();
    virtual void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state);
    // Base: the object's OS window whatever the kind.
    virtual ZafOSWindow OSHandle(int kind = 2) const;
    virtual void ApplyPosition();
    virtual ZafEventType ApplyOSFont();
    virtual const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state);
    virtual const ZafPaletteStruct *FindPalette(const ZafPaletteMap *map, ZafPaletteType type, ZafPaletteState state);
    const ZafPaletteStruct *FindPalette(const ZafPaletteData *data, ZafPaletteType type, ZafPaletteState state);

    // Registration (ZAF_EV_REGISTER) and its OS half.
    virtual void RegisterWithOS();
    virtual void OSRegisterObject();
    // Destroys an own OS window (it no longer reaches this object) and
    // forgets the window; the destructor does the same.
    void ReleaseOSWindow();
    virtual ZafEventType UpdateOSListItem();

    // Non-virtual palette queries (own map first, then the class map).
    ZafInt8 PaletteFont();
    void PaletteTextColor(ZafInt8 &foreground, ZafInt8 &mono);
    void PaletteBackgroundColor(ZafInt8 &background, ZafInt8 &mono);

    // Creates and prepares the OS window of an object: null class means
    // "ZafWindow"; null parent means the parent's window (or frame handle for
    // support objects); null instance means the application's. Answers the
    // handle, or null when creation failed.
    static ZafOSWindow CreateOSWindow(ZafWindowObject *object, const ZafIChar *osClassName,
        ZafUInt32 style, const ZafIChar *title = nullptr, ZafOSWindow parentWindow = nullptr,
        ZafUInt32 exStyle = 0, void *instance = nullptr, void *createParam = nullptr);

    // Class-wide auto-repeat timing of buttons, in milliseconds.
    static int RepeatDelay() { return repeatDelay; }
    static int RepeatInterval() { return repeatInterval; }
    static int SetRepeatDelay(int value) { return repeatDelay = value; }
    static int SetRepeatInterval(int value) { return repeatInterval = value; }

    // The class palette map.
    static const ZafPaletteMap defaultPaletteMap[];   // constant-initialised

protected:
    // The setters of the styles the OS window takes at creation: stores value
    // in field while the object is not registered; answers the field.
    template <class Field, class Value>
    Field SetBeforeRegistration(Field &field, Value value)
    {
        if (!Registered())
            field = value;
        return field;
    }
    static void ResetRegion(ZafRegionStruct &lastRegion);
    static ZafIChar *CopyText(const ZafIChar *text);
    // Stores a copy of text (null clears) in field, freeing the old text;
    // answers the stored copy.
    static const ZafIChar *ReplaceText(ZafIChar *&field, const ZafIChar *text);
    // The drawing display (the framework's shared display).
    static ZafGdiDisplay *DrawDisplay();
public:
    // The root of all windows (null until a window manager exists); the
    // window manager installs itself. Answers the previous one.
    static ZafWindowObject *WindowManager() { return windowManager; }
    static ZafWindowObject *SetWindowManager(ZafWindowObject *manager);

protected:

    ZafWindowObject *parent = nullptr;
    ZafOSWindow osWindow = nullptr;
    ZafRegionStruct region;
    void *userObject = nullptr;
    ZafUInt16 extra1 = 0;
    ZafUInt16 extra2 = 0;
    ZafIChar *extraText = nullptr;
    ZafPaletteData *paletteData = nullptr;
    ZafUserFunction userFunction = nullptr;
    ZafMemberUserFunction memberFunction = nullptr;
    bool dropTarget = false;
    bool dragCtrl = false;
    bool dragCtrlShift = false;
    bool dragShift = false;
    ZafCoordinateType coordinateType = 0;
    int regionMode = 0;
    bool selectionChanged = false;
    bool designMode = false;
    bool focus = false;
    bool focusBlocked = false;
    bool disabled = false;
    bool systemDrawn = true;
    bool borderByParent = false;
    bool focusByParent = false;
    bool paletteFromParent = false;
    bool selected = false;
    bool useParentFrameHandle = false;
    bool ownOSWindow = true;
    bool visible = true;
    bool automaticUpdate = true;
    bool border = false;
    ZafError error = 0;
    ZafIChar *helpTopic = nullptr;
    ZafIChar *tipText = nullptr;
    ZafIChar *tipText2 = nullptr;
    ZafRegionStruct lastRegion;

private:
    // The region converted to pixels of the object (null: this one), then
    // both corners moved by convertPosition.
    void ConvertOSRegion(ZafWindowObject *object, ZafRegionStruct &convert,
                         void (ZafWindowObject::*convertPosition)(ZafWindowObject *, int &, int &) const) const;

    // One handler per framework event of Event and per raw message of
    // OSEvent (Windows half); each answers what Event or OSEvent answers.
    ZafEventType SettleEvent(const ZafEventStruct &event);
    ZafEventType RebuildEvent(const ZafEventStruct &event);
    ZafEventType RedrawDataEvent(const ZafEventStruct &event);
    ZafEventType RedrawEvent(const ZafEventStruct &event);
    ZafEventType OSWindowGoneEvent(const ZafEventStruct &event);
    ZafEventType UnregisterEvent(const ZafEventStruct &event);
    ZafEventType HelpEvent(const ZafEventStruct &event);
    ZafEventType ActivateEvent(const ZafEventStruct &event);
    ZafEventType SetRegionEvent(const ZafEventStruct &event);
    ZafEventType ComputeRegionEvent(const ZafEventStruct &event);
    ZafEventType PointerCrossedEvent(const ZafEventStruct &event);
    ZafEventType SetFocusMessage(const ZafEventStruct &event);
    ZafEventType PaintMessage(const ZafEventStruct &event);
    ZafEventType SetCursorMessage(const ZafEventStruct &event);
    ZafEventType MouseActivateMessage(const ZafEventStruct &event);
    ZafEventType WindowPosChangedMessage(const ZafEventStruct &event);
    ZafEventType KeyMessage(const ZafEventStruct &event);
    ZafEventType NCDestroyMessage(const ZafEventStruct &event);
    ZafEventType NCMouseMoveMessage(const ZafEventStruct &event);
    ZafEventType MouseMoveMessage(const ZafEventStruct &event);
    ZafEventType ButtonDownMessage(const ZafEventStruct &event);
    ZafEventType ButtonUpMessage(const ZafEventStruct &event);

    static ZafError PaletteDataChanged(ZafElement *observer, ZafUpdateCode code);
    void ReleasePaletteData();
    ZafPaletteStruct OwnPaletteEntry(ZafPaletteType type, ZafPaletteState state);
    // Stores the checked colour and mono bytes into the (type, state) entry
    // of the object's own palette data (made when there is none); answers
    // the colour stored.
    ZafInt8 SetPaletteColors(ZafPaletteType type, ZafPaletteState state, ZafInt8 ZafPaletteStruct::*colorField,
                             ZafInt8 ZafPaletteStruct::*monoField, ZafInt8 color, ZafInt8 mono);
    static ZafWindowObject *windowManager;
    static int repeatDelay;
    static int repeatInterval;
    // Design-mode device context taken by BeginDraw, released by EndDraw.
    void *designContext = nullptr;
};

#endif
