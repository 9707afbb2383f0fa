# The image window and its pane.
list(APPEND IMAGING_SOURCES
    windows/VZImagePaneDraw.cpp
    windows/VZImagePaneView.cpp
)
