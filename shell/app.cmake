# The application object: start-up and shut-down, event loop,
# settings and language files, error display, DDE server.
list(APPEND SHELL_SOURCES
    app/KZApplication.cpp
    app/KZApplicationClose.cpp
    app/KZApplicationInput.cpp
    app/KZApplicationLoop.cpp
    app/KZCommandLine.cpp
    app/KZLocaleName.cpp
    app/KZLongOperation.cpp
    app/KZDelayedBusyPointer.cpp
    app/KZLocaleTables.cpp
    app/KZMessageBox.cpp
    app/KZSplash.cpp
    app/VZApplication.cpp
    app/VZApplicationDde.cpp
    app/VZApplicationErrors.cpp
    app/VZApplicationRun.cpp
    app/VZApplicationSettings.cpp
    app/VZDefaults.cpp
    app/VZDefaultTexts.cpp
    app/VZFieldErrors.cpp
    app/VZUserInterface.cpp
)
