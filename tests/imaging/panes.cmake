# The hardware list, alignment and remote windows and the lane ruler.
list(APPEND TEST_SOURCES
    ../shell/support/ListTestSupport.cpp
    support/HardwareWindowsTestSupport.cpp
    windows/VZHardwareWindowsTest.cpp
    windows/VZAdjustmentsDialogTest.cpp
    windows/VZCameraDialogTest.cpp
    windows/VZAlignRemoteTest.cpp
)
