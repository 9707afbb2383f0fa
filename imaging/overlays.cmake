# Overlay pictures of the program folder and the row resamplers.
list(APPEND IMAGING_SOURCES
    overlays/VOverlay.cpp
    overlays/VRowResampler.cpp
)
