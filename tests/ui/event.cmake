# The event window, its pane layout and the summary window.
list(APPEND TEST_SOURCES
    ../shell/support/ListTestSupport.cpp
    event/QVZEventMDITest.cpp
    event/QVZEventWindowTest.cpp
    event/QVZPaneLayoutTest.cpp
)
