# quorvane.exe end to end with the simulated block sensor on a COM pair (the
# program must be built first).
if(TARGET quorvane)
    # Each test starts the program and downloads the trials (about 25 s).
    # What only a window manager does is tested in the desktop run below; the
    # tests that print need a printer, which a machine without CUPS lacks.
    set(printing_tests
        DownloadProgram.ACloseRequestDuringAResultsPrintStopsItThenAsksToSaveAndKeepsTheTrials
        DownloadProgram.ACloseRequestMadeWhileThePrintDialogIsUpLetsThePrintoutEndThenRuns)
    qt_test(ui_program_tests TIMEOUT 1800 LIBS domain unitsim user32 gdi32
        ALLOW_SKIPS DesktopProgram.* ${printing_tests}
        SOURCES
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
        program/DesktopHand.cpp
        program/DesktopProgramTest.cpp
        program/SideRoadsProgramTest.cpp
    )
    set_source_files_properties(program/ExampleProgramTest.cpp program/UploadProgramTest.cpp PROPERTIES
        COMPILE_DEFINITIONS "QV_EXAMPLES=L\"Z:${PROJECT_SOURCE_DIR}/docs/examples\"")
    add_dependencies(ui_program_tests quorvane zafdata splashdata)
    include(${PROJECT_SOURCE_DIR}/tools/comport/ComPort.cmake)
    qt_use_comports(ui_program_tests 49 50)
    qt_use_second_comports(ui_program_tests 55 56)   # a scoreboard
    qt_tests_share_display(ui_program_tests)
    # Once more as on a user's desktop, with a window manager.
    include(${PROJECT_SOURCE_DIR}/tests/support/Desktop.cmake)
    qt_test_on_desktop(ui_program_tests COMPORTS 49 50 55 56 ALLOW_SKIPS ${printing_tests})
    # Holding the lock of the list of open files that every process of the
    # program shares would stall the saves of the tests running beside it:
    # the test that holds it runs alone (it needs no COM pair).
    set_property(TEST ui_program_tests ui_program_tests_on_desktop APPEND PROPERTY ENVIRONMENT
        "GTEST_FILTER=-*SharedListsLock*")
    qt_gtest_entry(ui_program_shared_lists_lock TIMEOUT 180
        COMMAND ${QT_TEST_WINE_RUN} $<TARGET_FILE:ui_program_tests> --gtest_filter=*SharedListsLock*)
    set_tests_properties(ui_program_shared_lists_lock PROPERTIES RUN_SERIAL TRUE)
endif()

# A download of twelve trials into the overlay against the same download
# without it (run by hand; the source says how).
if(TARGET quorvane)
    add_executable(overlay_download_bench bench/OverlayDownloadBench.cpp
        ../shell/support/ShellScratch.cpp ../shell/program/QuorvaneProgram.cpp ../support/ComPortPair.cpp
        program/ProgramHand.cpp program/ProgramRoad.cpp)
    target_include_directories(overlay_download_bench PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests
        ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_options(overlay_download_bench PRIVATE ${QT_WARNINGS})
    target_link_libraries(overlay_download_bench PRIVATE domain unitsim user32 gdi32 GTest::gtest)
    add_dependencies(overlay_download_bench quorvane zafdata splashdata)
endif()
