#pragma once
// The user-visible texts of the block-sensor link: their keys under
// "\Strings\" and the English text each falls back to. QVLinkText appends
// the text of a key to out.

#include <cstdint>

class KString;

struct QVLinkTextKey
{
    const wchar_t *path;      // key path below "\Strings\"
    const wchar_t *english;   // the text when the key has none
};

constexpr QVLinkTextKey kTextDeviceBusy = {L"Alerts\\DeviceBusy", L"The Block Sensor/Control Center is currently busy"};
constexpr QVLinkTextKey kTextMessageTitle = {L"Alerts\\Message", L"Message"};
constexpr QVLinkTextKey kTextErrorTitle = {L"Alerts\\Error", L"Error"};
constexpr QVLinkTextKey kTextTrialListError = {L"Alerts\\TrialListError", L"Unable to read the trial list"};
constexpr QVLinkTextKey kTextGetTrialList = {L"BlockSensor\\GetTrialList", L"Getting Trial List..."};
constexpr QVLinkTextKey kTextDownloading = {L"Chart\\Downloading", L"Downloading "};
constexpr QVLinkTextKey kTextTrial = {L"Chart\\Trial", L"Trial"};
constexpr QVLinkTextKey kTextWaitMonitor = {L"BlockSensor\\WaitMonitor", L"Waiting for the Quorvane unit..."};
constexpr QVLinkTextKey kTextSendFirmware = {L"BlockSensor\\SendFirmware", L"Sending firmware: "};
constexpr QVLinkTextKey kTextSendSound = {L"BlockSensor\\SendSound", L"Sending sound: "};
constexpr QVLinkTextKey kTextUnitRefused = {L"BlockSensor\\UnitRefused", L"The Quorvane unit refused the transfer: "};
constexpr QVLinkTextKey kTextUnitSilent = {L"Alerts\\UnitSilent",
                                           L"The unit did not answer: is it switched on and connected?"};
constexpr QVLinkTextKey kTextBadFile = {L"BlockSensor\\BadFile", L"The file cannot be used: "};
// Why a firmware or sound file cannot be used, on the line after its name.
constexpr QVLinkTextKey kTextFileUnreadable = {L"BlockSensor\\FileUnreadable",
                                               L"The file does not exist or cannot be read."};
constexpr QVLinkTextKey kTextFileSize = {L"BlockSensor\\FileSize", L"The file is empty or larger than 16 MiB."};
constexpr QVLinkTextKey kTextNoSound = {L"BlockSensor\\NoSound", L"No sound file was chosen."};
constexpr QVLinkTextKey kTextWaveNotWave = {L"BlockSensor\\WaveNotWave",
                                            L"It is no WAV file: it does not start with RIFF and WAVE."};
constexpr QVLinkTextKey kTextWaveHeaderCut = {L"BlockSensor\\WaveHeaderCut", L"Its WAV header is cut short."};
constexpr QVLinkTextKey kTextWaveNoFormat = {L"BlockSensor\\WaveNoFormat",
                                             L"Its sound data comes without a format chunk before it."};
constexpr QVLinkTextKey kTextWaveBadFormat = {
    L"BlockSensor\\WaveBadFormat", L"Its format chunk gives no format, no channels, no sample rate or no sample size."};
constexpr QVLinkTextKey kTextWaveDataUnsized = {
    L"BlockSensor\\WaveDataUnsized", L"Its sound data has no length (size 0xFFFFFFFF): save it again with a sound editor."};
constexpr QVLinkTextKey kTextWaveNoData = {L"BlockSensor\\WaveNoData", L"It holds no sound data (no data chunk)."};
constexpr QVLinkTextKey kTextWaveDataPastEnd = {L"BlockSensor\\WaveDataPastEnd",
                                                L"Its sound data runs past the end of the file."};
constexpr QVLinkTextKey kTextNoPort = {L"SerialPort\\NoComSelected", L"No COM port has been selected"};

void QVLinkText(const QVLinkTextKey &key, KString &out);
// What a box about a unit that did not answer says below its first line:
// about, the COM port and the unit's port group ("COM5 (Lane 1)"; the
// group left out when unnamed), and why, what the user should check.
void QVSilentUnitText(int32_t port, const KString &group, KString &about, KString &why);
