// Firmware and sound upload through the monitor dialogue of a simulated unit.
#include "QVUnitLinkFixture.h"


#include "domain/blocksensors/QVBlockSensorFiles.h"
#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/blocksensors/QVUnitCrc.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/support/TestStreams.h"
#include "support/TestBytes.h"

namespace
{
std::string Wave(size_t size, unsigned seed) { return WaveFileBytes(size, seed); }

std::vector<uint8_t> Vector(const std::string &bytes) { return std::vector<uint8_t>(bytes.begin(), bytes.end()); }

// Answers the sound dialog with scripted names and counts the questions.
class FakeSoundFiles : public QVBlockSensorFiles
{
public:
    FakeSoundFiles() { Install(this); }
    ~FakeSoundFiles() override { Install(nullptr); }
    bool ChooseSounds(KString &onMarks, KString &set, KString &gun, bool gunAudio, bool) override
    {
        ++asked;
        offeredGun = gunAudio;
        if (cancel)
            return false;
        onMarks = names[0];
        set = names[1];
        gun = names[2];
        return true;
    }
    KString names[3];
    bool cancel = false;
    bool offeredGun = false;
    int asked = 0;
};

// A firmware image of random bytes in a scratch folder; the open-file dialog
// answers its path while this lives.
class OfferedFirmware
{
public:
    OfferedFirmware(size_t size, unsigned seed)
    {
        m_folder.WriteFile(L"unit.img", RandomBytes(size, seed));
        KFile::SetDialogHook([this](int, KFile &file, const KString &, const KString &) {
            ++asked;
            file.SetFullName(m_folder.File(L"unit.img"));
            return 0;
        });
    }
    ~OfferedFirmware() { KFile::SetDialogHook(nullptr); }
    std::vector<uint8_t> Image() const { return Vector(m_folder.ReadFile(L"unit.img")); }
    int asked = 0;

private:
    ScratchFolder m_folder;
};
} // namespace

class MonitorUpload : public UnitLinkTest
{
protected:
    // "G" reaches the unit a moment after the upload returns.
    void WaitForRestarts(int count)
    {
        for (int wait = 0; wait < 200 && unit->Restarts() < count; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // The user switches the unit off and on again; it prompts after delayMs.
    void Restart(int delayMs)
    {
        unit->PowerOff();
        unit->PowerOn(delayMs);
    }
    // A unit behind the port that the menu commands open themselves.
    void ServeForMenu(QVBlockSensors &link, int delayMs)
    {
        Serve(unitsim::Config::BlockSensor());
        port->Close();
        link.Settings().portDescription = Description().c_str();
        Restart(delayMs);
    }
    // Sound files in the folder, offered by the sound dialog in that order.
    static void OfferSounds(ScratchFolder &folder, FakeSoundFiles &files, std::vector<const wchar_t *> names)
    {
        for (size_t i = 0; i < names.size(); ++i)
        {
            folder.WriteFile(names[i], Wave(300 + 200 * i, unsigned(i + 1)));
            files.names[i] = folder.File(names[i]);
        }
    }
};

TEST_F(MonitorUpload, FirmwareImageArrivesByteIdenticalAfterPowerOn)
{
    Serve(unitsim::Config::BlockSensor());
    Restart(400);   // the user switches the unit on a little later
    std::vector<uint8_t> image = Vector(RandomBytes(100 * 1024, 7));
    QVBlockSensors link;
    ASSERT_NO_THROW(link.UploadFirmware(*port, image));
    EXPECT_TRUE(unit->Firmware() == image);
    // "G" restarted the unit into its frames again.
    WaitForRestarts(1);
    EXPECT_EQ(1, unit->Restarts());
    EXPECT_EQ(int32_t(kDeviceBlockSensor), link.GetDeviceType(*port));
}

TEST_F(MonitorUpload, UpdateFirmwareChoosesTheImageOnlyOnTheFirstPass)
{
    OfferedFirmware dialog(3000, 11);
    QVBlockSensors link;
    ServeForMenu(link, 300);
    ASSERT_TRUE(link.UpdateFirmware(true));
    EXPECT_EQ(1, dialog.asked);
    EXPECT_TRUE(unit->Firmware() == dialog.Image());
    WaitForRestarts(1);

    Restart(300);
    ASSERT_TRUE(link.UpdateFirmware(false));
    EXPECT_EQ(1, dialog.asked);
    WaitForRestarts(2);
    EXPECT_EQ(2, unit->Restarts());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ui.messages.empty());
}

// Escape midway: the upload ends at once without a message, the unit keeps
// the firmware it had and takes the next image whole.
TEST_F(MonitorUpload, UpdateStoppedMidwayLeavesTheUnitsFirmwareAndTheNextArrivesWhole)
{
    OfferedFirmware dialog(64 * 400, 13);
    QVBlockSensors link;
    ServeForMenu(link, 200);
    unit->ClearTranscript();
    ui.stopAt = 50;
    EXPECT_FALSE(link.UpdateFirmware(true));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(1, ui.begun);
    EXPECT_EQ(1, ui.ended);
    ASSERT_FALSE(ui.percents.empty());
    EXPECT_EQ(-1, ui.percents.front()) << "the wait for the prompt";
    EXPECT_EQ(50, ui.percents.back());
    // Nothing went out after the stop: neither the end of the transfer nor the restart.
    size_t dataLines = 0;
    for (const unitsim::Record &record : unit->Transcript())
    {
        EXPECT_NE("E", record.text);
        EXPECT_NE("G", record.text);
        dataLines += record.text.compare(0, 2, "D ") == 0 ? 1 : 0;
    }
    EXPECT_EQ(200u, dataLines);
    EXPECT_TRUE(unit->Firmware().empty()) << "the unit took half an image";

    // The user switches the unit off and on and sends the image again.
    ui.stopAt = -1;
    Restart(200);
    EXPECT_TRUE(link.UpdateFirmware(false));
    EXPECT_TRUE(unit->Firmware() == dialog.Image());
    EXPECT_EQ(2, ui.ended);
}

TEST_F(MonitorUpload, RefusedDataLineFailsTheUpdateWithTheUnitsText)
{
    OfferedFirmware dialog(1000, 3);
    QVBlockSensors link;
    ServeForMenu(link, 100);
    unit->FailDataLine(3);
    EXPECT_FALSE(link.UpdateFirmware(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_NE(std::string::npos, ui.messages[0].find("bad data"));
    EXPECT_TRUE(unit->Firmware().empty());
}

TEST_F(MonitorUpload, UnitThatNeverPromptsTimesOut)
{
    Serve(unitsim::Config::BlockSensor());
    unit->PowerOff();
    QVBlockSensors link;
    link.Settings().longTimeout = 700;
    try
    {
        link.UploadFirmware(*port, std::vector<uint8_t>(100, 1));
        FAIL() << "the upload went through without a unit";
    }
    catch (const KX &error)
    {
        EXPECT_EQ(kErrSerialTimeout, error.Code());
    }

    // From the menu: the error names the port and unit and says what to check.
    OfferedFirmware dialog(100, 5);
    link.Settings().portDescription = Description().c_str();
    link.Settings().unitName = L"Lane 1";
    port->Close();
    EXPECT_FALSE(link.UpdateFirmware(true));
    ASSERT_EQ(std::vector<int32_t>{kErrSerialTimeout}, ui.errors);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_NE(std::string::npos, ui.messages[0].find(" (Lane 1)\nThe unit did not answer: is it switched on")) << ui.messages[0];
}

TEST_F(MonitorUpload, UpdateWithoutAPortSaysNoPortSelected)
{
    OfferedFirmware dialog(100, 5);
    QVBlockSensors link;
    link.Settings().portDescription = L"0,19200,8,N,1.0";
    EXPECT_FALSE(link.UpdateFirmware(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("No COM port has been selected", ui.messages[0]);
}

TEST_F(MonitorUpload, LoadAudioSendsTheChosenSoundsAndReusesThem)
{
    ScratchFolder folder;
    FakeSoundFiles files;
    OfferSounds(folder, files, {L"marks.wav", L"set.wav"});
    QVBlockSensors link;
    ServeForMenu(link, 200);
    ASSERT_TRUE(link.LoadAudio(true));
    EXPECT_EQ(1, files.asked);
    EXPECT_FALSE(files.offeredGun);   // no "-gunaudio"
    EXPECT_TRUE(unit->Sound(0) == Vector(folder.ReadFile(L"marks.wav")));
    EXPECT_TRUE(unit->Sound(1) == Vector(folder.ReadFile(L"set.wav")));
    EXPECT_TRUE(unit->Sound(2).empty());
    EXPECT_TRUE(link.Settings().soundNames[0] == folder.File(L"marks.wav"));
    WaitForRestarts(1);

    Restart(200);
    ASSERT_TRUE(link.LoadAudio(false));
    EXPECT_EQ(1, files.asked);
}

TEST_F(MonitorUpload, LoadAudioWithGunAudioSendsTheGunSound)
{
    KTestApplication application;
    application.AddArgument(L"-gunaudio");
    ScratchFolder folder;
    FakeSoundFiles files;
    OfferSounds(folder, files, {L"marks.wav", L"set.wav", L"gun.wav"});
    QVBlockSensors link;
    ServeForMenu(link, 100);
    ASSERT_TRUE(link.LoadAudio(true));
    EXPECT_TRUE(files.offeredGun);
    EXPECT_TRUE(unit->Sound(2) == Vector(folder.ReadFile(L"gun.wav")));
}

TEST_F(MonitorUpload, LoadAudioRefusesCancelMissingFilesAndFilesThatAreNoSound)
{
    ScratchFolder folder;
    folder.WriteFile(L"notes.txt", "not a sound at all");
    FakeSoundFiles files;
    files.cancel = true;
    QVBlockSensors link;
    link.Settings().portDescription = L"0,19200,8,N,1.0";
    EXPECT_FALSE(link.LoadAudio(true));
    EXPECT_TRUE(ui.messages.empty());

    files.cancel = false;
    files.names[0] = folder.File(L"notes.txt");
    EXPECT_FALSE(link.LoadAudio(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_NE(std::string::npos, ui.messages[0].find("notes.txt\r\nIt is no WAV file")) << ui.messages[0];

    // A sound that is not there: the system's file error, naming the file.
    ui.messages.clear();
    files.names[0] = folder.File(L"gone.wav");
    EXPECT_FALSE(link.LoadAudio(true));
    EXPECT_EQ(std::vector<int32_t>{kErrFileOpen}, ui.errors);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_NE(std::string::npos, ui.messages[0].find("gone.wav\n")) << ui.messages[0];
}

TEST_F(MonitorUpload, ChosenSoundNamesAreKeptInTheSettings)
{
    KRegistry registry;
    QVSetSettings(&registry);
    ScratchFolder folder;
    FakeSoundFiles files;
    OfferSounds(folder, files, {L"marks.wav", L"set.wav"});
    Serve(unitsim::Config::BlockSensor());
    port->Close();
    registry.Parse(KString(L"\\SerialPorts\\1\\SerialPort:String=").Append(Description().c_str()));
    registry.Parse(L"\\SerialPorts\\1\\Name:String=Lane 1");
    Restart(100);
    QVBlockSensors link;
    bool loaded = link.LoadAudio(true);
    QVSetSettings(nullptr);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(registry.GetText(L"\\Hardware\\BlockSensor\\OnMarkFName") == folder.File(L"marks.wav"));
    EXPECT_TRUE(registry.GetText(L"\\Hardware\\BlockSensor\\SetFName") == folder.File(L"set.wav"));
    EXPECT_TRUE(unit->Sound(1) == Vector(folder.ReadFile(L"set.wav")));
}

TEST_F(MonitorUpload, SimulatedUnitWritesReceivedFilesAndItsTranscript)
{
    ScratchFolder folder;
    std::string path;
    for (int i = 0; i < folder.Path().Length(); ++i)
        path += char(folder.Path()[i]);
    path.pop_back();   // the trailing separator
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.outputDir = path;
    config.transcriptFile = path + "\\transcript.log";
    Serve(config);
    QVBlockSensors link;
    EXPECT_EQ(int32_t(kDeviceBlockSensor), link.GetDeviceType(*port));
    Restart(100);
    std::vector<uint8_t> image = Vector(RandomBytes(1000, 9));
    ASSERT_NO_THROW(link.UploadFirmware(*port, image));
    EXPECT_TRUE(Vector(folder.ReadFile(L"firmware.img")) == image);
    std::string transcript = folder.ReadFile(L"transcript.log");
    EXPECT_NE(std::string::npos, transcript.find(">> dst=000 cmd=00000001 seq="));
    EXPECT_NE(std::string::npos, transcript.find("<< dst=100 cmd=80000001 seq="));
    EXPECT_NE(std::string::npos, transcript.find(">> F 1000 "));
}

// A unit that ends a transfer with "DONE <crc>" and no new prompt: the
// transfer counts at once, and the next one and the unit's frames follow.
TEST_F(MonitorUpload, DoneWithoutAPromptIsASuccess)
{
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.promptAfterDone = false;
    Serve(config);
    Restart(100);
    QVBlockSensors link;
    link.Settings().longTimeout = 5000;
    std::vector<uint8_t> marks = Vector(Wave(700, 1)), set = Vector(Wave(300, 2));
    auto start = std::chrono::steady_clock::now();
    ASSERT_NO_THROW(link.UploadSound(*port, kSoundOnMarks, marks, true));
    ASSERT_NO_THROW(link.UploadSound(*port, kSoundSet, set, false));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5000));
    EXPECT_TRUE(unit->Sound(0) == marks);
    EXPECT_TRUE(unit->Sound(1) == set);

    std::vector<uint8_t> image = Vector(RandomBytes(500, 4));
    Restart(100);
    ASSERT_NO_THROW(link.UploadFirmware(*port, image));
    EXPECT_TRUE(unit->Firmware() == image);
    WaitForRestarts(1);
    EXPECT_EQ(int32_t(kDeviceBlockSensor), link.GetDeviceType(*port));
}
