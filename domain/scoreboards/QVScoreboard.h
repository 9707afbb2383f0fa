#pragma once
// QVScoreboard: one scoreboard, made from its settings group under
// "\Scoreboards\" (Name, Script, SerialPort, CharMode, MinUpdateDelay,
// ResultsMode, SendPlace, PageMode, PageSize, PageTime, IncludeFirst,
// AffilAbbr). It holds its parsed script and its serial port, and decides
// on each scoreboard tick what to show, renders it and sends it.
//
// The board installs itself as the context of the change handler of its
// group's "SerialPort" setting: a new description is stored and the port
// reopened at once. Its mutex guards the port, the script and the settings
// copy: the scoreboard thread holds it while it renders and sends, the GUI
// thread while it reopens or reloads. Owned by QVScoreboards.

#include <cstdint>
#include <memory>
#include <vector>

#include "domain/scoreboards/QVScoreboardData.h"
#include "domain/scoreboards/QVScoreboardScript.h"
#include "foundation/strings/KString.h"
#include "foundation/threads/KMutex.h"

class KRGroup;
class KRString;
class KSerialPort;

class QVScoreboard
{
public:
    enum ResultsMode { kResultsOff = 0, kResultsAutomatic = 1, kResultsManual = 2 };

    // What the scoreboard thread hands each board on a tick.
    struct Frame
    {
        int32_t now = 0;                 // tick count
        QVScoreboardData data;           // time of day, event, all rows (unpaged), message
        bool timeOfDay = false;
        bool showMessage = false;
        uint32_t resultsSerial = 0;      // changes whenever new results were stored
        bool optimize = true;
    };

    QVScoreboard(KRGroup &group, const KString &scriptFolder);
    ~QVScoreboard();
    QVScoreboard(const QVScoreboard &) = delete;
    QVScoreboard &operator=(const QVScoreboard &) = delete;

    // Re-reads the group's settings and the script and reopens the port
    // (GUI thread).
    void Reload(const KString &scriptFolder);
    // True when a setting of the board's group differs from those the board
    // was last loaded with (GUI thread).
    bool SettingsChanged() const;
    KRGroup &Group() const { return m_group; }
    // Sends the Init section and then the current content, whatever was sent
    // before; a manual board takes the latest results with it.
    void RequestUpdate();
    // One scoreboard tick (scoreboard thread).
    void Tick(const Frame &frame);

    const KString &Name() const { return m_name; }
    bool IsScriptLoaded() const;
    bool IsPortOpen() const;
    // The description the port was last opened with.
    KString PortDescription() const;
    // Bytes sent since the board was made (the board list shows it).
    uint32_t SentCount() const;

private:
    static bool PortChanged(KRString &node, const KString &text, void *context);
    void OpenPort(const KString &description);
    void LoadScript(const KString &scriptFolder);
    // Sends setUp (the Init section, usually empty) directly followed by
    // bytes; unless forced, equal content is not sent again. Only the
    // content is remembered, so content sent with the Init section is not
    // repeated on the next tick.
    bool Send(const std::vector<uint8_t> &setUp, const std::vector<uint8_t> &bytes, int32_t now, bool force);
    void Page(const Frame &frame, QVScoreboardData &data);

    KRGroup &m_group;
    mutable KMutex m_mutex;
    KString31 m_name;
    KString m_scriptName;
    QVScoreboardScript m_script;
    bool m_scriptOk = false;           // a script was read and accepted
    std::unique_ptr<KSerialPort> m_port;
    KString m_portDescription;
    KString m_settingsText;             // the group's settings when last loaded
    // Settings copy.
    int m_charMode = 0;
    int32_t m_minUpdateDelay = 0;
    int m_resultsMode = kResultsOff;
    bool m_sendPlace = false;
    bool m_pageMode = true;
    int32_t m_pageSize = 1;
    int32_t m_pageTime = 5000;
    bool m_includeFirst = false;
    bool m_affilAbbr = false;
    // Output state (scoreboard thread, under the mutex).
    bool m_initPending = true;
    bool m_forceNext = true;
    std::vector<uint8_t> m_lastSent;
    int32_t m_lastSendTime = 0;
    bool m_sentOnce = false;
    uint32_t m_resultsSerial = 0;        // the results the board shows
    std::vector<QVScoreboardRow> m_rows; // kept for a manual board
    int32_t m_page = 0;
    int32_t m_pageStarted = 0;
    bool m_pendingManualTake = true;
    uint32_t m_sentBytes = 0;
    bool m_reportedSendError = false;
};
