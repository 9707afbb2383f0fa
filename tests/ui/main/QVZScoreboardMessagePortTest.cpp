// The scoreboard message from the main window to a board's real COM port:
// the board sends on end A of a port pair, the test listens on end B.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "domain/scoreboards/QVScoreboards.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZString.h"
#include "support/ComPortPair.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/common/QVZDialogCommands.h"
#include "ui/main/QVZScoreboardMessage.h"
#include "ui/main/QVZScoreboardMessageDialog.h"
#include "ui/support/MainWindowTest.h"

namespace {

// Each output framed so that the test can tell where one ends.
const char kScript[] = "; test board\r\n"
                       "[Message]\r\n"
                       "<{TEXT}>\\r\r\n"
                       "[Clear]\r\n"
                       "CLEAR\\r\r\n";

KString Port(int number)
{
    return KString(ComPortPair::Description(number, L"9600,8,N,1.0").c_str());
}

class ScoreboardOnPort : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        pair = ComPortPair::SecondFromEnvironment();
        if (!pair.HasPort() || !pair.HasPeerPort())
            GTEST_SKIP() << "needs the second COM port pair: run through ctest";
        WriteBytes(scratch.PathOf(L"board.vss"), kScript);
        registry->GetString(L"\\Database\\File\\DataInDir")->SetValue(KString(scratch.Folder().c_str()));
        KRGroup *group = QVScoreboards::AddGroup();
        ASSERT_NE(nullptr, group);
        group->GetString(L"Script")->SetValue(KString(L"board.vss"));
        group->GetString(L"SerialPort")->SetValue(Port(pair.port));
        peer.SetReadEncoding(0);
        peer.SetReadLineEnd(0);
        ASSERT_TRUE(peer.Open(Port(pair.peerPort)));
        boards = std::make_unique<QVScoreboards>();
        VZApplication::PublishScoreboards(boards.get());
        ASSERT_EQ("CLEAR\r", CollectFromPort(peer, 3000, "\r"));   // the board starts with nothing to show
    }
    void TearDown() override
    {
        VZApplication::PublishScoreboards(nullptr);
        boards.reset();
        peer.Close();
        MainWindowTest::TearDown();
    }

    ComPortPair pair;
    KSerialPort peer;
    std::unique_ptr<QVScoreboards> boards;
};

} // namespace

TEST_F(ScoreboardOnPort, SendInTheEditorPutsTheTextOnTheBoardAndTheEditorStaysOpen)
{
    std::string sent;
    bool openAfterSend = false;
    std::function<void()> edit = [&] {
        ZafWindow *dialog = OpenWindowOf<QVZScoreboardMessageDialog>();
        if (!dialog) {
            WhileModal(edit);   // not up yet
            return;
        }
        FieldsOf<KZString>(dialog).front()->SetText(L"Final call 100 m");
        PressButton(dialog, kCmdScoreboardMessageSend);
        WhileModal([&, dialog] {
            openAfterSend = OpenWindowOf<QVZScoreboardMessageDialog>() == dialog;
            sent = CollectFromPort(peer, 3000, "\r");
            PressButton(dialog, kDialogCancel);
        });
    };
    WhileModal(edit);
    control->Event(ZafEventStruct(kCmdScoreboardEditMessage, 0));
    EXPECT_TRUE(openAfterSend);
    EXPECT_EQ("<Final call 100 m>\r", sent);
    EXPECT_EQ(std::wstring(L"Final call 100 m"), control->ScoreboardMessage().Text().CStr());   // kept after Cancel

    // Send message with an empty text takes the message off: the board shows
    // what it showed before.
    control->ScoreboardMessage().SetText(KString());
    control->Event(ZafEventStruct(kCmdScoreboardSendMessage, 0));
    EXPECT_EQ("CLEAR\r", CollectFromPort(peer, 3000, "\r"));
}
