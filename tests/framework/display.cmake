# Platform object, window object, GDI and screen display, images, drawing.
list(APPEND TEST_SOURCES
    display/ZafGuiTestSupport.cpp
    display/ZafMSWindowsAppTest.cpp
    display/ZafWindowObjectTest.cpp
    display/ZafGdiDisplayTest.cpp
    display/ZafGdiImageTest.cpp
    display/ZafWindowObjectDrawTest.cpp
    display/ZafAnsiPlatformTest.cpp
)

# The same program once more as a Windows 98 program: the 8-bit path for real.
add_test(NAME framework_tests_win98
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/display/run-as-win98.sh
        $<TARGET_FILE:framework_tests> ${CMAKE_BINARY_DIR}/wine-run.sh
        --gtest_filter=ZafAnsiPlatformTest.*:ZafPlatformDecision.*:ZafHotKeyText.*:ZafGdiDisplayTest.*:ZafWindowObjectDrawTest.*)
set_tests_properties(framework_tests_win98 PROPERTIES TIMEOUT 600)
