#pragma once
// ZafButton: push buttons, radio buttons, check boxes and flat buttons, each
// with an optional text (a ZafStringData) and an optional bitmap (a
// ZafBitmapData) that it observes. It owns its message text; it owns a data
// object only in the sense that it deletes a destroyable one that nobody
// else observes when it lets go of it. On Windows it lives in an OS "BUTTON"
// window: native when the OS can draw what it shows, owner-drawn (drawn by
// the framework) otherwise. A selection calls the member function and, with
// sendMessage, queues an event of the button's value carrying a copy of the
// message text and the button. The icon, title and frame buttons derive from
// it. GUI thread only.

#include "framework/core/objects/ZafWindowObject.h"

#include <cstdint>
#include <functional>

class ZafStringData;
class ZafBitmapData;

// Button types.
constexpr int ZAF_PUSH_BUTTON = 0;
constexpr int ZAF_RADIO_BUTTON = 1;
constexpr int ZAF_CHECK_BOX = 2;
constexpr int ZAF_PUSH_BUTTON_2 = 3;      // treated as a push button
constexpr int ZAF_FLAT_BUTTON = 4;
constexpr int ZAF_TOOL_BAR_BUTTON = 5;    // the shell's tool-bar buttons: owner-drawn

// Placements of bitmap and text.
constexpr int ZAF_PLACE_LEFT = 0;         // horizontal: bitmap left of the text; vertical: top
constexpr int ZAF_PLACE_RIGHT = 1;        // horizontal: text left of the bitmap; vertical: bottom
constexpr int ZAF_PLACE_CENTER = 2;

// The size of the built-in radio and check-box images.
constexpr int ZAF_BUTTON_IMAGE_SIZE = 13;

// The result of placing a bitmap and a text in a region (pixels or the
// region's coordinate type): the two rectangles and the block size
// (1, 1, width, height).
struct ZafButtonPlacement
{
    ZafRegionStruct bitmap;
    ZafRegionStruct text;
    ZafRegionStruct block;
};
// Places a bitmap of bw x bh and a text of tw x th in region with a gap of 4
// between them. A region of zero width or height (right = left - 1) grows
// to the block size. Halves round toward zero.
ZafButtonPlacement ZafPlaceButtonContents(ZafRegionStruct &region, int bw, int bh, int tw, int th,
    int horizontalPlacement, int verticalPlacement);

class ZafButton : public ZafWindowObject
{
public:
    ZafButton(int left, int top, int width, int height, const ZafIChar *text, ZafBitmapData *bitmap = nullptr,
        int buttonType = ZAF_PUSH_BUTTON);
    ZafButton(int left, int top, int width, int height, ZafStringData *text, ZafBitmapData *bitmap = nullptr,
        int buttonType = ZAF_PUSH_BUTTON);
    ZafButton(const ZafButton &copy);
    // Persistent constructor (ZafButtonStorage.cpp); errors go to SetError.
    ZafButton(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafButton() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindowObject, ZAF_ID_BUTTON, L"ZafButton")

    ZafEventType Event(const ZafEventStruct &event) override;
    ZafEventType OSEvent(const ZafEventStruct &event) override;        // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafButton);
    void Write(ZafObjectPersistence &persistence) override;

    // The region the button was given, before automatic sizing.
    ZafRegionStruct Region() const override { return savedRegion; }
    ZafRegionStruct SetRegion(const ZafRegionStruct &newRegion) override;
    const ZafIChar *Text() override;
    // Sets the text into the string data (made when missing); answers 0.
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;
    ZafInt32 Value() const override { return value; }
    bool AllowDefault() const override { return allowDefault; }
    bool SetPaletteFromParent(bool value) override;
    bool SetSelected(bool value) override;                          // Windows half
    void ConvertCoordinates(ZafCoordinateType type) override;
    ZafCoordinateType SetCoordinateType(ZafCoordinateType type) override;
    ZafEventType DragDropEvent(const ZafEventStruct &event) override;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;   // Windows half
    ZafEventType DrawBorder(ZafRegionStruct &drawRegion, ZafEventType code) override;  // Windows half
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    ZafEventType ApplyOSFont() override;                            // Windows half
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;
    ZafLogicalEvent MapEvent(ZafEventStruct &event) override;
    void OSRegisterObject() override;                               // Windows half
    ZafEventType UpdateOSListItem() override;                       // Windows half

    // Setters marked * act only before the OS window exists; each answers
    // the value in force.
    virtual void ClearBitmap();
    virtual void ClearText();
    virtual bool SetAllowDefault(bool value);                       // *
    virtual bool SetToggle(bool value);                             // *
    virtual bool SetAutoRepeat(bool value);                         // *
    virtual bool SetAutoSize(bool value);                           // *
    // Lets go of the old bitmap, observes the new one; resizes on screen.
    virtual ZafError SetBitmap(ZafBitmapData *bitmap);
    // Types 0 and 3 get depth 2, the others 0.
    virtual int SetButtonType(int type);                            // *
    // Redraws when it changed on screen and the button is not selected.
    virtual bool SetPressed(bool value);
    virtual int SetDepth(int value);                                // *
    // The hot-key character is kept upper-cased; answers it.
    virtual ZafIChar SetHotKey(ZafIChar character, int index);      // *
    virtual int SetHorizontalPlacement(int value);                  // *
    virtual bool SetSelectOnDoubleClick(bool value);                // *
    virtual bool SetSelectOnPress(bool value);                      // *
    // A copy of text (null clears); answers the copy.
    virtual const ZafIChar *SetMessageText(const ZafIChar *text);
    // The member function becomes the sending routine (on) or the window
    // object's user-function call (off).
    virtual bool SetSendMessage(bool value);                        // *
    virtual ZafError SetStringData(ZafStringData *data);
    virtual ZafInt32 SetValue(ZafInt32 newValue);
    virtual int SetVerticalPlacement(int value);                    // *
    // On screen: size again (ZAF_EV_COMPUTE_REGION), place, redraw. Answers 0.
    virtual ZafError UpdateSize();

    ZafStringData *StringData() const { return stringData; }
    ZafBitmapData *BitmapData() const { return bitmapData; }
    const ZafIChar *MessageText() const { return messageText; }
    int Depth() const { return depth; }
    bool Toggle() const { return toggle; }
    bool AutoRepeat() const { return autoRepeat; }
    bool AutoSize() const { return autoSize; }
    int ButtonType() const { return buttonType; }
    bool Pressed() const { return pressed; }
    ZafIChar HotKeyChar() const { return hotKeyChar; }
    int HotKeyIndex() const { return hotKeyIndex; }
    bool SelectOnDoubleClick() const { return selectOnDoubleClick; }
    bool SelectOnPress() const { return selectOnPress; }
    bool SendMessage() const { return sendMessage; }
    int HorizontalPlacement() const { return horizontalPlacement; }
    int VerticalPlacement() const { return verticalPlacement; }

    // Whether the OS draws the button; whether it shows the default look.
    bool Native() const;
    bool IsDefault() const;

    // The sending routine: the user function, then (for ZAF_L_DOUBLE_CLICK, or
    // ZAF_L_SELECT without selectOnDoubleClick) the value event at the queue's
    // end.
    ZafEventType SendMessageRoutine(const ZafEventStruct &event, ZafEventType code);
    // The built-in 13 x 13 images: type radio (1) or check box (2).
    static ZafBitmapData *BuiltInImage(int type, bool selected, bool pressed);

    static const ZafInputMap defaultInputMap[];
    static const ZafPaletteMap defaultPaletteMap[];

protected:
    // For derived buttons whose record continues after the button's (in the
    // same record file): the persistent constructor hands the open file to
    // readExtension after the button's fields and data objects, and Write
    // calls WriteRecordExtension there.
    using RecordExtensionReader = std::function<void(ZafFile &file, ZafObjectPersistence &persistence)>;
    ZafButton(const ZafIChar *name, ZafObjectPersistence &persistence, const RecordExtensionReader &readExtension);
    virtual void WriteRecordExtension(ZafFile &, ZafObjectPersistence &) { }
    // SetSendMessage without its registration check, for the buttons that
    // keep the setting pinned; answers value.
    bool SwitchSendMessage(bool value);

    // The selection with code ZAF_L_SELECT or ZAF_L_DOUBLE_CLICK: toggling,
    // then the member function.
    ZafEventType Select(const ZafEventStruct &event, ZafEventType code);
    // Automatic sizing (ZAF_EV_COMPUTE_REGION, Windows half).
    ZafEventType SizeEvent(const ZafEventStruct &event);
    // The extent of the text in the text palette's font (pixels).
    ZafRegionStruct MeasureText();
    ZafEventType DefaultStateEvent(const ZafEventStruct &event);
    void DrawText(const ZafRegionStruct &place, const ZafPaletteStruct &palette);
    void LetGo(ZafStringData *&data);
    void LetGo(ZafBitmapData *&data);
    static ZafError StringChanged(ZafElement *observer, ZafUpdateCode code);
    static ZafError BitmapChanged(ZafElement *observer, ZafUpdateCode code);
    static void CreateBuiltInImages();

    ZafInt32 value = 0;
    ZafIChar *messageText = nullptr;
    ZafStringData *stringData = nullptr;
    ZafBitmapData *bitmapData = nullptr;
    int depth = 2;
    bool allowDefault = false;
    bool toggle = false;
    bool autoRepeat = false;
    bool autoSize = true;
    int buttonType = ZAF_PUSH_BUTTON;
    bool pressed = false;
    ZafIChar hotKeyChar = 0;
    int hotKeyIndex = -1;
    bool selectOnDoubleClick = false;
    bool selectOnPress = false;
    bool sendMessage = false;
    int horizontalPlacement = ZAF_PLACE_CENTER;
    int verticalPlacement = ZAF_PLACE_CENTER;
    ZafRegionStruct savedRegion;

private:
    void Initialise(int buttonType);
    // One handler per raw message of OSEvent (Windows half); each answers
    // what OSEvent answers.
    ZafEventType TimerMessage(const ZafEventStruct &event);
    ZafEventType DrawItemMessage(const ZafEventStruct &event);
    ZafEventType EraseBackgroundMessage(const ZafEventStruct &event);
    ZafEventType KeyDownMessage(const ZafEventStruct &event);
    ZafEventType KeyUpMessage(const ZafEventStruct &event);
    ZafEventType ControlColorMessage(const ZafEventStruct &event);
    ZafEventType MouseMoveMessage(const ZafEventStruct &event);
    ZafEventType ButtonDownMessage(const ZafEventStruct &event);
    ZafEventType ButtonUpMessage(const ZafEventStruct &event);
    ZafEventType DoubleClickMessage(const ZafEventStruct &event);
};

// The event a sending button queues has the button's value as its type, a
// copy of its message text in the first data word (whoever takes the event
// deletes it with delete[]) and the button in the second data word.
inline ZafButton *ZafEventButton(const ZafEventStruct &event)
{
    return reinterpret_cast<ZafButton *>(static_cast<intptr_t>(event.region.top));
}
