# The event window, its pane layout and the summary window.
list(APPEND UI_SOURCES
    event/QVZPaneLayout.cpp
)
