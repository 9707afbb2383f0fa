// The portable half of the window manager: making windows live and removing
// them, focus between top-level windows, event routing, closing with the
// close and exit queries, and the window commands.
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/core/base/ZafRestoreOnExit.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafHelpSystem.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/storage/ZafStorage.h"

#include <algorithm>
#include <cwchar>
#include <string>

const ZafInputMap ZafWindowManager::defaultInputMap[] = {
    { ZAF_L_ESCAPE_WINDOW, ZAF_INPUT_KEYBOARD, 27, ZAF_KEY_PRESS },
    { ZAF_NO_EVENT, 0, 0, 0 },
};

namespace {

bool TreeHolds(const ZafElement *first, const ZafWindowObject *object)
{
    for (const ZafElement *e = first; e; e = e->Next())
    {
        const ZafWindowObject *candidate = static_cast<const ZafWindowObject *>(e);
        if (candidate == object)
            return true;
        const ZafWindow *window = dynamic_cast<const ZafWindow *>(candidate);
        if (window && (TreeHolds(window->SupportList().First(), object) || TreeHolds(window->FirstChild(), object)))
            return true;
    }
    return false;
}

ZafWindow *AsWindow(ZafElement *element)
{
    return dynamic_cast<ZafWindow *>(static_cast<ZafWindowObject *>(element));
}

// Deletes the text of a window command that nobody took.
void DeleteCommandText(const ZafEventStruct &event)
{
    delete[] event.text;
}

} // namespace

ZafWindowManager::ZafWindowManager(ZafExitFunction exitFunction)
    : ZafWindow(0, 0, 0, 0), exitFunction(exitFunction)
{
    if (!WindowManager())
        SetWindowManager(this);
    ZafDisplay &display = ZafDisplay::SharedOrDefault();
    region.Assign(0, 0, display.columns - 1, display.lines - 1, ZAF_PIXEL);
    coordinateType = ZAF_PIXEL;
    clientSize = region;
    regionMode = 2;
    fitToClient = false;
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->DeviceState(ZAF_MOUSE, ZAF_POINTER_ARROW);
}

ZafWindowManager::~ZafWindowManager()
{
    while (ZafWindow *front = FrontWindow())
        Remove(front);
    // The main window's handle is not ours to destroy.
    osWindow = nullptr;
    if (WindowManager() == this)
        SetWindowManager(nullptr);
}

ZafWindowManager *ZafWindowManager::Shared()
{
    return dynamic_cast<ZafWindowManager *>(WindowManager());
}

// ---- Making windows live and removing them ----------------------------------

void ZafWindowManager::Remove(ZafWindow *window)
{
    if (!window)
        return;
    Subtract(window);
    if (window->Destroyable())
        delete window;
}

void ZafWindowManager::CloseTemporaryWindowsInFront()
{
    while (ZafWindow *front = FrontWindow())
    {
        if (!front->Temporary())
            break;
        Remove(front);
    }
}

ZafWindowObject *ZafWindowManager::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    ZafWindow *window = dynamic_cast<ZafWindow *>(object);
    if (!window || window->Registered() || window->Parent() || Contains(window))
        return object;
    if (!window->Temporary())
        CloseTemporaryWindowsInFront();
    if (position && Contains(position))
        AddBefore(window, position);
    else
        AddBefore(window, ZafList::First());
    window->Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    return window;
}

std::array<ZafWindowObject **, 8> ZafWindowManager::RememberedObjects()
{
    return { &grabObject, &dragObject, &focusObject, &statusObject, &captureObject, &tipObject,
             &previousFocusObject, &inactiveFocusObject };
}

void ZafWindowManager::ForgetObject(const ZafWindowObject *object)
{
    for (ZafWindowObject **field : RememberedObjects())
        if (*field == object)
            *field = nullptr;
}

void ZafWindowManager::ForgetObjectsOf(ZafWindowObject *window)
{
    // Addresses are compared only: a remembered object may be gone already.
    ZafWindow *container = dynamic_cast<ZafWindow *>(window);
    auto of = [window, container](ZafWindowObject *object) {
        return object && (object == window
            || (container && (TreeHolds(container->SupportList().First(), object)
                || TreeHolds(container->FirstChild(), object))));
    };
    for (ZafWindowObject **field : RememberedObjects())
        if (of(*field))
            *field = nullptr;
}

ZafWindowObject *ZafWindowManager::Subtract(ZafWindowObject *object)
{
    ZafWindow *window = dynamic_cast<ZafWindow *>(object);
    if (!window || !Contains(window))
        return object;
    // The windows it owns go first (the walk starts again after each one).
    for (bool found = true; found;)
    {
        found = false;
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (AsWindow(e) && AsWindow(e)->Owner() == window)
            {
                Remove(AsWindow(e));
                found = true;
                break;
            }
    }
    if (window->Modal())
        EnableWindowsBehind(window);
    if (CurrentChild() == window)
        SetCurrent(nullptr);
    ZafList::Subtract(window);
    if (window->Registered())
        window->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    ForgetObjectsOf(window);
    if (!FrontWindow())
    {
        focus = false;
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->Put(ZafEventStruct(ZAF_EV_LAST_WINDOW_GONE, 0), ZAF_QUEUE_BACK);
    }
    else if (!FrontWindow()->Focus())
        FrontWindow()->SetFocus(true);
    return window;
}

void ZafWindowManager::Center(ZafWindowObject *window)
{
    if (!window)
        return;
    window->ConvertCoordinates(ZAF_PIXEL);
    ZafRegionStruct place = window->Region();
    const int columns = region.Width(), lines = region.Height();
    int width = std::min(place.Width(), columns);
    int height = std::min(place.Height(), lines);
    place.left = (columns - width) / 2;
    place.top = (lines - height) / 2;
    place.right = place.left + width - 1;
    place.bottom = place.top + height - 1;
    window->SetRegion(place);
    if (window->Registered())
        window->ApplyPosition();
}

// ---- Lookups ----------------------------------------------------------------

bool ZafWindowManager::Holds(const ZafWindowObject *object) const
{
    return object && TreeHolds(ZafList::First(), object);
}

ZafWindowObject *ZafWindowManager::GetObjectByNumberID(ZafNumberID id)
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        if (ZafWindowObject *found = static_cast<ZafWindowObject *>(e)->GetObjectByNumberID(id))
            return found;
    return nullptr;
}

ZafWindowObject *ZafWindowManager::GetObjectByStringID(const ZafIChar *path)
{
    if (!path)
        return nullptr;
    bool leading = (path[0] == L'~');
    if (leading)
        ++path;
    const ZafIChar *tilde = std::wcschr(path, L'~');
    if (!leading && !tilde)
    {
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (ZafWindowObject *found = static_cast<ZafWindowObject *>(e)->GetObjectByStringID(path))
                return found;
        return nullptr;
    }
    const size_t length = tilde ? size_t(tilde - path) : std::wcslen(path);
    const ZafIChar *rest = tilde ? tilde + 1 : L"";
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
    {
        ZafWindowObject *window = static_cast<ZafWindowObject *>(e);
        const ZafIChar *id = window->StringID();
        if (id && std::wcslen(id) == length && std::wcsncmp(id, path, length) == 0)
            return *rest ? window->GetObjectByStringID(rest) : window;
    }
    return nullptr;
}

ZafRegionStruct ZafWindowManager::ClientRegion(ZafWindowObject *)
{
    return region;
}

ZafWindowObject *ZafWindowManager::FocusObject() const
{
    ZafWindow *front = FrontWindow();
    return front && front->Focus() ? front->FocusObject() : nullptr;
}

ZafLogicalEvent ZafWindowManager::MapEvent(ZafEventStruct &event)
{
    ZafLogicalEvent logical = MapInputTable(defaultInputMap, event);
    return logical == ZAF_NO_EVENT ? ZafWindow::MapEvent(event) : logical;
}

// ---- Focus between top-level windows ---------------------------------------

ZafWindowObject *ZafWindowManager::NotifyFocus(ZafWindowObject *object, bool gained)
{
    ZafWindow *window = dynamic_cast<ZafWindow *>(object);
    ZafWindowObject *current = CurrentChild();
    if (gained && current && current != object)
        if (ZafWindowObject *refused = current->NotifyFocus(nullptr, false))
            return refused;
    if (!gained)
    {
        // The window manager's own Event hands unknown events to the front
        // window, so the focus events go to the current window directly.
        focusObject = nullptr;
        if (current)
            if (ZafWindowObject *refused = current->NotifyFocus(nullptr, false))
                return refused;
        focus = false;
        return nullptr;
    }
    if (!window || !Contains(window))
        return nullptr;
    if (FrontWindow() != window)
    {
        ZafList::Subtract(window);
        if (!window->Temporary())
            CloseTemporaryWindowsInFront();
        AddBefore(window, ZafList::First());
    }
    SetCurrent(window);
    focus = true;
    return nullptr;
}

// ---- Event routing ----------------------------------------------------------

ZafEventType ZafWindowManager::Event(const ZafEventStruct &event)
{
    if (captureObject && event.InputClass() == ZAF_INPUT_MOUSE)
        return captureObject->Event(event);
    if (grabObject)
        return grabObject->Event(event);
    if (event.windowObject && event.windowObject != this)
        return event.windowObject->Event(event);
    if (event.type == ZAF_EVENT_OS)
        return OSEvent(event);

    ZafWindow *front = FrontWindow();
    switch (event.type)
    {
    case ZAF_EV_LAST_WINDOW_GONE:
        return front ? front->Event(event) : ZAF_MODAL_GONE;
    case ZAF_EV_CLOSE:
    case ZAF_EV_CLOSE_TEMPORARY:
        return CloseWindow(event);
    case ZAF_EV_REDRAW:
        BroadcastEvent(event, 0);
        return event.type;
    case ZAF_EV_EXIT:
        PostQuitMessageToLoop();
        return 0;
    case ZAF_EV_ACTIVATE:
        // The object may have gone while the event waited in the queue.
        if (Holds(ZafEventObject(event)))
            ZafEventObject(event)->SetFocus(true);
        return event.type;
    case ZAF_EV_ADD_OBJECT:
        Add(ZafEventObject(event));
        return event.type;
    case ZAF_EV_SUBTRACT_OBJECT:
        if (Holds(ZafEventObject(event)) && ZafEventObject(event)->Parent() == nullptr)
            Subtract(ZafEventObject(event));
        return event.type;
    case ZAF_EV_EXIT_QUERY:
        return ExitQuery();
    case ZAF_EV_LANGUAGE_CHANGED:
        BroadcastEvent(event, -1);
        return event.type;
    case ZAF_L_FIRST_WINDOW:
        return event.type;
    default:
        if (event.type == ZAF_EV_FRONT_COMMAND || event.type == ZAF_EV_FRONT_COMMAND_2
            || event.type == ZAF_EV_OPEN_BY_NAME || event.type == ZAF_EV_CLOSE_BY_NAME
            || event.type == ZAF_EV_CHANGE_LANGUAGE || event.type == ZAF_EV_MINIMIZE_ALL
            || event.type == ZAF_EV_RESTORE_ALL)
            return WindowCommandEvent(event);
        return front ? front->Event(event) : ZAF_MODAL_GONE;
    }
}

ZafEventType ZafWindowManager::ExitQuery()
{
    if (!exitFunction)
        return 0;
    ZafRestoreOnExit<bool> closing(askingSessionEnd, false);
    ZafEventType answer = exitFunction(ZafDisplay::Shared(), ZafEventManager::Shared(), this);
    if (answer == 0)
        exitFunction = nullptr;
    return answer;
}

bool ZafWindowManager::MayEndSession(const ZafWindow *window)
{
    if (!window || !osWindow || window->OSWindow() != osWindow || !exitFunction)
        return true;
    bool allowed = false;
    const unsigned answersBefore = sessionEndAnswers;
    {
        ZafRestoreOnExit<bool> asking(askingSessionEnd, true);
        allowed = exitFunction(ZafDisplay::Shared(), ZafEventManager::Shared(), this) == 0;
    }
    // The system may have given up waiting and answered meanwhile: then
    // nothing is left to wait for.
    if (sessionEndAnswers == answersBefore)
        sessionEndPending = sessionEndPending || allowed;
    return allowed;
}

void ZafWindowManager::SessionEnds(const ZafWindow *window, bool ending)
{
    if (!window || !osWindow || window->OSWindow() != osWindow)
        return;
    sessionEndPending = false;
    ++sessionEndAnswers;
    if (ending && sessionEndFunction)
        sessionEndFunction(this);
}

bool ZafWindowManager::MayQueueClose(ZafWindow *window)
{
    if (!window || !closeRequestFunction)
        return true;
    if (osWindow && window->OSWindow() == osWindow)
        return closeRequestFunction(this, nullptr);
    if (window->Parent())
        return closeRequestFunction(this, window);
    return true;
}

ZafEventType ZafWindowManager::CloseWindow(const ZafEventStruct &event)
{
    const bool temporaryOnly = (event.type == ZAF_EV_CLOSE_TEMPORARY);
    ZafWindow *window = nullptr;
    ZafWindowObject *named = ZafEventObject(event);
    if (named && !Holds(named))
        return FrontWindow() ? event.type : ZAF_MODAL_GONE;   // gone while the close waited
    if (named)
        window = dynamic_cast<ZafWindow *>(named->RootObject());
    else if (temporaryOnly)
        window = FrontWindow();
    else
        for (ZafElement *e = ZafList::First(); e && !window; e = e->Next())
            if (AsWindow(e) && !AsWindow(e)->Temporary())
                window = AsWindow(e);
    if (!window || !Contains(window) || window->Locked() || (temporaryOnly && !window->Temporary()))
        return FrontWindow() ? event.type : ZAF_MODAL_GONE;

    // Only the application's registered main window ends the program.
    const bool mainWindow = osWindow && window->OSWindow() == osWindow;
    if (mainWindow && ExitQuery() != 0)
        return event.type;
    if (window->Event(ZafEventStruct(ZAF_EV_CLOSE_QUERY, 0)) != 0)
        return event.type;
    if (mainWindow)
        PostQuitMessageToLoop();

    ZafWindow *inFront = static_cast<ZafWindow *>(static_cast<ZafWindowObject *>(window->Previous()));
    Remove(window);
    while (inFront && inFront->Temporary())
    {
        ZafWindow *next = static_cast<ZafWindow *>(static_cast<ZafWindowObject *>(inFront->Previous()));
        Remove(inFront);
        inFront = next;
    }
    return FrontWindow() ? event.type : ZAF_MODAL_GONE;
}

// ---- Window commands --------------------------------------------------------

// Reads the object name from the directory path of the default persistence's
// storage (an empty path is the root); null when there is no such object or
// its class cannot be made. The storage's current directory is kept.
ZafWindowObject *ZafWindowManager::OpenStoredObject(const std::wstring &path, const ZafIChar *name)
{
    ZafObjectPersistence *persistence = ZafObjectPersistence::DefaultPersistence();
    ZafStorage *storage = persistence ? persistence->Storage() : nullptr;
    if (!storage)
        return nullptr;
    ZafIChar current[ZAF_STORAGE_MAX_NAME + 2] = {};
    if (storage->GetCWD(current, ZAF_STORAGE_MAX_NAME + 2) != 0)
        return nullptr;
    ZafWindowObject *object = nullptr;
    ZafFindStruct find;
    if (persistence->ChDir(path.empty() ? L"~" : path.c_str()) == 0 && persistence->FindFirst(find, name) == 0
        && (find.flags & ZAF_ENTRY_DIRECTORY))
    {
        const ZafClassID classID = ZafClassID(ZafInt16(find.numberID));
        if (ZafObjectConstructor make = persistence->GetObjectConstructor(classID))
        {
            ZafObjectPersistence::PushLevel(*persistence, persistence->ClassNameOf(classID), classID);
            ZafElement *made = make(name, *persistence);
            ZafObjectPersistence::PopLevel(*persistence);
            object = dynamic_cast<ZafWindowObject *>(made);
            if (!object || object->Error())
            {
                delete made;
                object = nullptr;
            }
        }
    }
    persistence->ChDir(current);
    return object;
}

void ZafWindowManager::ChangeLanguage(const ZafIChar *name)
{
    ZafI18nData::ResetI18n(name);
}

ZafEventType ZafWindowManager::WindowCommandEvent(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EV_FRONT_COMMAND:
    case ZAF_EV_FRONT_COMMAND_2:
    {
        ZafWindow *front = FrontWindow();
        ZafEventType answer = front ? front->Event(event) : ZAF_MODAL_GONE;
        if (answer == ZAF_NOT_HANDLED || answer == ZAF_MODAL_GONE)
            DeleteCommandText(event);
        return answer;
    }
    case ZAF_EV_OPEN_BY_NAME:
    {
        if (!event.text)
            return type;
        const ZafIChar *tilde = std::wcsrchr(event.text, L'~');
        const ZafIChar *name = tilde ? tilde + 1 : event.text;
        ZafEventType answer = ZAF_NOT_HANDLED;
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
        {
            ZafWindowObject *window = static_cast<ZafWindowObject *>(e);
            if (window->StringID() && std::wcscmp(window->StringID(), name) == 0)
            {
                window->SetFocus(true);
                answer = type;
                break;
            }
        }
        if (answer == ZAF_NOT_HANDLED && tilde && *name)
            if (ZafWindowObject *stored = OpenStoredObject(std::wstring(event.text, size_t(tilde - event.text)), name))
            {
                Add(stored);
                answer = type;
            }
        DeleteCommandText(event);
        return answer;
    }
    case ZAF_EV_CLOSE_BY_NAME:
    {
        if (!event.text)
            return type;
        for (bool found = true; found;)
        {
            found = false;
            for (ZafElement *e = ZafList::First(); e; e = e->Next())
            {
                ZafWindowObject *window = static_cast<ZafWindowObject *>(e);
                if (window->StringID() && std::wcscmp(window->StringID(), event.text) == 0 && !AsWindow(e)->Locked())
                {
                    ZafEventStruct close(ZAF_EV_CLOSE, 0);
                    close.dataObject = window;
                    ZafEventType before = ZafList::Count();
                    Event(close);
                    found = ZafList::Count() != before;
                    break;
                }
            }
        }
        DeleteCommandText(event);
        return type;
    }
    case ZAF_EV_CHANGE_LANGUAGE:
        if (!event.text)
            return type;
        ChangeLanguage(event.text);
        BroadcastEvent(ZafEventStruct(ZAF_EV_LANGUAGE_CHANGED, 0), -1);
        DeleteCommandText(event);
        return type;
    case ZAF_EV_MINIMIZE_ALL:
    case ZAF_EV_RESTORE_ALL:
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (ZafWindow *window = AsWindow(e))
                window->SetMinimized(type == ZAF_EV_MINIMIZE_ALL);
        return type;
    case ZAF_EV_HELP_TOPIC:
        if (!event.text)
            return type;
        ZafHelpSystem::Show(event.text);
        DeleteCommandText(event);
        return type;
    default:
        return ZAF_REFUSED;
    }
}
