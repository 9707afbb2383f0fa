#include "imaging/support/ImagingTestSupport.h"

#include "domain/camera/VCamera.h"
#include "imaging/image/VImage.h"
#include "imaging/store/VImageFrame.h"

#include <fstream>
#include <sstream>

LogCapture::LogCapture() : itsLog(std::make_unique<KLog>())
{
    KSetProgramLog(itsLog.get());
}

LogCapture::~LogCapture()
{
    KSetProgramLog(nullptr);
    itsLog.reset();
}

std::string LogCapture::Text() const
{
    std::ifstream in(itsLog->Path().CStr(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ImageStoreTest::SetUp()
{
    VImageFrame::Startup();
    VImage::Startup();
}

void ImageStoreTest::TearDown()
{
    VImage::Shutdown();
    VImageFrame::Shutdown();
}

void SetCodedCamera(VCamera &camera, int height, int pixelFormat, int device)
{
    camera.SetParameter(VCamera::kModel, 102);
    camera.SetParameter(VCamera::kDensity, height);
    camera.SetParameter(VCamera::kPixelFormat, pixelFormat);
    camera.SetParameter(VCamera::kDevice, device);
}

void SetPlainCamera(VCamera &camera, int density)
{
    camera.SetParameter(VCamera::kModel, 101);
    camera.SetParameter(VCamera::kDensity, density);
}
