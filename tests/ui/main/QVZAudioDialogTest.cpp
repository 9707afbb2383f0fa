// The sound-file dialog on a real window, reached as the block-sensor link
// reaches it: through the chooser that Startup installs.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "domain/blocksensors/QVBlockSensorFiles.h"
#include "foundation/strings/KString.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/main/QVZAudioDialog.h"

namespace {

class AudioDialog : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        QVZAudioDialog::Startup();
    }
    void TearDown() override
    {
        QVZAudioDialog::Shutdown();
        ToolkitTest::TearDown();
    }
    // Runs the installed chooser; inside its dialog, the fields it shows are
    // recorded, the last one gets text and the button with result is pressed.
    bool Choose(KString names[3], bool gunAudio, const wchar_t *text, int32_t result)
    {
        QVBlockSensorFiles *files = QVBlockSensorFiles::Installed();
        if (!files)
            return false;
        WhileModal([&] {
            ZafWindow *dialog = FrontWindow();
            shown = FieldsOf<KZString>(dialog).size();
            FieldsOf<KZString>(dialog).back()->SetText(text);
            PressButton(dialog, result);
        });
        return files->ChooseSounds(names[0], names[1], names[2], gunAudio, false);
    }
    size_t shown = 0;
};

} // namespace

TEST_F(AudioDialog, OkKeepsTheEditedNamesAndTheGunRowShowsOnlyWithGunAudio)
{
    KString names[3] = { KString(L"C:\\marks.wav"), KString(L"C:\\set.wav"), KString(L"C:\\gun.wav") };
    EXPECT_TRUE(Choose(names, true, L"D:\\bang.wav", kDialogOk));
    EXPECT_EQ(3u, shown);
    EXPECT_STREQ(L"C:\\marks.wav", names[0].CStr());
    EXPECT_STREQ(L"D:\\bang.wav", names[2].CStr());

    EXPECT_TRUE(Choose(names, false, L"D:\\ready.wav", kDialogOk));
    EXPECT_EQ(2u, shown);
    EXPECT_STREQ(L"D:\\ready.wav", names[1].CStr());
    EXPECT_STREQ(L"D:\\bang.wav", names[2].CStr()) << "the hidden gun row keeps its name";
}

TEST_F(AudioDialog, CancelAnswersFalseAndLeavesTheNames)
{
    KString names[3] = { KString(L"C:\\marks.wav"), KString(L"C:\\set.wav"), KString() };
    EXPECT_FALSE(Choose(names, false, L"D:\\other.wav", kDialogCancel));
    EXPECT_STREQ(L"C:\\set.wav", names[1].CStr());
    QVZAudioDialog::Shutdown();
    EXPECT_EQ(nullptr, QVBlockSensorFiles::Installed());
}
