# Module start-ups of the image and hardware windows: their named bitmaps,
# the image pane's settings, export file and overlays.
list(APPEND IMAGING_SOURCES
    windows/VZImagePane.cpp
    windows/VZHardwareWindow.cpp
    windows/VZRemotePane.cpp
)
list(APPEND IMAGING_LIBS shell framework)
