#include "imaging/support/ImagingTestSupport.h"

#include "domain/camera/VCamera.h"
#include "imaging/image/VImage.h"
#include "imaging/store/VImageFrame.h"

#include <stdexcept>

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

#include "domain/ui/QVSettings.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/support/TestBlockEncoder.h"

#include <random>

int RecordingOwner::Count(uint32_t topic) const
{
    int count = 0;
    for (const KMessage &message : messages)
        count += message.Topic() == topic;
    return count;
}

void ImageTest::SetUp()
{
    QVSetSettings(&settings);
    ImageStoreTest::SetUp();
    manager = new VImageBlockManager(64);
    VImageBlockManager::SetInstance(manager);
}

void ImageTest::TearDown()
{
    ImageStoreTest::TearDown();
    QVSetSettings(nullptr);
}

void AddEncodedBlock(VImage &image, const TestBlockEncoder &encoder)
{
    VImageBlock *block = VImageBlockManager::Instance()->CheckOutBlock(&image.Blocks(), 0);
    if (!block)
        throw std::runtime_error("the test pool is empty");
    block->SetImage(&image);
    encoder.WriteTo(*block, image.Camera().Parameter(VCamera::kDevice));
    if (!image.AddBlock(block))
        throw std::runtime_error("block refused");
}

TestFrames AddColourBlocks(VImage &image, int blocks, int framesPerBlock, uint32_t seed, int firstTime)
{
    std::mt19937 random(seed);
    const int height = image.PixelsPerFrame();
    TestFrames frames;
    int time = firstTime;
    for (int b = 0; b < blocks; ++b) {
        TestBlockEncoder encoder(VImageBlock::kPixelColour);
        std::vector<uint16_t> current(static_cast<size_t>(height));
        for (uint16_t &p : current)
            p = uint16_t(random() & 0x7FFF);
        encoder.AddColourPlain(time, current);
        frames.pixels.push_back(current);
        frames.times.push_back(time);
        time += 10;
        while (encoder.Frames() < framesPerBlock) {
            std::vector<uint16_t> next = current;
            for (uint16_t &p : next)
                if (random() % 4 == 0)
                    p = uint16_t(p ^ (1u << (random() % 15)));
            if (framesPerBlock - encoder.Frames() >= 2 && random() % 3 == 0) {
                std::vector<uint16_t> after = next;
                for (size_t i = 0; i < next.size(); ++i) {
                    next[i] = Rgb15((current[i] >> 10) + 1, current[i] >> 5 & 31, current[i] & 31);
                    after[i] = Rgb15((next[i] >> 10), (next[i] >> 5 & 31) + 2, next[i] & 31);
                }
                encoder.AddPaired(time, time + 10, current, next, after);
                frames.pixels.push_back(next);
                frames.pixels.push_back(after);
                frames.times.push_back(time);
                frames.times.push_back(time + 10);
                time += 20;
                current = after;
            } else {
                encoder.AddDelta(time, current, next);
                frames.pixels.push_back(next);
                frames.times.push_back(time);
                time += 10;
                current = next;
            }
        }
        AddEncodedBlock(image, encoder);
    }
    return frames;
}

TestFrames AddGreyBlocks(VImage &image, const std::vector<std::vector<uint8_t>> &levels, int framesPerBlock)
{
    TestFrames frames;
    size_t next = 0;
    int time = 1000;
    while (next < levels.size()) {
        TestBlockEncoder encoder(VImageBlock::kPixelGrey);
        for (int k = 0; k < framesPerBlock && next < levels.size(); ++k, ++next, time += 10) {
            encoder.AddGreyPlain(time, levels[next]);
            std::vector<uint16_t> shown;
            for (uint8_t level : levels[next])
                shown.push_back(VImageFrame::GreyLevelByte(level));
            frames.pixels.push_back(shown);
            frames.times.push_back(time);
        }
        AddEncodedBlock(image, encoder);
    }
    return frames;
}

std::vector<uint16_t> ImagePixels(VImage &image, int32_t frame)
{
    const uint8_t *pixels = image.FramePixels(frame);
    const int height = image.PixelsPerFrame();
    std::vector<uint16_t> out;
    if (!pixels)
        return out;
    for (int i = 0; i < height; ++i)
        out.push_back(image.BytesPerPixel() == 2 ? reinterpret_cast<const uint16_t *>(pixels)[i] : pixels[i]);
    return out;
}
