// The example workout and event under docs/examples, written from the
// simulated block sensor's trials, open in this version with those trials.
#include "domain/event/QVEvent.h"

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

TEST(EventExamples, OpenWithTheSimulatedUnitsThreeTrialsAndTheirFalseStart)
{
    struct Case
    {
        const wchar_t *file;
        QVEvent::Kind kind;
        const wchar_t *competitionId;
    };
    const Case cases[] = {
        { L"example-workout.qvw", QVEvent::kWorkout, L"" },
        { L"example-event.qve", QVEvent::kEvent, L"100H-1-2" },
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.kind == QVEvent::kEvent ? "the example event" : "the example workout");
        QVEvent event;
        const std::wstring path = std::wstring(QV_EXAMPLES) + L"/" + c.file;
        ASSERT_EQ(0, event.Open(QVEvent::kOpenRead, KString(path.c_str())));
        EXPECT_EQ(c.kind, event.DocumentKind());
        KString id;
        event.CompetitionId(id);
        EXPECT_STREQ(c.competitionId, id.CStr());
        ASSERT_EQ(1, event.LegCount());
        const QVResults *results = event.Leg(0)->Results();
        ASSERT_NE(nullptr, results);
        std::vector<int32_t> reactions;
        std::vector<bool> falseStarts;
        for (QVResult *result = results->NextResult(nullptr); result; result = results->NextResult(result))
        {
            reactions.push_back(result->ReactionTime().Milliseconds());
            falseStarts.push_back(result->IsFalseStart());
            EXPECT_EQ(2 * 5001 * 2, result->TraceLength());
        }
        EXPECT_EQ((std::vector<int32_t> { 99, 100, 153 }), reactions);
        EXPECT_EQ((std::vector<bool> { true, false, false }), falseStarts);
    }
}

} // namespace
