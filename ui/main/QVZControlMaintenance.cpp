// The main window's block-sensor maintenance: the firmware and sound
// upload loops and deleting all trials of a unit.
#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/hardware/QVSerialPort.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/KZMessageBox.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZPortNotOpen.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/common/QVZUnitSilent.h"
#include "ui/main/QVZControl.h"

namespace {

int32_t Ask(const wchar_t *captionKey, const wchar_t *textKey, uint32_t buttons, uint32_t defaultButton)
{
    return KZMessageBox(KZSettingText(captionKey), KZSettingText(textKey), buttons, defaultButton, kIconQuestion);
}

void ShowMessage(const wchar_t *key)
{
    if (VZApplication *app = VZApplication::Instance())
        app->ShowMessage(KZSettingText(key));
}

void ShowError(const wchar_t *key)
{
    if (VZApplication *app = VZApplication::Instance())
        app->ShowError(KZSettingText(key));
}

KString GroupName(KRGroup &group)
{
    KRString *name = group.GetString(L"Name");
    return name ? name->GetValue() : KString();
}

// The communication-error prompt with text: true for Retry. A failure the
// user caused with Escape (or a close request) is not asked about.
bool AskRetry(const KString &text)
{
    KZLongOperation *work = KZLongOperation::Current();
    if (work && work->Aborted())
        return false;
    VZApplication *app = VZApplication::Instance();
    return app && app->AskAbortRetry(KZSettingText(L"\\Strings\\Alerts\\CommErrorTitle"), text) == kDialogRetry;
}

// The prompt for a unit of the port group that does not answer, naming its
// port and what to check.
bool AskRetry(KRGroup &group, int32_t portNumber)
{
    KString text(KZSettingText(kTextTimeoutError));
    text.Append(L": ").Append(GroupName(group));
    return AskRetry(QVZUnitSilentText(text, portNumber, GroupName(group)));
}

// The prompt for the group's port that cannot be opened, naming the port.
bool AskRetryOpen(KRGroup &group, int32_t portNumber)
{
    return AskRetry(QVZPortNotOpenText(KZSettingText(kTextPortNotOpen), portNumber, GroupName(group)));
}

// Repeats exchange while it fails and the user answers Retry (ask).
template <typename Exchange, typename Ask> bool WithRetry(Exchange exchange, Ask ask)
{
    for (;;) {
        if (exchange())
            return true;
        if (!ask())
            return false;
    }
}

template <typename Exchange> bool WithRetry(KRGroup &group, int32_t portNumber, Exchange exchange)
{
    return WithRetry(exchange, [&] { return AskRetry(group, portNumber); });
}

constexpr int kMaintenanceSettle = 1100;   // ms the line settles after the port opened

int32_t ShortTimeout()
{
    KRegistry *settings = VZApplication::Registry();
    KRInt *setting = settings ? settings->GetInt(L"\\Serial\\ShortTimeout") : nullptr;
    return setting ? setting->Value() : 1000;
}

} // namespace

void QVZControl::FirmwareLoop()
{
    QVBlockSensors *link = QVBlockSensors::Global();
    if (!link)
        return;
    for (bool firstPass = true;; firstPass = false) {
        Ask(L"\\Strings\\Hardware\\UpdateFirmware\\PowerTitle", L"\\Strings\\Hardware\\UpdateFirmware\\Power",
            kButtonOk, kButtonOk);
        if (!link->UpdateFirmware(firstPass))
            return;
        if (Ask(L"\\Strings\\Hardware\\UpdateFirmware\\DoMoreTitle", L"\\Strings\\Hardware\\UpdateFirmware\\DoMore",
                kButtonYes | kButtonNo, kButtonNo) == kDialogNo)
            return;
    }
}

void QVZControl::SoundLoop()
{
    QVBlockSensors *link = QVBlockSensors::Global();
    if (!link)
        return;
    for (bool firstPass = true;; firstPass = false) {
        if (!link->LoadAudio(firstPass))
            return;
        if (Ask(L"\\Strings\\Hardware\\LoadAudio\\DoMoreTitle", L"\\Strings\\Hardware\\LoadAudio\\DoMore",
                kButtonYes | kButtonNo, kButtonNo) == kDialogNo)
            return;
    }
}

bool QVZControl::OpenMaintenancePort(const KString &description)
{
    KSerialPort &port = *maintenancePort;
    port.SetReadEncoding(0);
    port.SetWriteEncoding(0);
    port.SetReadLineEnd(0);
    port.SetWriteLineEnd(0);
    if (!port.Open(description))
        return false;
    // The line settles while the windows repaint; Escape ends the wait.
    if (!KWaitSleep(kMaintenanceSettle)) {
        port.Close();
        return false;
    }
    port.SetReadTimeout(ShortTimeout());
    return true;
}

int32_t QVZControl::DeleteAllTrials()
{
    if (QVSerialPort::GroupCount() > 1)
        ShowMessage(L"\\Strings\\Alerts\\OnlyFirstSerial");
    KRGroup *group = QVSerialPort::GroupAt(0);
    KRString *setting = group ? group->GetString(L"SerialPort") : nullptr;
    int32_t portNumber = 0;
    if (!setting || !KSerialPort::ParsePort(setting->GetValue(), portNumber) || portNumber < 1) {
        ShowMessage(L"\\Strings\\SerialPort\\NoComSelected");
        return 0;
    }
    // The port's settling and the unit's exchanges run as a long operation:
    // the windows stay alive, Escape ends the wait and a close request
    // waits for the end.
    KZLongOperation work{KString()};
    if (!WithRetry([&] { return OpenMaintenancePort(setting->GetValue()); },
                   [&] { return AskRetryOpen(*group, portNumber); }))
        return 0;
    KSerialPort &port = *maintenancePort;
    QVBlockSensors link;
    // Like a download, the unit is identified and its status read first:
    // nothing is deleted on a Control Center, a busy unit or a silent one.
    int32_t type = 0;
    int32_t status = 0, unit = 0, valueA = 0, difference = 0, time = 0, version = 0;
    bool go = WithRetry(*group, portNumber, [&] { return (type = link.GetDeviceType(port)) != 0; });
    if (go && uint32_t(type) == kDeviceControlCenter) {
        ShowError(L"\\Strings\\Alerts\\DeviceIsCC");
        go = false;
    }
    go = go && uint32_t(type) == kDeviceBlockSensor &&
         WithRetry(*group, portNumber, [&] {
             return link.GetStatus(port, kDeviceBlockSensor, status, unit, valueA, difference, time, version);
         });
    if (go && status != 0) {
        ShowMessage(L"\\Strings\\Alerts\\DeviceBusy");
        go = false;
    }
    go = go && !work.Aborted();
    if (go && Ask(L"\\Strings\\BlockSensor\\DeleteAll\\ConfirmTitle", L"\\Strings\\BlockSensor\\DeleteAll\\Confirm",
                  kButtonYes | kButtonNo, kButtonNo) == kDialogYes)
        WithRetry(*group, portNumber, [&] { return link.DeleteAllTrials(port, 0); });
    port.Close();
    return kCmdHardwareDeleteTrials;
}
