#include "ResultsLinkTest.h"

#include "domain/results/QVResults.h"
#include "domain/resultslink/QVResultsLink.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "foundation/comm/KSocket.h"
#include "support/FreePort.h"

void ResultsLinkTest::SetUp()
{
    ASSERT_TRUE(KSocketStartup());
    KString out(L"\\Database\\File\\DataOutDir:String=");
    out.Append(m_folder.Path());
    m_settings.Parse(out);
    m_settings.Parse(L"\\Database\\Serial\\LongTimeout:Int=3000");
    QVSetSettings(&m_settings);
    ASSERT_EQ(m_event.Initialize(QVEvent::kInitNew), 0);
    m_event.SetEventRoundHeat(KString(L"1"), KString(L"1"), KString(L"2"));
    m_dubois = m_event.Leg(0)->Results()->NewResult();
    m_dubois->SetLastName(KString(L"Dubois"));
    m_dubois->SetFirstName(KString(L"Claire"));
    m_dubois->SetTextField(QVResult::kLane, KString(L"2"));
    m_dubois->SetTextField(QVResult::kIdentity, KString(L"201"));
}

void ResultsLinkTest::TearDown()
{
    QVResultsLink::Shutdown();
    QVSetSettings(nullptr);
    KSocketCleanup();
}

void ResultsLinkTest::SetLinkPort(int kind, int port)
{
    m_settings.Parse(KString(L"\\Database\\QIF\\SerialPort:String=").Append(LoopbackDescription(kind, port)));
}

void Send(KTCPSocket &peer, const std::string &text)
{
    peer.Write(text.data(), int32_t(text.size()));
}
