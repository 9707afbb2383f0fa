# The event window, its pane layout and the summary window.
list(APPEND UI_SOURCES
    event/QVZEventMDI.cpp
    event/QVZEventMDIEvents.cpp
    event/QVZEventPane.cpp
    event/QVZEventTitle.cpp
    event/QVZEventWindow.cpp
    event/QVZPaneLayout.cpp
    event/QVZPaneWindows.cpp
)
