// Building the fields, showing, enabling and the changed flags, and the
// field accessors.
#include "shell/toolkit/ports/KZSerialPort.h"

#include "shell/toolkit/ports/KZSerialPortList.h"

#include "foundation/comm/KAddress.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

constexpr int kDropDownRows = 15;
constexpr int kAbsentEntryWidth = 10;   // cells of the entry of a port the list does not offer
constexpr ZafEventType kEntryChosen = 1002;   // the framework's selection of a list entry

const wchar_t *const kBaudRates[] = { L"110",   L"300",   L"600",   L"1200",  L"2400",  L"4800",  L"9600",
                                      L"12800", L"14400", L"19200", L"38400", L"56000", L"57600", L"115200" };
constexpr int kDefaultBaudEntry = 6;   // "9600"

const wchar_t *const kDataBitsKeys[] = { L"\\Strings\\SerialPort\\DataBits8", L"\\Strings\\SerialPort\\DataBits7",
                                         L"\\Strings\\SerialPort\\DataBits6", L"\\Strings\\SerialPort\\DataBits5",
                                         L"\\Strings\\SerialPort\\DataBits4" };
const wchar_t *const kParityKeys[] = { L"\\Strings\\SerialPort\\ParityNone", L"\\Strings\\SerialPort\\ParityOdd",
                                       L"\\Strings\\SerialPort\\ParityEven", L"\\Strings\\SerialPort\\ParityMark",
                                       L"\\Strings\\SerialPort\\ParitySpace" };
const wchar_t *const kStopBitsKeys[] = { L"\\Strings\\SerialPort\\StopBitsOne",
                                         L"\\Strings\\SerialPort\\StopBitsOneFive",
                                         L"\\Strings\\SerialPort\\StopBitsTwo" };

const std::vector<int32_t> *presentPorts = nullptr;

// A port entry was chosen: the panel shows the fields of its kind.
ZafEventType EntryChosen(ZafWindowObject *entry, ZafEventStruct &, ZafEventType code)
{
    if (code == kEntryChosen)
        if (auto *panel = static_cast<KZSerialPort *>(entry->UserObject()))
            panel->ShowFields();
    return 0;
}

void Show(ZafWindowObject *field, bool visible)
{
    if (field)
        field->SetVisible(visible);
}

bool SelectIndex(KZComboBox *box, int32_t index)
{
    if (!box)
        return false;
    box->SetSelection(index);
    return true;
}

bool SelectedIndex(KZComboBox *box, int32_t &index)
{
    if (!box)
        return false;
    index = box->Selection();
    return true;
}

} // namespace

// ---- The start-up's port list, or the one given ---------------------------------------

namespace KZSerialPortList {

int32_t Count()
{
    return presentPorts ? int32_t(presentPorts->size()) : KSerialPort::PortCount();
}

int32_t Number(int32_t index)
{
    if (!presentPorts)
        return KSerialPort::PortNumber(index);
    return index >= 0 && index < int32_t(presentPorts->size()) ? (*presentPorts)[size_t(index)] : 0;
}

int32_t Index(int32_t port)
{
    if (!presentPorts)
        return KSerialPort::PortIndex(port);
    for (size_t i = 0; i < presentPorts->size(); ++i)
        if ((*presentPorts)[i] == port)
            return int32_t(i);
    return -1;
}

} // namespace KZSerialPortList

void KZSerialPort::SetPresentPorts(const std::vector<int32_t> *ports)
{
    presentPorts = ports;
}

// ---- Construction and building ----------------------------------------------------------

KZSerialPort::KZSerialPort(KZDialog *layoutDialog, uint32_t optionMask) : dialog(layoutDialog), mask(optionMask)
{
}

KZSerialPort::~KZSerialPort() = default;

int32_t KZSerialPort::AddPortEntries(int32_t)
{
    return 0;
}

void KZSerialPort::BuildPortList(const wchar_t *noneText)
{
    dialog->BeginComboBox();
    dialog->AddComboItem(noneText ? noneText : KZSettingText(L"\\Strings\\SerialPort\\PortNone").CStr(), 0);
    int32_t entries = 1;
    if (mask & kPortLocal) {
        for (int32_t i = 0; i < KZSerialPortList::Count(); ++i) {
            KString name(KZSettingText(L"\\Strings\\SerialPort\\PortLocal"));
            name.AppendInt(KZSerialPortList::Number(i));
            dialog->AddComboItem(name.CStr(), 0);
            ++entries;
        }
    }
    if (mask & kPortExtra)
        entries += AddPortEntries(KZSerialPortList::Count());
    networkIndex = (mask & (kPortNetTCP | kPortNetUDP)) ? entries : kNoNetwork;
    if (mask & kPortNetTCP) {
        dialog->AddComboItem(KZSettingText(L"\\Strings\\SerialPort\\PortNetConnect").CStr(), 0);
        dialog->AddComboItem(KZSettingText(L"\\Strings\\SerialPort\\PortNetListen").CStr(), 0);
    }
    if (mask & kPortNetUDP)
        dialog->AddComboItem(KZSettingText(L"\\Strings\\SerialPort\\PortNetUDP").CStr(), 0);
    portList = dialog->EndComboBox(0, false, kDropDownRows);
    for (ZafElement *e = portList->List()->ZafList::First(); e; e = e->Next()) {
        auto *entry = static_cast<ZafWindowObject *>(e);
        entry->SetUserObject(this);
        entry->SetUserFunction(&EntryChosen);
    }
}

void KZSerialPort::SelectSerialEntry(int32_t entry, int32_t port)
{
    if (!portList)
        return;
    if (entry >= 0 || port <= 0) {
        DropAbsentEntry();
        portList->SetSelection(entry >= 0 ? entry : 0);
        return;
    }
    if (absentEntry && absentPort != port)
        DropAbsentEntry();
    if (!absentEntry) {
        KString name;
        KSerialPort::PortName(port, name);
        // Like every entry it sends no event of its own: choosing it only shows the fields.
        absentEntry = new KZButton(0, 0, kAbsentEntryWidth, 1, name.CStr(), nullptr, KZButton::kPush, 0);
        absentEntry->SetUserObject(this);
        absentEntry->SetUserFunction(&EntryChosen);
        portList->Add(absentEntry);
        absentPort = port;
    }
    absentEntry->SetSelected(true);
}

bool KZSerialPort::AbsentPortSelected(int32_t &port) const
{
    if (!absentEntry || !absentEntry->Selected())
        return false;
    port = absentPort;
    return true;
}

void KZSerialPort::DropAbsentEntry()
{
    if (!absentEntry)
        return;
    const bool selected = absentEntry->Selected();
    delete portList->Subtract(absentEntry);
    absentEntry = nullptr;
    absentPort = 0;
    if (selected)
        portList->SetSelection(0);
}

KZComboBox *KZSerialPort::BuildChoice(const wchar_t *promptKey, const wchar_t *const *entryKeys, int count,
                                      KZPrompt *&prompt)
{
    dialog->Move(1, 0);
    prompt = dialog->AddPrompt(KZSettingText(promptKey).CStr());
    dialog->BeginComboBox();
    for (int i = 0; i < count; ++i)
        dialog->AddComboItem(KZSettingText(entryKeys[i]).CStr(), 0);
    return dialog->EndComboBox(0, false, kDropDownRows);
}

void KZSerialPort::Build(const wchar_t *noneText)
{
    if (!dialog)
        return;
    if (mask & (kPortLocal | kPortExtra | kPortNetTCP | kPortNetUDP))
        BuildPortList(noneText);
    if (mask & kPortBaud) {
        dialog->Move(1, 0);
        baudPrompt = dialog->AddPrompt(KZSettingText(L"\\Strings\\SerialPort\\Baud").CStr());
        dialog->BeginComboBox();
        for (const wchar_t *rate : kBaudRates)
            dialog->AddComboItem(rate, 0);
        baud = dialog->EndComboBox(kDefaultBaudEntry, false, kDropDownRows);
    }
    int shared = dialog->CursorColumn();
    if (mask & (kPortDataBits | kPortParity | kPortStopBits | kPortAddress | kPortIPPort)) {
        dialog->NewLine();
        dialog->AddPrompt(L" ");
        shared = dialog->CursorColumn();
    }
    if (mask & kPortIPPort) {
        dialog->Move(1, 0);
        ipPortPrompt = dialog->AddPrompt(KZSettingText(L"\\Strings\\SerialPort\\IPPort").CStr());
        ipPort = dialog->AddInteger(0, 5, 0, 65535);
    }
    if (mask & kPortAddress) {
        dialog->Move(1, 0);
        addressPrompt = dialog->AddPrompt(KZSettingText(L"\\Strings\\SerialPort\\IPAddress").CStr());
        address = dialog->AddString(L"", 10, 20);
    }
    // The serial fields share the row's place with the network fields: only
    // one group is ever shown.
    dialog->Move(shared - dialog->CursorColumn(), 0);
    if (mask & kPortDataBits)
        dataBits = BuildChoice(L"\\Strings\\SerialPort\\DataBits", kDataBitsKeys, 5, dataBitsPrompt);
    if (mask & kPortParity)
        parity = BuildChoice(L"\\Strings\\SerialPort\\Parity", kParityKeys, 5, parityPrompt);
    if (mask & kPortStopBits)
        stopBits = BuildChoice(L"\\Strings\\SerialPort\\StopBits", kStopBitsKeys, 3, stopBitsPrompt);
    if (mask & kPortRepeat) {
        dialog->NewLine();
        dialog->AddPrompt(L" ");
        repeat = dialog->AddCheckBox(KZSettingText(L"\\Strings\\SerialPort\\RepeatPeriod").CStr(), false, 0, -1);
        repeatPeriod = dialog->AddString(L" ", 6, 20);
    }
    ShowFields();
}

// ---- Showing, enabling, changes ---------------------------------------------------------

std::vector<ZafWindowObject *> KZSerialPort::Fields() const
{
    std::vector<ZafWindowObject *> fields;
    for (ZafWindowObject *field : std::initializer_list<ZafWindowObject *>{
             portList, baud, dataBits, parity, stopBits, repeat, repeatPeriod, address, ipPort })
        if (field)
            fields.push_back(field);
    return fields;
}

bool KZSerialPort::Changed() const
{
    for (ZafWindowObject *field : Fields())
        if (field->SelectionChanged())
            return true;
    return false;
}

void KZSerialPort::SetChanged(bool changed)
{
    for (ZafWindowObject *field : Fields())
        field->SetSelectionChanged(changed);
}

void KZSerialPort::EnableFields(bool enable)
{
    for (ZafWindowObject *field : Fields())
        field->SetDisabled(!enable);
}

void KZSerialPort::ShowFields()
{
    int32_t kind = 0;
    if (!GetPort(kind))
        return;
    const bool serial = kind >= 0;
    for (ZafWindowObject *field : std::initializer_list<ZafWindowObject *>{
             baud, baudPrompt, dataBits, dataBitsPrompt, parity, parityPrompt, stopBits, stopBitsPrompt, repeat,
             repeatPeriod })
        Show(field, serial);
    const bool withAddress = kind == kKindTCPConnect || kind == kKindUDP;
    Show(address, withAddress);
    Show(addressPrompt, withAddress);
    Show(ipPort, !serial);
    Show(ipPortPrompt, !serial);
}

// ---- Field accessors ----------------------------------------------------------------------

bool KZSerialPort::GetBaud(int32_t &value)
{
    if (!baud)
        return false;
    const wchar_t *text = baud->Text();
    return text && KString::ParseInt(KString(text), value, 10);
}

bool KZSerialPort::SetBaud(int32_t value)
{
    if (!baud)
        return false;
    KString text;
    text.AppendInt(value);
    baud->SetValue(text.CStr());
    return true;
}

bool KZSerialPort::GetDataBits(int32_t &index)
{
    return SelectedIndex(dataBits, index);
}

bool KZSerialPort::SetDataBits(int32_t index)
{
    return SelectIndex(dataBits, index);
}

bool KZSerialPort::GetParity(int32_t &index)
{
    return SelectedIndex(parity, index);
}

bool KZSerialPort::SetParity(int32_t index)
{
    return SelectIndex(parity, index);
}

bool KZSerialPort::GetStopBits(int32_t &index)
{
    return SelectedIndex(stopBits, index);
}

bool KZSerialPort::SetStopBits(int32_t index)
{
    return SelectIndex(stopBits, index);
}

bool KZSerialPort::GetRepeatPeriod(int32_t &milliseconds)
{
    if (!repeat || !repeatPeriod)
        return false;
    int32_t period = 0;
    if (!repeatPeriod->GetTime(period))
        return false;
    milliseconds = repeat->Selected() ? period : -period;
    return true;
}

bool KZSerialPort::SetRepeatPeriod(int32_t milliseconds)
{
    if (!repeat || !repeatPeriod)
        return false;
    repeat->SetSelected(milliseconds > 0);
    repeatPeriod->SetTime(milliseconds < 0 ? -milliseconds : milliseconds, 0);
    return true;
}

bool KZSerialPort::GetAddress(uint32_t &value)
{
    if (!address)
        return false;
    KString text(address->Text() ? address->Text() : L"");
    text.Trim();
    return KParseAddress(text, value);
}

bool KZSerialPort::SetAddress(uint32_t value)
{
    if (!address)
        return false;
    KString text;
    if (value != 0)
        KFormatAddress(text, value);
    address->SetText(text.CStr());
    return true;
}

bool KZSerialPort::GetIPPort(uint16_t &port)
{
    if (!ipPort)
        return false;
    port = uint16_t(ipPort->Value());
    return true;
}

bool KZSerialPort::SetIPPort(uint16_t port)
{
    if (!ipPort)
        return false;
    ipPort->SetValue(port);
    return true;
}
