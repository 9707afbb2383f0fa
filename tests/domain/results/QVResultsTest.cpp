#include "domain/results/QVResults.h"

#include "domain/QVDomainCodes.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResultsView.h"
#include "domain/fakes/QVRecordingFakes.h"

#include <gtest/gtest.h>

namespace
{
VRaceTime Ms(int32_t ms)
{
    return VRaceTime(ms, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
}

QVResult *AddNamed(QVResults &list, const wchar_t *last, const wchar_t *lane)
{
    QVResult *r = list.NewResult();
    r->SetLastName(KString(last));
    r->SetTextField(QVResult::kLane, KString(lane));
    return r;
}
}

TEST(QVResults, MarkFalseStartsMarksBelowOneHundredMillisecondsOnly)
{
    QVResults list;
    QVResult *r99 = list.NewResult();
    QVResult *r100 = list.NewResult();
    QVResult *none = list.NewResult();
    QVResult *negative = list.NewResult();
    r99->SetReactionTime(Ms(99));
    r100->SetReactionTime(Ms(100));
    negative->SetReactionTime(Ms(-20));
    r100->SetFalseStart(true);
    none->SetFalseStart(true);
    list.MarkFalseStarts();
    EXPECT_TRUE(r99->IsFalseStart());
    EXPECT_FALSE(r100->IsFalseStart());
    EXPECT_FALSE(none->IsFalseStart());
    EXPECT_TRUE(negative->IsFalseStart());
}

TEST(QVResults, OverwritingTheReactionTimeReplacesAStaleFalseStartMark)
{
    QVResult r;
    r.SetReactionTime(Ms(80));
    EXPECT_TRUE(r.IsFalseStart());
    r.SetReactionTime(Ms(145));
    EXPECT_FALSE(r.IsFalseStart());
    r.SetReactionTime(VRaceTime());
    EXPECT_FALSE(r.IsFalseStart());
}

TEST(QVResults, QueriesFollowTheViewsFilterAndTheMatchText)
{
    QVResults list;
    QVResultsView *view = list.NewView();
    QVResult *a = AddNamed(list, L"Adams", L"1");
    QVResult *b = AddNamed(list, L"Baker", L"2");
    QVResult *c = AddNamed(list, L"Clark", L"1");

    EXPECT_EQ(list.Count(view), 3);
    EXPECT_EQ(list.MatchingAt(1, view), b);
    EXPECT_EQ(list.MatchingAt(3, view), nullptr);
    EXPECT_EQ(list.MatchingAt(-1, view), nullptr);

    KString lane1(L"1");
    EXPECT_EQ(list.Count(view, QVResult::kLane, &lane1), 2);
    EXPECT_EQ(list.MatchingAt(1, view, QVResult::kLane, &lane1), c);
    EXPECT_EQ(list.IndexOf(b, view, QVResult::kLane, &lane1), -1);

    view->Filter().SetMatch(QVResult::kLastName, KString(L"baker"));
    EXPECT_EQ(list.Count(view), 1);
    EXPECT_EQ(list.IndexOf(b, view), 0);
    EXPECT_EQ(list.IndexOf(a, view), -1);
    EXPECT_EQ(list.NextMatching(nullptr, view), b);
    EXPECT_EQ(list.NextMatching(b, view), nullptr);
    EXPECT_EQ(list.Count(nullptr), 3);
}

TEST(QVResults, NewResultsKeepTheirOrderAndDeleteRemovesOnlyItsOwn)
{
    QVResults list;
    QVResult *a = list.NewResult();
    QVResult *b = list.NewResult();
    QVResult *c = list.NewResult();
    QVResult stranger;
    list.Delete(&stranger);
    list.Delete(nullptr);
    EXPECT_EQ(list.ResultCount(), 3);
    list.Delete(b);
    EXPECT_EQ(list.ResultCount(), 2);
    EXPECT_EQ(list.NextResult(nullptr), a);
    EXPECT_EQ(list.NextResult(a), c);
}

TEST(QVResults, ViewsTellTheirWindowsAboutListChangesAndShownResults)
{
    QVResults list;
    FakeResultsWindow window;
    list.NewView()->SetWindow(&window);
    QVResult *r = list.NewResult();
    EXPECT_EQ(window.calls, std::vector<std::string>{"Refresh"});
    window.calls.clear();
    list.ShowInViews(r);
    EXPECT_EQ(window.shown, r);
    r->SetLastName(KString(L"Young"));
    list.Send(kMsgSendEventName);
    list.Send(kMsgSendResults);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"ShowResult", "Refresh", "SendEventName", "SendResults"}));
}

TEST(QVResult, TraceDecodesToTwoChannelsOfDoublesOrZeros)
{
    QVResult r;
    std::vector<double> out(2 * kTraceSamples, 7.0);
    r.DecodeTrace(out.data());
    EXPECT_EQ(r.TraceLength(), 0);
    EXPECT_EQ(out.front(), 0.0);
    EXPECT_EQ(out.back(), 0.0);

    std::vector<int16_t> a(kTraceSamples), b(kTraceSamples);
    for (int i = 0; i < kTraceSamples; ++i) {
        a[i] = int16_t(i - 2500);
        b[i] = int16_t(-i);
    }
    r.SetTrace(a.data(), b.data());
    EXPECT_EQ(r.TraceLength(), 20004);
    r.DecodeTrace(out.data());
    EXPECT_EQ(out[0], -2500.0);
    EXPECT_EQ(out[kTraceSamples - 1], 2500.0);
    EXPECT_EQ(out[kTraceSamples], 0.0);
    EXPECT_EQ(out[2 * kTraceSamples - 1], -5000.0);
}

TEST(QVResult, DerivedTimesNeedBothTimesAndPowerMarksMeanNoValue)
{
    QVResult r;
    r.SetTimeToDistance(Ms(1500));
    EXPECT_FALSE(r.RawTime().IsValid());
    r.SetReactionTime(Ms(140));
    EXPECT_EQ(r.RawTime().Milliseconds(), 1360);
    VRaceTime breaks[2] = {Ms(900), Ms(1200)};
    r.SetTrialTimes(breaks, 12);
    EXPECT_EQ(r.BreakCount(), 9);
    r.SetTrialTimes(breaks, 2);
    EXPECT_EQ(r.RawTrialTime(1).Milliseconds(), 1060);
    EXPECT_FALSE(r.TrialTime(2).IsValid());
    EXPECT_FALSE(r.TrialTime(-1).IsValid());

    for (int32_t none : {QVResult::kPowerNone, QVResult::kPowerBlank, QVResult::kPowerInvalid}) {
        r.SetPower(none);
        KString text;
        r.FormatPower(text);
        EXPECT_FALSE(r.HasPower());
        EXPECT_TRUE(text.IsEmpty());
    }
    r.SetPower(1234);
    KString text;
    r.FormatPower(text);
    EXPECT_EQ(text, L"1234");
}
