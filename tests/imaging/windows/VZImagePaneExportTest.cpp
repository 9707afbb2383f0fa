// The image pane's overlays and its export of a selection, on real windows:
// placed pictures centred on the cursor with black left out, the Targa file
// a selection gives, and what is left when the export cannot go on.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "domain/charts/VZoom.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "domain/fakes/QVRecordingFakes.h"
#include "foundation/streams/KFile.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/overlays/VOverlay.h"
#include "imaging/support/ImagePaneTest.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/window/KZWindowHelpers.h"

namespace {

// A status bar that notes what it is given, each with whether the wait
// pointer showed at that moment ("*" after the note).
class RecordingStatusBar : public KZStatusBar
{
public:
    RecordingStatusBar() : KZStatusBar(24, 0) {}
    void SetMessage(const wchar_t *text) override
    {
        Note(std::wstring(L"message ") + text);
        KZStatusBar::SetMessage(text);
    }
    void SetProgress(int percent) override
    {
        Note(L"progress " + std::to_wstring(percent));
        KZStatusBar::SetProgress(percent);
    }
    void Clear() override
    {
        Note(L"clear");
        KZStatusBar::Clear();
    }
    std::vector<std::wstring> notes;

private:
    void Note(std::wstring note)
    {
        if (GetCursor() == LoadCursorW(nullptr, IDC_WAIT))
            note += L" *";
        notes.push_back(note);
    }
};

class ImagePaneExport : public ImagePaneTest
{
protected:
    void TearDown() override
    {
        KFile::SetDialogHook(nullptr);
        ImagePaneTest::TearDown();
    }
    // The save dialog answers with the scratch file name (none: Cancel).
    void AnswerSaveDialog(const wchar_t *name)
    {
        const std::wstring path = name ? ProgramFolderFile(name) : std::wstring();
        KFile::SetDialogHook([this, path](int kind, KFile &file, const KString &extensions, const KString &) {
            ++dialogs;
            offered = extensions.CStr();
            EXPECT_EQ(KFile::kDialogSave, kind);
            KString name;
            file.GetName(name, false);
            suggested = name.CStr();
            if (path.empty())
                return -1;
            file.SetFullName(KString(path.c_str()));
            return 0;
        });
    }
    void Select(const KRect &rect)
    {
        view->SetFirstRect(rect);
        view->SetShowFirstRect(true);
    }
    std::string FileBytes(const wchar_t *name)
    {
        std::ifstream in(ProgramFolderFile(name).c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool FileExists(const wchar_t *name) { return GetFileAttributesW(ProgramFolderFile(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
    void RestartWithOverlays()
    {
        VZImagePane::Shutdown();
        WriteTarga(L"x.tg3", 5, 3, RGB(0, 0, 0));
        WriteTarga(L"y.tga", 5, 3, RGB(0, 200, 0));
        VZImagePane::Startup();
    }

    RecordingStatusBar *InstallRecordingBar()
    {
        auto *bar = new RecordingStatusBar;
        host->Add(bar);
        KZSetMainStatusBar(bar);
        return bar;
    }
    static bool IsWaitPointer() { return GetCursor() == LoadCursorW(nullptr, IDC_WAIT); }
    // The image owned by a leg of an event (both outlive the image).
    void GiveImageAnEvent()
    {
        event = std::make_unique<QVEvent>();
        leg = std::make_unique<VLeg>(event.get());
        image->SetParent(leg.get());
    }

    std::unique_ptr<QVEvent> event;
    std::unique_ptr<VLeg> leg;

    int dialogs = 0;
    std::wstring offered;
    std::wstring suggested;   // the name the dialog was opened with, without extension
};

TEST_F(ImagePaneExport, PlacedOverlayIsCentredOnTheCursorAndClearingRemovesIt)
{
    RestartWithOverlays();
    ASSERT_NE(nullptr, VOverlay::Table().Find(3));
    ASSERT_NE(nullptr, VOverlay::Table().Find(10));
    MakePane(300, 200);
    pane->Event(ZafEventStruct(kEvtImagePlaceOverlay + 10, 0));
    EXPECT_EQ(0, pane->OverlayCount());                // no cursor shown
    pane->MoveCursorTo(KPoint(40, 30));
    pane->Event(ZafEventStruct(kEvtImagePlaceOverlay + 10, 0));
    ASSERT_EQ(1, pane->OverlayCount());
    for (int y = 29; y <= 31; ++y)
        for (int x = 38; x <= 42; ++x)
            EXPECT_TRUE(Near(RGB(0, 200, 0), UnitPixel(KPoint(x, y)))) << x << "," << y;
    for (KPoint outside : { KPoint(37, 30), KPoint(43, 30), KPoint(40, 28), KPoint(40, 32) })
        EXPECT_TRUE(Near(ImageColour(outside), UnitPixel(outside))) << outside.x << "," << outside.y;

    pane->Event(ZafEventStruct(kEvtImageClearOverlays, 0));
    EXPECT_EQ(0, pane->OverlayCount());
    EXPECT_TRUE(Near(ImageColour(KPoint(40, 30)), UnitPixel(KPoint(40, 30))));
}

TEST_F(ImagePaneExport, OverlayEntriesAreOfferedOnlyWhileTheCursorIsShown)
{
    RestartWithOverlays();
    KZPullDownMenu menuBar(0);
    auto *entries = new KZPullDownItem(L"&Image");
    const int32_t codes[] = { kEvtImagePlaceOverlay + 3, kEvtImagePlaceOverlay + 10, kEvtImageClearOverlays };
    for (int32_t code : codes)
        KZAddToMenu(entries, new KZPopUpItem(code, L"x", 0));
    menuBar.Add(entries);
    KZSetMainMenuBar(&menuBar);
    MakePane(300, 200);
    auto open = [&] {
        std::string states;
        for (int32_t code : codes)
            menuBar.EnableItem(code, false);
        pane->Event(ZafEventStruct(kEvtMenuOpening, 0));
        for (KZPopUpItem *entry = entries->NextEntry(nullptr); entry; entry = entries->NextEntry(entry))
            states += entry->IsDisabled(true) ? '-' : 'E';
        return states;
    };
    EXPECT_EQ("---", open()) << "no cursor";
    pane->MoveCursorTo(KPoint(40, 30));
    EXPECT_EQ("EE-", open()) << "cursor shown";
    pane->Event(ZafEventStruct(kEvtImagePlaceOverlay + 3, 0));
    EXPECT_EQ("--E", open()) << "placed: the cursor is erased, clearing is offered";
    KZSetMainMenuBar(nullptr);
}

TEST_F(ImagePaneExport, BlackPixelsOfAnOverlayLeaveTheImageShowing)
{
    RestartWithOverlays();
    MakePane(300, 200);
    pane->MoveCursorTo(KPoint(20, 20));
    pane->Event(ZafEventStruct(kEvtImagePlaceOverlay + 3, 0));
    ASSERT_EQ(1, pane->OverlayCount());
    for (int x = 18; x <= 22; ++x)
        EXPECT_TRUE(Near(ImageColour(KPoint(x, 20)), UnitPixel(KPoint(x, 20)))) << x;
}

TEST_F(ImagePaneExport, WithoutASelectionOnlyTheBadSelectionErrorShows)
{
    AnswerSaveDialog(L"shot.tga");
    MakePane(300, 200);
    EXPECT_FALSE(pane->ExportBitmap());
    EXPECT_EQ(0, dialogs);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_FALSE(FileExists(L"shot.tga"));
}

TEST_F(ImagePaneExport, SelectionBecomesA15BitTargaOfItsSizeWhateverNameIsTyped)
{
    AnswerSaveDialog(L"shot.jpg");
    MakePane(300, 200);
    const KRect selection(10, 5, 49, 34);                 // 40 x 30
    Select(selection);
    ASSERT_TRUE(pane->ExportBitmap());
    EXPECT_EQ(L"tga", offered);
    EXPECT_FALSE(FileExists(L"shot.jpg"));
    const std::string bytes = FileBytes(L"shot.tga");
    ASSERT_EQ(size_t(18 + 40 * 30 * 2), bytes.size());
    auto word = [&bytes](size_t at) { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    EXPECT_EQ(40, word(12));
    EXPECT_EQ(30, word(14));
    EXPECT_EQ(16, bytes[16]);
    EXPECT_TRUE(boxes.empty());
    // Rows bottom first.
    for (KPoint at : { KPoint(0, 0), KPoint(39, 0), KPoint(7, 29), KPoint(20, 13) }) {
        const size_t offset = 18 + (size_t(29 - at.y) * 40 + size_t(at.x)) * 2;
        EXPECT_EQ(frames.pixels[size_t(selection.left + at.x)][size_t(selection.top + at.y)], word(offset))
            << at.x << "," << at.y;
    }
}

TEST_F(ImagePaneExport, WritingShowsProgressUnderTheWaitPointerAndMarksTheFlaggedResults)
{
    GiveImageAnEvent();
    QVResults *results = leg->CreateResults();
    AnswerSaveDialog(L"marked.tga");
    RecordingStatusBar *bar = InstallRecordingBar();
    MakePane(300, 200);
    const KRect selection(10, 5, 49, 34);                 // 40 x 30
    Select(selection);
    // One result flagged for printing inside the selection, one outside it.
    for (int32_t column : { 20, 60 }) {
        QVResult *result = results->NewResult();
        result->SetFinishTime(image->TimeAt(*view, KPoint(column, 0), false));
        result->SetFlag(true);
    }
    ASSERT_EQ(20, pane->ColumnOfTime(results->NextFlagged(nullptr)->FinishTime()));
    ASSERT_TRUE(pane->ExportBitmap());
    results->SetFlagAll(false);

    const std::string bytes = FileBytes(L"marked.tga");
    ASSERT_EQ(size_t(18 + 40 * 30 * 2), bytes.size());
    auto pixel = [&bytes](int x, int y) {
        const size_t at = 18 + (size_t(29 - y) * 40 + size_t(x)) * 2;
        return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
    };
    const uint16_t red = 31744;
    for (int y : { 0, 14, 29 }) {
        EXPECT_EQ(red, pixel(10, y)) << "marked column, row " << y;
        EXPECT_EQ(frames.pixels[21][size_t(selection.top + y)], pixel(11, y)) << "beside it, row " << y;
    }

    ASSERT_GE(bar->notes.size(), 3u);
    EXPECT_EQ(L"message Exporting bitmap... *", bar->notes[0]);
    EXPECT_EQ(L"progress 0 *", bar->notes[1]);
    EXPECT_NE(bar->notes.end(), std::find(bar->notes.begin(), bar->notes.end(), L"progress 96 *"));
    EXPECT_EQ(L"clear *", bar->notes.back());   // the normal pointer comes back after
    EXPECT_FALSE(IsWaitPointer());
    EXPECT_FALSE(image->IsPrinting());
    EXPECT_EQ(1, view->Zoom().HorizontalNumerator());
}

TEST_F(ImagePaneExport, DialogSuggestsTheCompetitionIdElseTheEventFilesTitle)
{
    AnswerSaveDialog(nullptr);
    MakePane(300, 200);
    Select(KRect(0, 0, 9, 9));
    pane->ExportBitmap();
    const std::wstring remembered = suggested;
    GiveImageAnEvent();
    pane->ExportBitmap();
    EXPECT_EQ(remembered, suggested) << "no identifier, never saved: the remembered name stays";

    event->SetEventRoundHeat(KString(L"100H"), KString(L"2"), KString(L"1"));
    pane->ExportBitmap();
    EXPECT_EQ(L"100H-2-1", suggested);

    event->SetEventRoundHeat(KString(), KString(), KString());
    {
        FakeUserInterface saving;
        saving.savePath = KString(ProgramFolderFile(L"Morning heats.qve").c_str());
        ASSERT_EQ(0, event->Save(QVEvent::kSaveWrite));
    }
    pane->ExportBitmap();
    EXPECT_EQ(L"Morning heats", suggested);
    EXPECT_EQ(4, dialogs);
}

TEST_F(ImagePaneExport, CancelledDialogWritesNothingAndShowsNothing)
{
    AnswerSaveDialog(nullptr);
    MakePane(300, 200);
    Select(KRect(0, 0, 9, 9));
    EXPECT_FALSE(pane->ExportBitmap());
    EXPECT_EQ(1, dialogs);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ImagePaneExport, EscapeDuringTheExportKeepsThePictureThereBeforeAndSaysSoOnTheStatusBar)
{
    AnswerSaveDialog(L"stopped.tga");
    const std::string before = "an older picture";
    std::ofstream(ProgramFolderFile(L"stopped.tga").c_str(), std::ios::binary) << before;
    MakePane(300, 200);
    Select(KRect(0, 0, 39, 29));
    KZApplication::SetMainWindow(host);
    HWND window = static_cast<HWND>(host->OSWindow());
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    KZStatusString *message = InstallStatusBar();
    const bool written = pane->ExportBitmap();
    KZApplication::SetMainWindow(nullptr);
    EXPECT_FALSE(written);
    EXPECT_EQ(before, FileBytes(L"stopped.tga"));
    EXPECT_FALSE(FileExists(L"stopped.tga.tmp"));
    // The status bar says so; no box interrupts the user.
    EXPECT_TRUE(boxes.empty());
    EXPECT_STREQ(L"Operation aborted by user.", message->ShownText().CStr());
    EXPECT_FALSE(IsWaitPointer());
}

} // namespace
