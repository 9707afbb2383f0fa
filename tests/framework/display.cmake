# Platform object, window object, GDI and screen display, images, drawing.
list(APPEND TEST_SOURCES
    display/ZafGuiTestSupport.cpp
    display/ZafMSWindowsAppTest.cpp
    display/ZafWindowObjectTest.cpp
)
