// The application object's window side: the input devices and the window
// manager it makes at start-up and removes at the end.
#include "framework/core/objects/ZafApplication.h"
#include "framework/core/events/ZafCursor.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/events/ZafMouse.h"
#include "framework/core/objects/ZafWindowManager.h"

namespace {

bool HasDevice(ZafEventManager *events, ZafDeviceType type)
{
    for (ZafDevice *device = events->First(); device; device = device->Next())
        if (device->DeviceType() == type)
            return true;
    return false;
}

} // namespace

void ZafApplication::StartWindows()
{
    // The devices come first: the window manager sets the mouse pointer.
    ZafDevice *devices[] = {
        HasDevice(eventManager, ZAF_KEYBOARD) ? nullptr : new ZafKeyboard(ZAF_DEVICE_ON),
        HasDevice(eventManager, ZAF_MOUSE) ? nullptr : new ZafMouse(ZAF_DEVICE_ON, ZAF_POINTER_ARROW),
        HasDevice(eventManager, ZAF_CARET) ? nullptr : new ZafCursor(ZAF_DEVICE_OFF, ZAF_CARET_INSERT),
    };
    for (ZafDevice *device : devices)
        if (device)
        {
            eventManager->Add(device);
            if (!ownsEventManager)
                addedDevices.push_back(device);
        }
    windowManager = ZafWindowManager::Shared();
    if (!windowManager)
    {
        windowManager = new ZafWindowManager;
        ownsWindowManager = true;
    }
}

void ZafApplication::EndWindows()
{
    if (ownsWindowManager)
        delete windowManager;
    windowManager = nullptr;
    ownsWindowManager = false;
    // Devices added to someone else's event manager leave with the application.
    for (ZafDevice *device : addedDevices)
        delete eventManager->Subtract(device);
    addedDevices.clear();
}
