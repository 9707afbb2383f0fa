// The field wrappers on a shown window: the focus request, number ranges,
// race times, fly-over help, combo boxes by text, radio groups, sliders
// and the geometry wrappers.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <vector>

#include "framework/core/data/ZafStringData.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/fields/KZSlider.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/fields/KZText.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

// A status bar that records what the buttons ask of it.
class RecordingStatusBar : public KZStatusBar
{
public:
    RecordingStatusBar() : KZStatusBar(20, 0) {}
    void Clear() override { ++clears; }
    void SetFlyOver(int32_t command) override { flyOvers.push_back(command); }
    int clears = 0;
    std::vector<int32_t> flyOvers;
};

// A window that records the program events it receives.
class RecordingWindow : public KZWindow
{
public:
    RecordingWindow() : KZWindow(0, 0, 10, 10) {}
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type >= 10000)
            events.push_back(event.type);
        return KZWindow::Event(event);
    }
    std::vector<ZafEventType> events;
};

std::wstring RangeOf(ZafString *field)
{
    return field->RangeData() && field->RangeData()->Text() ? field->RangeData()->Text() : L"";
}

} // namespace

using KZFields = ToolkitTest;

TEST_F(KZFields, TheFocusRequestGivesEveryWrapperTheFocus)
{
    std::vector<ZafWindowObject *> wrappers = {
        new KZButton(10, 10, 80, 24, L"Button", nullptr, KZButton::kPush, 0),
        new KZString(10, 40, 80, L"text", 20),
        new KZText(10, 70, 80, 40, L"lines"),
        new KZInteger(10, 120, 80, 5, 0, 10),
        new KZReal(10, 150, 80, 1.5, 0.0, 10.0),
    };
    for (ZafWindowObject *wrapper : wrappers) {
        wrapper->SetCoordinateType(kCoordPixels);
        host->Add(wrapper);
    }
    Pump();
    for (ZafWindowObject *wrapper : wrappers) {
        SetFocus(static_cast<HWND>(host->OSWindow()));
        EXPECT_EQ(kEvtTakeFocus, wrapper->Event(ZafEventStruct(kEvtTakeFocus, 0))) << wrapper->ClassName();
        EXPECT_EQ(static_cast<HWND>(wrapper->OSWindow()), GetFocus()) << wrapper->ClassName();
    }
}

TEST_F(KZFields, NumberFieldsGetARangeUnlessBothBoundsAreOpen)
{
    KZInteger open(0, 0, 10, 5, INT_MIN, INT_MAX);
    EXPECT_EQ(L"", RangeOf(&open));
    KZInteger bounded(0, 0, 10, 5, 1, 99);
    EXPECT_EQ(L"1..99", RangeOf(&bounded));
    KZInteger halfOpen(0, 0, 10, 5, 0, INT_MAX);
    EXPECT_EQ(L"0..2147483647", RangeOf(&halfOpen));
    KZReal openReal(0, 0, 10, 1.0, 2.2250738585072014e-308, DBL_MAX);
    EXPECT_EQ(L"", RangeOf(&openReal));
    KZReal fromZero(0, 0, 10, 1.0, 0.0, DBL_MAX);
    EXPECT_EQ(L"0..1.7976931348623157e+308", RangeOf(&fromZero));
    EXPECT_EQ(5, bounded.Value());
}

TEST_F(KZFields, RaceTimesGoInAndOutOfAStringField)
{
    KZString field(0, 0, 20, L"", 31);
    field.SetTime(12345, 0);
    EXPECT_STREQ(L"12.3", field.Text());
    int32_t milliseconds = -1;
    ASSERT_TRUE(field.GetTime(milliseconds));
    EXPECT_EQ(12300, milliseconds);
    field.SetText(L"not a time");
    milliseconds = 77;
    EXPECT_FALSE(field.GetTime(milliseconds));
    EXPECT_EQ(77, milliseconds);
}

TEST_F(KZFields, AFieldMadeFromARectangleCoversIt)
{
    KZString field(KRect(10, 20, 109, 39), L"cell", 40);
    const ZafRegionStruct region = field.Region();
    EXPECT_EQ(KRect(10, 20, 109, 39), KRect(region.left, region.top, region.right, region.bottom));
    EXPECT_TRUE(field.MadeFromRect());
}

TEST_F(KZFields, PointerOverAButtonShowsItsFlyOverHelpAndLeavingClearsIt)
{
    auto *bar = new RecordingStatusBar;
    host->Add(bar);
    auto *button = new KZButton(10, 10, 80, 24, L"Print", nullptr, KZButton::kPush, 10482);
    host->Add(button);
    button->Event(ZafEventStruct(kEvtPointerEntered, 0));    // no status bar yet: nothing
    KZSetMainStatusBar(bar);
    button->Event(ZafEventStruct(kEvtPointerEntered, 0));
    button->Event(ZafEventStruct(kEvtPointerLeft, 0));
    KZSetMainStatusBar(nullptr);
    EXPECT_EQ(std::vector<int32_t>{ 10482 }, bar->flyOvers);
    EXPECT_EQ(1, bar->clears);
}

TEST_F(KZFields, ComboBoxSelectsTheFirstEntryWithTheText)
{
    auto *combo = new KZComboBox(10, 10, 120, 100, false);
    for (const wchar_t *text : { L"alpha", L"beta", L"beta", L"gamma" })
        combo->Add(new ZafString(0, 0, 10, text));
    host->Add(combo);
    Pump();
    EXPECT_EQ(-1, combo->Selection());
    EXPECT_EQ(nullptr, combo->Text());
    combo->SetValue(L"beta");
    EXPECT_EQ(1, combo->Selection());
    EXPECT_STREQ(L"beta", combo->Text());
    combo->SetValue(L"delta");                 // not in the list: no change
    EXPECT_EQ(1, combo->Selection());
    combo->SetSelection(7);
    EXPECT_EQ(1, combo->Selection());
    combo->SetSelection(3);
    EXPECT_STREQ(L"gamma", combo->Text());
    combo->Clear();
    EXPECT_EQ(-1, combo->Selection());
}

TEST_F(KZFields, AnEditableComboBoxTakesATextOfItsOwn)
{
    auto *combo = new KZComboBox(10, 10, 120, 100, true);
    combo->Add(new ZafString(0, 0, 10, L"alpha"));
    host->Add(combo);
    Pump();
    combo->SetValue(L"typed");
    EXPECT_STREQ(L"typed", combo->Text());
    EXPECT_EQ(-1, combo->Selection());
    EXPECT_TRUE(KZComboBox::ClearsDroppedRecord(1000));
    EXPECT_FALSE(KZComboBox::ClearsDroppedRecord(601));
}

TEST_F(KZFields, RadioGroupKeepsOneSelection)
{
    auto *group = new KZRadioGroup(1, 1, 20, 4);
    for (int i = 0; i < 3; ++i)
        group->Add(new KZButton(0, i, 15, 1, L"choice", nullptr, KZButton::kRadio, 0));
    host->Add(group);
    Pump();
    EXPECT_EQ(-1, group->Selection());
    group->SetSelection(2);
    EXPECT_EQ(2, group->Selection());
    group->SetSelection(0);
    EXPECT_EQ(0, group->Selection());
    group->SetSelection(5);
    EXPECT_EQ(0, group->Selection());
}

TEST_F(KZFields, SliderTellsItsWindowAfterTheUserMovedIt)
{
    auto *target = new RecordingWindow;
    host->Add(target);
    auto *slider = new KZSlider(10, 10, 150, 30, 0, 100, 50, 1, 10, 10333, target);
    slider->SetCoordinateType(kCoordPixels);
    host->Add(slider);
    Pump();
    SendMessageW(static_cast<HWND>(host->OSWindow()), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
                 reinterpret_cast<LPARAM>(slider->OSWindow()));
    EXPECT_EQ(std::vector<ZafEventType>{ 10333 }, target->events);
}

TEST_F(KZFields, ConstraintFlagsChooseTheLastEdgeInOrder)
{
    const struct
    {
        uint32_t flags;
        int side;
    } cases[] = { { kGeomLeft, 0 }, { kGeomRight, 2 }, { kGeomTop, 1 }, { kGeomLeft | kGeomBottom, 3 },
                  { kGeomLeft | kGeomRight, 2 }, { kGeomTop | kGeomRight | kGeomKeepSize, 1 } };
    for (const auto &c : cases)
        EXPECT_EQ(c.side, KZGeomSide(c.flags)) << c.flags;
}

TEST_F(KZFields, DimensionWithMaximumMinusOneFixesTheSize)
{
    auto *child = new KZWindow(5, 5, 30, 10);
    child->SetCoordinateType(kCoordPixels);
    host->Add(child);
    auto *geometry = new KZGeomMgr;
    geometry->Add(new KZGeomDC(child, kGeomWidth | kGeomHeight, 40, -1));
    geometry->Add(new KZGeomAtt(child, kGeomRight, 0));
    host->Add(geometry);
    Pump();
    RECT rect;
    GetWindowRect(static_cast<HWND>(child->OSHandle(2)), &rect);
    EXPECT_EQ(40, rect.bottom - rect.top);
    RECT client;
    GetClientRect(static_cast<HWND>(host->OSWindow()), &client);
    POINT corner = { rect.right, rect.top };
    ScreenToClient(static_cast<HWND>(host->OSWindow()), &corner);
    EXPECT_EQ(client.right, corner.x);
}

TEST_F(KZFields, RelativeConstraintMovesItsEdgeByTheExtraOffset)
{
    auto *child = new KZWindow(5, 5, 30, 10);
    child->SetCoordinateType(kCoordPixels);
    host->Add(child);
    auto *geometry = new KZGeomMgr;
    geometry->Add(new KZGeomRC(child, kGeomLeft | kGeomKeepSize, 50, 7));
    host->Add(geometry);
    Pump();
    RECT client;
    GetClientRect(static_cast<HWND>(host->OSWindow()), &client);
    RECT rect;
    GetWindowRect(static_cast<HWND>(child->OSHandle(2)), &rect);
    POINT corner = { rect.left, rect.top };
    ScreenToClient(static_cast<HWND>(host->OSWindow()), &corner);
    EXPECT_EQ(client.right / 2 + 7, corner.x);
    EXPECT_EQ(30 - 7, rect.right - rect.left);   // only the placed edge moves further
}

TEST_F(KZFields, BitmapsComeFromTheProgramsDataFileAndStayWithTheirMaker)
{
    ASSERT_TRUE(OpenProgramDataFile());
    KZBitmap print(L"Print");
    EXPECT_GT(print.Width(), 0);
    EXPECT_FALSE(print.Destroyable());
    KZBitmap missing(L"NoSuchPicture");
    EXPECT_EQ(0, missing.Width());
}
