# The main window's hardware tool bar with its lists and dialogs.
list(APPEND IMAGING_SOURCES
    hardware/VZHardwareBar.cpp
    hardware/VZStarts.cpp
    hardware/VZEvents.cpp
    hardware/VZManualStartDialog.cpp
    hardware/VZKeyboardCaptureDialog.cpp
)
