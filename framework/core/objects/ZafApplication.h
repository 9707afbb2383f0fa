#pragma once
// ZafApplication: the framework half of the application object. It keeps the
// program's arguments as wide texts and a status word that the program reads
// after construction (13: beep and end), and it makes the process-wide
// services the framework runs on: the event manager (shared through
// ZafEventManager::Shared) and, as they exist, the screen display, the window
// manager and the input devices. It runs on built-in defaults when no
// language data is found. One per process, made and destroyed on the GUI
// thread; it owns what it made and releases the framework's static data when
// it goes.

#include "framework/core/base/ZafTypes.h"

#include <string>
#include <vector>

class ZafEventManager;
class ZafObjectPersistence;
class ZafStorage;
class ZafWindowManager;
class ZafDevice;

class ZafApplication
{
public:
    static constexpr ZafInt32 STATUS_BEEP_AND_END = 13;

    // Arguments in the local code set (converted through the shared code set).
    ZafApplication(int argc, char **argv);
    // Wide arguments (a wmain entry point).
    ZafApplication(int argc, wchar_t **argv);
    ZafApplication(const ZafApplication &) = delete;
    ZafApplication &operator=(const ZafApplication &) = delete;
    virtual ~ZafApplication();

    int ArgumentCount() const { return int(arguments.size()); }
    // The argument at index (0 is the program); null outside.
    const ZafIChar *Argument(int index) const;

    ZafInt32 Status() const { return status; }
    // Stores the status word; answers it.
    virtual ZafInt32 SetStatus(ZafInt32 value);

    // The event manager the application made (or found already shared).
    ZafEventManager *EventManager() const { return eventManager; }
    // The framework's language data file "i18n.zaf", opened read-only when it
    // exists (ZafApplicationStorage.cpp); null without one.
    ZafStorage *I18nStorage() const { return i18nStorage; }
    // The window manager the application made (or found already in place);
    // the input devices (keyboard, mouse, caret) are in the event manager.
    ZafWindowManager *WindowManager() const { return windowManager; }

protected:
    ZafInt32 status = 0;

private:
    void StartUp();
    void OpenI18nStorage();
    void CloseI18nStorage();

    std::vector<std::wstring> arguments;
    ZafEventManager *eventManager = nullptr;
    bool ownsEventManager = false;
    ZafStorage *i18nStorage = nullptr;
    ZafObjectPersistence *i18nPersistence = nullptr;
    // The window manager and input devices (made in ZafApplicationWindows.cpp).
    void StartWindows();
    void EndWindows();
    ZafWindowManager *windowManager = nullptr;
    bool ownsWindowManager = false;
    std::vector<ZafDevice *> addedDevices;   // added to an event manager the application does not own
};
