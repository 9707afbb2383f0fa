#pragma once
// ZafComboBox: the framework's drop-down selection field: one line that shows
// the current choice (or text the user types) above a list of items that
// drops down below it. Its items live in an owned ZafVtList (string id
// "list"), which has no OS window of its own: on Windows the whole control
// is one OS "COMBOBOX" window, whose list always holds the items in
// child-list order. It is always single-select and bordered; viewOnly makes
// the text unchangeable (a plain drop-down list). GUI thread only.
//
// The portable half is here and in ZafComboBox.cpp; the control lives in
// framework/windows/ZafComboBoxOS.cpp.

#include "framework/controls/ZafVtList.h"
#include "framework/core/data/ZafStringData.h"

class ZafComboBox : public ZafFramelessWindow
{
public:
    // One line high; the height given is the height of the dropped list.
    ZafComboBox(int left, int top, int width, int height);
    ZafComboBox(const ZafComboBox &copy);
    ZafComboBox(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafComboBox() override;

    ZAF_CLASS_IDENTITY_MEMBERS_IN_FAMILY(ZafWindow, ZAF_ID_COMBO_BOX, L"ZafComboBox", ZAF_ID_LIST)

    ZafEventType Event(const ZafEventStruct &event) override;            // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;          // Windows half
    ZafWindowObject *GetObjectByNumberID(ZafNumberID id) override;
    // The window's search; else "list~rest" searches the list, and
    // "item~rest" (or "item") the items with that string id.
    ZafWindowObject *GetObjectByStringID(const ZafIChar *path) override;
    ZafWindowObject *GetObjectByStringID(const char *path);
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafComboBox);
    void Write(ZafObjectPersistence &persistence) override;
    void WriteSupportObjects(ZafObjectPersistence &persistence) override;
    ZafWindowObject *FocusObject() const override;
    // The control's text (read into the string data first).
    const ZafIChar *Text() override;
    // Refused (nothing changes) when view-only; answers 0.
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;
    const ZafIChar *SetTipText2(const ZafIChar *text) override;
    const ZafIChar *SetHelpTopic(const ZafIChar *topic) override;
    const ZafIChar *SetTipText(const ZafIChar *text) override;
    bool SelectionChanged() const override;
    bool SetDropTarget(bool value) override { return dropTarget = value; }
    bool SetAutomaticUpdate(bool value) override;
    ZafInt8 SetBackgroundColor(ZafInt8 color, ZafInt8 mono) override { return ZafSetListBackgroundColor(this, color, mono); }
    ZafInt8 SetTextColor(ZafInt8 color, ZafInt8 mono) override { return ZafSetListTextColor(this, color, mono); }
    ZafInt8 SetFont(ZafInt8 font) override { return ZafSetListFont(this, font); }
    bool SetBorder(bool) override { return border = true; }
    bool SetSelectionChanged(bool value) override;
    bool SetDragCtrl(bool value) override;
    bool SetDragCtrlShift(bool value) override;
    bool SetDragShift(bool value) override;
    bool SetDisabled(bool value) override { return ZafWindow::SetDisabled(value); }
    bool SetFocus(bool value) override { return ZafWindowObject::SetFocus(value); }
    bool SetFocusBlocked(bool value) override;
    bool SetSystemDrawn(bool value) override;
    bool SetVisible(bool value) override { return ZafWindowObject::SetVisible(value); }
    ZafCoordinateType SetCoordinateType(ZafCoordinateType type) override;
    ZafEventType DragDropEvent(const ZafEventStruct &event) override;
    ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained) override;      // Windows half
    void NotifySelection(ZafWindowObject *object, bool selected) override;            // Windows half
    ZafEventType DropHook(const ZafEventStruct &event) override { return list->DropHook(event); }
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;  // Windows half
    ZafEventType DrawBorder(ZafRegionStruct &area, ZafEventType code) override
    {
        return ZafWindowObject::DrawBorder(area, code);
    }
    ZafEventType DrawFocus(ZafRegionStruct &area, ZafEventType code) override
    {
        return ZafWindowObject::DrawFocus(area, code);
    }
    void DrawHook() override { }
    ZafRegionStruct OSRegion(ZafWindowObject *reference = nullptr, const ZafRegionStruct *given = nullptr) override;
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    ZafOSWindow OSHandle(int = 2) const override { return osWindow; }
    void ApplyPosition() override;                                                      // Windows half
    ZafEventType ApplyOSFont() override;                                                // Windows half
    const ZafPaletteStruct *MapPalette(ZafPaletteType type, ZafPaletteState state) override;
    void OSRegisterObject() override;                                                   // Windows half
    // Writes the string data into the control; answers 0.
    ZafEventType UpdateOSListItem() override;                                           // Windows half
    // The event to every support object, then every child (no deeper).
    ZafEventType BroadcastEvent(const ZafEventStruct &event, int depth) override;

    // Refused features.
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = false; }
    int SetSelectionType(int) override;
    bool SetTemporary(bool) override { return temporary = false; }

    // Items (they live in the list; the OS list follows at once).
    ZafWindowObject *Add(ZafWindowObject *object, ZafWindowObject *position = nullptr) override;   // Windows half
    void DestroyChildren() override;
    ZafWindowObject *Subtract(ZafWindowObject *object) override;                        // Windows half
    void NotifyChildrenDestroy() override;                                              // Windows half

    virtual bool SetSorted(bool value);
    // Before registration and on a change only.
    virtual bool SetViewOnly(bool value);
    ZafCompareFunction CompareFunction() const { return list->CompareFunction(); }
    ZafCompareFunction SetCompareFunction(ZafCompareFunction function) { return list->SetCompareFunction(function); }
    void Sort();
    // The control's text into the string data.
    void ReadOSText();                                                                  // Windows half
    // Empties the OS list and fills it again from the items.
    void RefillOSList();                                                                // Windows half

    ZafVtList *List() const { return list; }
    bool ViewOnly() const { return viewOnly; }
    const ZafStringData &StringData() const { return stringData; }

    static const ZafInputMap defaultInputMap[];
    static const ZafPaletteMap defaultPaletteMap[];

protected:
    // The list's settings inside a combo box.
    void AdoptList();
    // Sends ZAF_EV_UNREGISTER then ZAF_EV_REBUILD (the control is made again).
    void Rebuild();
    ZafEventType TakeDrop(ZafWindowObject *source, ZafEventType code);
    // Raw key messages, owner drawing and measuring (Windows half).
    ZafEventType KeyEvent(const ZafEventStruct &event);
    ZafEventType DrawItem(const ZafEventStruct &event);
    ZafEventType MeasureItem(const ZafEventStruct &event);

    void WriteRecordExtension(ZafFile &file) override;

    ZafVtList *list = nullptr;
    bool viewOnly = false;
    ZafStringData stringData{ L"" };

private:
    ZafComboBox(const ZafIChar *name, ZafObjectPersistence &persistence, std::shared_ptr<bool> storedViewOnly);
    // A drag flag set through setter on the first child (else into own),
    // then copied to the list; answers the flag in force.
    bool SetDragFlag(bool value, bool (ZafWindowObject::*setter)(bool), bool &own);
};
