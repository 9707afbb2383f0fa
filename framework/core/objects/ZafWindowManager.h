#pragma once
// ZafWindowManager: the root of the window tree, a ZafWindow whose children
// are the top-level windows, front window first. The application makes one
// at start-up beside the display and the event manager; it installs itself
// as the framework's window manager (ZafWindowObject::WindowManager). It
// receives every event the application's loop takes from the event manager
// and routes it (capture object, grab object, named target, raw messages,
// window commands), makes windows live (Add) and removes them (Subtract),
// asks the exit function before the program ends, and keeps the objects that
// hold the focus, a drag, a help tip or the status line. It owns the
// top-level windows while they are added and deletes destroyable ones when
// it removes them. GUI thread only.

#include "framework/core/objects/ZafWindow.h"

#include <array>
#include <string>

class ZafDisplay;
class ZafEventManager;
class ZafWindowManager;

// Asked before the program ends: 0 allows the exit.
using ZafExitFunction = ZafInt32 (*)(ZafDisplay *display, ZafEventManager *eventManager,
    ZafWindowManager *windowManager);
// Runs when the session ends for good (after every window agreed to end it).
using ZafSessionEndFunction = void (*)(ZafWindowManager *windowManager);
// Asked when a close request reaches the main window (window null) or a
// document window inside a window (window names it), before it is queued:
// true queues it; false means the application took it (held or dropped).
using ZafCloseRequestFunction = bool (*)(ZafWindowManager *windowManager, ZafWindowObject *window);

class ZafWindowManager : public ZafWindow
{
public:
    explicit ZafWindowManager(ZafExitFunction exitFunction = nullptr);
    ~ZafWindowManager() override;

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_WINDOW_MANAGER, L"ZafWindowManager")

    // The process's window manager; null when none exists.
    static ZafWindowManager *Shared();

    ZafEventType Event(const ZafEventStruct &event) override;
    // Raw events that no window claimed (Windows half).
    ZafEventType OSEvent(const ZafEventStruct &event) override;
    // Window commands ZAF_EV_WM_COMMAND_LAST .. ZAF_EV_WM_COMMAND_FIRST.
    // Whoever handles a command owns its text: the window manager deletes the
    // text of a command it carries out itself, and of a command the front
    // window did not take.
    virtual ZafEventType WindowCommandEvent(const ZafEventStruct &event);

    ZafWindowObject *GetObjectByNumberID(ZafNumberID id) override;
    ZafWindowObject *GetObjectByStringID(const ZafIChar *path) override;
    using ZafWindow::GetObjectByStringID;
    // The whole screen in pixels.
    ZafRegionStruct ClientRegion(ZafWindowObject *object) override;
    ZafWindowObject *Duplicate() override { return nullptr; }
    ZafWindowObject *FocusObject() const override;
    ZafWindowObject *NotifyFocus(ZafWindowObject *object, bool gained) override;
    ZafLogicalEvent MapEvent(ZafEventStruct &event) override;
    ZafOSWindow OSHandle(int kind = 2) const override { (void)kind; return osWindow; }
    void ApplyPosition() override { }
    void OSRegisterObject() override { }

    // Pinned settings.
    bool SetDropTarget(bool) override { return dropTarget = false; }
    bool SetAutomaticUpdate(bool) override { return automaticUpdate = true; }
    bool SetBorder(bool) override { return border = false; }
    bool SetSystemDrawn(bool) override { return systemDrawn = true; }
    bool SetBorderByParent(bool) override { return borderByParent = false; }
    bool SetFocusByParent(bool) override { return focusByParent = false; }
    bool SetPaletteFromParent(bool) override { return paletteFromParent = false; }
    int SetRegionMode(int) override { return regionMode = 2; }
    bool SetAltFreeHotKeys(bool) override { return altFreeHotKeys = false; }
    int SetSelectionType(int) override { return selectionType = 0; }
    bool SetTemporary(bool) override { return temporary = false; }

    // Makes a window live: closes the temporary windows in front (unless it
    // is temporary itself), puts it at the front and builds it (ZAF_EV_REBUILD).
    ZafWindowObject *Add(ZafWindowObject *window, ZafWindowObject *position = nullptr) override;
    // Removes a window (and the windows it owns), destroying its OS windows;
    // the caller owns it afterwards. The last window out queues
    // ZAF_EV_LAST_WINDOW_GONE.
    ZafWindowObject *Subtract(ZafWindowObject *window) override;
    // Subtracts the window and deletes it when it is destroyable.
    void Remove(ZafWindow *window);

    // Centres the window on the screen (pixels), at most screen-sized.
    void Center(ZafWindowObject *window);
    ZafExitFunction SetExitFunction(ZafExitFunction function) { return exitFunction = function; }
    ZafExitFunction ExitFunction() const { return exitFunction; }
    // The application gives the window manager the OS window of its main
    // window: closing that window asks the exit query and ends the program.
    ZafOSWindow SetMainWindow(ZafOSWindow window) { return osWindow = window; }
    ZafOSWindow MainWindow() const { return osWindow; }
    // The system ends the session and asks every top-level window: for the
    // main window the exit function's answer (0 lets the session end),
    // which stays installed, since the session end may yet be called off;
    // true for any other window and without an exit function.
    bool MayEndSession(const ZafWindow *window);
    // True while the exit function is asked for a session end (MayEndSession),
    // false while it is asked for a close: the exit function tells the two
    // requests apart by it, however they nest.
    bool AskingSessionEnd() const { return askingSessionEnd; }
    // The session ends for good (ending true) or was called off (false).
    // For the main window an ending session runs the session function; the
    // windows stay as they are either way.
    void SessionEnds(const ZafWindow *window, bool ending);
    // True from a session end the main window allowed until the system says
    // whether it ends (SessionEnds). The system's answer may come while the
    // exit function still asks (its questions wait for the user): a session
    // end answered before its query returned is not pending afterwards.
    bool SessionEndPending() const { return sessionEndPending; }
    // A close request for the window arrived: false when the close request
    // function took it (a close of the main window, or of a window inside
    // another one, such as a document window); true to queue it.
    bool MayQueueClose(ZafWindow *window);
    ZafCloseRequestFunction SetCloseRequestFunction(ZafCloseRequestFunction function)
    {
        return closeRequestFunction = function;
    }
    ZafCloseRequestFunction CloseRequestFunction() const { return closeRequestFunction; }
    ZafSessionEndFunction SetSessionEndFunction(ZafSessionEndFunction function)
    {
        return sessionEndFunction = function;
    }
    ZafSessionEndFunction SessionEndFunction() const { return sessionEndFunction; }

    // Clears every remembered object (grab, drag, focus, status, capture,
    // tip, previous focus) that is the object; called as it is deleted.
    void ForgetObject(const ZafWindowObject *object);

    ZafWindow *FrontWindow() const { return static_cast<ZafWindow *>(ZafList::First()); }
    // True when the object is a window on screen or inside one. Compares
    // addresses only, so a queued event may name an object that is gone.
    bool Holds(const ZafWindowObject *object) const;

    ZafWindowObject *grabObject = nullptr;         // every event goes to it first
    ZafWindowObject *dragObject = nullptr;         // the object being dragged
    ZafWindowObject *focusObject = nullptr;        // the object holding the focus
    ZafWindowObject *statusObject = nullptr;       // shows the status texts
    ZafWindowObject *captureObject = nullptr;      // every mouse event goes to it first
    ZafWindowObject *tipObject = nullptr;          // under the pointer, for tips
    ZafWindowObject *previousFocusObject = nullptr;
    // The object that held the focus when the application was switched away
    // from; when it gets the focus back, it keeps its caret and selection as
    // they were. Cleared by the next object gaining the focus.
    ZafWindowObject *inactiveFocusObject = nullptr;

    // The window manager's input map: Esc gives ZAF_L_ESCAPE_WINDOW.
    static const ZafInputMap defaultInputMap[];

private:
    ZafEventType CloseWindow(const ZafEventStruct &event);
    ZafEventType ExitQuery();
    void CloseTemporaryWindowsInFront();
    void ForgetObjectsOf(ZafWindowObject *window);
    // Every field that remembers an object (focus, capture, tip, ...).
    std::array<ZafWindowObject **, 8> RememberedObjects();
    ZafEventType KeyDispatch(const ZafEventStruct &event);
    ZafEventType TimerEvent(const ZafEventStruct &event);
    ZafEventType Dispatch(const ZafEventStruct &event);
    // Windows half: PostQuitMessage; enabling the windows behind a modal one.
    static void PostQuitMessageToLoop();
    void EnableWindowsBehind(ZafWindow *window);
    ZafWindowObject *OpenStoredObject(const std::wstring &path, const ZafIChar *name);
    // Switches the language and locale data to the named locale.
    static void ChangeLanguage(const ZafIChar *name);

    ZafExitFunction exitFunction;
    ZafSessionEndFunction sessionEndFunction = nullptr;
    ZafCloseRequestFunction closeRequestFunction = nullptr;
    bool askingSessionEnd = false;
    bool sessionEndPending = false;
    unsigned sessionEndAnswers = 0;   // WM_ENDSESSION answers received so far
};

// The window named in the first data word of ZAF_EV_CLOSE,
// ZAF_EV_CLOSE_TEMPORARY, ZAF_EV_ACTIVATE, ZAF_EV_ADD_OBJECT and
// ZAF_EV_SUBTRACT_OBJECT (null when none).
inline ZafWindowObject *ZafEventObject(const ZafEventStruct &event) { return event.dataObject; }
