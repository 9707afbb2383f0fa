# Command line, settings and languages, locale name, error display, loop, DDE.
list(APPEND TEST_SOURCES
    support/ShellScratch.cpp
    support/ShellAppTest.cpp
    app/KZApplicationServicesTest.cpp
    app/KZEventLoopTest.cpp
    app/KZLongOperationTest.cpp
    app/KZDelayedBusyPointerTest.cpp
    app/KZLocaleNameTest.cpp
    app/VZDdeCommandTest.cpp
    app/VZErrorDisplayTest.cpp
    app/VZSettingsTest.cpp
    app/VZStartUpTest.cpp
)
