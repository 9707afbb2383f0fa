#include "framework/core/objects/ZafApplication.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"

#include <gtest/gtest.h>

namespace {

int CountDevices(ZafEventManager *events, ZafDeviceType type)
{
    int count = 0;
    for (ZafDevice *device = events->First(); device; device = device->Next())
        count += device->DeviceType() == type ? 1 : 0;
    return count;
}

} // namespace

TEST(ZafApplicationWindows, TheApplicationMakesTheWindowManagerAndTheInputDevices)
{
    ASSERT_EQ(nullptr, ZafWindowManager::Shared());
    {
        wchar_t program[] = L"training.exe";
        wchar_t *argv[] = { program };
        ZafApplication application(1, argv);
        ASSERT_NE(nullptr, application.WindowManager());
        EXPECT_EQ(application.WindowManager(), ZafWindowManager::Shared());
        ZafEventManager *events = application.EventManager();
        EXPECT_EQ(events, ZafEventManager::Shared());
        EXPECT_EQ(1, CountDevices(events, ZAF_KEYBOARD));
        EXPECT_EQ(1, CountDevices(events, ZAF_MOUSE));
        EXPECT_EQ(1, CountDevices(events, ZAF_CARET));
        EXPECT_EQ(ZAF_DEVICE_ON, events->DeviceState(ZAF_KEYBOARD, ZAF_DEVICE_STATE_QUERY));
    }
    EXPECT_EQ(nullptr, ZafWindowManager::Shared());
    EXPECT_EQ(nullptr, ZafEventManager::Shared());
}

TEST(ZafApplicationWindows, DevicesAddedToAnEventManagerOfOthersLeaveWithTheApplication)
{
    ZafEventManager events;
    ZafEventManager::SetShared(&events);
    {
        wchar_t program[] = L"training.exe";
        wchar_t *argv[] = { program };
        ZafApplication application(1, argv);
        EXPECT_EQ(&events, application.EventManager());
        EXPECT_EQ(1, CountDevices(&events, ZAF_MOUSE));
    }
    EXPECT_EQ(0, events.Count());
    ZafEventManager::SetShared(nullptr);
}
