# The main window, its commands and its status bar.
list(APPEND TEST_SOURCES
    main/QVZStatusBarTest.cpp
)
