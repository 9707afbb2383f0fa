# quorvane.exe run as a process of its own (it must be built first).
if(TARGET quorvane)
    qt_test(shell_program_tests LIBS domain user32 gdi32 SOURCES
        support/ShellScratch.cpp
        ../ui/program/ProgramHand.cpp
        program/QuorvaneProgram.cpp
        program/QuorvaneProgramTest.cpp
        program/DdeProgramTest.cpp
        program/SplashProgramTest.cpp
    )
    add_dependencies(shell_program_tests quorvane zafdata splashdata)
    # Once more as on a user's desktop, with a window manager.
    include(${PROJECT_SOURCE_DIR}/tests/support/Desktop.cmake)
    qt_test_on_desktop(shell_program_tests)
    add_test(NAME program_ships_without_debug_information
        COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/program/shipped-program.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:quorvane>)
    add_test(NAME program_loads_dialog_and_printer_libraries_at_first_use
        COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/program/program-imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:quorvane>)
endif()
