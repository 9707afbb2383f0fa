# The image store: frames and grey map, the block codec, block lists and the manager.
list(APPEND TEST_SOURCES
    ../foundation/support/TestStreams.cpp
    support/TestBlockEncoder.cpp
    support/ImagingTestSupport.cpp
    store/VImageFrameTest.cpp
    store/VImageBlockTest.cpp
    store/VImageBlockCodecTest.cpp
    store/VImageBlockManagerTest.cpp
)
list(APPEND TEST_SOURCES
    image/VImageTest.cpp
    image/VImageViewTest.cpp
    image/VImageFileTest.cpp
    image/VImageOperationsTest.cpp
    image/VImageCaptureTest.cpp
)
set_source_files_properties(image/VImageFileTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_IMAGING_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
