#pragma once
// ZafPrompt: a static text label. It shows the text of a ZafStringData,
// optionally with a hot key, through an OS "STATIC" control or drawn by the
// framework, never takes the focus, and moves the focus to the object after
// it in its parent's list when its hot key is pressed. By default it fits
// its region to its text; Region() answers the region the caller asked for.
// The prompt observes its string data; one it stops using is deleted when it
// is destroyable and nobody else observes it. GUI thread only.

#include "framework/core/objects/ZafWindowObject.h"

class ZafStringData;

class ZafPrompt : public ZafWindowObject
{
public:
    // One cell high, over the data object (a new empty one when null).
    ZafPrompt(int left, int top, int width, ZafStringData *stringData);
    // Over a new unlimited string data of the text.
    ZafPrompt(int left, int top, int width, const ZafIChar *text);
    ZafPrompt(const ZafPrompt &copy);
    ZafPrompt(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafPrompt() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindowObject, ZAF_ID_PROMPT, L"ZafPrompt")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafPrompt);
    void Write(ZafObjectPersistence &persistence) override;

    // The region as the caller last set it (the shown one may be fitted).
    ZafRegionStruct Region() const override { return requestedRegion; }
    const ZafIChar *Text() override;
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;
    // Stores the region as requested and current one, then refits.
    ZafRegionStruct SetRegion(const ZafRegionStruct &newRegion) override;

    // A label takes no focus, user function, help topic or drag: these
    // setters refuse and answer the fixed value.
    const ZafIChar *SetHelpTopic(const ZafIChar *) override { return nullptr; }
    ZafUserFunction SetUserFunction(ZafUserFunction) override { return userFunction = nullptr; }
    bool SetDropTarget(bool) override { return dropTarget = false; }
    bool SetSelectionChanged(bool) override { return selectionChanged = false; }
    bool SetDragCtrl(bool) override { return dragCtrl = false; }
    bool SetDragCtrlShift(bool) override { return dragCtrlShift = false; }
    bool SetDragShift(bool) override { return dragShift = false; }
    bool SetFocus(bool) override { return focus = false; }
    bool SetFocusBlocked(bool) override { return focusBlocked = true; }
    int SetRegionMode(int) override { return regionMode = 0; }
    bool SetDisabled(bool value) override;                           // Windows half
    // The font; an auto-sized prompt on screen refits.
    ZafInt8 SetFont(ZafInt8 font) override;
    void ConvertCoordinates(ZafCoordinateType type) override;
    ZafCoordinateType SetCoordinateType(ZafCoordinateType type) override;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;   // Windows half
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    void OSRegisterObject() override;                                // Windows half
    ZafEventType UpdateOSListItem() override;                        // Windows half

    // Before registration only; each answers the value in force.
    virtual bool SetAutoSize(bool value) { return SetBeforeRegistration(autoSize, value); }
    // The hot key (stored in upper case) and the index of the underlined
    // character (-1 none); answers the stored character.
    virtual ZafIChar SetHotKey(ZafIChar character, int index);
    virtual int SetHzJustify(int value) { return SetBeforeRegistration(hzJustify, value); } // 0 left, 1 right, 2 centred
    virtual int SetVtJustify(int value) { return SetBeforeRegistration(vtJustify, value); } // 0 top, 1 bottom, 2 centred
    virtual bool SetTransparentBackground(bool value) { return SetBeforeRegistration(transparent, value); }
    // Replaces the data object (null: a new empty one); answers 0.
    virtual ZafError SetStringData(ZafStringData *data);

    bool AutoSize() const { return autoSize; }
    ZafIChar HotKeyChar() const { return hotKeyChar; }
    int HotKeyIndex() const { return hotKeyIndex; }
    int HzJustify() const { return hzJustify; }
    int VtJustify() const { return vtJustify; }
    bool TransparentBackground() const { return transparent; }
    ZafStringData *StringData() const { return stringData; }
    // The region fitted to the text (pixels once registered).
    ZafRegionStruct ShownRegion() const { return region; }

    static ZafError Notification(ZafElement *observer, ZafUpdateCode code);

protected:
    // Resets the region to the requested one and fits it to the text.
    void FitToText();
    void Observe();
    void Release();

    ZafStringData *stringData = nullptr;
    bool autoSize = true;
    ZafIChar hotKeyChar = 0;
    int hotKeyIndex = -1;
    int hzJustify = 0;
    int vtJustify = 0;
    bool transparent = false;
    ZafRegionStruct requestedRegion;
};
