#include "domain/scoreboards/QVScoreboard.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

class QVScoreboardsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KString in(L"\\Database\\File\\DataInDir:String=");
        in.Append(m_folder.Path());
        m_settings.Parse(in);
        m_settings.Parse(L"\\Scoreboards\\Boot:Bool=1");
        QVSetSettings(&m_settings);
    }
    void TearDown() override { QVSetSettings(nullptr); }

    ScratchFolder m_folder;
    KRegistry m_settings;
};

} // namespace

TEST_F(QVScoreboardsTest, BootOffOrNoBoardMakesNoScoreboardsAndNoThread)
{
    EXPECT_EQ(QVScoreboards::Create(), nullptr);   // no board group
    ASSERT_NE(QVScoreboards::AddGroup(), nullptr);
    m_settings.Parse(L"\\Scoreboards\\Boot:Bool=0");
    EXPECT_EQ(QVScoreboards::Create(), nullptr);
    EXPECT_EQ(QVScoreboards::RunningWorkers(), 0);
}

TEST_F(QVScoreboardsTest, AddGroupTakesTheNextFreeNumberWithTheDefaults)
{
    m_settings.Parse(L"\\Strings\\Scoreboards\\DefaultName:String=Anzeige");
    KRGroup *first = QVScoreboards::AddGroup();
    KRGroup *second = QVScoreboards::AddGroup();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Name(), L"1");
    EXPECT_EQ(second->Name(), L"2");
    EXPECT_EQ(second->GetText(L"Name"), L"Anzeige");
    EXPECT_EQ(second->GetText(L"SerialPort"), L"0,9600,8,N,1.0");
    QVScoreboards::ListScripts();   // the script list is a group too, but no board
    EXPECT_EQ(QVScoreboards::GroupCount(), 2);
    EXPECT_EQ(QVScoreboards::GroupAt(1), second);
    EXPECT_EQ(QVScoreboards::GroupAt(2), nullptr);
}

TEST_F(QVScoreboardsTest, ScriptListNamesEveryScriptFileAndIsNotSaved)
{
    m_folder.WriteFile(L"clock.vss", "[TimeOfDay]\n{TIME}");
    m_folder.WriteFile(L"results.vss", "[Results]\n{NAME}");
    m_folder.WriteFile(L"notes.txt", "not a script");
    QVScoreboards::ListScripts();
    std::set<std::wstring> names;
    for (KRString *s = QVScoreboards::NextScript(nullptr); s; s = QVScoreboards::NextScript(s))
        names.insert(s->GetValue().CStr());
    EXPECT_EQ(names, (std::set<std::wstring>{L"clock.vss", L"results.vss"}));
    EXPECT_FALSE(m_settings.GetGroup(L"\\Scoreboards\\Scripts")->IsSaved());
    QVScoreboards::ForgetScripts();
    EXPECT_EQ(QVScoreboards::NextScript(nullptr), nullptr);
}

TEST_F(QVScoreboardsTest, BoardIsTheContextOfItsPortSettingAndItsWorkerEndsWithIt)
{
    KRGroup *group = QVScoreboards::AddGroup();
    group->GetString(L"Script")->SetValue(KString(L"missing.vss"));
    std::unique_ptr<QVScoreboards> boards(QVScoreboards::Create());
    ASSERT_NE(boards, nullptr);
    ASSERT_EQ(boards->BoardCount(), 1);
    QVScoreboard *board = boards->BoardAt(0);
    EXPECT_EQ(group->GetString(L"SerialPort")->ChangeContext(), board);
    EXPECT_FALSE(board->IsScriptLoaded());
    EXPECT_FALSE(board->IsPortOpen());   // port 0: no port chosen
    EXPECT_EQ(QVScoreboards::RunningWorkers(), 1);
    KRGroup *later = QVScoreboards::AddGroup();   // made after start-up: not loaded
    EXPECT_EQ(later->GetString(L"SerialPort")->ChangeContext(), nullptr);
    boards.reset();
    EXPECT_EQ(QVScoreboards::RunningWorkers(), 0);
}
