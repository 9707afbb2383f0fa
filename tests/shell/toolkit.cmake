# The toolkit's window layer: leeches, windows, status bar, fields, menus,
# the MDI frame and the splash.
list(APPEND TEST_SOURCES
    support/ToolkitTest.cpp
    toolkit/KZAcceleratorTest.cpp
    toolkit/KZFieldsTest.cpp
    toolkit/KZMenuWatchDogTest.cpp
    toolkit/KZSplashTest.cpp
    toolkit/KZStatusBarTest.cpp
    toolkit/KZWindowLeechTest.cpp
)
