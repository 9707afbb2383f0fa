#pragma once
// Shared pieces of the image-store tests: a log captured in a scratch
// folder, the store's module start-up around each test, and cameras set up
// for plain and coded images.

#include "foundation/log/KLog.h"
#include "foundation/support/KTestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
