// The block-sensor link against a simulated unit on a COM port.
#include "QVUnitLinkFixture.h"

#include <algorithm>
#include <chrono>

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/errors/KX.h"
#include "foundation/support/TestStreams.h"
#include "foundation/values/KHelpers.h"

namespace
{
using unitsim::Fault;

int64_t Millis()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int32_t ExchangeError(QVUnitExchange &exchange, KStream &port, uint32_t destination, uint32_t command)
{
    try
    {
        exchange.Transact(port, destination, command, {});
    }
    catch (const KX &error)
    {
        return error.Code();
    }
    return 0;
}

// Samples of the record that differ from the trial's.
int WrongSamples(const QVTrialRecord &record, const unitsim::Trial &trial)
{
    int wrong = 0;
    for (int i = 0; i < QVTrialRecord::kSamples; ++i)
        wrong += record.x[i] != trial.x[i] || record.y[i] != trial.y[i];
    return wrong;
}

// A port whose reader falls behind once: after its next read it stalls, as
// a program on a loaded machine may, before it reads on.
class StallingPort : public KSerialPort
{
public:
    int32_t stallMs = 0;

protected:
    int32_t DoRead(void *buffer, int32_t count) override
    {
        int32_t got = KSerialPort::DoRead(buffer, count);
        if (stallMs > 0)
            KSleep(stallMs);
        stallMs = 0;
        return got;
    }
};

struct DamagedReply
{
    Fault fault;
    const char *name;
    bool fails;   // the download it meets fails
};
} // namespace

using BlockSensorLink = UnitLinkTest;
using ControlCenterLink = UnitLinkTest;

TEST_F(BlockSensorLink, IdentifiesStatusAndTrialCount)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    EXPECT_EQ(int32_t(kDeviceBlockSensor), link.GetDeviceType(*port));

    int32_t status = -1, unitNumber = -1, valueA = 0, difference = 0, time = 0, version = 0;
    ASSERT_TRUE(link.GetStatus(*port, kDeviceBlockSensor, status, unitNumber, valueA, difference, time, version));
    EXPECT_EQ(0, status);
    EXPECT_EQ(2, unitNumber);
    EXPECT_EQ(17, valueA);

    int32_t count = -1;
    ASSERT_TRUE(link.GetTrialList(*port, unitNumber, count));
    EXPECT_EQ(3, count);
    ASSERT_FALSE(ui.status.empty());
    EXPECT_EQ("Getting Trial List...", ui.status.front());

    std::vector<unitsim::Record> requests = Requests();
    ASSERT_EQ(3u, requests.size());
    EXPECT_EQ(0u, requests[0].destination);
    EXPECT_EQ(0x200u, requests[1].destination);
    EXPECT_EQ(0x202u, requests[2].destination);
}

TEST_F(BlockSensorLink, DownloadedTrialFillsEveryTimeAndSample)
{
    unitsim::Config config = unitsim::Config::BlockSensor();
    Serve(config);
    QVBlockSensors link;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, int32_t(kUnitNoTime), false, true));
    EXPECT_EQ("Downloading Trial: 3", ui.status.back());

    QVResult result;
    ASSERT_TRUE(link.FillResult(result, false));
    const unitsim::Trial &trial = config.trials[2];
    EXPECT_EQ(153, result.ReactionTime().Milliseconds());
    EXPECT_EQ(trial.timeToDistance, result.TimeToDistance().Milliseconds());
    EXPECT_EQ(2150, result.Power());
    ASSERT_EQ(9, result.BreakCount());
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(trial.breaks[i], result.TrialTime(i).Milliseconds()) << "break " << i;
    EXPECT_EQ(trial.setCommand, result.SetCommandTime().Milliseconds());
    EXPECT_EQ(trial.setReference, result.SetReferenceTime().Milliseconds());
    EXPECT_EQ(trial.source, result.SourceNumber());
    EXPECT_EQ(trial.flags, result.ReplyFlags());
    EXPECT_EQ(0, result.DownloadStart());
    EXPECT_EQ(5000, result.DownloadEnd());
    ASSERT_EQ(2 * 5001 * 2, result.TraceLength());
    int wrong = 0;
    for (int i = 0; i < 5001; ++i)
        wrong += result.Sample(0, i) != trial.x[i] || result.Sample(1, i) != trial.y[i];
    EXPECT_EQ(0, wrong);
    // 5001 samples in requests of at most 256 (248 at a time).
    std::vector<unitsim::Record> requests = Requests();
    ASSERT_EQ(1u + 21u, requests.size());
    uint32_t asked = 0;
    for (size_t i = 1; i < requests.size(); ++i)
    {
        EXPECT_EQ(asked, requests[i].args[1]);
        EXPECT_LE(requests[i].args[2], 256u);
        asked += requests[i].args[2];
    }
    EXPECT_EQ(5001u, asked);
}

TEST_F(BlockSensorLink, RepliesWithFewerSamplesAreCompletedAndLaterRequestsStayInStep)
{
    unitsim::Config config = unitsim::Config::BlockSensor();
    Serve(config);
    unit->SetFault(kUnitTrialData, Fault::FewerSamples, 2, 3);
    QVBlockSensors link;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 1, 0, false, true));
    QVResult result;
    link.FillResult(result, false);
    int wrong = 0;
    for (int i = 0; i < 5001; ++i)
        wrong += result.Sample(0, i) != config.trials[1].x[i] || result.Sample(1, i) != config.trials[1].y[i];
    EXPECT_EQ(0, wrong);

    // After a download that failed half-way on a bad checksum the next
    // request still gets its own answer.
    unit->SetFault(kUnitTrialData, Fault::BadChecksum, 2, 1);
    EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 2, 0, false, true));
    int32_t count = 0;
    EXPECT_TRUE(link.GetTrialList(*port, 2, count));
    EXPECT_EQ(3, count);
}

// One damaged reply in the middle of a download costs that download only:
// the link finds its frames again for the next one on the same open port.
// Noise after a whole reply waits in the line when the next request goes
// and is dropped then: it costs nothing.
TEST_F(BlockSensorLink, DamagedReplyFailsOneDownloadAndTheNextSucceeds)
{
    const DamagedReply cases[] = {
        {Fault::Truncated, "cut short", true},
        {Fault::TrailingBytes, "extra bytes after the frame", false},
        {Fault::StrayStart, "stray start byte before the frame", true},
    };
    unitsim::Config config = unitsim::Config::BlockSensor();
    Serve(config);
    QVBlockSensors link;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, false, true, true));
    for (const DamagedReply &damage : cases)
    {
        SCOPED_TRACE(damage.name);
        unit->SetFault(kUnitTrialData, damage.fault, 3, 1);
        EXPECT_EQ(!damage.fails, link.DownloadTrial(*port, 0x202, 0, 0, false, false, true));
        const int trial = damage.fails ? 2 : 0;
        EXPECT_EQ(config.trials[size_t(trial)].reaction, link.CurrentTrial().reaction);
        EXPECT_EQ(0, WrongSamples(link.CurrentTrial(), config.trials[size_t(trial)]));

        ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 1, 0, false, false, true));
        EXPECT_EQ(100, link.CurrentTrial().reaction);
        EXPECT_EQ(0, WrongSamples(link.CurrentTrial(), config.trials[1]));
        ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, false, false, true));
    }
}

// The short time-out (here 1 s) holds for each reply as a whole, plus the
// reply's own time on the line (0.53 s for 248 samples at 19,200 baud):
// neither a reply that starts late nor one whose second half comes late is
// taken, and the exchange gives up before the reply has ended.
TEST_F(BlockSensorLink, DataReplyLaterThanTheShortTimeoutFailsWith5002)
{
    struct LateReply
    {
        Fault fault;
        int lateMs;
        const char *name;
    };
    const LateReply cases[] = {
        {Fault::LateReply, 1500, "the whole reply 1.5 s late"},
        {Fault::SlowReply, 1800, "half after 0.9 s, the rest after 1.8 s"},
    };
    for (const LateReply &late : cases)
    {
        SCOPED_TRACE(late.name);
        unitsim::Config config = unitsim::Config::BlockSensor();
        config.lateMs = late.lateMs;
        Serve(config);
        port->SetReadTimeout(1000);
        QVBlockSensors link;
        unit->SetFault(kUnitTrialData, late.fault, 2, 1);
        EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 1, 0, false, true, true));
        ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 1, 0, false, true, true));
        EXPECT_EQ(0, WrongSamples(link.CurrentTrial(), config.trials[1]));

        unit->SetFault(kUnitTrialData, late.fault, 1, 1);
        QVUnitExchange exchange;
        int64_t start = Millis();
        try
        {
            exchange.Transact(*port, 0x202, kUnitTrialData, {1, 0, 248});
            ADD_FAILURE() << "the late reply was taken";
        }
        catch (const KX &error)
        {
            EXPECT_EQ(kErrSerialTimeout, error.Code());
        }
        EXPECT_LT(Millis() - start, late.lateMs);
        EXPECT_EQ(1000, port->ReadTimeout());
    }
}

TEST_F(BlockSensorLink, FailedDownloadWithResetLeavesNothingOfTheEarlierTrial)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, false, true, true));
    unit->SetFault(kUnitTrialData, Fault::BadChecksum, 2, 1);
    EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 0, 0, false, true, true));

    QVResult result;
    ASSERT_TRUE(link.FillResult(result, false));
    EXPECT_EQ(0, result.TraceLength());
    EXPECT_EQ(0u, result.ReplyFlags());
    EXPECT_EQ(0, result.SourceNumber());
    EXPECT_FALSE(result.ReactionTime().IsValid());
    EXPECT_EQ(0, result.BreakCount());
    EXPECT_FALSE(result.SetCommandTime().IsValid());
    EXPECT_EQ(QVResult::kPowerNone, result.Power());
}

TEST_F(BlockSensorLink, HeaderPassKeepsNoValueCodesAndReactionLimits)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    QVResult first, second;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 0, 0, true, true));
    ASSERT_TRUE(link.FillResult(first, true));
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 1, 0, true, true, true));
    ASSERT_TRUE(link.FillResult(second, true));

    EXPECT_EQ(99, first.ReactionTime().Milliseconds());
    EXPECT_TRUE(first.IsFalseStart());
    EXPECT_EQ(QVResult::kPowerBlank, first.Power());
    EXPECT_EQ(0, first.TraceLength());

    EXPECT_EQ(100, second.ReactionTime().Milliseconds());
    EXPECT_FALSE(second.IsFalseStart());
    EXPECT_EQ(QVResult::kPowerInvalid, second.Power());
    EXPECT_FALSE(second.TimeToDistance().IsValid());
    // A header download names its trial in the status line; the quiet one
    // shows nothing.
    EXPECT_EQ(std::vector<std::string>{ "Downloading Trial: 1" }, ui.status);
}

TEST_F(BlockSensorLink, DownloadWindowLimitsTheSamplesAsked)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    link.Settings().startTimeDL = 2.5;
    link.Settings().endTimeDL = 3.5;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 1, 0, false, true));
    QVResult result;
    link.FillResult(result, false);
    EXPECT_EQ(2500, result.DownloadStart());
    EXPECT_EQ(3500, result.DownloadEnd());
    std::vector<unitsim::Record> requests = Requests();
    ASSERT_EQ(1u + 5u, requests.size());
    EXPECT_EQ(2500u, requests[1].args[1]);
    EXPECT_EQ(0, result.Sample(1, 2499));
    EXPECT_EQ(3000 - 2500 + 1, result.Sample(1, 2500));
}

TEST_F(BlockSensorLink, DeleteAllWithUnitZeroGoesToThisPortsSensor)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    EXPECT_TRUE(link.DeleteAllTrials(*port, 0));
    std::vector<unitsim::Record> requests = Requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(0x10006u, requests[0].command);
    EXPECT_EQ(0x200u, requests[0].destination);
    EXPECT_TRUE(requests[0].args.empty());
    int32_t count = -1;
    ASSERT_TRUE(link.GetTrialList(*port, 2, count));
    EXPECT_EQ(0, count);
}

TEST_F(BlockSensorLink, FailedDeleteIsReportedToTheCaller)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    unit->SetFault(kUnitDeleteAll, Fault::Busy);
    EXPECT_FALSE(link.DeleteAllTrials(*port, 0));
    EXPECT_EQ(3u, unit->TrialCount());
    // The unit deleted but its confirmation was lost: still not a success.
    unit->SetFault(kUnitDeleteAll, Fault::NoReply);
    EXPECT_FALSE(link.DeleteAllTrials(*port, 0));
}

TEST_F(BlockSensorLink, DamagedRepliesGiveTheirErrorCodes)
{
    Serve(unitsim::Config::BlockSensor());
    QVUnitExchange exchange;
    const struct {
        Fault fault;
        int32_t error;
    } damaged[] = {
        { Fault::BadChecksum, kErrSerialChecksum },    { Fault::WrongSequence, kErrSerialHandshake },
        { Fault::WrongCommand, kErrSerialHandshake },  { Fault::WrongDestination, kErrSerialHandshake },
        { Fault::Truncated, kErrSerialTimeout },       { Fault::Busy, kErrSerialReceive },
    };
    for (const auto &reply : damaged) {
        unit->SetFault(kUnitStatus, reply.fault, 1, 1);
        EXPECT_EQ(reply.error, ExchangeError(exchange, *port, 0x200, kUnitStatus)) << int(reply.fault);
    }
    EXPECT_EQ(kErrSerialReceive, ExchangeError(exchange, *port, 0x200, 0x10099));   // refused
    EXPECT_EQ(QVFrameCheck::kRefused, exchange.LastAnswer());
    // After all of it the link is in step again.
    EXPECT_EQ(0, ExchangeError(exchange, *port, 0x200, kUnitStatus));
}

TEST_F(BlockSensorLink, BadChecksumOnTheTrialListIsShownAs5005)
{
    Serve(unitsim::Config::BlockSensor());
    unit->SetFault(kUnitTrialList, Fault::BadChecksum);
    QVBlockSensors link;
    int32_t count = -1;
    EXPECT_FALSE(link.GetTrialList(*port, 2, count));
    EXPECT_EQ(0, count);
    ASSERT_EQ(1u, ui.errors.size());
    EXPECT_EQ(kErrSerialChecksum, ui.errors[0]);
    EXPECT_EQ("Unable to read the trial list", ui.status.back());
}

TEST_F(BlockSensorLink, SilentUnitTimesOutAfterTheShortTimeout)
{
    Serve(unitsim::Config::BlockSensor());
    unit->SetFault(kUnitIdentify, Fault::NoReply);
    QVBlockSensors link;
    int64_t start = Millis();
    EXPECT_EQ(0, link.GetDeviceType(*port));
    int64_t elapsed = Millis() - start;
    EXPECT_GE(elapsed, kShortTimeout - 100);
    EXPECT_LT(elapsed, 4 * kShortTimeout);
    EXPECT_TRUE(ui.messages.empty());

    unit->SetFault(kUnitTrialList, Fault::NoReply);
    int32_t count = 0;
    EXPECT_FALSE(link.GetTrialList(*port, 2, count));
    ASSERT_EQ(1u, ui.errors.size());
    EXPECT_EQ(kErrSerialTimeout, ui.errors[0]);
}

TEST_F(BlockSensorLink, LateReplyIsSkippedByTheNextRequest)
{
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.lateMs = kShortTimeout + 300;
    Serve(config);
    unit->SetFault(kUnitStatus, Fault::LateReply, 1, 1);
    QVBlockSensors link;
    int32_t status = 0, unitNumber = 0, valueA = 0, difference = 0, time = 0, version = 0;
    EXPECT_FALSE(link.GetStatus(*port, kDeviceBlockSensor, status, unitNumber, valueA, difference, time, version));
    int32_t count = 0;
    EXPECT_TRUE(link.GetTrialList(*port, 2, count));
    EXPECT_EQ(3, count);
}

// A reply that comes after its request failed answers nothing the link then
// waits for, however many requests the program sent meanwhile (here to
// another unit, which stayed silent): it is dropped and the wait goes on, so
// a download started at once gets its own replies.
TEST_F(BlockSensorLink, LateReplyIsDroppedAndADownloadStartedAtOnceSucceeds)
{
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.lateMs = 1500;
    Serve(config);
    port->SetReadTimeout(1000);
    QVBlockSensors link;
    unit->SetFault(kUnitTrialData, Fault::LateReply, 2, 1);
    EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 1, 0, false, true, true));
    MemoryStream otherUnit;
    QVBlockSensors otherLink;
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(0, otherLink.GetDeviceType(otherUnit));

    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, false, true, true));
    EXPECT_EQ(153, link.CurrentTrial().reaction);
    EXPECT_EQ(0, WrongSamples(link.CurrentTrial(), config.trials[2]));
}

// After a damaged reply the link waits for the line to fall quiet before its
// next request, but a unit that keeps trickling noise (a byte every 0.9
// short time-outs, so that the line never falls quiet) holds the next
// request for ten short time-outs at most.
TEST_F(BlockSensorLink, TricklingLineAfterADamagedReplyHoldsTheNextRequestTenShortTimeoutsAtMost)
{
    constexpr int32_t kShort = 300;
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.trickleMs = kShort * 9 / 10;
    Serve(config);
    port->SetReadTimeout(kShort);
    unit->SetFault(kUnitTrialList, Fault::Trickle, 1, 1);
    QVUnitExchange exchange;
    EXPECT_NE(0, ExchangeError(exchange, *port, 0x202, kUnitTrialList));

    int64_t start = Millis();
    EXPECT_EQ(0, ExchangeError(exchange, *port, 0x202, kUnitTrialList));
    int64_t elapsed = Millis() - start;
    // Ten short time-outs of reading, then the request and its prompt reply
    // (a generous margin for a loaded machine).
    EXPECT_LT(elapsed, 10 * kShort + 2500);
    EXPECT_EQ(2u, Requests().size());
}

namespace
{
// Application hooks that note how often a wait asks whether to go on and
// tell it to stop once stopAfter ms have passed since they were installed.
class StoppingHooks : public KApplicationHooks
{
public:
    explicit StoppingHooks(int64_t stopAfter) : outer(KGetApplicationHooks()), stopAfter(stopAfter)
    {
        KSetApplicationHooks(this);
    }
    ~StoppingHooks() override { KSetApplicationHooks(outer); }
    void ProgramPath(KString &) const override {}
    const wchar_t *FindOption(const wchar_t *) const override { return nullptr; }
    bool WaitGoesOn() override
    {
        const int64_t now = Millis();
        longestGap = std::max(longestGap, now - last);
        last = now;
        return now - start < stopAfter;
    }
    // Ms since installed; the longest time between two asks (from the start).
    int64_t Elapsed() const { return Millis() - start; }

    KApplicationHooks *outer;
    const int64_t stopAfter;
    const int64_t start = Millis();
    int64_t last = start;
    int64_t longestGap = 0;
};
} // namespace

// Waiting for a silent unit's reply and draining a line that trickles both
// ask the application whether to go on between slices of KWaitSlice ms
// (never as far apart as the trickle's pause, even when a busy machine wakes
// the thread late), and end the exchange at once, with kErrUserAborted, when
// it says no: well before the reply's time-out or the drain's budget.
TEST_F(BlockSensorLink, EveryWaitAsksBetweenSlicesAndEndsAtOnceWhenTheUserStops)
{
    constexpr int32_t kShort = 500;
    constexpr int64_t kLongestGap = 200;   // ms between two asks: a slice and a late wake
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.trickleMs = kShort / 2;
    Serve(config);
    port->SetReadTimeout(kShort);
    unit->SetFault(kUnitStatus, Fault::NoReply, 1, 1);
    unit->SetFault(kUnitTrialList, Fault::Trickle, 1, 1);
    QVUnitExchange exchange;
    {
        SCOPED_TRACE("a silent unit");
        StoppingHooks hooks(kShort / 2);
        EXPECT_EQ(kErrUserAborted, ExchangeError(exchange, *port, 0x200, kUnitStatus));
        EXPECT_LT(hooks.Elapsed(), kShort / 2 + 150);
        EXPECT_LE(hooks.longestGap, kLongestGap);
    }
    EXPECT_EQ(kErrSerialTimeout, ExchangeError(exchange, *port, 0x202, kUnitTrialList));
    {
        SCOPED_TRACE("the drain of a trickling line");
        StoppingHooks hooks(2 * kShort);
        EXPECT_EQ(kErrUserAborted, ExchangeError(exchange, *port, 0x202, kUnitTrialList));
        EXPECT_LT(hooks.Elapsed(), 2 * kShort + 150) << "last asked " << hooks.last - hooks.start << " ms in";
        EXPECT_LE(hooks.longestGap, kLongestGap);
    }
    EXPECT_EQ(2u, Requests().size()) << "a request went out after the stop";
}

// Stale copies of a long reply that keep coming in at the line's rate (64 of
// them, 34 s at 19,200 baud) hold the next request for the drain's budget
// at most: the purge reads what comes for ten short time-outs and discards
// the rest, and the request's own wait follows.
TEST_F(BlockSensorLink, ThePurgeBeforeARequestStaysWithinTheDrainsBudget)
{
    constexpr int32_t kShort = 200;
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.paced = true;
    config.repeats = 64;
    Serve(config);
    port->SetReadTimeout(kShort);
    unit->SetFault(kUnitTrialData, Fault::RepeatedReply, 1, 1);
    QVUnitExchange exchange;
    ASSERT_EQ(0, [&] {
        try
        {
            exchange.Transact(*port, 0x202, kUnitTrialData, {0, 0, 248});
            return 0;
        }
        catch (const KX &error)
        {
            return error.Code();
        }
    }());

    const int64_t start = Millis();
    ExchangeError(exchange, *port, 0x202, kUnitStatus);   // the unit is still busy sending copies
    // The budget, the reply's time and up to nine copies dropped while it
    // is awaited (532 ms each on the line), and a margin.
    EXPECT_LT(Millis() - start, 10 * kShort + kShort + 9 * 560 + 1500);

    // The busy unit never took that request: a fresh one answers it, so
    // that nothing of this test is left on the line.
    unit->Stop();
    Serve(unitsim::Config::BlockSensor());
    KSleep(300);
    DrainLine();
}

// A unit that sent the same reply 41 times leaves 40 stale replies waiting
// in the line: they are dropped before the next request, and the download
// after them brings every value exactly.
TEST_F(BlockSensorLink, StaleRepliesWaitingInTheLineFailNothingAfterThem)
{
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.repeats = 40;
    Serve(config);
    unit->SetFault(kUnitStatus, Fault::RepeatedReply, 1, 1);
    QVBlockSensors link;
    int32_t status = -1, unitNumber = 0, valueA = 0, difference = 0, time = 0, version = 0;
    ASSERT_TRUE(link.GetStatus(*port, kDeviceBlockSensor, status, unitNumber, valueA, difference, time, version));
    KSleep(300);   // the copies reach the line

    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, false, true, true));
    const unitsim::Trial &trial = config.trials[2];
    const QVTrialRecord &record = link.CurrentTrial();
    EXPECT_EQ(trial.reaction, record.reaction);
    EXPECT_EQ(0, WrongSamples(record, trial));
    QVResult result;
    ASSERT_TRUE(link.FillResult(result, false));
    EXPECT_EQ(2150, result.Power());
    EXPECT_EQ(trial.timeToDistance, result.TimeToDistance().Milliseconds());
    ASSERT_EQ(9, result.BreakCount());
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(trial.breaks[i], result.TrialTime(i).Milliseconds()) << "break " << i;
    int32_t count = 0;
    EXPECT_TRUE(link.GetTrialList(*port, 2, count));
    EXPECT_EQ(3, count);
    EXPECT_TRUE(ui.errors.empty());
}

// A stale frame and the reply come in one burst well within the reply's
// time, but the program gets to them only after that time has passed: what
// had arrived by then counts as in time, so the stale frame is dropped and
// the reply taken.
TEST_F(BlockSensorLink, BurstThatCameInTimeIsReadEvenWhenTheProgramGetsToItLate)
{
    unit.reset(new unitsim::Unit(unitsim::Config::BlockSensor()));
    ASSERT_TRUE(unit->Start(pair.peerPort));
    StallingPort slow;
    ASSERT_TRUE(slow.Open(KString(Description().c_str())));
    slow.SetReadTimeout(kShortTimeout);
    unit->SetFault(kUnitTrialList, Fault::StaleFirst, 1, 1);
    QVUnitExchange exchange;
    slow.stallMs = kShortTimeout + 200;
    try
    {
        EXPECT_EQ(3u, exchange.Transact(slow, 0x202, kUnitTrialList, {}).arguments.at(1));
    }
    catch (const KX &error)
    {
        ADD_FAILURE() << "the exchange failed with " << error.Code();
    }
    slow.Close();
}

TEST_F(BlockSensorLink, BusyUnitAnswersZeroAndRaisesTheBusyAlert)
{
    Serve(unitsim::Config::BlockSensor());
    unit->SetFault(kUnitIdentify, Fault::Busy);
    QVBlockSensors link;
    EXPECT_EQ(0, link.GetDeviceType(*port));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("The Block Sensor/Control Center is currently busy", ui.messages[0]);
}

TEST_F(BlockSensorLink, RepliesBeyondWhatWasAskedAreBadReplies)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, true, true));

    unit->SetFault(kUnitTrialData, Fault::TooManySamples, 3, 1);
    EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 0, 0, false, true));
    QVResult result;
    link.FillResult(result, false);
    // The failed download left nothing of trial 0 and cleared trial 2's times.
    EXPECT_FALSE(result.ReactionTime().IsValid());
    EXPECT_EQ(QVResult::kPowerNone, result.Power());

    unit->SetFault(kUnitTrialList, Fault::HugeTrialCount);
    int32_t count = -1;
    EXPECT_FALSE(link.GetTrialList(*port, 2, count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(kErrSerialReceive, ui.errors.back());
}

TEST_F(BlockSensorLink, FailedDownloadWithoutResetKeepsThePreviousTrial)
{
    Serve(unitsim::Config::BlockSensor());
    QVBlockSensors link;
    ASSERT_TRUE(link.DownloadTrial(*port, 0x202, 2, 0, true, true));
    unit->SetFault(kUnitTrialHeader, Fault::BadChecksum);
    EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 0, 0, true, false));
    EXPECT_EQ(153, link.CurrentTrial().reaction);
}

TEST_F(BlockSensorLink, ClosedPortFailsEveryRequestWith5007)
{
    Serve(unitsim::Config::BlockSensor());
    port->Close();
    QVBlockSensors link;
    EXPECT_EQ(0, link.GetDeviceType(*port));
    int32_t count = -1;
    EXPECT_FALSE(link.GetTrialList(*port, 2, count));
    ASSERT_EQ(1u, ui.errors.size());
    EXPECT_EQ(kErrSerialNotOpen, ui.errors[0]);
    EXPECT_FALSE(link.DownloadTrial(*port, 0x202, 0, 0, false, true));
    EXPECT_FALSE(link.DeleteAllTrials(*port, 0));
    EXPECT_TRUE(Requests().empty());
}

TEST_F(ControlCenterLink, IdentifiesAndReadsVersionAndTrialInformation)
{
    Serve(unitsim::Config::ControlCenter());
    QVBlockSensors link;
    EXPECT_EQ(int32_t(kDeviceControlCenter), link.GetDeviceType(*port));
    int32_t status = -1, unitNumber = -1, valueA = -1, difference = 0, time = 0, version = 0;
    ASSERT_TRUE(link.GetStatus(*port, kDeviceControlCenter, status, unitNumber, valueA, difference, time, version));
    EXPECT_EQ(0x15100, version);
    EXPECT_EQ(0, status);
    EXPECT_EQ(1234, time);
    EXPECT_EQ(5, difference);
    std::vector<unitsim::Record> requests = Requests();
    ASSERT_EQ(3u, requests.size());
    EXPECT_EQ(0x281u, requests[1].destination);
    EXPECT_EQ(kUnitCcVersion, requests[1].command);
    EXPECT_EQ(kUnitCcTrialInfo, requests[2].command);
}

TEST_F(ControlCenterLink, UnansweredVersionIsTakenAs15000)
{
    unitsim::Config config = unitsim::Config::ControlCenter();
    config.ccAnswersVersion = false;
    Serve(config);
    QVBlockSensors link;
    int32_t status = -1, unitNumber = -1, valueA = -1, difference = 0, time = 0, version = 0;
    ASSERT_TRUE(link.GetStatus(*port, kDeviceControlCenter, status, unitNumber, valueA, difference, time, version));
    EXPECT_EQ(int32_t(kCcDefaultVersion), version);
    EXPECT_EQ(0, status);
}

TEST_F(ControlCenterLink, TextOfFortyCharactersGoesAsTwoHalves)
{
    Serve(unitsim::Config::ControlCenter());
    QVBlockSensors link;
    QVBlockSensors::WorkBuffer work;
    KString text(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
    ASSERT_EQ(40, text.Length());
    ASSERT_TRUE(link.SendText(*port, work, text, 1));
    std::vector<unitsim::Record> requests = Requests();
    ASSERT_EQ(2u, requests.size());
    for (uint32_t half = 0; half < 2; ++half)
    {
        EXPECT_EQ(0x281u, requests[half].destination);
        EXPECT_EQ(kUnitCcText, requests[half].command);
        ASSERT_EQ(1u, requests[half].args.size());
        EXPECT_EQ(half, requests[half].args[0]);
        EXPECT_EQ(31u, requests[half].block.size());
    }
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", unit->CcText(0));
    EXPECT_EQ("56789abcd" + std::string(22, ' '), unit->CcText(1));
}

TEST_F(ControlCenterLink, LaneStatesArePackedFourToAByte)
{
    Serve(unitsim::Config::ControlCenter());
    QVResults results;
    QVResult *timed = results.NewResult();
    timed->SetReactionTime(VRaceTime::FromMilliseconds(150));
    QVResult *falseStart = results.NewResult();
    falseStart->SetReactionTime(VRaceTime::FromMilliseconds(80));
    results.NewResult();   // no time
    QVResult *out = results.NewResult();
    out->SetResultCode(QVResult::kCodeDisqualified);
    QVResult *fifth = results.NewResult();
    fifth->SetReactionTime(VRaceTime::FromMilliseconds(120));

    QVBlockSensors link;
    QVBlockSensors::WorkBuffer work;
    ASSERT_TRUE(link.SendLaneData(*port, work, results, nullptr, 1));
    uint32_t lanes = 0;
    std::vector<uint8_t> states = unit->CcLanes(lanes);
    EXPECT_EQ(5u, lanes);
    ASSERT_EQ(2u, states.size());
    EXPECT_EQ(uint8_t(kLaneTimed | kLaneFalseStart << 2 | kLaneEmpty << 4 | kLaneOut << 6), states[0]);
    EXPECT_EQ(uint8_t(kLaneTimed), states[1]);
}
