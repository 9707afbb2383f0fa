// The module start-ups and shut-downs of the image and hardware windows with
// the program's data file: named bitmaps, the image pane's settings, export
// file and overlays.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "domain/ui/QVSettings.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "imaging/overlays/VOverlay.h"
#include "imaging/printer/VZPrinter.h"
#include "imaging/image/VImage.h"
#include "imaging/store/VImageFrame.h"
#include "imaging/hardware/VZHardwareBar.h"
#include "imaging/startup/VZWindowModules.h"
#include "imaging/windows/VZHardwareWindow.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "imaging/windows/VZRemotePane.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "imaging/support/ImagingWindowTest.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

class WindowModules : public ImagingWindowTest
{
protected:
    void SetUp() override
    {
        ImagingWindowTest::SetUp();
        log = std::make_unique<KLog>();
        KSetProgramLog(log.get());
    }
    void TearDown() override
    {
        KSetProgramLog(nullptr);
        log.reset();
        ImagingWindowTest::TearDown();
    }
    // True when the program log holds a line tagged E.
    bool LogHasErrors() const
    {
        const std::string text = ReadBytes(log->Path().CStr());
        return text.rfind("E ", 0) == 0 || text.find("\nE ") != std::string::npos;
    }
    // Makes the application again with arguments, as the fixture made it.
    void Restart(std::initializer_list<const wchar_t *> arguments)
    {
        KSetProgramLog(nullptr);
        log.reset();
        QVSetSettings(nullptr);
        MakeApplication(arguments);
        QVSetSettings(registry);
        ASSERT_TRUE(app->OpenDataFile());
        log = std::make_unique<KLog>();
        KSetProgramLog(log.get());
    }

    std::unique_ptr<KLog> log;
};

void StartAll()
{
    VImageFrame::Startup();
    VImage::Startup();
    VZWindowModules::Startup();
}

void StopAll()
{
    VZWindowModules::Shutdown();
    VImage::Shutdown();
    VImageFrame::Shutdown();
}

} // namespace

TEST_F(WindowModules, StartUpsLoadEveryNamedBitmapAndShutDownsFreeThem)
{
    StartAll();
    struct Module { const VZNamedBitmaps &bitmaps; int count; };
    const Module modules[] = { { VZImageWindow::Bitmaps(), 15 }, { VZRemotePane::Bitmaps(), 12 },
                               { VZHardwareWindow::Bitmaps(), 3 }, { VZHardwareBar::Bitmaps(), 3 } };
    for (const Module &module : modules) {
        ASSERT_EQ(module.count, module.bitmaps.Count());
        for (int i = 0; i < module.count; ++i) {
            EXPECT_EQ(16, module.bitmaps.At(i)->Width()) << module.count << " " << i;
            EXPECT_EQ(16, module.bitmaps.At(i)->Height()) << module.count << " " << i;
        }
    }
    EXPECT_NE(nullptr, VZRemotePane::Bitmaps().Find(L"ZoomIn"));
    EXPECT_NE(nullptr, VZImageWindow::Bitmaps().Find(L"ZoomIn"));
    ASSERT_NE(nullptr, VZImagePane::Printer());
    EXPECT_EQ(0, VZImagePane::Printer()->Zoom());
    StopAll();
    EXPECT_EQ(nullptr, VZImagePane::Printer());
    for (const Module &module : modules)
        EXPECT_EQ(0, module.bitmaps.Count());
    EXPECT_FALSE(LogHasErrors());
}

TEST_F(WindowModules, ImagePaneReadsItsSettingsAtEachUseAndItsBuiltInValuesWithoutThem)
{
    VZImagePane::Startup();
    EXPECT_EQ(7, VZImagePane::HashCrossWidth());
    EXPECT_EQ(300, VZImagePane::OverlayDpi());
    registry->GetInt(L"\\Event\\Image\\Hash\\CrossWidth")->SetValue(3);
    EXPECT_EQ(3, VZImagePane::HashCrossWidth());
    KString path;
    VZImagePane::ExportFile().GetFullName(path);
    EXPECT_EQ(ProgramFolderFile(L"quorvane.exe"), path.CStr());
    VZImagePane::Shutdown();

    QVSetSettings(nullptr);
    VZImagePane::Startup();
    const int32_t builtIn[] = { VZImagePane::HashColor(), VZImagePane::HashWidth(), VZImagePane::HashCrossWidth(),
                                VZImagePane::HashShowLines(), VZImagePane::PrintLines(), VZImagePane::OverlayDpi() };
    const int32_t expected[] = { 1, 1, 7, 1, 1, 300 };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], builtIn[i]) << i;
    KString name;
    VZImagePane::CompetitionName(name);
    EXPECT_TRUE(name.IsEmpty());
    VZImagePane::Shutdown();
    QVSetSettings(registry);
}

TEST_F(WindowModules, ImagePaneFindsTheProgramFoldersOverlaysUnlessTold)
{
    WriteTarga(L"x.tg3", 2, 2, RGB(255, 0, 0));
    WriteTarga(L"y.tga", 2, 2, RGB(0, 255, 0));
    VZImagePane::Startup();
    EXPECT_EQ(2, VOverlay::Table().Count());
    EXPECT_NE(nullptr, VOverlay::Table().Find(3));
    EXPECT_NE(nullptr, VOverlay::Table().Find(10));
    VZImagePane::Shutdown();
    EXPECT_EQ(0, VOverlay::Table().Count());

    Restart({ L"-nooverlay" });
    VZImagePane::Startup();
    EXPECT_EQ(0, VOverlay::Table().Count());
    VZImagePane::Shutdown();
}
