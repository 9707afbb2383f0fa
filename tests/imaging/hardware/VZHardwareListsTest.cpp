// The hardware tool bar's lists over a hub: the newest starts and the armed
// events.
#include <gtest/gtest.h>

#include "domain/timing/VRaceTime.h"
#include "imaging/hardware/VZEvents.h"
#include "imaging/hardware/VZStarts.h"
#include "imaging/support/ImagingWindowTest.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

class CountingStarts : public VZStarts
{
public:
    using VZStarts::VZStarts;
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

using HardwareLists = ImagingWindowTest;

std::wstring CellTextOf(KZSelector *list, int row)
{
    KString text;
    uint32_t flags = 0;
    list->CellText(KPoint(0, row), 0, text, flags);
    return text.CStr();
}

std::wstring Formatted(int64_t seconds100)
{
    KString text;
    VRaceTime(seconds100, VRaceTime::kHundredth, VRaceTime::kHundredth).Format(text, VRaceTime::kHundredth);
    return text.CStr();
}

} // namespace

TEST_F(HardwareLists, StartsShowTheNewestFirstAndBeepOncePerNewStart)
{
    for (int i = 1; i <= 101; ++i)
        hub->AddStart(VRaceTime(i * 100 + 1, VRaceTime::kHundredth, VRaceTime::kTick));
    auto *starts = new CountingStarts(nullptr, hub->MessageInterface(), 200, 120);
    host->Add(starts);
    starts->Update();
    EXPECT_EQ(100, starts->Extent().y);
    EXPECT_EQ(1, starts->beeps);
    EXPECT_EQ(100, starts->StartIndex(0));
    EXPECT_EQ(Formatted(101 * 100 + 1), CellTextOf(starts, 0));
    EXPECT_EQ(Formatted(2 * 100 + 1), CellTextOf(starts, 99));

    starts->Update();
    EXPECT_EQ(1, starts->beeps);

    hub->AddStart(VRaceTime(102 * 100 + 1, VRaceTime::kHundredth, VRaceTime::kTick));
    starts->Update();
    EXPECT_EQ(2, starts->beeps);
    EXPECT_EQ(101, starts->StartIndex(0));
    EXPECT_EQ(Formatted(102 * 100 + 1), CellTextOf(starts, 0));
}

TEST_F(HardwareLists, StartsShowNothingForARecordTheHubNoLongerKeeps)
{
    auto *starts = new CountingStarts(nullptr, hub->MessageInterface(), 200, 120);
    host->Add(starts);
    starts->Update();
    EXPECT_EQ(0, starts->beeps);
    EXPECT_EQ(L"", CellTextOf(starts, 0));
    EXPECT_EQ(std::wstring(L"No starts"), starts->EmptyText()->CStr());
}

TEST_F(HardwareLists, EventsListOneRowPerArmedEventInFourColumns)
{
    auto *events = new VZEvents(nullptr, hub->MessageInterface(), 200, 120);
    host->Add(events);
    events->Redisplay();
    EXPECT_EQ(0, events->Extent().y);
    EXPECT_EQ(std::wstring(L"No armed events"), events->EmptyText()->CStr());
    EXPECT_EQ(nullptr, events->SelectedEvent());

    QVEvent first, second;
    hub->Arm(&first);
    hub->Arm(&second);
    events->Redisplay();
    EXPECT_EQ(2, events->Extent().y);
    events->SetSelection(KPoint(0, 1));
    EXPECT_EQ(&second, events->SelectedEvent());

    const int code = events->CodeWidth();
    EXPECT_GT(code, 2);
    for (int column = 0; column < 4; ++column) {
        KRect rect(10, 0, 190, 12);
        events->CellRect(KPoint(0, 0), column, rect, 0);
        EXPECT_EQ(10 + column * code, rect.left) << column;
        EXPECT_EQ(column < 3 ? 10 + column * code + code - 1 : 190, rect.right) << column;
    }
    hub->Disarm(&first);
    hub->Disarm(&second);
}
