// Scoreboards on real COM port pairs: the board sends on end A, the test
// listens on end B.
#include "domain/scoreboards/QVScoreboard.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/ui/QVSettings.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/TestStreams.h"
#include "foundation/values/KDateTime.h"
#include "foundation/values/KHelpers.h"
#include "support/ComPortPair.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

void OpenPeer(KSerialPort &port, int number)
{
    port.SetReadEncoding(0);
    port.SetReadLineEnd(0);
    ASSERT_TRUE(port.Open(KString(ComPortPair::Description(number, L"9600,8,N,1.0").c_str())));
}

// Seconds since midnight of an "hh:mm:ss" text, -1 when it is not one.
int ClockSeconds(const std::string &text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return -1;
    for (size_t i : {0u, 1u, 3u, 4u, 6u, 7u})
        if (text[i] < '0' || text[i] > '9')
            return -1;
    return std::atoi(text.substr(0, 2).c_str()) * 3600 + std::atoi(text.substr(3, 2).c_str()) * 60 +
           std::atoi(text.substr(6, 2).c_str());
}

class QVScoreboardPortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pair = ComPortPair::FromEnvironment();
        if (!m_pair.HasPort() || !m_pair.HasPeerPort())
            GTEST_SKIP() << "needs a COM port pair: run through ctest or tools/comport/comport.sh run";
        m_folder.WriteFile(L"clock.vss", "; a clock board\r\n[TimeOfDay]\r\n{TIME24}\\r\r\n");
        m_folder.WriteFile(L"broken.vss", "[TimeOfDay]\r\n{TIME24\r\n");
        KString in(L"\\Database\\File\\DataInDir:String=");
        in.Append(m_folder.Path());
        m_settings.Parse(in);
        m_settings.Parse(L"\\Scoreboards\\Boot:Bool=1");
        m_settings.Parse(L"\\Scoreboards\\Optimize:Int=1");
        QVSetSettings(&m_settings);
        m_group = QVScoreboards::AddGroup();
        ASSERT_NE(m_group, nullptr);
        m_group->GetString(L"Script")->SetValue(KString(L"clock.vss"));
        m_group->GetInt(L"CharMode")->SetValue(1);
        m_group->GetString(L"SerialPort")->SetValue(Port(m_pair.port));
    }
    void TearDown() override { QVSetSettings(nullptr); }

    static KString Port(int number) { return KString(ComPortPair::Description(number, L"9600,8,N,1.0").c_str()); }

    // Opens the peer end and makes the boards of the settings.
    std::unique_ptr<QVScoreboards> Start(KSerialPort &peer)
    {
        OpenPeer(peer, m_pair.peerPort);
        std::unique_ptr<QVScoreboards> boards(QVScoreboards::Create());
        EXPECT_NE(boards, nullptr);
        return boards;
    }

    // The first whole time text the peer receives in UTF-16LE, as 8-bit text.
    static std::string TimeLine(KSerialPort &peer, int32_t ms)
    {
        std::string raw = CollectFromPort(peer, ms, std::string("\r\0", 2));
        std::string text;
        for (size_t i = 0; i + 1 < raw.size(); i += 2) {
            if (raw[i + 1] != 0)
                return "not UTF-16LE: " + raw;
            text += raw[i];
        }
        return text;
    }

    ComPortPair m_pair;
    ScratchFolder m_folder;
    KRegistry m_settings;
    KRGroup *m_group = nullptr;
};

} // namespace

TEST_F(QVScoreboardPortTest, TimeOfDayScriptSendsTheClockInUtf16Within1500ms)
{
    KSerialPort peer;
    std::unique_ptr<QVScoreboards> boards = Start(peer);
    ASSERT_NE(boards, nullptr);
    EXPECT_EQ(QVScoreboards::RunningWorkers(), 1);
    boards->SetTimeOfDay(true);
    std::string line = TimeLine(peer, 1500);
    KDateTime now(true);
    ASSERT_GE(line.size(), 9u) << line;
    EXPECT_EQ(line.back(), '\r');
    int seconds = ClockSeconds(line.substr(line.size() - 9, 8));
    ASSERT_GE(seconds, 0) << line;
    int clock = now.Hour() * 3600 + now.Minute() * 60 + now.Second();
    int difference = (clock - seconds + 86400) % 86400;
    EXPECT_LE(difference, 2) << line;
    boards.reset();
    EXPECT_EQ(QVScoreboards::RunningWorkers(), 0);
}

TEST_F(QVScoreboardPortTest, ChangingTheSerialPortSettingMovesTheOutputAtOnce)
{
    const ComPortPair further = ComPortPair::SecondFromEnvironment();
    if (!further.HasPort() || !further.HasPeerPort())
        GTEST_SKIP() << "needs a second COM port pair";
    const int secondPort = further.port;
    KSerialPort first, second;
    OpenPeer(second, further.peerPort);
    std::unique_ptr<QVScoreboards> boards = Start(first);
    ASSERT_NE(boards, nullptr);
    boards->SetTimeOfDay(true);
    ASSERT_FALSE(TimeLine(first, 1500).empty());

    ASSERT_TRUE(m_group->GetString(L"SerialPort")->SetValue(Port(secondPort)));
    EXPECT_EQ(boards->BoardAt(0)->PortDescription(), Port(secondPort));
    CollectFromPort(first, 200);   // what was on its way before the change
    std::string moved = TimeLine(second, 1500);
    EXPECT_EQ(ClockSeconds(moved.substr(0, 8)) >= 0, true) << moved;
    EXPECT_EQ(CollectFromPort(first, 1200), "");
}

TEST_F(QVScoreboardPortTest, ScriptWithASyntaxErrorSendsNothing)
{
    m_group->GetString(L"Script")->SetValue(KString(L"broken"));
    KSerialPort peer;
    std::unique_ptr<QVScoreboards> boards = Start(peer);
    ASSERT_NE(boards, nullptr);
    EXPECT_FALSE(boards->BoardAt(0)->IsScriptLoaded());
    EXPECT_TRUE(boards->BoardAt(0)->IsPortOpen());
    boards->SetTimeOfDay(true);
    boards->RequestUpdate();
    EXPECT_EQ(CollectFromPort(peer, 800), "");
}

TEST_F(QVScoreboardPortTest, ResultsArePagedEveryPageTimeInSingleBytes)
{
    m_folder.WriteFile(L"pages.vss", "[Results]\r\n{PAGE}/{PAGES} {PLACE}.{NAME:-8}{RT:6}\\r\r\n");
    m_group->GetString(L"Script")->SetValue(KString(L"pages.vss"));
    m_group->GetInt(L"CharMode")->SetValue(0);
    m_group->GetInt(L"ResultsMode")->SetValue(1);
    m_group->GetInt(L"SendPlace")->SetValue(1);
    m_group->GetInt(L"PageTime")->SetValue(400);
    QVResults results;
    QVResult *a = results.NewResult();
    a->SetLastName(KString(L"Dubois"));
    a->SetReactionTime(VRaceTime::FromMilliseconds(142));
    results.NewResult()->SetLastName(KString(L"O'Neill"));
    KSerialPort peer;
    std::unique_ptr<QVScoreboards> boards = Start(peer);
    ASSERT_NE(boards, nullptr);
    boards->SetResults(&results, nullptr);
    std::string first = CollectFromPort(peer, 1500, "\r");
    std::string second = CollectFromPort(peer, 1500, "\r");
    EXPECT_EQ(first, "1/2 1.Dubois   0.142\r");
    EXPECT_EQ(second, "2/2 2.O'Neill       \r");
}

TEST_F(QVScoreboardPortTest, InitGoesOutWithTheContentAndEqualContentIsNotSentAgain)
{
    m_folder.WriteFile(L"plain.vss", "[Init]\r\nI\r\n[Clear]\r\nC\r\n");
    m_group->GetString(L"Script")->SetValue(KString(L"plain.vss"));
    m_group->GetInt(L"CharMode")->SetValue(0);
    KSerialPort peer;
    std::unique_ptr<QVScoreboards> boards = Start(peer);
    ASSERT_NE(boards, nullptr);
    EXPECT_EQ(CollectFromPort(peer, 1200), "IC");
    boards->RequestUpdate();
    EXPECT_EQ(CollectFromPort(peer, 1200), "IC");
}

TEST_F(QVScoreboardPortTest, ConfirmedOptionsStartAnAddedBoardReloadAChangedOneAndEndARemovedOne)
{
    m_folder.WriteFile(L"plain.vss", "[Init]\r\nI\r\n[Clear]\r\nC\r\n");
    m_folder.WriteFile(L"other.vss", "[Clear]\r\nD\r\n");
    m_group->GetString(L"SerialPort")->SetValue(KString(L"0,9600,8,N,1.0"));
    KSerialPort peer;
    std::unique_ptr<QVScoreboards> boards = Start(peer);
    ASSERT_NE(boards, nullptr);
    QVScoreboard *first = boards->BoardAt(0);

    KRGroup *added = QVScoreboards::AddGroup();
    ASSERT_NE(added, nullptr);
    added->GetString(L"Script")->SetValue(KString(L"plain.vss"));
    added->GetString(L"SerialPort")->SetValue(Port(m_pair.port));
    EXPECT_EQ(CollectFromPort(peer, 600), "");
    boards->ApplySettings();
    ASSERT_EQ(boards->BoardCount(), 2);
    EXPECT_EQ(boards->BoardAt(0), first) << "an unchanged board was made again";
    EXPECT_EQ(CollectFromPort(peer, 1200), "IC");

    added->GetString(L"Script")->SetValue(KString(L"other"));
    boards->ApplySettings();
    EXPECT_EQ(CollectFromPort(peer, 1200), "D");

    added->SetOmitted(true);
    boards->ApplySettings();
    ASSERT_EQ(boards->BoardCount(), 1);
    EXPECT_EQ(boards->BoardAt(0), first);
    EXPECT_EQ(added->GetString(L"SerialPort")->ChangeContext(), nullptr) << "the ended board still watches its port";
}
