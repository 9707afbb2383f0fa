# The main window, its commands and its status bar.
list(APPEND UI_SOURCES
    main/QVZControl.cpp
    main/QVZStatusBar.cpp
)
