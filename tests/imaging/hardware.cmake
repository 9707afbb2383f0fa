# The image and hardware windows: module start-ups, the hardware tool bar,
# its lists and dialogs.
list(APPEND TEST_SOURCES
    ../shell/support/ShellAppTest.cpp
    ../shell/support/ShellScratch.cpp
    ../shell/support/ToolkitTest.cpp
    support/HardwareTestSupport.cpp
    support/ImagingWindowTest.cpp
    windows/VZWindowModulesTest.cpp
    hardware/VZHardwareBarTest.cpp
    hardware/VZHardwareViewPlaceTest.cpp
    hardware/VZHardwareListsTest.cpp
    hardware/VZHardwareDialogsTest.cpp
    support/ModalTestSupport.cpp
    ../shell/support/DialogTestSupport.cpp
    printer/VZPrinterTest.cpp
    ports/VZSerialPortTest.cpp
)
