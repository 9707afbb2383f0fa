#pragma once
// QVBlockSensors: the link to the block sensors and the Control Center on
// serial ports. Each operation runs one or more requests of the units'
// binary protocol (see QVUnitProtocol.h and docs/unit-protocol.md) on a port
// the caller opened, checks every reply before using it, and answers false
// (or 0) on any failure: nothing is ever taken from a reply that failed a
// check. The last trial downloaded is kept in the current-trial record until
// FillResult copies it into a QVResult. Firmware and sounds go through the
// units' text monitor dialogue on the first configured block-sensor port.
//
// One global object is made at start-up; the user interface also makes
// temporary ones on a port it opened. Texts reach the user through the
// installed QVUserInterface (status line, alerts). GUI thread only.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "domain/blocksensors/QVUnitExchange.h"
#include "domain/blocksensors/QVUnitReplies.h"
#include "foundation/strings/KString.h"

class KSerialPort;
class KStream;
class QVResult;
class QVResults;
class QVResultsView;

// The settings the link works with; QVBlockSensors::LoadSettings reads them
// from the program's settings; a caller may also fill them in itself.
struct QVBlockSensorSettings
{
    double startTimeDL = 0.0;   // "\Hardware\BlockSensor\StartTimeDL", seconds from the trace start
    double endTimeDL = 5.0;     // "\Hardware\BlockSensor\EndTimeDL"
    int32_t longTimeout = 10000; // "\Serial\LongTimeout", ms: the monitor dialogue
    KString255 portDescription;  // "SerialPort" of the first "\SerialPorts\" group
    KString255 unitName;         // "Name" of that group
    KString255 firmwareName;     // the image chosen on the first firmware pass
    KString255 soundNames[3];    // "\Hardware\BlockSensor\OnMarkFName", "SetFName", "GunFName"
};

class QVBlockSensors
{
public:
    using WorkBuffer = std::vector<uint8_t>;

    QVBlockSensors();
    ~QVBlockSensors();
    QVBlockSensors(const QVBlockSensors &) = delete;
    QVBlockSensors &operator=(const QVBlockSensors &) = delete;

    // The settings in use. LoadSettings refreshes them from the installed
    // program settings (nothing without them); the constructor, the
    // downloads and the uploads call it.
    QVBlockSensorSettings &Settings() { return m_settings; }
    void LoadSettings();

    // Identify request to destination 0: kDeviceBlockSensor or
    // kDeviceControlCenter; 0 when the exchange failed. A busy unit shows
    // "\Strings\Alerts\DeviceBusy".
    int32_t GetDeviceType(KStream &port);

    // kind kDeviceBlockSensor: status request to 0x200; time and time
    // difference become no time (0x80000000). kind kDeviceControlCenter: the
    // version (asked when version is 0; 0x15000 when that fails), then the
    // trial information. False when the exchange failed (the outs other than
    // version unchanged).
    bool GetStatus(KStream &port, int32_t kind, int32_t &status, int32_t &unit, int32_t &valueA,
                   int32_t &timeDifference, int32_t &time, int32_t &version);

    // Trial count of block sensor unit (0x200 | unit). Shows
    // "\Strings\BlockSensor\GetTrialList" in the status line; on failure the
    // error and "\Strings\Alerts\TrialListError" there. count is 0 unless
    // it succeeded.
    bool GetTrialList(KStream &port, int32_t unit, int32_t &count);

    // Downloads trial (from 0) of the block sensor at destination: its
    // header, and unless headerOnly its samples over the download window (248
    // samples a request, one request at a time). time is not used. Unless
    // quiet the data pass shows "Downloading Trial: n" in the status line.
    // The record is replaced only by a complete download; a failure leaves
    // it as it was, or with reset wholly empty (no times, samples, flags or
    // source).
    bool DownloadTrial(KStream &port, int32_t destination, int32_t trial, int32_t time, bool headerOnly,
                       bool resetOnFailure, bool quiet = false);

    // Copies the current-trial record into result: always the power, the
    // reaction time, the time to distance, the nine trial times with their
    // count and the reply flags; unless timesOnly also the samples, the
    // download window, the set and gun references and the source number.
    bool FillResult(QVResult &result, bool timesOnly) const;
    const QVTrialRecord &CurrentTrial() const { return *m_trial; }

    // Deletes every trial of block sensor unit (0 = the one on this port).
    // False when the unit did not confirm it.
    bool DeleteAllTrials(KStream &port, int32_t unit);

    // Sends text to the Control Center as two halves of 31 8-bit characters
    // (cut or padded with blanks; characters beyond Latin-1 become '?').
    // work holds the data block being sent; flag is the callers' (1) and
    // changes nothing.
    bool SendText(KStream &port, WorkBuffer &work, const KString &text, int32_t flag);
    // Sends one 2-bit state per listed result of view (none: every result),
    // QVLaneState, at most 256 lanes; work and flag as for SendText.
    bool SendLaneData(KStream &port, WorkBuffer &work, const QVResults &results, const QVResultsView *view,
                      int32_t flag);

    // Firmware update and sound upload of one unit over the first configured
    // block-sensor port (the caller showed the power prompt for firmware;
    // the sound dialog shows its own). The file or files are chosen on the
    // first pass and reused later. True when the unit took everything; false
    // when cancelled or failed (the failure is shown).
    bool UpdateFirmware(bool firstPass);
    bool LoadAudio(bool firstPass);

    // The monitor-dialogue uploads on an open port, as the two above run them:
    // image bytes as firmware, or sounds by slot (QVSoundSlot). Throw
    // KXSerialPort on failure (kErrSerialTimeout no prompt or answer,
    // kErrSerialReceive a refused or wrong answer).
    void UploadFirmware(KSerialPort &port, const std::vector<uint8_t> &image);
    void UploadSound(KSerialPort &port, int slot, const std::vector<uint8_t> &sound, bool waitForPrompt);

    // The program's link, made and installed by the start-up; none when the
    // program runs without it.
    static QVBlockSensors *Global();
    static void SetGlobal(QVBlockSensors *link);

    // Module start-up and shut-down (nothing to do).
    static void Startup() {}
    static void Shutdown() {}

private:
    void DownloadHeader(KStream &port, int32_t destination, int32_t trial, QVTrialRecord &record);
    // The samples over the download window into the cleared record.
    void DownloadSamples(KStream &port, int32_t destination, int32_t trial, QVTrialRecord &record);
    void SamplesWindow(int32_t &first, int32_t &last) const;
    void ShowFailure(const class KX &error);
    bool OpenUploadPort(KSerialPort &port);
    void ShowUploadFailure(const class KX &error);
    // Opens the upload port and runs upload on it; a KX it throws is shown.
    // True when upload ran to its end. The port is closed and the status
    // cleared afterwards either way.
    bool RunUpload(const std::function<void(KSerialPort &port)> &upload);
    void SaveSoundNames();

    QVBlockSensorSettings m_settings;
    QVUnitExchange m_exchange;
    std::unique_ptr<QVTrialRecord> m_trial;
    std::unique_ptr<QVTrialRecord> m_scratch;   // the download under way
    KString255 m_unitText;                      // the unit's answer to a refused upload
};
