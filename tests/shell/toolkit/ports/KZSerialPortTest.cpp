// The port-settings panel in a real dialog: its port list from the present
// ports, descriptions read and written back, refused kinds, the changed
// flag after the user picks a parity, the repeat period, the fields shown
// for each kind of port and addresses that are no addresses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/registry/KRegistry.h"
#include "foundation/strings/KString.h"
#include "framework/controls/ZafVtList.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/toolkit/ports/KZSerialPort.h"

namespace {

const std::vector<int32_t> kPresentPorts = { 1, 3 };
constexpr uint32_t kEveryOption = 0x7FF;

class PortPanel : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        KZSerialPort::SetPresentPorts(&kPresentPorts);
    }
    void TearDown() override
    {
        if (dialog && app->WindowManager()->Holds(dialog.get()))
            app->WindowManager()->Subtract(dialog.get());
        panel.reset();
        dialog.reset();
        KZSerialPort::SetPresentPorts(nullptr);
        ToolkitTest::TearDown();
    }
    KZSerialPort &Make(uint32_t mask)
    {
        dialog = std::make_unique<KZDialog>(L"Port", kButtonOk | kButtonCancel, kButtonOk);
        dialog->AddPrompt(L"Port:");
        panel = std::make_unique<KZSerialPort>(dialog.get(), mask);
        panel->Build();
        return *panel;
    }
    void Open()
    {
        dialog->Prepare();
        app->WindowManager()->Add(dialog.get());
        Pump();
    }
    std::wstring Description()
    {
        KString text;
        return panel->GetDescription(text) ? text.CStr() : L"(refused)";
    }
    static bool Shown(ZafWindowObject *field)
    {
        return field && IsWindowVisible(static_cast<HWND>(field->OSWindow()));
    }
    // The field of a given kind placed right after a prompt with that text.
    ZafWindowObject *After(const wchar_t *prompt)
    {
        for (ZafWindowObject *child = dialog->FirstChild(); child;
             child = static_cast<ZafWindowObject *>(child->Next()))
            if (child->Text() && std::wstring(child->Text()) == prompt)
                return static_cast<ZafWindowObject *>(child->Next());
        return nullptr;
    }

    std::unique_ptr<KZDialog> dialog;
    std::unique_ptr<KZSerialPort> panel;
};

} // namespace

TEST_F(PortPanel, ThePortListOffersNoneAndThePresentPorts)
{
    KZSerialPort &port = Make(63);
    std::vector<std::wstring> entries;
    for (ZafElement *e = port.PortList()->List()->ZafList::First(); e; e = e->Next())
        entries.push_back(static_cast<ZafWindowObject *>(e)->Text());
    EXPECT_EQ((std::vector<std::wstring>{ L"<none>", L"COM1", L"COM3" }), entries);
    EXPECT_EQ(KZSerialPort::kNoNetwork, port.NetworkIndex());
}

TEST_F(PortPanel, SerialDescriptionsReadBackAsTheyShouldBeStored)
{
    const std::pair<const wchar_t *, const wchar_t *> cases[] = {
        { L"3,19200,8,N,1.0", L"3,19200,8,N,1.0" },
        { L"1,115200,7,E,2.0", L"1,115200,7,E,2.0" },
        { L"5,9600,8,N,1.0", L"5,9600,8,N,1.0" },    // COM5 is not present, yet kept
        { L"", L"0,9600,8,N,1.0" },                  // every field at its default
        { L"3,12345,8,N,1.0", L"3,9600,8,N,1.0" },   // a rate not offered keeps the selection
    };
    for (const auto &test : cases) {
        KZSerialPort &port = Make(63);
        EXPECT_TRUE(port.SetDescription(KString(test.first))) << test.first;
        EXPECT_EQ(test.second, Description()) << test.first;
    }
    KZSerialPort &port = Make(63);
    port.SetDescription(KString(L"3,19200,8,O,1.5"));
    EXPECT_STREQ(L"COM3", port.PortList()->Text());
    int32_t parity = -1, stop = -1;
    EXPECT_TRUE(port.GetParity(parity));
    EXPECT_TRUE(port.GetStopBits(stop));
    EXPECT_EQ(1, parity);
    EXPECT_EQ(1, stop);
}

// A configured port the machine does not offer is listed by its name at
// the end, on screen too, and leaves the list once another port is chosen.
TEST_F(PortPanel, APortNotPresentIsShownByItsNameUntilAnotherIsChosen)
{
    KZSerialPort &port = Make(kEveryOption);
    Open();
    HWND box = static_cast<HWND>(port.PortList()->OSWindow());
    auto entries = [&] {
        std::vector<std::wstring> names;
        for (ZafElement *e = port.PortList()->List()->ZafList::First(); e; e = e->Next())
            names.push_back(static_cast<ZafWindowObject *>(e)->Text());
        return names;
    };
    const std::vector<std::wstring> offered = entries();

    port.SetDescription(KString(L"5,19200,8,N,1.0"));
    Pump();
    std::vector<std::wstring> withAbsent = offered;
    withAbsent.push_back(L"COM5");
    EXPECT_EQ(withAbsent, entries());
    EXPECT_EQ(LRESULT(withAbsent.size()), SendMessageW(box, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(LRESULT(withAbsent.size() - 1), SendMessageW(box, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(L"5,19200,8,N,1.0", Description());
    EXPECT_TRUE(Shown(After(L"Baud"))) << "a serial port shows its line fields";

    port.SetDescription(KString(L"7,9600,8,N,1.0"));   // another absent port takes its place
    withAbsent.back() = L"COM7";
    EXPECT_EQ(withAbsent, entries());
    EXPECT_EQ(L"7,9600,8,N,1.0", Description());

    for (const wchar_t *other : { L"3,9600,8,N,1.0", L"-2,0.0.0.0,1950", L"0,9600,8,N,1.0" }) {
        port.SetDescription(KString(L"7,9600,8,N,1.0"));
        port.SetDescription(KString(other));
        Pump();
        EXPECT_EQ(offered, entries()) << other;
        EXPECT_EQ(LRESULT(offered.size()), SendMessageW(box, CB_GETCOUNT, 0, 0)) << other;
        EXPECT_EQ(other, Description());
    }
}

TEST_F(PortPanel, AnUnknownKindIsRefusedAndChangesNothing)
{
    KZSerialPort &port = Make(63);
    port.SetDescription(KString(L"3,19200,8,N,1.0"));
    EXPECT_FALSE(port.SetDescription(KString(L"-7,1,2")));
    EXPECT_EQ(L"3,19200,8,N,1.0", Description());
}

TEST_F(PortPanel, ChangedIsSetWhenTheUserPicksAnotherParity)
{
    KZSerialPort &port = Make(63);
    port.SetDescription(KString(L"3,19200,8,N,1.0"));
    port.SetChanged(false);
    Open();
    EXPECT_FALSE(port.Changed());
    ZafWindowObject *parity = After(L"Parity");
    ASSERT_NE(nullptr, parity);
    HWND box = static_cast<HWND>(parity->OSWindow());
    SendMessageW(box, CB_SETCURSEL, 2, 0);
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), LPARAM(box));
    Pump();
    EXPECT_TRUE(port.Changed());
    EXPECT_EQ(L"3,19200,8,E,1.0", Description());
}

TEST_F(PortPanel, ARepeatPeriodSwitchedOffIsKeptNegativeAndZeroWritesNoField)
{
    KZSerialPort &port = Make(kEveryOption);
    port.SetDescription(KString(L"1,9600,8,N,1.0"));
    ASSERT_TRUE(port.SetRepeatPeriod(-5000));
    int32_t period = 0;
    EXPECT_TRUE(port.GetRepeatPeriod(period));
    EXPECT_EQ(-5000, period);
    EXPECT_EQ(L"1,9600,8,N,1.0,-5000", Description());
    port.SetRepeatPeriod(2500);
    EXPECT_EQ(L"1,9600,8,N,1.0,2500", Description());
    port.SetRepeatPeriod(0);
    EXPECT_EQ(L"1,9600,8,N,1.0", Description());
}

TEST_F(PortPanel, EachKindOfPortShowsItsOwnFields)
{
    // The address and IP-port prompts have no English text; a language gives them one.
    registry->Parse(L"Strings\\SerialPort\\IPPort:String=IP Port");
    registry->Parse(L"Strings\\SerialPort\\IPAddress:String=Address");
    KZSerialPort &port = Make(kEveryOption);
    Open();
    ZafWindowObject *baud = After(L"Baud");
    ZafWindowObject *parity = After(L"Parity");
    ZafWindowObject *address = After(L"Address");
    ZafWindowObject *ipPort = After(L"IP Port");
    ASSERT_TRUE(baud && parity && address && ipPort);
    struct Case
    {
        int32_t kind;
        bool serial;
        bool address;
    };
    const Case cases[] = { { 3, true, false }, { KZSerialPort::kKindTCPListen, false, false },
                           { KZSerialPort::kKindTCPConnect, false, true }, { KZSerialPort::kKindUDP, false, true },
                           { 0, true, false } };
    for (const Case &test : cases) {
        ASSERT_TRUE(port.SetPort(test.kind));
        Pump();
        int32_t kind = 0;
        EXPECT_TRUE(port.GetPort(kind));
        EXPECT_EQ(test.kind, kind);
        EXPECT_EQ(test.serial, Shown(baud)) << test.kind;
        EXPECT_EQ(test.serial, Shown(parity)) << test.kind;
        EXPECT_EQ(test.address, Shown(address)) << test.kind;
        EXPECT_EQ(!test.serial, Shown(ipPort)) << test.kind;
    }
    // The user picks "Network (listen)" in the list: the fields follow.
    HWND list = static_cast<HWND>(port.PortList()->OSWindow());
    SendMessageW(list, CB_SETCURSEL, WPARAM(port.NetworkIndex() + 1), 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), LPARAM(list));
    Pump();
    EXPECT_FALSE(Shown(baud));
    EXPECT_FALSE(Shown(address));
    EXPECT_TRUE(Shown(ipPort));
}

TEST_F(PortPanel, NetworkDescriptionsNeedARealAddress)
{
    KZSerialPort &port = Make(kEveryOption);
    const std::pair<const wchar_t *, const wchar_t *> cases[] = {
        { L"-1,10.0.0.7,1950", L"-1,10.0.0.7,1950" },
        { L"-2,10.0.0.7,1950", L"-2,0.0.0.0,1950" },
        { L"-3,192.168.1.20,2000", L"-3,192.168.1.20,2000" },
        { L"-3,,2000", L"-3,255.255.255.255,2000" },   // no address: every host
    };
    for (const auto &test : cases) {
        EXPECT_TRUE(port.SetDescription(KString(test.first))) << test.first;
        EXPECT_EQ(test.second, Description()) << test.first;
    }
    port.SetDescription(KString(L"-1,10.0.0.7,1950"));
    ZafWindowObject *field = nullptr;
    for (ZafWindowObject *child = dialog->FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
        if (child->Text() && std::wstring(child->Text()) == L"10.0.0.7")
            field = child;
    ASSERT_NE(nullptr, field);
    for (const wchar_t *bad : { L"1.2.3", L"10.0.0.256", L"host" }) {
        field->SetText(bad);
        EXPECT_EQ(L"(refused)", Description()) << bad;
    }
    port.SetPort(KZSerialPort::kKindUDP);
    field->SetText(L"1.2.3");
    EXPECT_EQ(L"(refused)", Description());
}
