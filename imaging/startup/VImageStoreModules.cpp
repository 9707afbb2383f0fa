// The image store's module start-ups, when the store is part of the build.
#include "imaging/startup/VImageStoreModules.h"

#if __has_include("imaging/store/VImageFrame.h") && __has_include("imaging/image/VImage.h")
#include "imaging/image/VImage.h"
#include "imaging/store/VImageFrame.h"
#define V_IMAGE_STORE 1
#endif

void VImageStoreStartup()
{
#ifdef V_IMAGE_STORE
    VImageFrame::Startup();
    VImage::Startup();
#endif
}

void VImageStoreShutdown()
{
#ifdef V_IMAGE_STORE
    VImage::Shutdown();
    VImageFrame::Shutdown();
#endif
}
