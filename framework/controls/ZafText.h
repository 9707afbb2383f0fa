#pragma once
// ZafText: the multi-line text field. It edits the text of a ZafStringData
// through an OS multi-line "EDIT" control or, when not system drawn, draws
// the text word-wrapped itself (the message window shows its message so).
// It observes its string data like the single-line field: a data object it
// stops using is deleted when it is destroyable and nobody else observes it.
// It is a window without children of its own. GUI thread only.
//
// The portable half is here and in ZafText.cpp; the control and its
// messages live in framework/windows/ZafTextOS.cpp.

#include "framework/controls/ZafFramelessWindow.h"

class ZafStringData;

// A caret position as a column in a line (both from 0).
struct ZafTextPosition
{
    int column;
    int line;
    int reserved;
};

class ZafText : public ZafFramelessWindow
{
public:
    ZafText(int left, int top, int width, int height, const ZafIChar *text, int maxLength = -1);
    // Over the given data object (a new empty one when null).
    ZafText(int left, int top, int width, int height, ZafStringData *stringData);
    ZafText(const ZafText &copy);
    ZafText(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafText() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_TEXT, L"ZafText")

    ZafEventType Event(const ZafEventStruct &event) override;       // Windows half
    ZafEventType OSEvent(const ZafEventStruct &event) override;     // Windows half
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafText);
    // The control's text is taken into the data first.
    void Write(ZafObjectPersistence &persistence) override;
    // The field's own record (a text has no children of its own).
    void WriteChildren(ZafObjectPersistence &persistence) override;

    // The control's text is taken into the data first.
    const ZafIChar *Text() override;
    ZafError SetText(const ZafIChar *text) override;
    using ZafWindowObject::SetText;

    // The object's own flags, not a container's.
    bool SelectionChanged() const override { return ZafWindowObject::SelectionChanged(); }
    bool SetSelectionChanged(bool value) override { return ZafWindowObject::SetSelectionChanged(value); }
    bool SetDragCtrl(bool value) override { return ZafWindowObject::SetDragCtrl(value); }
    bool SetDragCtrlShift(bool value) override { return ZafWindowObject::SetDragCtrlShift(value); }
    bool SetDragShift(bool value) override { return ZafWindowObject::SetDragShift(value); }
    bool SetBorderByParent(bool value) override { return ZafWindowObject::SetBorderByParent(value); }
    bool SetVisible(bool value) override { return ZafWindowObject::SetVisible(value); }
    ZafEventType DragDropEvent(const ZafEventStruct &event) override { return ZafWindowObject::DragDropEvent(event); }
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;   // Windows half
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
    ZafOSWindow OSHandle(int) const override { return osWindow; }
    void ApplyPosition() override { ZafWindowObject::ApplyPosition(); }
    void OSRegisterObject() override;                                // Windows half
    ZafEventType UpdateOSListItem() override;                        // Windows half

    // Pinned window settings.
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = false; }
    bool SetTemporary(bool) override { return temporary = false; }
    int SetSelectionType(int) override { return selectionType = 0; }

    virtual bool SetAutoSelect(bool value) { return autoSelect = value; }
    // Puts the caret at the position; 8 without an OS window.
    virtual ZafError SetCursorPosition(int position);               // Windows half
    // Before registration only.
    virtual int SetJustification(int value) { return SetBeforeRegistration(justification, value); } // 0 left, 1 right, 2 centred
    virtual bool SetInvalid(bool value) { return invalid = value; }
    // Replaces the data object (null: a new empty one) and shows it.
    virtual ZafError SetStringData(ZafStringData *data);
    // The caret at a column of a line (clamped to the line); a line past
    // the last puts it at the end of the text.
    virtual ZafError SetCursorRowColumn(int column, int line);      // Windows half
    // Turning it on clears the data.
    virtual bool SetUnanswered(bool value);
    virtual bool SetViewOnly(bool value) { return SetBeforeRegistration(viewOnly, value); }
    // Stored at once; on screen the control is made again with the style.
    virtual bool SetWordWrap(bool value);                           // Windows half

    int CursorPosition() const;                                      // Windows half
    ZafTextPosition CursorRowColumn() const;                         // Windows half
    // Takes the control's text into the data.
    void GetOSText();                                                // Windows half

    bool AutoSelect() const { return autoSelect; }
    bool Invalid() const { return invalid; }
    bool Unanswered() const { return unanswered; }
    bool ViewOnly() const { return viewOnly; }
    bool WordWrap() const { return wordWrap; }
    int Justification() const { return justification; }
    ZafStringData *StringData() const { return stringData; }

    static ZafError Notification(ZafElement *observer, ZafUpdateCode code);

protected:
    // Whether the text lives in a real EDIT control now.
    bool RealControl() const { return Registered() && ownOSWindow && systemDrawn; }
    void Observe();
    void Release();

    bool autoSelect = false;
    bool invalid = false;
    bool unanswered = false;
    bool viewOnly = false;
    bool wordWrap = true;
    int justification = 0;
    ZafStringData *stringData = nullptr;
};
