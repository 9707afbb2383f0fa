#pragma once
// Shared pieces of the image-store tests: a log captured in a scratch
// folder, the store's module start-up around each test, and cameras set up
// for plain and coded images.

#include "foundation/log/KLog.h"
#include "foundation/support/KTestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class TestBlockEncoder;
class VCamera;

// The program log, written into a scratch folder for the test's lifetime.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    // Everything logged so far (UTF-8).
    std::string Text() const;
    bool Contains(const char *text) const { return Text().find(text) != std::string::npos; }
    KTestApplication &Application() { return itsApplication; }

private:
    KTestApplication itsApplication;
    std::unique_ptr<KLog> itsLog;
};

// Runs the image store's start-up before and its shut-down after each test.
class ImageStoreTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    LogCapture log;
};

// Model 102 (coded) with the given frame height and pixel format
// (0 grey, 1 colour) and device number.
void SetCodedCamera(VCamera &camera, int height, int pixelFormat, int device = 0);
// Model 101 (plain) with frame height 1024 >> density.
void SetPlainCamera(VCamera &camera, int density);

#include "foundation/messages/KMessageObject.h"
#include "foundation/registry/KRegistry.h"

#include <vector>

class VImage;
class VImageBlockManager;

// A message root that records every message it gets.
class RecordingOwner : public KMessageObject
{
public:
    void Handle(const KMessage &message) override { messages.push_back(message); }
    // The codes received with topic (any phase).
    int Count(uint32_t topic) const;
    std::vector<KMessage> messages;
};

// The frames a test put into an image, in order.
struct TestFrames
{
    std::vector<std::vector<uint16_t>> pixels;  // colour words, or grey levels shown as bytes
    std::vector<int32_t> times;
};

// The store's start-up, a block pool of 64 blocks and the test's own settings.
class ImageTest : public ImageStoreTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    KRegistry settings;
    VImageBlockManager *manager = nullptr;
};

// Writes encoder into a block from the installed pool and adds it to image;
// throws when the pool is empty or the image refuses the block.
void AddEncodedBlock(VImage &image, const TestBlockEncoder &encoder);
// Adds blocks of colour frames (a plain frame, then delta and paired frames)
// to a coded colour image, blocks from the installed pool.
TestFrames AddColourBlocks(VImage &image, int blocks, int framesPerBlock, uint32_t seed, int firstTime = 1000);
// Adds grey plain frames (one per blockette) with the given levels per frame.
TestFrames AddGreyBlocks(VImage &image, const std::vector<std::vector<uint8_t>> &levels, int framesPerBlock);
// The frame's pixels as 16-bit words (colour) or bytes (grey) from the image.
std::vector<uint16_t> ImagePixels(VImage &image, int32_t frame);
