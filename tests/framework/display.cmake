# Platform object, window object, GDI and screen display, images, drawing.
list(APPEND TEST_SOURCES
    display/ZafGuiTestSupport.cpp
    ../support/DibSurface.cpp
    display/ZafMSWindowsAppTest.cpp
    display/ZafWindowObjectTest.cpp
    display/ZafGdiDisplayTest.cpp
    display/ZafGdiImageTest.cpp
    display/ZafWindowObjectDrawTest.cpp
    display/ZafAnsiPlatformTest.cpp
)

# The same program once more as a Windows 98 program: the 8-bit path for real.
# Its tests act only there.
list(APPEND TEST_ALLOW_SKIPS ZafAnsiPlatformTest.*)
qt_win98_test(framework_tests_win98
    ZafPlatformVersion.*:ZafAnsiPlatformTest.*:ZafPlatformDecision.*:ZafHotKeyText.*:ZafGdiDisplayTest.*:ZafWindowObjectDrawTest.*:ZafTitleTest.*:ZafButtonTest.*:ZafVtListText.*:ZafComboBoxText.*)

# A stand-in "ctl3d32.dll" for the old-platform path, kept in a folder of its
# own that only the test using it adds to the DLL search path.
add_library(fake_ctl3d32 SHARED display/fakectl3d/FakeCtl3d.cpp display/fakectl3d/FakeCtl3d.def)
set_target_properties(fake_ctl3d32 PROPERTIES PREFIX "" OUTPUT_NAME ctl3d32
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/fakectl3d)
target_link_options(fake_ctl3d32 PRIVATE -static-libgcc -static-libstdc++)
