# The main window.
list(APPEND UI_SOURCES
    main/QVZControl.cpp
)
