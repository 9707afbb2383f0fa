# The image window and its pane.
list(APPEND IMAGING_SOURCES
    windows/VZImagePaneDraw.cpp
    windows/VZImagePaneMouse.cpp
    windows/VZImagePaneView.cpp
)
