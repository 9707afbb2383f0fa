#pragma once
// ZafVtList: the framework's vertical list of window objects, shown by one
// OS "LISTBOX" control. Its children are the items (an item's position in
// the child list is its index in the OS list, always); its current element
// is the caret item; each item's selected flag is the selection. The
// selection type is the mode: 0 single, 1 multiple, 2 extended. The OS draws
// the item texts when the list is system drawn; otherwise each item draws
// itself. Support objects (its scroll bars) never enter the OS list.
//
// Inside a combo box the list has no OS window of its own: it shares the
// combo box's control, sends no list-box messages and leaves focus and
// selection to the combo box. GUI thread only.
//
// The portable half is here and in ZafVtList.cpp; the control lives in
// framework/windows/ZafVtListOS.cpp.

#include "framework/controls/ZafFramelessWindow.h"

#include <memory>
#include <vector>

class ZafVtList : public ZafFramelessWindow
{
public:
    ZafVtList(int left, int top, int width, int height);
    ZafVtList(const ZafVtList &copy);
    ZafVtList(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafVtList() override;

    ZAF_CLASS_IDENTITY_MEMBERS_IN_FAMILY(ZafWindow, ZAF_ID_VT_LIST, L"ZafVtList", ZAF_ID_LIST)

    ZafEventType Event(const ZafEventStruct &event) override;        // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;      // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafVtList);
    void Write(ZafObjectPersistence &persistence) override;
    ZafLogicalEvent MapEvent(ZafEventStruct &event) override;

    // Inside a combo box (temporary, with a parent) the drag flags are the
    // combo box's.
    bool DragCtrl() const override;
    bool Draggable() const override;
    bool DragCtrlShift() const override;
    bool DragShift() const override;
    bool SetAutomaticUpdate(bool value) override { return ZafWindowObject::SetAutomaticUpdate(value); }
    ZafInt8 SetBackgroundColor(ZafInt8 color, ZafInt8 mono) override;
    ZafInt8 SetTextColor(ZafInt8 color, ZafInt8 mono) override;
    ZafInt8 SetFont(ZafInt8 font) override;
    bool SetDragCtrl(bool value) override { return dragCtrl = value; }
    bool SetDragCtrlShift(bool value) override { return dragCtrlShift = value; }
    bool SetDragShift(bool value) override { return dragShift = value; }
    bool SetVisible(bool value) override { return ZafWindowObject::SetVisible(value); }
    ZafEventType DragDropEvent(const ZafEventStruct &event) override;
    ZafEventType DragHook(const ZafEventStruct &event) override { return event.type; }
    ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained) override;      // Windows half
    void NotifySelection(ZafWindowObject *object, bool selected) override;            // Windows half
    // ZAF_EV_SCROLL_VERTICAL: scrolls the OS list by the change in scroll.delta.
    ZafEventType DropHook(const ZafEventStruct &event) override;                       // Windows half
    // The OS draws the list and its border.
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType) override { return event.type; }
    ZafEventType DrawBorder(ZafRegionStruct &, ZafEventType code) override { return code; }
    void DrawHook() override { }
    ZafRegionStruct OSRegion(ZafWindowObject *reference = nullptr, const ZafRegionStruct *given = nullptr) override
    {
        return ZafWindowObject::OSRegion(reference, given);
    }
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }
    void ApplyPosition() override { ZafWindowObject::ApplyPosition(); }
    ZafEventType ApplyOSFont() override;                                                // Windows half
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;
    void OSRegisterObject() override;                                                   // Windows half

    // Refused features: each clears its flag and answers false (null).
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = false; }

    // Items: an object that has a parent is refused. On screen the item is
    // inserted into the OS list at its index at once.
    ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr) override;   // Windows half
    void DestroyChildren() override;
    ZafWindowObject *Subtract(ZafWindowObject *object) override;                        // Windows half
    void NotifyChildrenDestroy() override;                                              // Windows half

    // Keeps the items in text collation order (items without text first).
    virtual bool SetSorted(bool value);
    // Re-sorts the items with the compare function and refills the OS list.
    virtual void Sort();
    // Empties the OS list and fills it again from the items.
    virtual void RefillOSList();                                                        // Windows half
    bool Sorted() const { return sorted; }
    // Inside a combo box: the list works in the combo box's control (null
    // when that goes) and has none of its own.
    void ShareOSWindow(ZafOSWindow window) { osWindow = window; }

    // The text collation compare: null texts first, then by collation key.
    static int CompareText(ZafElement *a, ZafElement *b);

    static const ZafInputMap defaultInputMap[];
    static const ZafPaletteMap defaultPaletteMap[];

protected:
    // Fills the OS list from the items (on registration and refill).
    void FillOSList(bool registering);                                                  // Windows half
    // A new text item of the drag object's text, or the selected items of
    // a list; answers the drop's code, or -1.
    ZafEventType TakeDrop(ZafWindowObject *source, ZafEventType code);

    void WriteRecordExtension(ZafFile &file) override;

    bool sorted = false;

private:
    ZafVtList(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<bool> storedSorted);
};

// The colours and font of a list or combo box, kept in its own palette map:
// the background colour is the background of unselected entries and the
// text colour of selected ones; the text colour the reverse; the font that
// of the text entries.
ZafInt8 ZafSetListBackgroundColor(ZafWindowObject *object, ZafInt8 color, ZafInt8 mono);
ZafInt8 ZafSetListTextColor(ZafWindowObject *object, ZafInt8 color, ZafInt8 mono);
ZafInt8 ZafSetListFont(ZafWindowObject *object, ZafInt8 font);

// A drop code for a ZAF_EV_DROP_DEFAULT drop of the object: ZAF_EV_DROP_MOVE
// with Shift dragging, ZAF_EV_DROP_COPY with Ctrl dragging, else ZAF_REFUSED.
ZafEventType ZafListDropCode(const ZafWindowObject *dragObject);
// For a list's drag-and-drop event: false when it is no drop
// (ZAF_EV_DROP_DEFAULT, ZAF_EV_DROP_MOVE or ZAF_EV_DROP_COPY); else the object
// dragged (null when none) and the drop code, a default drop resolved by
// ZafListDropCode.
bool ZafListDrop(const ZafEventStruct &event, ZafWindowObject *&source, ZafEventType &code);
// The drop of an object that is no list on a list or combo box: a new
// borderless text item of the object's text (the list's width) added to
// the list, the object's text cleared on a move. Answers the code, or
// ZAF_REFUSED when the object has no text.
ZafEventType ZafListDropText(ZafWindow &list, ZafWindowObject *source, ZafEventType code);
// The selected children of a window, in their order (taken before a move
// changes the child list).
std::vector<ZafWindowObject *> ZafSelectedChildren(ZafWindow &window);
