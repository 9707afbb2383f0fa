# The image store: frames and grey map, the block codec, block lists and the manager.
list(APPEND TEST_SOURCES
    support/TestBlockEncoder.cpp
    support/ImagingTestSupport.cpp
    store/VImageFrameTest.cpp
    store/VImageBlockTest.cpp
    store/VImageBlockCodecTest.cpp
    store/VImageBlockManagerTest.cpp
    image/VImageStartupTest.cpp
)
