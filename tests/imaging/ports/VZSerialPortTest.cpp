// The options pages' serial-port panel in a dialog being built: the hub's
// ports after the machine's, the port numbers it reads and selects, and
// entries chosen on screen that queue nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "foundation/strings/KString.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "imaging/ports/VZSerialPort.h"
#include "imaging/support/ImagingWindowTest.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/dialogs/KZDialog.h"

namespace {

constexpr uint32_t kOptionsPanel = 0x3F;

using SerialPortPanel = ImagingWindowTest;

std::vector<std::wstring> EntriesOf(KZSerialPort &panel)
{
    std::vector<std::wstring> entries;
    if (KZComboBox *list = panel.PortList())
        for (ZafElement *entry = list->List()->ZafList::First(); entry; entry = entry->Next())
            entries.push_back(static_cast<ZafWindowObject *>(entry)->Text());
    return entries;
}

int32_t PortOf(KZSerialPort &panel)
{
    int32_t port = -99;
    EXPECT_TRUE(panel.GetPort(port));
    return port;
}

} // namespace

TEST_F(SerialPortPanel, WithoutHubPortsTheListIsTheBasePanels)
{
    KZDialog dialog(L"Ports", kButtonOk, kButtonOk);
    KZSerialPort base(&dialog, kOptionsPanel);
    base.Build();
    dialog.NewLine();
    VZSerialPort panel(&dialog, kOptionsPanel);
    panel.Build();
    EXPECT_EQ(EntriesOf(base), EntriesOf(panel));
    EXPECT_EQ(0, PortOf(panel));
}

TEST_F(SerialPortPanel, HubPortsFollowTheMachinesAndAreChosenByNumber)
{
    hub->ports = 2;
    KZDialog dialog(L"Ports", kButtonOk, kButtonOk);
    VZSerialPort panel(&dialog, kOptionsPanel);
    panel.Build();
    const std::vector<std::wstring> entries = EntriesOf(panel);
    ASSERT_GE(entries.size(), 3u);
    EXPECT_EQ(L"COM256", entries[entries.size() - 2]);
    EXPECT_EQ(L"COM257", entries.back());

    EXPECT_TRUE(panel.SetPort(257));
    EXPECT_EQ(int(entries.size()) - 1, panel.PortList()->Selection());
    EXPECT_EQ(257, PortOf(panel));

    // A port neither the machine nor the hub offers keeps its number.
    EXPECT_TRUE(panel.SetPort(999));
    EXPECT_EQ(int(entries.size()), panel.PortList()->Selection());
    EXPECT_EQ(L"COM999", EntriesOf(panel).back());
    EXPECT_EQ(999, PortOf(panel));
    EXPECT_TRUE(panel.SetPort(0));
    EXPECT_EQ(0, panel.PortList()->Selection());
    EXPECT_EQ(entries, EntriesOf(panel));
    EXPECT_EQ(0, PortOf(panel));

    panel.SetPort(256);
    KString description;
    EXPECT_TRUE(panel.GetDescription(description));
    EXPECT_EQ(std::wstring(L"256,9600,8,N,1.0"), description.CStr());
}

TEST_F(SerialPortPanel, SerialFieldsComeFromTheChosenFieldsOfADescription)
{
    KZDialog dialog(L"Ports", kButtonOk, kButtonOk);
    VZSerialPort panel(&dialog, kOptionsPanel);
    panel.Build();
    EXPECT_TRUE(panel.SetSerialFields(KString(L"x,y,19200,7,E,2.0"), 2));
    int32_t baud = 0, dataBits = 0, parity = 0, stopBits = 0;
    ASSERT_TRUE(panel.GetBaud(baud) && panel.GetDataBits(dataBits) && panel.GetParity(parity) &&
                panel.GetStopBits(stopBits));
    EXPECT_EQ(19200, baud);
    EXPECT_EQ(1, dataBits);
    EXPECT_EQ(2, parity);
    EXPECT_EQ(2, stopBits);
}

// Every entry, a port the machine lacks among them, chosen as the box's own
// notification reports a choice, leaves no event behind for anyone to take.
TEST_F(SerialPortPanel, ChoosingAnyEntryOnScreenQueuesNoEvent)
{
    hub->ports = 2;
    KZDialog dialog(L"Ports", kButtonOk, kButtonOk);
    VZSerialPort panel(&dialog, kOptionsPanel);
    panel.Build();
    panel.SetPort(999);
    const std::vector<std::wstring> entries = EntriesOf(panel);
    ASSERT_EQ(L"COM999", entries.back());
    dialog.Prepare();
    app->WindowManager()->Add(&dialog);
    Pump();
    HWND box = static_cast<HWND>(panel.PortList()->OSWindow());
    ZafEventManager *events = ZafEventManager::Shared();
    ZafEventStruct stale;
    while (events->Get(stale, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
        ;
    for (int index = int(entries.size()) - 1; index >= 0; --index) {
        SendMessageW(box, CB_SETCURSEL, WPARAM(index), 0);
        SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), LPARAM(box));
        Pump();
        std::vector<ZafEventType> queued;
        ZafEventStruct event;
        while (events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
            queued.push_back(event.type);
        EXPECT_EQ(std::vector<ZafEventType>{}, queued) << entries[size_t(index)];
        EXPECT_EQ(index, panel.PortList()->Selection());
        if (entries[size_t(index)] == L"COM999") {
            EXPECT_EQ(999, PortOf(panel));
        }
    }
    app->WindowManager()->Subtract(&dialog);
}
