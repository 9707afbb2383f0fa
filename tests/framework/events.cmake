# Event retrieval, devices, window-object events, windows and the window manager.
list(APPEND TEST_SOURCES
    events/ZafEventTestSupport.cpp
    events/ZafEventRetrievalTest.cpp
    events/ZafInputDevicesTest.cpp
    events/ZafWindowObjectEventTest.cpp
    events/ZafWindowTest.cpp
    events/ZafWindowFrameTest.cpp
    events/ZafWindowManagerTest.cpp
    events/ZafWindowRoutingTest.cpp
    events/ZafApplicationWindowsTest.cpp
)
