# quorvane.exe end to end with the simulated block sensor on a COM pair (the
# program must be built first).
if(TARGET quorvane)
    qt_test(ui_program_tests LIBS domain unitsim user32 gdi32 SOURCES
        ../shell/support/ShellScratch.cpp
        ../shell/program/QuorvaneProgram.cpp
        ../support/ComPortPair.cpp
        program/ProgramHand.cpp
        program/ProgramRoad.cpp
        program/DownloadProgramTest.cpp
        program/OptionsProgramTest.cpp
        program/EventWindowProgramTest.cpp
        program/WindowLayoutProgramTest.cpp
        program/ChartProgramTest.cpp
        program/MaintenanceProgramTest.cpp
        program/MainWindowProgramTest.cpp
        program/ScheduleProgramTest.cpp
        program/ScoreboardProgramTest.cpp
        program/ExampleProgramTest.cpp
        program/UploadProgramTest.cpp
        program/SideRoadsProgramTest.cpp
    )
    set_source_files_properties(program/ExampleProgramTest.cpp PROPERTIES
        COMPILE_DEFINITIONS "QV_EXAMPLES=L\"Z:${PROJECT_SOURCE_DIR}/docs/examples\"")
    add_dependencies(ui_program_tests quorvane zafdata splashdata)
    include(${PROJECT_SOURCE_DIR}/tools/comport/ComPort.cmake)
    qt_use_comports(ui_program_tests 49 50)
    qt_use_second_comports(ui_program_tests 55 56)   # a scoreboard
    qt_tests_share_display(ui_program_tests)
    # Each test starts the program and downloads the trials (about 25 s).
    set_tests_properties(ui_program_tests PROPERTIES TIMEOUT 1800)
endif()
