# The image window and its pane.
list(APPEND IMAGING_SOURCES
    windows/VZImagePaneDraw.cpp
    windows/VZImagePaneExport.cpp
    windows/VZImagePaneLines.cpp
    windows/VZImagePaneMouse.cpp
    windows/VZImagePaneOverlays.cpp
    windows/VZImagePaneView.cpp
    windows/VZImageWindowCommands.cpp
    windows/VZImageWindowPopUps.cpp
    windows/VZImageWindowResult.cpp
    windows/VZImageWindowView.cpp
)
