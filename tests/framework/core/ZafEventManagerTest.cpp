#include "framework/core/events/ZafEventManager.h"
#include "framework/windows/ZafOSEventWin.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

ZafEventStruct OSMessage(ZafUInt32 message)
{
    ZafOSEventStruct os = {};
    os.message = message;
    return ZafEventStruct(ZAF_EVENT_OS, os);
}

// A device that records the events it is given.
struct RecordingDevice : ZafDevice
{
    RecordingDevice(ZafDeviceType type, ZafDeviceState state, std::vector<ZafEventType> *log)
        : ZafDevice(type, state), log(log)
    {
    }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        log->push_back(event.type);
        return ZafDevice::Event(event);
    }
    void Poll() override { ++polls; }
    std::vector<ZafEventType> *log;
    int polls = 0;
};

} // namespace

// A manager and the log its recording devices share.
class ZafEventManagerDevices : public ::testing::Test
{
protected:
    // A recording device of that type and state, added to the manager.
    RecordingDevice *Install(ZafDeviceType type, ZafDeviceState state)
    {
        auto *device = new RecordingDevice(type, state, &log);
        manager.Add(device);
        return device;
    }
    std::vector<ZafEventType> log;
    ZafEventManager manager;
};

TEST(ZafEventStruct, InputClassOfRawAndFrameworkEvents)
{
    EXPECT_EQ(OSMessage(0x0101).InputClass(), ZAF_INPUT_KEYBOARD);  // WM_KEYUP
    EXPECT_EQ(OSMessage(0x00A1).InputClass(), ZAF_INPUT_MOUSE);     // WM_NCLBUTTONDOWN
    EXPECT_EQ(OSMessage(0x0200).InputClass(), ZAF_INPUT_MOUSE);     // WM_MOUSEMOVE
    EXPECT_EQ(OSMessage(0x020A).InputClass(), ZAF_EVENT_OS);        // wheel: not in the range
    EXPECT_EQ(ZafEventStruct(-50, 0).InputClass(), ZAF_INPUT_SYSTEM);
    EXPECT_EQ(ZafEventStruct(-3000, 0).InputClass(), -3000);
    EXPECT_EQ(ZafEventStruct(1020, 0).InputClass(), ZAF_INPUT_USER);
}

TEST(ZafEventManagerQueue, PutAtFrontOrBackAndTakeFromEitherEnd)
{
    ZafEventManager manager(8);
    EXPECT_TRUE(manager.Put(ZafEventStruct(-1, 1), ZAF_QUEUE_BACK));
    EXPECT_TRUE(manager.Put(ZafEventStruct(-1, 2), ZAF_QUEUE_BACK));
    EXPECT_TRUE(manager.Put(ZafEventStruct(-1, 0), 0));    // front
    ZafEventStruct event;
    EXPECT_TRUE(manager.TakeQueued(event, ZAF_PEEK));
    EXPECT_EQ(event.rawCode, 0u);
    EXPECT_EQ(manager.QueueCount(), 3);
    EXPECT_TRUE(manager.TakeQueued(event, ZAF_QUEUE_BACK));
    EXPECT_EQ(event.rawCode, 2u);
    EXPECT_TRUE(manager.TakeQueued(event));
    EXPECT_EQ(event.rawCode, 0u);
    EXPECT_TRUE(manager.TakeQueued(event));
    EXPECT_EQ(event.rawCode, 1u);
    EXPECT_FALSE(manager.TakeQueued(event));
    EXPECT_TRUE(manager.QueueEmpty());
}

TEST(ZafEventManagerQueue, PutIntoAFullQueueAnswersFalseAndOverwritesNothing)
{
    ZafEventManager manager(3);
    for (ZafRawCode i = 0; i < 3; ++i)
        EXPECT_TRUE(manager.Put(ZafEventStruct(-1, i)));
    EXPECT_TRUE(manager.QueueFull());
    EXPECT_FALSE(manager.Put(ZafEventStruct(-1, 99)));
    EXPECT_FALSE(manager.Put(ZafEventStruct(-1, 98), 0));
    ZafEventStruct event;
    for (ZafRawCode i = 0; i < 3; ++i) {
        ASSERT_TRUE(manager.TakeQueued(event));
        EXPECT_EQ(event.rawCode, i);
    }
    // Taking frees the elements again.
    EXPECT_TRUE(manager.Put(ZafEventStruct(-1, 4)));
}

TEST(ZafEventManagerQueue, EventsPutByTwoThreadsAreTakenExactlyOnce)
{
    constexpr int PER_THREAD = 10000;
    ZafEventManager manager(64);
    std::vector<int> accepted(2 * PER_THREAD, 0);   // each slot written by one producer
    std::vector<int> taken(2 * PER_THREAD, 0);
    std::atomic<int> producersDone{ 0 };

    auto produce = [&](int base) {
        for (int i = 0; i < PER_THREAD; ++i) {
            accepted[base + i] = manager.Put(ZafEventStruct(-2999, ZafRawCode(base + i))) ? 1 : 0;
            if (!accepted[base + i])
                std::this_thread::yield();
        }
        ++producersDone;
    };
    std::thread first(produce, 0);
    std::thread second(produce, PER_THREAD);

    ZafEventStruct event;
    for (;;) {
        if (manager.TakeQueued(event)) {
            ASSERT_LT(event.rawCode, ZafRawCode(2 * PER_THREAD));
            ++taken[event.rawCode];
        } else if (producersDone == 2 && manager.QueueEmpty()) {
            break;
        } else {
            std::this_thread::yield();
        }
    }
    first.join();
    second.join();

    int acceptedCount = 0;
    for (int i = 0; i < 2 * PER_THREAD; ++i) {
        ASSERT_EQ(taken[i], accepted[i]) << "event " << i;
        acceptedCount += accepted[i];
    }
    EXPECT_GT(acceptedCount, 0);
}

TEST_F(ZafEventManagerDevices, AddAndSubtractTellTheDevice)
{
    auto *mouse = new RecordingDevice(ZAF_MOUSE, ZAF_DEVICE_ON, &log);
    EXPECT_EQ(manager.Add(mouse), mouse);
    EXPECT_TRUE(mouse->Installed());
    EXPECT_EQ(manager.Subtract(mouse), mouse);
    EXPECT_FALSE(mouse->Installed());
    EXPECT_EQ(log, (std::vector<ZafEventType>{ ZAF_DEVICE_ADDED, ZAF_DEVICE_REMOVED }));
    EXPECT_EQ(manager.Subtract(mouse), nullptr);
    EXPECT_EQ(manager.Count(), 0);
    delete mouse;
}

TEST_F(ZafEventManagerDevices, DeviceStateAsksTheFirstDeviceOfTheType)
{
    Install(ZAF_KEYBOARD, ZAF_DEVICE_ON);
    Install(ZAF_MOUSE, -3200);
    EXPECT_EQ(manager.DeviceState(ZAF_MOUSE, ZAF_DEVICE_STATE_QUERY), -3200);
    EXPECT_EQ(manager.DeviceState(ZAF_KEYBOARD, ZAF_DEVICE_STATE_QUERY), ZAF_DEVICE_ON);
    EXPECT_EQ(manager.DeviceState(ZAF_CARET, ZAF_DEVICE_STATE_QUERY), ZAF_DEVICE_STATE_QUERY);
}

TEST_F(ZafEventManagerDevices, SetDeviceStateSwitchesEveryDeviceOfTheType)
{
    RecordingDevice *a = Install(ZAF_KEYBOARD, ZAF_DEVICE_ON);
    RecordingDevice *b = Install(ZAF_KEYBOARD, ZAF_DEVICE_ON);
    RecordingDevice *mouse = Install(ZAF_MOUSE, ZAF_DEVICE_ON);
    log.clear();
    EXPECT_EQ(manager.SetDeviceState(ZAF_KEYBOARD, ZAF_DEVICE_OFF), ZAF_DEVICE_OFF);
    EXPECT_EQ(a->DeviceState(), ZAF_DEVICE_OFF);
    EXPECT_EQ(b->DeviceState(), ZAF_DEVICE_OFF);
    EXPECT_EQ(mouse->DeviceState(), ZAF_DEVICE_ON);
    EXPECT_EQ(log, (std::vector<ZafEventType>{ ZAF_DEVICE_OFF, ZAF_DEVICE_STATE_QUERY, ZAF_DEVICE_OFF,
                                               ZAF_DEVICE_STATE_QUERY }));
    EXPECT_EQ(manager.SetDeviceState(ZAF_HELP_TIPS, ZAF_DEVICE_ON), ZAF_DEVICE_OFF);
}

TEST_F(ZafEventManagerDevices, BroadcastReachesTheTypeOrEveryDeviceAndPollReachesEvery)
{
    RecordingDevice *keyboard = Install(ZAF_KEYBOARD, ZAF_DEVICE_ON);
    RecordingDevice *tips = Install(ZAF_HELP_TIPS, ZAF_DEVICE_ON);
    manager.PollDevices();
    EXPECT_EQ(keyboard->polls + tips->polls, 2);
    log.clear();
    EXPECT_EQ(manager.BroadcastToDevices(ZafEventStruct(0x47, 0), ZAF_HELP_TIPS), 0x47);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(manager.BroadcastToDevices(ZafEventStruct(-3301, 0), ZAF_ALL_DEVICES), -3301);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_EQ(manager.BroadcastToDevices(ZafEventStruct(-3301, 0), ZAF_CARET), ZAF_NOT_HANDLED);
}

TEST(ZafEventManager, SharedPointerIsClearedWhenTheManagerGoes)
{
    ZafEventManager *before = ZafEventManager::Shared();
    {
        ZafEventManager manager;
        ZafEventManager::SetShared(&manager);
        EXPECT_EQ(ZafEventManager::Shared(), &manager);
    }
    EXPECT_EQ(ZafEventManager::Shared(), nullptr);
    ZafEventManager::SetShared(before);
}

TEST(ZafEventStruct, OSMessageSurvivesTheQueueWordForWord)
{
    MSG message = {};
    message.hwnd = reinterpret_cast<HWND>(0x1234);
    message.message = WM_LBUTTONDBLCLK;
    message.wParam = MK_LBUTTON;
    message.lParam = MAKELPARAM(-5, 700);
    message.time = 0xFEDCBA98u;
    message.pt.x = -20;
    message.pt.y = 1024;
    ZafEventManager manager(2);
    ASSERT_TRUE(manager.Put(ZafEventStruct(ZAF_EVENT_OS, ZafOSEventFromMSG(message))));
    ZafEventStruct event;
    ASSERT_TRUE(manager.TakeQueued(event));
    EXPECT_EQ(event.InputClass(), ZAF_INPUT_MOUSE);
    MSG back = ZafMSGFromOSEvent(event.osEvent);
    EXPECT_EQ(back.hwnd, message.hwnd);
    EXPECT_EQ(back.message, message.message);
    EXPECT_EQ(back.wParam, message.wParam);
    EXPECT_EQ(back.lParam, message.lParam);
    EXPECT_EQ(back.time, message.time);
    EXPECT_EQ(back.pt.x, -20);
    EXPECT_EQ(back.pt.y, 1024);
}

TEST(ZafEventManagerQueue, APutFromAnotherThreadWakesTheGUIThread)
{
    ZafEventManager manager;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ;
    std::thread worker([&] {
        for (ZafRawCode i = 0; i < 5; ++i)
            manager.Put(ZafEventStruct(-2999, i));
    });
    worker.join();
    // One wake-up message waits for this thread (GetMessage would not
    // block), however many events were put.
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT(WM_NULL));
    EXPECT_EQ(message.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    // A put on the GUI thread itself posts nothing.
    manager.Put(ZafEventStruct(-2999, 6));
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(manager.QueueCount(), 6);
    // Once the GUI thread has taken an event, the next foreign put wakes it again.
    ZafEventStruct event;
    manager.TakeQueued(event);
    std::thread again([&] { manager.Put(ZafEventStruct(-2999, 7)); });
    again.join();
    EXPECT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
}
