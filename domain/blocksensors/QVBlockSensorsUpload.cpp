// Firmware update and sound upload through the units' monitor dialogue.
#include "domain/blocksensors/QVBlockSensors.h"

#include "domain/blocksensors/QVBlockSensorFiles.h"
#include "domain/blocksensors/QVLinkTexts.h"
#include "domain/blocksensors/QVMonitorDialogue.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/blocksensors/QVWaveCheck.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"

namespace
{
constexpr uint32_t kUploadUsageBit = 0x100;   // the upload's bit in the shared port

// Thrown between two steps of an upload that the user stopped.
struct UploadStopped
{
};

// The step of an upload's monitor dialogue: the status line says what is
// sent and how far it got (key and percent), or that the program waits for
// the unit; the user interface lets the windows repaint, and an Escape
// stops the upload where it stands.
QVMonitorDialogue::Step UploadStep(const QVLinkTextKey &key)
{
    int lastPercent = -2;
    return [&key, lastPercent](size_t sent, size_t total) mutable {
        QVUserInterface *ui = QVUserInterface::Installed();
        if (!ui)
            return;
        int percent = total ? int(sent * 100 / total) : -1;
        if (percent != lastPercent)
        {
            lastPercent = percent;
            KString text;
            QVLinkText(total ? key : kTextWaitMonitor, text);
            if (total)
                text.AppendInt(percent).AppendChar(L'%');
            ui->WorkText(text);
        }
        if (!ui->Work(percent))
            throw UploadStopped();
    };
}

void Message(const QVLinkTextKey &key, const KString &detail)
{
    if (QVUserInterface *ui = QVUserInterface::Installed())
    {
        KString title, text;
        QVLinkText(kTextErrorTitle, title);
        QVLinkText(key, text);
        text.Append(detail);
        ui->ShowMessage(title, text);
    }
}

// The file that cannot be used, and on the next line why.
void RefuseFile(const KString &name, const QVLinkTextKey &why)
{
    KString text(name);
    text.Append(L"\r\n");
    QVLinkText(why, text);
    Message(kTextBadFile, text);
}

// Why a sound file is refused; none for a WAV file.
const QVLinkTextKey *WaveFault(const std::vector<uint8_t> &bytes)
{
    switch (QVCheckWave(bytes))
    {
    case QVWaveFault::kNone: return nullptr;
    case QVWaveFault::kNotWave: return &kTextWaveNotWave;
    case QVWaveFault::kHeaderCut: return &kTextWaveHeaderCut;
    case QVWaveFault::kNoFormat: return &kTextWaveNoFormat;
    case QVWaveFault::kBadFormat: return &kTextWaveBadFormat;
    case QVWaveFault::kDataUnsized: return &kTextWaveDataUnsized;
    case QVWaveFault::kNoData: return &kTextWaveNoData;
    case QVWaveFault::kDataPastEnd: return &kTextWaveDataPastEnd;
    }
    return &kTextWaveNotWave;
}

// The user interface's long operation from the opened port to its close.
class UploadWork
{
public:
    UploadWork()
    {
        KString text;
        QVLinkText(kTextWaitMonitor, text);
        if (QVUserInterface *ui = QVUserInterface::Installed())
            ui->BeginWork(text);
    }
    ~UploadWork()
    {
        if (QVUserInterface *ui = QVUserInterface::Installed())
            ui->EndWork();
    }
    UploadWork(const UploadWork &) = delete;
    UploadWork &operator=(const UploadWork &) = delete;
};

// Reads a whole file of 1 byte up to the largest image; false (with the
// message shown) when it cannot be opened or read or has no usable size.
bool ReadWholeFile(const KString &name, std::vector<uint8_t> &bytes)
{
    try
    {
        KFile file(name.CStr());
        file.Open(1);
        int64_t size = file.GetSize();
        if (size < 1 || size > kMonitorMaxImage)
        {
            RefuseFile(name, kTextFileSize);
            return false;
        }
        bytes.resize(size_t(size));
        file.ReadExact(bytes.data(), int32_t(size));
        file.Close();
        return true;
    }
    catch (const KX &error)
    {
        // Where the system said why it would not open the file, the box
        // says so as for any file the user chose.
        QVUserInterface *ui = QVUserInterface::Installed();
        if (error.Code() == kErrFileOpen && error.Extra() >= 0 && ui)
            ui->ShowFileError(error.Code(), error.Extra(), name);
        else
            RefuseFile(name, kTextFileUnreadable);
        return false;
    }
}
} // namespace

void QVBlockSensors::UploadFirmware(KSerialPort &port, const std::vector<uint8_t> &image)
{
    QVMonitorDialogue dialogue(port, m_settings.longTimeout);
    dialogue.SetStep(UploadStep(kTextSendFirmware));
    dialogue.WaitForPrompt();
    try
    {
        dialogue.Transfer("F", image);
    }
    catch (const KXSerialPort &)
    {
        m_unitText = dialogue.UnitText();
        throw;
    }
    dialogue.Restart();
}

void QVBlockSensors::UploadSound(KSerialPort &port, int slot, const std::vector<uint8_t> &sound, bool waitForPrompt)
{
    QVMonitorDialogue dialogue(port, m_settings.longTimeout);
    dialogue.SetStep(UploadStep(kTextSendSound));
    if (waitForPrompt)
        dialogue.WaitForPrompt();
    try
    {
        dialogue.Transfer("W " + std::to_string(slot), sound);
    }
    catch (const KXSerialPort &)
    {
        m_unitText = dialogue.UnitText();
        throw;
    }
}

bool QVBlockSensors::OpenUploadPort(KSerialPort &port)
{
    int32_t number = 0;
    KSerialPort::ParsePort(m_settings.portDescription, number);
    if (number < 1)
    {
        Message(kTextNoPort, KString());
        return false;
    }
    if (!port.Open(m_settings.portDescription))
    {
        if (QVUserInterface *ui = QVUserInterface::Installed())
            ui->ShowError(kErrSerialNotOpen, number);
        return false;
    }
    port.SetReadEncoding(KStream::kEncoding8Bit);
    port.SetWriteEncoding(KStream::kEncoding8Bit);
    port.SetReadLineEnd(KStream::kLineEndRaw);
    port.SetWriteLineEnd(KStream::kLineEndRaw);
    return true;
}

void QVBlockSensors::ShowUploadFailure(const KX &error)
{
    QVUserInterface *ui = QVUserInterface::Installed();
    if (!m_unitText.IsEmpty())
    {
        Message(kTextUnitRefused, m_unitText);
    }
    else if (error.Code() == kErrSerialTimeout && ui)
    {
        // Silent before its prompt or in the middle of the file: which unit
        // on which port, and what the user can do about it.
        int32_t number = 0;
        KSerialPort::ParsePort(m_settings.portDescription, number);
        KString about, why;
        QVSilentUnitText(number, m_settings.unitName, about, why);
        ui->ShowErrorAbout(error.Code(), error.Extra(), about, why);
    }
    else
    {
        ShowFailure(error);
    }
}

bool QVBlockSensors::UpdateFirmware(bool firstPass)
{
    LoadSettings();
    if (firstPass || m_settings.firmwareName.IsEmpty())
    {
        KFile file(m_settings.firmwareName.CStr());
        if (file.GetOpenFileName(KString(L"img")) < 0)
            return false;
        m_settings.firmwareName = file.FullName();
    }
    std::vector<uint8_t> image;
    if (!ReadWholeFile(m_settings.firmwareName, image))
        return false;

    return RunUpload([&](KSerialPort &port) { UploadFirmware(port, image); });
}

bool QVBlockSensors::LoadAudio(bool firstPass)
{
    LoadSettings();
    bool gunAudio = KFindOption(L"-gunaudio") != nullptr;
    if (firstPass)
    {
        QVBlockSensorFiles *files = QVBlockSensorFiles::Installed();
        if (!files)
            return false;
        KString names[3];
        for (int i = 0; i < 3; ++i)
            names[i] = m_settings.soundNames[i];
        if (!files->ChooseSounds(names[0], names[1], names[2], gunAudio, KFindOption(L"-devel") != nullptr))
            return false;
        for (int i = 0; i < 3; ++i)
            m_settings.soundNames[i] = names[i];
        SaveSoundNames();
    }

    // The sounds to send: on your marks and set, and the gun with "-gunaudio";
    // a slot without a file keeps the sound the unit has.
    std::vector<uint8_t> sounds[3];
    int slots = gunAudio ? 3 : 2;
    int count = 0;
    for (int slot = 0; slot < slots; ++slot)
    {
        const KString &name = m_settings.soundNames[slot];
        if (name.IsEmpty())
            continue;
        if (!ReadWholeFile(name, sounds[slot]))
            return false;
        if (const QVLinkTextKey *fault = WaveFault(sounds[slot]))
        {
            RefuseFile(name, *fault);
            return false;
        }
        ++count;
    }
    if (count == 0)
    {
        Message(kTextNoSound, KString());
        return false;
    }

    return RunUpload([&](KSerialPort &port) {
        bool first = true;
        for (int slot = 0; slot < slots; ++slot)
        {
            if (sounds[slot].empty())
                continue;
            UploadSound(port, slot, sounds[slot], first);
            first = false;
        }
        QVMonitorDialogue(port, m_settings.longTimeout).Restart();
    });
}

bool QVBlockSensors::RunUpload(const std::function<void(KSerialPort &port)> &upload)
{
    KSerialPort port(1024, 1024, kUploadUsageBit);
    if (!OpenUploadPort(port))
        return false;
    m_unitText.Clear();
    bool done = false;
    bool failed = false;
    KX failure;
    {
        UploadWork work;
        try
        {
            upload(port);
            done = true;
        }
        catch (const UploadStopped &)
        {
            // The user stopped it: nothing to report.
        }
        catch (const KX &error)
        {
            // A wait the user stopped (Escape) is no failure either.
            failed = error.Code() != kErrUserAborted;
            failure = error;
        }
        port.Close();
    }
    // Reported once the pointer and the status line are back.
    if (failed)
        ShowUploadFailure(failure);
    return done;
}
