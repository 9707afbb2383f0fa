#pragma once
// KZSerialPort: the fields with which a dialog edits one port description
// (a serial port with its line format, a TCP connection or listener, or a
// UDP endpoint; the text format is the foundation's). It is no window: Build
// places its prompts, combo boxes and fields at the layout cursor of a
// KZDialog being built and keeps pointers to them; afterwards it converts
// between the fields and a description text, shows only the fields of the
// chosen kind of port and tells whether the user changed anything. The
// fields belong to the dialog; the panel owns nothing and must not outlive
// the dialog's fields. Every operation reports through its boolean result.
// GUI thread only.

#include <cstdint>
#include <vector>

class KString;
class KZButton;
class KZComboBox;
class KZDialog;
class KZInteger;
class KZPrompt;
class KZString;
class ZafWindowObject;

class KZSerialPort
{
public:
    // Option mask bits: which entries and fields the panel has.
    static constexpr uint32_t kPortLocal = 0x1;       // port list: the serial ports found at start-up
    static constexpr uint32_t kPortExtra = 0x2;       // port list: entries of AddPortEntries
    static constexpr uint32_t kPortBaud = 0x4;        // baud-rate prompt and combo box
    static constexpr uint32_t kPortDataBits = 0x8;    // data-bits prompt and combo box
    static constexpr uint32_t kPortParity = 0x10;     // parity prompt and combo box
    static constexpr uint32_t kPortStopBits = 0x20;   // stop-bits prompt and combo box
    static constexpr uint32_t kPortRepeat = 0x40;     // repeat check box and period field
    static constexpr uint32_t kPortNetTCP = 0x80;     // port list: TCP connect and listen
    static constexpr uint32_t kPortNetUDP = 0x100;    // port list: UDP
    static constexpr uint32_t kPortAddress = 0x200;   // IP-address prompt and field
    static constexpr uint32_t kPortIPPort = 0x400;    // IP-port prompt and field

    // Port kinds besides serial port numbers (0 or more; 0 = no port).
    static constexpr int32_t kKindTCPConnect = -1;
    static constexpr int32_t kKindTCPListen = -2;
    static constexpr int32_t kKindUDP = -3;
    // The network index when the list has no network entries.
    static constexpr int32_t kNoNetwork = 2147483647;

    KZSerialPort(KZDialog *dialog, uint32_t mask);
    virtual ~KZSerialPort();
    KZSerialPort(const KZSerialPort &) = delete;
    KZSerialPort &operator=(const KZSerialPort &) = delete;

    // The kind of the selected entry (a port number, or a kind above);
    // false without a port list, or for a serial entry without kPortLocal.
    virtual bool GetPort(int32_t &port);
    // Selects the entry of a port number or kind (entry 0 for port 0, an
    // entry of its own for a number the list does not offer, see
    // SelectSerialEntry) and shows the fields of its kind; false as for
    // GetPort.
    virtual bool SetPort(int32_t port);
    // Called while the port list is built, after the serial entries: a
    // derived panel adds its entries (KZDialog::AddComboItem) and answers
    // how many.
    virtual int32_t AddPortEntries(int32_t serialEntries);

    // Places the fields at the dialog's cursor; noneText names the first
    // port entry (null: "\Strings\SerialPort\PortNone").
    void Build(const wchar_t *noneText = nullptr);
    // Appends the description of the fields to out; false, nothing
    // appended, when a needed field is missing or unreadable.
    bool GetDescription(KString &out);
    // Sets the fields from a description; false, nothing changed, for a
    // kind below -3. Missing or unreadable fields take their defaults.
    bool SetDescription(const KString &description);
    // Whether the user (or a setter) changed any field since SetChanged(false).
    bool Changed() const;
    void SetChanged(bool changed);
    void EnableFields(bool enable);
    // Shows the fields of the selected kind and hides the others.
    void ShowFields();

    // Field accessors; false when the field does not exist (or, for the
    // getters, holds no valid value).
    bool GetBaud(int32_t &baud);
    bool SetBaud(int32_t baud);
    bool GetDataBits(int32_t &index);
    bool SetDataBits(int32_t index);
    bool GetParity(int32_t &index);
    bool SetParity(int32_t index);
    bool GetStopBits(int32_t &index);
    bool SetStopBits(int32_t index);
    // Milliseconds; negative while the repeat box is not checked.
    bool GetRepeatPeriod(int32_t &milliseconds);
    bool SetRepeatPeriod(int32_t milliseconds);
    // IPv4 address in host order; an empty field stands for address 0.
    bool GetAddress(uint32_t &address);
    bool SetAddress(uint32_t address);
    bool GetIPPort(uint16_t &port);
    bool SetIPPort(uint16_t port);

    uint32_t Mask() const { return mask; }
    int32_t NetworkIndex() const { return networkIndex; }
    KZComboBox *PortList() const { return portList; }

    // The serial ports the port list offers: those found at start-up, or,
    // with a list given here, that list (null: back to start-up's).
    static void SetPresentPorts(const std::vector<int32_t> *ports);

protected:
    KZDialog *Dialog() const { return dialog; }
    // Selects a serial entry of the list (entry < 0: port is not offered).
    // A port above 0 that the list does not offer (configured, but gone from
    // the machine or not yet plugged in) gets an entry of its own at the end
    // of the list, named like the others, so that the panel shows the port
    // it will give back; the entry goes again when another port is selected.
    void SelectSerialEntry(int32_t entry, int32_t port);
    // The port of that entry, when it is the selected one.
    bool AbsentPortSelected(int32_t &port) const;

private:
    void BuildPortList(const wchar_t *noneText);
    KZComboBox *BuildChoice(const wchar_t *promptKey, const wchar_t *const *entryKeys, int count,
                            KZPrompt *&prompt);
    std::vector<ZafWindowObject *> Fields() const;
    int32_t NetworkKind(int offset) const;
    int NetworkOffset(int32_t kind) const;
    void DropAbsentEntry();

    KZDialog *dialog;
    const uint32_t mask;
    KZComboBox *portList = nullptr;
    int32_t networkIndex = kNoNetwork;
    KZComboBox *baud = nullptr;
    KZPrompt *baudPrompt = nullptr;
    KZComboBox *dataBits = nullptr;
    KZPrompt *dataBitsPrompt = nullptr;
    KZComboBox *parity = nullptr;
    KZPrompt *parityPrompt = nullptr;
    KZComboBox *stopBits = nullptr;
    KZPrompt *stopBitsPrompt = nullptr;
    KZButton *repeat = nullptr;
    KZString *repeatPeriod = nullptr;
    KZInteger *ipPort = nullptr;
    KZPrompt *ipPortPrompt = nullptr;
    KZString *address = nullptr;
    KZPrompt *addressPrompt = nullptr;
    KZButton *absentEntry = nullptr;   // the entry of a port the list does not offer
    int32_t absentPort = 0;
};
