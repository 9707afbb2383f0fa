// The results interface on a loopback TCP peer: requests, hand-over, and
// the results file.
#include "ResultsLinkTest.h"

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/resultslink/QVResultsFile.h"
#include "domain/resultslink/QVResultsLink.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/support/TestStreams.h"
#include "foundation/values/KDateTime.h"
#include "foundation/values/KHelpers.h"
#include "support/FreePort.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>

namespace {

// Reads from the peer until the text holds that many complete lines or
// time runs out; it may hold more lines when more came at once.
std::string ReadLines(KTCPSocket &peer, int lines, int32_t timeout)
{
    std::string text;
    int count = 0;
    int32_t start = KTickCount();
    peer.SetReadTimeout(50);
    while (count < lines && KTickElapsed(start) < timeout) {
        char buffer[4096];
        try {
            int32_t n = peer.ReadSome(buffer, sizeof buffer);
            text.append(buffer, size_t(n));
            count += int(std::count(buffer, buffer + n, '\n'));
        } catch (const KX &) {
        }
    }
    return text;
}

// The event named, the first result given a reaction time and power, and a
// second result (O"Neill of "Dublin, AC"); the link's text mode, hand-over
// check and port set.
class QVResultsLinkTest : public ResultsLinkTest
{
protected:
    void SetUp() override
    {
        ResultsLinkTest::SetUp();
        if (HasFatalFailure())
            return;
        m_settings.Parse(L"\\Database\\File\\CharModeVIF:Int=0");
        m_settings.Parse(L"\\Database\\QIF\\IgnoreERHCheck:Bool=1");
        m_settings.Parse(L"\\Database\\QIF\\SerialPort:String=-1,0,1950");
        m_event.SetName(KString(L"60 m, Women"));
        m_dubois->SetReactionTime(VRaceTime::FromMilliseconds(142));
        m_dubois->SetPower(1830);
        QVResult *b = m_event.Leg(0)->Results()->NewResult();
        b->SetLastName(KString(L"O\"Neill"));
        b->SetTextField(QVResult::kAffiliation, KString(L"Dublin, AC"));
    }
    // The peer listens on the port and the link is set to connect to it.
    void Listen(KTCPSocket &peer, int port)
    {
        peer.Open(LoopbackDescription(-2, port));
        SetLinkPort(-1, port);
    }
    // The peer listens on the port and the link's next tick connects to it;
    // false when the link did not come.
    bool Connected(KTCPSocket &peer, int port)
    {
        Listen(peer, port);
        m_event.ServeResultsRequests();
        return peer.Accept(2000);
    }
    // The peer sends bytes; the link then has three idle ticks to answer.
    void Ask(KTCPSocket &peer, const std::string &bytes)
    {
        Send(peer, bytes);
        KSleep(50);
        for (int tick = 0; tick < 3; ++tick)
            m_event.ServeResultsRequests();
    }
};

} // namespace

TEST_F(QVResultsLinkTest, RequestIsAnsweredWithTheResultsWithinThreeIdleTicks)
{
    KTCPSocket peer;
    ASSERT_TRUE(Connected(peer, FreeLoopbackPort()));
    Ask(peer, "RRQ,1,01,2\r\n");
    std::string reply = ReadLines(peer, 3, 2000);
    EXPECT_EQ(reply, "RRP,2\r\n"
                     "RESULT,1,1,2,201,,Dubois,Claire,,0.142,,1830,0,0\r\n"
                     "RESULT,1,2,,,,\"O\"\"Neill\",,\"Dublin, AC\",,,,0,0\r\n");

    Ask(peer, "RRQ,1,1,3\r\nRRQ,1,1,2,2\r\n");   // unknown heat; a leg the document lacks
    EXPECT_EQ(ReadLines(peer, 2, 2000), "RNR\r\nRNR\r\n");
}

TEST_F(QVResultsLinkTest, ALegThatIsNoNumberIsAnsweredRNR)
{
    KTCPSocket peer;
    ASSERT_TRUE(Connected(peer, FreeLoopbackPort()));
    Ask(peer, "RRQ,1,1,2,x\r\nRRQ,1,1,2,1x\r\nRRQ,1,1,2, 1 \r\n");
    std::string replies = ReadLines(peer, 5, 2000);
    EXPECT_EQ(replies.substr(0, 10), "RNR\r\nRNR\r\n");
    EXPECT_EQ(replies.substr(10, 7), "RRP,2\r\n");   // blanks around a number are no fault
}

TEST_F(QVResultsLinkTest, ControlCharactersFromAPeerAreLoggedEscaped)
{
    KTestApplication app;
    KLog log;
    KSetProgramLog(&log);
    KTCPSocket peer;
    ASSERT_TRUE(Connected(peer, FreeLoopbackPort()));
    const char request[] = "HELLO\x1B[2J\x00\tX\x7F\x07!\r\n";
    Ask(peer, std::string(request, sizeof request - 1));
    KSetProgramLog(nullptr);
    const std::string text = ReadWholeFile(log.Path().CStr());
    EXPECT_NE(std::string::npos, text.find("results link: ignored HELLO\\x1B[2J\\x00\tX\\x7F\\x07!\r\n"))
        << text;
}

// Also with the longest acknowledge time-out the setting takes, which the
// wait must not overflow into a time-out already past.
TEST_F(QVResultsLinkTest, HandOverIsAcknowledgedByTheRecipientAtAnyTimeout)
{
    for (int32_t timeout : {3000, INT32_MAX}) {
        KString setting(L"\\Database\\Serial\\LongTimeout:Int=");
        m_settings.Parse(setting.AppendInt(timeout));
        KTCPSocket peer;
        Listen(peer, FreeLoopbackPort());
        std::string received;
        std::thread recipient([&] {
            if (!peer.Accept(5000))
                return;
            received = ReadLines(peer, 6, 4000);   // the RFL line and the file's five lines
            Send(peer, "ROK\r\n");
        });
        int32_t code = m_event.SendResults();
        recipient.join();
        EXPECT_EQ(code, 0) << "LongTimeout " << timeout;
        EXPECT_EQ(QVResultsLink::Instance().LastHandOver(), QVResultsLink::kSent);
        std::string file = m_folder.ReadFile(L"1-1-2.qit");
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(received, "RFL,1-1-2.qit," + std::to_string(file.size()) + "\r\n" + file);
        EXPECT_EQ(file.substr(0, 33), "QIT,1\r\nEVENT,1,1,2,\"60 m, Women\",");
        EXPECT_NE(file.find("\r\nEND,2\r\n"), std::string::npos);
    }
}

TEST_F(QVResultsLinkTest, HandOverWithoutAcknowledgeAnswers35001)
{
    m_settings.Parse(L"\\Database\\Serial\\LongTimeout:Int=300");
    KTCPSocket peer;
    Listen(peer, FreeLoopbackPort());
    std::thread silent([&] {
        if (peer.Accept(5000))
            ReadLines(peer, 6, 1500);
    });
    int32_t code = m_event.SendResults();
    silent.join();
    EXPECT_EQ(code, kErrSendResults);
    EXPECT_EQ(QVResultsLink::Instance().LastHandOver(), QVResultsLink::kNotAcknowledged);
    EXPECT_FALSE(m_folder.ReadFile(L"1-1-2.qit").empty());
}

TEST_F(QVResultsLinkTest, LinkWithoutAddressIsNotConfiguredButTheFileIsWritten)
{
    int32_t start = KTickCount();
    EXPECT_EQ(m_event.SendResults(), kErrSendResults);
    EXPECT_LT(KTickElapsed(start), 1000);
    EXPECT_EQ(QVResultsLink::Instance().LastHandOver(), QVResultsLink::kNotConfigured);
    EXPECT_FALSE(QVResultsLink::Instance().IsOpen());
    EXPECT_FALSE(m_folder.ReadFile(L"1-1-2.qit").empty());
    EXPECT_FALSE(QVResultsLink::IsConfigured(KString(L"-1,0.0.0.0,1950")));
    EXPECT_FALSE(QVResultsLink::IsConfigured(KString(L"0,9600,8,N,1.0")));
    EXPECT_FALSE(QVResultsLink::IsConfigured(KString(L"-1,10.0.0.2,0")));
    EXPECT_TRUE(QVResultsLink::IsConfigured(KString(L"-2,,1950")));
    EXPECT_TRUE(QVResultsLink::IsConfigured(KString(L"3,9600,8,N,1.0")));
}

TEST_F(QVResultsLinkTest, UnwritableOutputFolderAnswers33002)
{
    KString missing(L"\\Database\\File\\DataOutDir:String=");
    missing.Append(m_folder.File(L"no such folder\\"));
    m_settings.Parse(missing);
    EXPECT_EQ(m_event.SendResults(), kErrWriteQifFile);

    m_folder.WriteFile(L"plain", "a regular file");
    KString file(L"\\Database\\File\\DataOutDir:String=");
    file.Append(m_folder.File(L"plain"));
    m_settings.Parse(file);
    EXPECT_EQ(m_event.SendResults(), kErrWriteQifFile);
    EXPECT_EQ(m_folder.ReadFile(L"plain"), "a regular file");
}

TEST_F(QVResultsLinkTest, DocumentWithoutNumbersIsHandedOverOnlyWhenTheCheckIsIgnored)
{
    QVEvent workout;
    ASSERT_EQ(workout.Initialize(QVEvent::kInitNew), 0);
    m_settings.Parse(L"\\Database\\QIF\\IgnoreERHCheck:Bool=0");
    EXPECT_EQ(workout.SendResults(), kErrSendResults);
    EXPECT_EQ(QVResultsLink::Instance().LastHandOver(), QVResultsLink::kNotNumbered);
    EXPECT_TRUE(m_folder.ReadFile(L"results.qit").empty());
    m_settings.Parse(L"\\Database\\QIF\\IgnoreERHCheck:Bool=1");
    workout.SendResults();
    EXPECT_FALSE(m_folder.ReadFile(L"results.qit").empty());
}

TEST(QVResultsFile, TimesAreSecondsWithThreeDecimals)
{
    KString text;
    QVResultsFile::AppendMilliseconds(text, 142);
    text.AppendChar(L' ');
    QVResultsFile::AppendMilliseconds(text, -12);
    text.AppendChar(L' ');
    QVResultsFile::AppendMilliseconds(text, 61005);
    EXPECT_EQ(text, L"0.142 -0.012 61.005");
}

TEST_F(QVResultsLinkTest, TheEventLineGivesTheDateAndTimeZeroPaddedAndLeavesUnsetPartsEmpty)
{
    const auto eventLine = [this] {
        KString text;
        QVResultsFile::Format(m_event, text);
        std::wstring all(text.CStr());
        const size_t start = all.find(L"EVENT,");
        return all.substr(start, all.find(L'\n', start) - start);
    };
    m_event.SetDateTime(KDateTime(2026, 3, 7, 9, 5, 3));
    EXPECT_EQ(eventLine(), L"EVENT,1,1,2,\"60 m, Women\",2026-03-07,09:05:03");
    m_event.SetDateTime(KDateTime(2026, 12, 31));
    EXPECT_EQ(eventLine(), L"EVENT,1,1,2,\"60 m, Women\",2026-12-31,");
}

// Names the 8-bit code page lacks letters of, more than any small memory
// of lines would hold: the 8-bit results file (saved three times) and the
// link's answers (asked three times) each say every such line once in the
// log, with the setting that keeps every character; the Unicode results
// file keeps them whole.
TEST_F(QVResultsLinkTest, NamesOutsideTheCodePageAreLoggedOnceEachInEightBitTextAndKeptWholeInUnicode)
{
    constexpr int kLossyNames = 300;
    KTestApplication app;
    KLog log;
    KSetProgramLog(&log);
    m_dubois->SetLastName(KString(L"\u0141ukasiewicz"));
    m_dubois->SetFirstName(KString(L"W\u0142adys\u0142aw"));
    for (int i = 1; i < kLossyNames; ++i) {
        KString last(L"\u0141ukasz");
        last.AppendIntFormat(i, L"%03d");
        QVResult *r = m_event.Leg(0)->Results()->NewResult();
        r->SetLastName(last);
    }
    for (int saved = 0; saved < 3; ++saved)   // a file saved again is not said again
        m_event.SendResults();
    m_settings.Parse(L"\\Database\\File\\CharModeVIF:Int=1");
    m_event.SendResults();
    const std::string file = m_folder.ReadFile(L"1-1-2.qit");
    KTCPSocket peer;
    ASSERT_TRUE(Connected(peer, FreeLoopbackPort()));
    for (int asked = 0; asked < 3; ++asked) {   // a peer that asks again is not said again
        Ask(peer, "RRQ,1,1,2\r\n");
        EXPECT_EQ(ReadLines(peer, kLossyNames + 2, 5000).find("RESULT,1,1,2,201,,?ukasiewicz,W?adys?aw,"), 9u);
    }
    KSetProgramLog(nullptr);

    const std::string text = ReadWholeFile(log.Path().CStr());
    const std::string name = "\xC5\x81" "ukasiewicz,W\xC5\x82" "adys\xC5\x82" "aw";   // UTF-8
    EXPECT_EQ(CountOf(text, name), 2);
    int notTwice = 0;
    for (int i = 1; i < kLossyNames; ++i) {
        char last[16];
        std::snprintf(last, sizeof last, "\xC5\x81ukasz%03d,", i);
        notTwice += CountOf(text, last) != 2;
    }
    EXPECT_EQ(notTwice, 0);
    EXPECT_EQ(CountOf(text, "1-1-2.qit: characters the 8-bit code page lacks"), kLossyNames);
    EXPECT_EQ(CountOf(text, "results link: answer: characters the 8-bit code page lacks"), kLossyNames);
    EXPECT_EQ(CountOf(text, "\\Database\\File\\CharModeVIF=1"), size_t(2 * kLossyNames));
    EXPECT_EQ(CountOf(text, "O\"\"Neill"), 0u) << "a name the code page holds";
    const std::wstring wide(reinterpret_cast<const wchar_t *>(file.data()), file.size() / 2);
    EXPECT_EQ(wide.find(L"\uFEFFQIT,1\r\n"), 0u);
    EXPECT_NE(wide.find(L",\u0141ukasiewicz,W\u0142adys\u0142aw,"), std::wstring::npos);
}
