# Overlay discovery and the row resamplers.
list(APPEND TEST_SOURCES
    overlays/VOverlayTest.cpp
    overlays/VRowResamplerTest.cpp
)
