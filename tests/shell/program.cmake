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
endif()
