# The main window, its commands and its status bar.
list(APPEND UI_SOURCES
    main/QVZControl.cpp
    main/QVZControlChart.cpp
    main/QVZControlCommands.cpp
    main/QVZControlDocuments.cpp
    main/QVZControlHelp.cpp
    main/QVZControlMaintenance.cpp
    main/QVZControlMenus.cpp
    main/QVZStatusBar.cpp
)
# The Goto dialog, the sound-file dialog and the scoreboard message editor.
list(APPEND UI_SOURCES
    main/QVZAudioDialog.cpp
    main/QVZControlOptions.cpp
    main/QVZScheduleDialog.cpp
    main/QVZScoreboardMessage.cpp
    main/QVZScoreboardMessageDialog.cpp
)
