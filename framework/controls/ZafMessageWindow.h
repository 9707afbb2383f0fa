#pragma once
// ZafMessageWindow: the framework's message box. A dialog that shows an
// optional title, an optional system icon, a message and a row of standard
// buttons, sizes itself to them and centres itself on the screen. Each button
// queues its result when pressed, which ends DoModal with it (Help queues
// ZAF_EV_HELP and the dialog goes on). The children are made each time the
// window is built and placed when it is sized, in pixels. The title and the
// message belong to the window until it adds them. GUI thread only.

#include <cstdarg>

#include "framework/controls/ZafDialogWindow.h"

class ZafButton;
class ZafIcon;
class ZafLanguageData;
struct ZafLanguageStruct;
class ZafStringData;
class ZafText;
class ZafTitle;

// The standard buttons (flag = number id of the label in the language data).
constexpr ZafUInt16 ZAF_MESSAGE_OK = 0x0001;
constexpr ZafUInt16 ZAF_MESSAGE_YES = 0x0002;
constexpr ZafUInt16 ZAF_MESSAGE_NO = 0x0004;
constexpr ZafUInt16 ZAF_MESSAGE_ABORT = 0x0008;
constexpr ZafUInt16 ZAF_MESSAGE_RETRY = 0x0010;
constexpr ZafUInt16 ZAF_MESSAGE_IGNORE = 0x0020;
constexpr ZafUInt16 ZAF_MESSAGE_CANCEL = 0x0040;
constexpr ZafUInt16 ZAF_MESSAGE_HELP = 0x0080;       // queues ZAF_EV_HELP; the dialog goes on

class ZafMessageWindow : public ZafDialogWindow
{
public:
    static constexpr int MESSAGE_LENGTH = 1024;     // characters of a formatted message

    // title: null gives an empty title; the window takes the data object.
    // The message is format with its arguments, at most MESSAGE_LENGTH - 1
    // (or maximumLength - 1) characters.
    ZafMessageWindow(ZafStringData *title, ZafUInt16 iconType, ZafUInt16 buttons, ZafUInt16 defaultButton,
        const ZafIChar *format, ...);
    ZafMessageWindow(const ZafIChar *title, ZafUInt16 iconType, ZafUInt16 buttons, ZafUInt16 defaultButton,
        const ZafIChar *format, ...);
    ZafMessageWindow(ZafStringData *title, ZafUInt16 iconType, ZafUInt16 buttons, ZafUInt16 defaultButton,
        int maximumLength, const ZafIChar *format, ...);
    ZafMessageWindow(const ZafMessageWindow &copy);
    ZafMessageWindow(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafMessageWindow() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafDialogWindow, ZAF_ID_MESSAGE_WINDOW, L"ZafMessageWindow")

    // ZAF_EV_SETTLE makes the children, ZAF_EV_COMPUTE_REGION places them; the
    // rest is the dialog's.
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafMessageWindow);
    // The window part and the message record; the children are made anew
    // each time the window is shown, so none are stored.
    void Write(ZafObjectPersistence &persistence) override;
    void WriteSupportObjects(ZafObjectPersistence &) override { }
    void WriteChildren(ZafObjectPersistence &persistence) override;

    // Settings the class fixes beyond a dialog's.
    const ZafIChar *SetTipText2(const ZafIChar *) override { return nullptr; }
    bool SetAutomaticUpdate(bool) override { return automaticUpdate = true; }
    bool SetDestroyable(bool) override { return destroyable = false; }
    bool SetLocked(bool) override { return locked = false; }
    bool SetMaximized(bool) override { return maximized = false; }
    bool SetMinimized(bool) override { return minimized = false; }
    bool SetMoveable(bool) override { return moveable = true; }
    int SetSelectionType(int) override { return selectionType = 0; }

    // Before the OS window exists only; each answers the value in force.
    ZafUInt16 SetButtons(ZafUInt16 flags);
    ZafUInt16 ClearButtons(ZafUInt16 flags);
    ZafUInt16 SetDefaultButtonFlag(ZafUInt16 value) { return SetBeforeRegistration(defaultButton, value); }
    ZafUInt16 SetIconType(ZafUInt16 value) { return SetBeforeRegistration(iconType, value); }
    // The message, formatted and cut to its room; before the OS window
    // exists only (else 1). Answers 0.
    ZafError SetMessage(const ZafIChar *format, ...);
    ZafError SetMessage(int maximumLength, const ZafIChar *format, ...);

    ZafUInt16 Buttons() const { return buttonFlags; }
    ZafUInt16 DefaultButtonFlag() const { return defaultButton; }
    ZafUInt16 IconType() const { return iconType; }
    // The message text; null without one.
    const ZafIChar *Message() const;
    // The title text; null without a title.
    const ZafIChar *TitleText() const;
    ZafButton *FirstButton() const { return firstButton; }
    ZafText *MessageText() const { return text; }

    // The result a button's flag puts on the queue.
    static ZafEventType ButtonResult(ZafUInt16 flag);

private:
    // The built-in English labels of the buttons.
    static const ZafLanguageStruct *DefaultLabels();
    void Construct(ZafStringData *title, ZafUInt16 iconType, ZafUInt16 buttons, ZafUInt16 defaultButton,
        int maximumLength, const ZafIChar *format, va_list arguments);
    ZafError SetMessageV(int maximumLength, const ZafIChar *format, va_list arguments);
    void MakeChildren();
    void PlaceChildren();

    ZafUInt16 buttonFlags = 0;
    ZafUInt16 defaultButton = 0;
    ZafUInt16 iconType = 0;
    ZafIcon *icon = nullptr;
    ZafText *text = nullptr;
    ZafTitle *title = nullptr;
    ZafButton *firstButton = nullptr;
    ZafLanguageData *languageData = nullptr;
};
