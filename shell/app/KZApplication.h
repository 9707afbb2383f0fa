#pragma once
// KZApplication: the toolkit layer's application object, on the framework's
// ZafApplication. It owns the program's one modal event loop (Control),
// which runs the main loop and every modal dialog, with the idle tick to the
// main window, mouse grabbing, the single-instance count, command-line
// option lookup, prompts, the busy pointer, the user-abort test and the
// framework data file. It also answers the foundation's questions (program
// path, options) as its KApplicationHooks. One per process, made, used and
// destroyed on the GUI thread.

#include <cstdint>
#include <vector>

#include "foundation/app/KApplicationHooks.h"
#include "foundation/streams/KFile.h"
#include "framework/core/events/ZafEventStruct.h"
#include "framework/core/objects/ZafApplication.h"

class KString;
class ZafDisplay;
class ZafObjectPersistence;
class ZafStorage;
class ZafWindow;
class ZafWindowObject;

// A modal window that decides for itself which events end its loop
// (dialogs implement it); other windows end their loop on the dialog
// results kDialogEndFirst .. kDialogEndLast.
class KZModalWindow
{
public:
    virtual ~KZModalWindow() = default;
    // 0 hands the event to the window manager, 1 drops it, 2 ends the loop
    // with the event's type as the result.
    virtual int IsEndCode(const ZafEventStruct &event) = 0;
};

// The screen display every window draws on, made (unless one is in place)
// before the framework application builds its window manager, which takes
// the screen's size from it, and removed after the windows have gone.
class KZScreenDisplayOwner
{
protected:
    KZScreenDisplayOwner();
    ~KZScreenDisplayOwner();
    KZScreenDisplayOwner(const KZScreenDisplayOwner &) = delete;
    KZScreenDisplayOwner &operator=(const KZScreenDisplayOwner &) = delete;

private:
    ZafDisplay *screenDisplay = nullptr;
};

class KZApplication : private KZScreenDisplayOwner, public ZafApplication, public KApplicationHooks
{
public:
    // Wide arguments; argument 0 is the program's full path.
    KZApplication(int argc, wchar_t **argv);
    ~KZApplication() override;
    KZApplication(const KZApplication &) = delete;
    KZApplication &operator=(const KZApplication &) = delete;

    // The application object; none before one is made and after it went.
    static KZApplication *Instance() { return instance; }

    // Idle step of the loop: the idle tick to the main window (withheld
    // during a grab without kGrabKeepIdle). True while further calls are wanted.
    virtual bool Idle(int32_t count);
    // Takes the next event (never waiting with ZAF_NO_WAIT in flags); true
    // when the caller is to handle the event now in the record.
    virtual bool GetEvent(ZafEventStruct &event, uint32_t flags);
    // Called by a long operation's pump once the pending messages ran: the
    // moment for what may not wait for the operation's end. It never runs
    // the user's input nor a held command. Here: nothing.
    virtual void OperationIdle() {}
    // The modal loop. Without a window: the main loop, until the window manager
    // answers kEvtExit. With a window (added to the window manager): until the
    // window ends it (a dialog result, or its own KZModalWindow rule; the
    // result is the ending event's type) or goes away (kEvtWindowGone). With
    // noWait it returns as soon as nothing is waiting. An exception escaping
    // one pass is shown (ShowLoopError) and the loop goes on.
    virtual int32_t Control(ZafWindow *window = nullptr, bool noWait = false);
    // Loops now running (nested dialogs count); 0 outside every loop.
    int LoopDepth() const { return loopDepth; }
    // True while the only loop running is the main loop (no modal window).
    bool InMainLoopOnly() const { return loopDepth == 1 && modalDepth == 0; }

    // The window manager's exit check: with no main window 0; otherwise the
    // main window's answer to kEvtExitQuery: 0 refuses (kEvtExitRefused),
    // anything else allows (0). A session end and a close are told apart
    // (ZafWindowManager::AskingSessionEnd). A session end asked while a
    // question, a dialog or a long operation is under way, or while the GUI
    // thread waits answering its windows (AnsweringWait: a save waiting for
    // another copy), is refused and nothing is held, so that a session end
    // called off leaves everything as it was. A close met while the exit's
    // own questions are up is that exit's and is dropped; one met during a
    // long operation, a modal loop or a session end's questions is held
    // (HoldClose) and refused for now.
    int32_t ExitQuery();

    // A close request that reaches the program while a long operation runs
    // (KZLongOperation), a question or dialog is up (ModalUp) or a session
    // end asks must not run inside it: the operation or the dialog still
    // uses what the close deletes. The request is held instead; a running
    // operation stops as Escape does when the request is the program's, or
    // a child window's and the operation works on that window; unless a
    // dialog is up over it: what the user confirms in a dialog runs to its
    // end. Once the main loop runs alone again (and a session end allowed
    // has been called off) its idle step puts the request back in the
    // queue, where it takes its normal path (the exit query asks to save
    // each modified workout). A close of a child window names it (none: the
    // active child window); a held one closes that window when it runs, or
    // nothing when it has gone by then. A program request runs first; the
    // child windows' closes held with it run should its exit be called
    // off. A close of a child window whose own close query runs
    // (QueryChildClose) is that query's and is dropped. True when held or
    // dropped (the caller goes no further); false when none of them is
    // under way.
    enum class CloseRequest { None, ChildWindow, Program };
    bool HoldClose(CloseRequest request, ZafWindowObject *child = nullptr);
    bool CloseHeld() const { return heldClose != CloseRequest::None; }
    // Asks child whether it may close (kEvtCloseQuery) and answers its
    // answer (0 refuses); a further close of child met meanwhile is dropped.
    static ZafEventType QueryChildClose(ZafWindowObject &child);
    // True while a held close has stopped an operation: the operations the
    // same command goes on to start stop at once.
    bool HeldCloseStopsOperations() const { return heldCloseStopped; }
    // True while a modal loop is up: a dialog or message box of the
    // program's loop, or a system dialog or box that disabled the main
    // window (a file or print dialog owned by it).
    bool ModalUp() const;
    // The session ends for good: the program keeps what it keeps at its
    // exit. Here: nothing. Runs inside WM_ENDSESSION, after the exit query.
    virtual void SessionEnding() {}

    // Counts the copies started under name: 1 for the first, at least 2 for
    // later ones. The count is never lowered while any copy holds it.
    void CountInstance(const wchar_t *name);
    int32_t InstanceNumber() const { return instanceNumber; }

    // KApplicationHooks: the program path (argument 0) and the first
    // argument after it that begins with option, case ignored.
    void ProgramPath(KString &path) const override;
    const wchar_t *FindOption(const wchar_t *option) const override;
    // On the thread that made the application, inside a long operation:
    // that operation's Step (repaint, Escape, close requests); else true.
    bool WaitGoesOn() override;
    // Counts the answering waits of the thread that made the application;
    // those of other threads change nothing.
    void AnsweringWait(bool begins) override;
    const KFile &GetProgramFile() const { return programFile; }

    // Shows a message box and waits for it; true for Ok or Yes. buttons and
    // defaultButton are kButton... flags, icon a kIcon... number.
    bool Ask(const KString &caption, const KString &text, uint32_t buttons, uint32_t defaultButton, int icon);

    // Hands a pointer image (kPointerArrow, kPointerBusy) to the mouse device.
    void SetMousePointer(int32_t image);
    // The same on the running application; nothing without one.
    static void ShowPointer(int32_t image);
    // Removes every pending key message of this thread; true when one of
    // them is the Escape key as the main window maps it. The keys that
    // close a window (Alt+F4; Ctrl+W and Ctrl+F4 on the active child
    // window) make that close, as they do outside an operation.
    bool UserAbort();
    // Removes every pending key message; true when there was one.
    bool FlushKeys();
    // Lets the pending messages of this thread run (paints, timers, sent
    // messages) without the user's input, for long operations between
    // their steps: key messages are removed as UserAbort removes them (true
    // when Escape was among them), mouse input is dropped, but a press on
    // a close box (in a window's caption, or the one a maximised child
    // window shows on the menu bar) makes that window's close.
    bool RunPendingWithoutInput();
    // With a window: the first grab takes it and the flags (kGrab...) and
    // captures the mouse; a later one only captures again. With none: ends
    // the grab.
    void Grab(ZafWindowObject *window, uint32_t flags);
    ZafWindowObject *GrabWindow() const { return grabWindow; }

    // Opens the framework data file (none: the program path with the
    // extension "zaf", when it exists) and makes its persistence current.
    // False when there is no such file or it cannot be read.
    bool OpenDataFile(const wchar_t *name = nullptr);
    ZafStorage *DataStorage() const { return storage; }

    // The main window that receives the idle tick and the exit query; none
    // before the start-up publishes it (the window clears it when it goes).
    static ZafWindow *MainWindow() { return mainWindow; }
    static void SetMainWindow(ZafWindow *window) { mainWindow = window; }

protected:
    // Shows an exception caught by the loop. While one such report is on
    // screen, later ones only go to the log.
    virtual void ShowLoopError();
    void ReportLoopException(const wchar_t *what);

private:
    static int32_t ExitCheck(ZafDisplay *display, ZafEventManager *events, ZafWindowManager *manager);
    static void SessionEndCheck(ZafWindowManager *manager);
    static bool CloseRequestCheck(ZafWindowManager *manager, ZafWindowObject *child);
    // A close of the main window (child null) or of a child window as it
    // arrives: false when it is taken here (dropped or held) instead of queued.
    bool MayQueueClose(ZafWindowObject *child);
    void AdjustLocale();
    int EndCode(ZafWindow *window, const ZafEventStruct &event);
    bool ModalWindowGone(ZafWindow *window) const;
    // A key removed while input is held back: true for Escape; a key that
    // closes a window makes that close; any other is dropped.
    bool TakeHeldBackKey(const ZafEventStruct &event);
    // Queues the held close request again (idle step of the main loop).
    void RunHeldClose();
    // Remembers the child window (none: the active one) a held close names.
    void HoldChildClose(ZafWindowObject *child);
    // The main window's child window whose frame is the handle; none.
    ZafWindowObject *ChildOfFrame(void *frame) const;

    static KZApplication *instance;
    static ZafWindow *mainWindow;

    int32_t instanceNumber = 1;
    uint32_t guiThread = 0;   // the thread that made the application
    ZafWindowObject *grabWindow = nullptr;
    uint32_t grabFlags = 0;
    ZafEventStruct lastMouseEvent;
    void *semaphore = nullptr;
    KFile programFile;
    ZafStorage *storage = nullptr;
    ZafObjectPersistence *persistence = nullptr;
    ZafObjectPersistence *currentPersistence = nullptr;

    int loopDepth = 0;
    int modalDepth = 0;
    int answeringWaits = 0;   // answering waits of the GUI thread under way
    bool showingLoopError = false;
    CloseRequest heldClose = CloseRequest::None;
    std::vector<void *> heldChildren;   // frames of the child windows a held close names
    bool heldCloseStopped = false;   // the held close stopped an operation
    ZafWindowObject *askedChild = nullptr;   // the child window whose close query runs
    enum class Asking { Nothing, Exit, SessionEnd };
    Asking asking = Asking::Nothing;   // what the exit query under way is for
};
