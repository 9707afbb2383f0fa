# The event window, its pane layout and the summary window.
list(APPEND TEST_SOURCES
    event/QVZEventMDITest.cpp
    event/QVZPaneLayoutTest.cpp
)
