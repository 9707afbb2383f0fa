# The image and hardware windows themselves: the hardware list, alignment and
# remote windows, the lane ruler, and the interface item.
list(APPEND IMAGING_SOURCES
    interface/VInterface.cpp
    windows/VZAdjustmentsDialog.cpp
    windows/VZAlignPane.cpp
    windows/VZAlignWindow.cpp
    windows/VZCameraDialog.cpp
    windows/VZCameraDialogApply.cpp
    windows/VZHardwareMDI.cpp
    windows/VZHardwarePane.cpp
    windows/VZHardwareTitle.cpp
    windows/VZLaneBar.cpp
    windows/VZRemoteButton.cpp
    windows/VZRemoteWindow.cpp
)
