# The toolkit's window layer: leeches, windows, status bar, fields, menus,
# the MDI frame and the splash.
list(APPEND TEST_SOURCES
    support/MenuFrameTest.cpp
    support/ToolkitTest.cpp
    toolkit/KZAcceleratorTest.cpp
    toolkit/KZControlTest.cpp
    toolkit/KZFieldsTest.cpp
    toolkit/KZMenuTest.cpp
    toolkit/KZMenuWatchDogTest.cpp
    toolkit/KZSplashTest.cpp
    toolkit/KZStatusBarTest.cpp
    toolkit/KZWindowLeechTest.cpp
)

# Owner-drawn lists and bars: scroller, selector, title bar, tool bar,
# editable selector.
list(APPEND TEST_SOURCES
    support/ListTestSupport.cpp
    toolkit/KZEditableSelectorTest.cpp
    toolkit/KZScrollerTest.cpp
    toolkit/KZSelectorTest.cpp
    toolkit/KZSizerTest.cpp
    toolkit/KZToolBarTest.cpp
)
