# The main window, its commands and its status bar.
list(APPEND TEST_SOURCES
    support/MainWindowTest.cpp
    main/QVZControlMaintenanceTest.cpp
    main/QVZControlTest.cpp
    main/QVZStatusBarTest.cpp
)
