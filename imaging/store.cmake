# The image store: frames, blocks and their codec, block lists and the block
# manager, and the image with its settings.
list(APPEND IMAGING_SOURCES
    VImagingSettings.cpp
    store/VImageFrame.cpp
    store/VImageBlock.cpp
    store/VImageBlockDecode.cpp
    store/VImageBlockFrame.cpp
    store/VImageBlockCopy.cpp
    store/VImageBlocks.cpp
    store/VImageBlockManager.cpp
    image/VImage.cpp
)
