#include "domain/scoreboards/QVScoreboard.h"

#include "domain/schedule/QVServiceKeys.h"
#include "domain/scoreboards/QVScoreboardEncoding.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/strings/KPathText.h"
#include "foundation/values/KHelpers.h"

namespace {

constexpr uint32_t kScoreboardUsageBit = 0x10;   // the boards' bit in a shared port's usage mask
constexpr int32_t kPortBuffer = 1024;

int32_t IntSetting(KRGroup &group, const wchar_t *name, int32_t fallback)
{
    KRInt *node = group.GetInt(name);
    return node ? node->Value() : fallback;
}

bool BoolSetting(KRGroup &group, const wchar_t *name, bool fallback)
{
    KRBool *node = group.GetBool(name);
    return node ? node->Value() : fallback;
}

void Warn(const KString &board, const wchar_t *text, const KString &detail)
{
    if (KLog *log = KProgramLog()) {
        KString line(L"scoreboard ");
        line.Append(board).Append(L": ").Append(text).Append(detail);
        log->Warning(line);
    }
}

// Every setting of the group as "name=value" lines.
KString SettingsText(const KRGroup &group)
{
    KString text;
    for (KRNode *node = group.NextChild(); node; node = group.NextChild(node)) {
        text.Append(node->Name()).AppendChar(L'=');
        node->WriteValue(text);
        text.AppendChar(L'\n');
    }
    return text;
}

} // namespace

QVScoreboard::QVScoreboard(KRGroup &group, const KString &scriptFolder) : m_group(group)
{
    if (KRString *port = m_group.GetString(kBoardSerialPort))
        port->SetChangeHandler(&QVScoreboard::PortChanged, this);
    Reload(scriptFolder);
}

QVScoreboard::~QVScoreboard()
{
    if (KRString *port = m_group.GetString(kBoardSerialPort))
        port->SetChangeHandler(nullptr, nullptr);
    m_mutex.Lock();
    m_port.reset();
    m_mutex.Unlock();
}

void QVScoreboard::Reload(const KString &scriptFolder)
{
    m_mutex.Lock();
    m_name = m_group.GetText(kBoardName);
    m_charMode = IntSetting(m_group, kBoardCharMode, kCharModeSingleByte);
    m_minUpdateDelay = IntSetting(m_group, kBoardMinUpdateDelay, 0);
    m_resultsMode = IntSetting(m_group, kBoardResultsMode, kResultsOff);
    m_sendPlace = IntSetting(m_group, kBoardSendPlace, 0) != 0;
    m_pageMode = IntSetting(m_group, kBoardPageMode, 1) != 0;
    m_pageSize = KMax(1, IntSetting(m_group, kBoardPageSize, 1));
    m_pageTime = KMax(100, IntSetting(m_group, kBoardPageTime, 5000));
    m_includeFirst = BoolSetting(m_group, kBoardIncludeFirst, false);
    m_affilAbbr = BoolSetting(m_group, kBoardAffilAbbr, false);
    LoadScript(scriptFolder);
    m_settingsText = SettingsText(m_group);
    m_initPending = true;
    m_forceNext = true;
    m_mutex.Unlock();
    OpenPort(m_group.GetText(kBoardSerialPort));
}

void QVScoreboard::LoadScript(const KString &scriptFolder)
{
    m_scriptName = m_group.GetText(kBoardScript);
    m_scriptName.Trim();
    m_script.Parse(KString());
    m_scriptOk = false;
    if (m_scriptName.IsEmpty())
        return;
    KBufferedFile file;
    KString path(scriptFolder);
    KAppendPathName(path, m_scriptName);
    file.SetFullName(path);
    KString extension;
    file.GetExtension(extension);
    if (extension.IsEmpty())
        file.SetExtension(KString(L"vss"));
    try {
        file.Open(KFile::kModeRead);
        file.SetReadEncoding(KStream::kEncodingDetect);
        file.SetReadLineEnd(KStream::kLineEndRaw);
        bool parsed = m_script.Parse(file);
        file.Close();
        m_scriptOk = parsed;
        if (!parsed) {
            KString detail(file.FullName());
            detail.Append(L" line ").AppendInt(m_script.ErrorLine()).Append(L": ").Append(m_script.ErrorText());
            Warn(m_name, L"script refused, nothing is sent: ", detail);
        }
    } catch (const KX &error) {
        KString detail(file.FullName());
        detail.Append(L", error ").AppendInt(error.Code());
        Warn(m_name, L"script not read: ", detail);
        m_script.Parse(KString());
    }
}

bool QVScoreboard::PortChanged(KRString &node, const KString &text, void *context)
{
    KRString::DefaultChangeHandler(node, text, context);
    if (QVScoreboard *board = static_cast<QVScoreboard *>(context))
        board->OpenPort(node.GetValue());
    return true;
}

void QVScoreboard::OpenPort(const KString &description)
{
    KMutexHold hold(m_mutex);
    m_port.reset();
    m_portDescription = description;
    int32_t number = 0;
    if (KSerialPort::ParsePort(description, number) && number >= 1) {
        std::unique_ptr<KSerialPort> port(new KSerialPort(kPortBuffer, kPortBuffer, kScoreboardUsageBit));
        port->SetWriteEncoding(KStream::kEncoding8Bit);
        port->SetWriteLineEnd(KStream::kLineEndRaw);
        if (port->Open(description, KSerialPort::kModeReadWrite))
            m_port = std::move(port);
        else
            Warn(m_name, L"cannot open the port ", description);
    }
    m_lastSent.clear();
    m_initPending = true;
    m_forceNext = true;
    m_reportedSendError = false;
}

void QVScoreboard::RequestUpdate()
{
    KMutexHold hold(m_mutex);
    m_initPending = true;
    m_forceNext = true;
    m_pendingManualTake = true;
}

bool QVScoreboard::SettingsChanged() const
{
    const KString now = SettingsText(m_group);
    KMutexHold hold(m_mutex);
    return now != m_settingsText;
}

bool QVScoreboard::IsScriptLoaded() const
{
    return KHeldRead(m_mutex, m_scriptOk);
}

bool QVScoreboard::IsPortOpen() const
{
    KMutexHold hold(m_mutex);
    return m_port != nullptr;
}

KString QVScoreboard::PortDescription() const
{
    return KHeldRead(m_mutex, m_portDescription);
}

uint32_t QVScoreboard::SentCount() const
{
    return KHeldRead(m_mutex, m_sentBytes);
}

void QVScoreboard::Page(const Frame &frame, QVScoreboardData &data)
{
    const int32_t count = int32_t(data.rows.size());
    const int32_t pages = KMax(1, (count + m_pageSize - 1) / m_pageSize);
    if (m_page >= pages)
        m_page = 0;
    if (m_pageMode && pages > 1 && KTickElapsed(m_pageStarted) >= m_pageTime) {
        m_page = (m_page + 1) % pages;
        m_pageStarted = frame.now;
    }
    if (!m_pageMode)
        m_page = 0;
    std::vector<QVScoreboardRow> page;
    for (int32_t i = m_page * m_pageSize; i < count && i < (m_page + 1) * m_pageSize; ++i)
        page.push_back(data.rows[size_t(i)]);
    data.rows.swap(page);
    data.page = m_page + 1;
    data.pages = pages;
    data.pageSize = m_pageSize;
}

void QVScoreboard::Tick(const Frame &frame)
{
    m_mutex.Lock();
    if (!m_port || !m_scriptOk) {
        m_mutex.Unlock();
        return;
    }
    QVScoreboardData data = frame.data;
    data.includeFirst = m_includeFirst;
    data.affiliationAbbreviated = m_affilAbbr;
    bool force = m_forceNext;
    if (m_resultsMode == kResultsManual) {
        if (m_pendingManualTake) {
            m_rows = frame.data.rows;
            m_pendingManualTake = false;
            m_page = 0;
            m_pageStarted = frame.now;
        }
        data.rows = m_rows;
    } else if (m_resultsMode == kResultsOff) {
        data.rows.clear();
    } else if (frame.resultsSerial != m_resultsSerial) {
        m_resultsSerial = frame.resultsSerial;
        m_page = 0;
        m_pageStarted = frame.now;
    }
    for (size_t i = 0; i < data.rows.size(); ++i) {
        data.rows[i].place.Clear();
        if (m_sendPlace)
            data.rows[i].place.AppendInt(int32_t(i + 1));
    }
    KString init, text;
    if (m_initPending) {
        m_script.Render(QVScoreboardScript::kInit, data, init);
        force = true;
    }
    if (frame.timeOfDay && m_script.HasSection(QVScoreboardScript::kTimeOfDay)) {
        m_script.Render(QVScoreboardScript::kTimeOfDay, data, text);
    } else if (frame.showMessage && m_script.HasSection(QVScoreboardScript::kMessage)) {
        m_script.Render(QVScoreboardScript::kMessage, data, text);
    } else if (!data.rows.empty() && m_script.HasSection(QVScoreboardScript::kResults)) {
        Page(frame, data);
        m_script.Render(QVScoreboardScript::kResults, data, text);
    } else {
        m_script.Render(QVScoreboardScript::kClear, data, text);
    }
    std::vector<uint8_t> setUp, bytes;
    QVEncodeScoreboardText(init, m_charMode, setUp);
    QVEncodeScoreboardText(text, m_charMode, bytes);
    if (Send(setUp, bytes, frame.now, force || !frame.optimize)) {
        m_initPending = false;
        m_forceNext = false;
    }
    m_mutex.Unlock();
}

bool QVScoreboard::Send(const std::vector<uint8_t> &setUp, const std::vector<uint8_t> &bytes, int32_t now,
                        bool force)
{
    if (!force && bytes == m_lastSent)
        return true;   // nothing new to show
    if (m_sentOnce && KTickElapsed(m_lastSendTime) < m_minUpdateDelay)
        return false;   // too soon: sent on a later tick
    if (setUp.empty() && bytes.empty()) {
        m_lastSent.clear();
        return true;
    }
    std::vector<uint8_t> out(setUp);
    out.insert(out.end(), bytes.begin(), bytes.end());
    try {
        m_port->Write(out.data(), int32_t(out.size()));
        m_port->Flush();
    } catch (const KX &error) {
        if (!m_reportedSendError) {
            KString detail;
            detail.AppendInt(error.Code());
            Warn(m_name, L"sending failed, error ", detail);
            m_reportedSendError = true;
        }
        return false;
    }
    m_reportedSendError = false;
    m_lastSent = bytes;
    m_lastSendTime = now;
    m_sentOnce = true;
    m_sentBytes += uint32_t(out.size());
    return true;
}
