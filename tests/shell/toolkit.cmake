# The toolkit's window layer: leeches, windows, status bar, fields, menus,
# the MDI frame and the splash.
list(APPEND TEST_SOURCES
    support/MenuFrameTest.cpp
    support/ToolkitTest.cpp
    toolkit/window/KZAcceleratorTest.cpp
    toolkit/window/KZControlTest.cpp
    toolkit/fields/KZFieldsTest.cpp
    toolkit/menus/KZMenuTest.cpp
    toolkit/menus/KZMenuWatchDogTest.cpp
    toolkit/window/KZSplashTest.cpp
    toolkit/bars/KZStatusBarTest.cpp
    toolkit/window/KZWindowLeechTest.cpp
    toolkit/window/VZNamedBitmapsTest.cpp
)

# Owner-drawn lists and bars: scroller, selector, title bar, tool bar,
# editable selector.
list(APPEND TEST_SOURCES
    support/ListTestSupport.cpp
    toolkit/lists/KZEditableSelectorTest.cpp
    toolkit/lists/KZScrollerTest.cpp
    toolkit/lists/KZSelectorTest.cpp
    toolkit/lists/KZSizerTest.cpp
    toolkit/bars/KZToolBarTest.cpp
)
