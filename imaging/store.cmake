# The image store: frames, blocks and their codec, block lists and the block
# manager, the image with its views, files and operations.
list(APPEND IMAGING_SOURCES
    VImagingSettings.cpp
    store/VImageFrame.cpp
    store/VImageBlock.cpp
    store/VImageBlockDecode.cpp
    store/VImageBlockFrame.cpp
    store/VImageBlockCopy.cpp
    store/VImageBlocks.cpp
    store/VImageBlockIndex.cpp
    store/VImageBlockManager.cpp
    image/VImage.cpp
    image/VImageServices.cpp
    image/VImagingTexts.cpp
    image/VImageFrames.cpp
    image/VImageMapping.cpp
    image/VImageDisplay.cpp
    image/VImageFile.cpp
    image/VImageSearch.cpp
    image/VImageCut.cpp
    image/VImageRender.cpp
    image/VImagePrint.cpp
    image/VFrameCopy.cpp
    views/VImageView.cpp
    views/VImageViewRecord.cpp
)
