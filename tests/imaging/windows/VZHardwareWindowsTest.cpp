// The hardware list window over a view stand-in with rows: its MDI child's
// size and event routing, the selection and column edges kept in the view,
// the column-title bar; the interface item.
#include <gtest/gtest.h>

#include <memory>

#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/interface/VInterface.h"
#include "imaging/support/ImagingWindowTest.h"
#include "imaging/windows/VZAlignWindow.h"
#include "imaging/windows/VZHardwareMDI.h"
#include "imaging/windows/VZHardwarePane.h"
#include "imaging/windows/VZHardwareTitle.h"
#include "imaging/windows/VZHardwareWindow.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/window/KZControl.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "imaging/support/HardwareWindowsTestSupport.h"

namespace {

class HardwareList : public ImagingWindowTest
{
protected:
    void SetUp() override
    {
        ImagingWindowTest::SetUp();
        frame = new KZControl(0, 0, 800, 600);
        frame->SetCoordinateType(kCoordPixels);
        Show(frame);
    }
    VZHardwareMDI *Open(VHardwareView *view)
    {
        auto *mdi = new VZHardwareMDI(view);
        frame->Add(mdi);
        Pump();
        return mdi;
    }
    // Three devices; row 1 has columns at 0, 40, 90, 150.
    std::unique_ptr<RowsView> ThreeRows()
    {
        return std::make_unique<RowsView>(&hub_, std::vector<std::vector<int32_t>>{
                                                     { 0, 100 }, { 0, 40, 90, 150 }, { 0, 60, 120 } });
    }

    ControlHub hub_;
    KZControl *frame = nullptr;
};

} // namespace

TEST_F(HardwareList, TheChildIs500By350RegistersItsWindowsAndAnswersTheCodeOfEventsNoWindowTakes)
{
    auto view = ThreeRows();
    VZHardwareMDI *mdi = Open(view.get());
    RECT rect;
    ASSERT_TRUE(GetWindowRect(static_cast<HWND>(mdi->OSHandle(2)), &rect));
    EXPECT_EQ(500, rect.right - rect.left);
    EXPECT_EQ(350, rect.bottom - rect.top);
    EXPECT_EQ(mdi->HardwareWindow(), dynamic_cast<VZHardwareWindow *>(view->Window()));
    EXPECT_EQ(mdi->AlignWindow(), view->AlignWindow());
    EXPECT_EQ(3, mdi->HardwareWindow()->Pane()->Extent().y);
    EXPECT_EQ(0, mdi->Event(ZafEventStruct(kEvtCloseQuery, 0)));
    for (int32_t code = kEvtRemoteFirst; code <= kEvtRemoteLast; ++code)
        EXPECT_EQ(code, mdi->Event(ZafEventStruct(code, 0))) << code;
    for (int32_t code : { kEvtHardwareFirst, kEvtHardwareLast, kEvtHardwareRefresh })
        EXPECT_EQ(code, mdi->Event(ZafEventStruct(code, 0))) << code;

    frame->CloseChild(mdi);
    EXPECT_EQ(nullptr, view->Window());
    EXPECT_EQ(nullptr, view->AlignWindow());
    EXPECT_EQ(nullptr, view->LaneBar());
}

TEST_F(HardwareList, AnotherViewTakesTheWindowAndItsPaneAlongWithItsHardware)
{
    auto view = ThreeRows();
    VZHardwareMDI *mdi = Open(view.get());
    EXPECT_EQ(view.get(), mdi->HardwareView());
    EXPECT_EQ(view->Hardware(), mdi->Hardware());
    VZHardwareWindow *window = mdi->HardwareWindow();
    EXPECT_EQ(view.get(), window->Pane()->HardwareView());

    auto other = ThreeRows();
    window->SetView(other.get());
    EXPECT_EQ(nullptr, view->Window());
    EXPECT_EQ(window, dynamic_cast<VZHardwareWindow *>(other->Window()));
    EXPECT_EQ(other.get(), window->Pane()->HardwareView());
    window->SetView(view.get());
    EXPECT_EQ(nullptr, other->Window());
    frame->CloseChild(mdi);
}

TEST_F(HardwareList, TheSelectionIsKeptInTheViewAndANewPaneRestoresIt)
{
    auto view = ThreeRows();
    VZHardwareMDI *mdi = Open(view.get());
    VZHardwarePane *pane = mdi->HardwareWindow()->Pane();
    pane->Select(KPoint(0, 2));
    EXPECT_EQ(KPoint(0, 2), view->Selection());
    EXPECT_EQ(2, mdi->AlignWindow()->CameraNumber());
    frame->CloseChild(mdi);

    VZHardwareMDI *again = Open(view.get());
    EXPECT_EQ(KPoint(0, 2), again->HardwareWindow()->Pane()->Selection());
}

TEST_F(HardwareList, CellsLieAtTheColumnsOfTheirRowAndMarkedDevicesShowColour12)
{
    auto view = ThreeRows();
    hub_.markedDevice = 1;
    VZHardwarePane *pane = Open(view.get())->HardwareWindow()->Pane();
    EXPECT_EQ(3, pane->ColumnCount(KPoint(0, 1)));
    KRect rect(0, 0, 400, 15);
    pane->CellRect(KPoint(0, 1), 1, rect, 0);
    EXPECT_EQ(40, rect.left);
    EXPECT_EQ(89, rect.right);

    EXPECT_EQ(kHardwareMarkedColor, pane->CellPalette(KPoint(0, 1), 0, kHardwareMarkedPalette, 0).palette.colorForeground);
    EXPECT_NE(kHardwareMarkedColor, pane->CellPalette(KPoint(0, 0), 0, kHardwareMarkedPalette, 0).palette.colorForeground);
    EXPECT_NE(kHardwareMarkedColor, pane->CellPalette(KPoint(0, 1), 0, 1, 0).palette.colorForeground);
}

TEST_F(HardwareList, TheTitleMovesTheSelectedRowsColumnsAndRedrawsOnlyOnAChange)
{
    auto view = ThreeRows();
    VZHardwarePane *pane = Open(view.get())->HardwareWindow()->Pane();
    VZHardwareTitle *title = pane->Title();
    pane->Select(KPoint(0, 1));
    EXPECT_EQ(3, title->ColumnCount());
    EXPECT_EQ(90, title->DividerPosition(2));
    EXPECT_EQ(150, title->DividerPosition(7));   // clamped to the last divider

    // The pane fits each row it draws; the title only the selected one.
    auto paneDrewRow0 = [&] {
        for (const RowsView::Fit &fit : view->fits)
            if (fit.row == 0)
                return true;
        return false;
    };
    Pump();
    view->fits.clear();
    title->MoveDivider(2, 90);
    EXPECT_FALSE(paneDrewRow0());
    title->MoveDivider(2, 200);                  // past the next edge: the view clamps it
    EXPECT_EQ(150, view->rows[1][2]);
    EXPECT_TRUE(paneDrewRow0());

    view->fits.clear();
    title->SetCellSize(320);
    ASSERT_FALSE(view->fits.empty());
    EXPECT_TRUE(view->fits.back().keep);
    EXPECT_EQ(1, view->fits.back().row);
}

TEST_F(HardwareList, AViewWithoutItemsGivesNoRowsAndATitleWithoutDividers)
{
    RowsView view(&hub_, {});
    VZHardwarePane *pane = Open(&view)->HardwareWindow()->Pane();
    EXPECT_EQ(0, pane->Extent().y);
    EXPECT_EQ(KPoint(-1, -1), pane->Selection());
    EXPECT_EQ(0, pane->Title()->ColumnCount());
}

namespace {

class Counter : public VInterface
{
public:
    using VInterface::VInterface;
    bool Open() override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    bool Reset() override { return true; }
    bool Start() override { return true; }
    void Stop() override {}
    int32_t Read(void *, int32_t) override { return 0; }
    int32_t Write(const void *, int32_t size) override { return size; }
    bool Configure() override { return true; }
    int32_t Status() override { return 0; }
    void Name(KString &) const override {}
    int32_t Version() const override { return 1; }
    int32_t LastError() const override { return 0; }
    bool SendCommand(int32_t, int32_t) override { return true; }
    int32_t ReceiveReply(int32_t) override { return 0; }
    bool SetParameter(int32_t, int32_t) override { return true; }
    int32_t Parameter(int32_t) const override { return 0; }
    bool Connect() override { return true; }
    void Disconnect() override {}
    void Flush() override {}
    void Poll() override {}
    int32_t Identify() override { return 0; }
    void Describe(KString &) const override {}
};

} // namespace

TEST(VInterfaceItem, KnowsItsParentAndAnswersNoToQueriesAndCapabilities)
{
    KMessageObject root;
    Counter item(&root, 7);
    EXPECT_EQ(&root, item.Parent());
    EXPECT_EQ(7, item.GetId());
    EXPECT_EQ(0, item.Query());
    EXPECT_EQ(0, item.SupportsTiming() + item.HasCamera() + item.HasNetworkLink());
}
