# The main window, its commands and its status bar.
list(APPEND TEST_SOURCES
    support/MainWindowTest.cpp
    main/QVZControlMaintenanceTest.cpp
    main/QVZControlTest.cpp
    main/QVZStatusBarTest.cpp
)
# The Goto dialog, the sound-file dialog and the scoreboard message editor.
list(APPEND TEST_SOURCES
    ../shell/support/DialogTestSupport.cpp
    main/QVZAudioDialogTest.cpp
    main/QVZControlOptionsTest.cpp
    main/QVZScheduleDialogTest.cpp
    main/QVZScoreboardMessagePortTest.cpp
)
