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

# The framework's GUI test programs share one display, and each one's windows
# take the keyboard focus from the other's: they never run at the same time.
function(zaf_serialize_framework_gui_tests)
    foreach(test framework_tests framework_tests_win98)
        if(TEST ${test})
            set_tests_properties(${test} PROPERTIES RESOURCE_LOCK framework_display)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER CALL zaf_serialize_framework_gui_tests)
