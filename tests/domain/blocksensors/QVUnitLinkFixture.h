#pragma once
// A simulated unit on the far end of the test's COM port pair, and the
// test's own port on the near end. Tests skip when the program runs without
// the serial-port harness.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "domain/ui/QVUserInterface.h"
#include "foundation/errors/KX.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/strings/KString.h"
#include "support/ComPortPair.h"
#include "tools/unitsim/UnitSim.h"

// Records what the link shows: message texts, status texts, error codes.
class RecordingUserInterface : public QVUserInterface
{
public:
    RecordingUserInterface() { QVUserInterface::Install(this); }
    ~RecordingUserInterface() override { QVUserInterface::Install(nullptr); }

    void ShowError(int32_t code, int32_t) override { errors.push_back(code); }
    void ShowErrorAbout(int32_t code, int32_t extra, const KString &about, const KString &why) override
    {   // the error's further lines become a message of their own
        ShowError(code, extra);
        messages.push_back(Narrow(about) + "\n" + Narrow(why));
    }
    void ShowMessage(const KString &, const KString &text) override { messages.push_back(Narrow(text)); }
    int Ask(const KString &, const KString &, int) override { return kCancel; }
    void StatusText(const KString &text) override { status.push_back(Narrow(text)); }
    bool ChooseSaveFile(KString &, const wchar_t *) override { return false; }
    void BeginWork(const KString &text) override
    {
        ++begun;
        StatusText(text);
    }
    // Escape once the progress reaches stopAt (-1: never).
    bool Work(int percent) override
    {
        percents.push_back(percent);
        return stopAt < 0 || percent < stopAt;
    }
    void EndWork() override { ++ended; }

    static std::string Narrow(const KString &text)
    {
        std::string out;
        for (int i = 0; i < text.Length(); ++i)
            out += char(text[i]);
        return out;
    }

    std::vector<int32_t> errors;
    std::vector<std::string> messages;
    std::vector<std::string> status;
    std::vector<int> percents;
    int stopAt = -1;
    int begun = 0;
    int ended = 0;
};

class UnitLinkTest : public ::testing::Test
{
protected:
    static constexpr int32_t kShortTimeout = 500;
    static constexpr int32_t kQuietLine = 100;   // ms without a byte that end a test's line

    void SetUp() override
    {
        pair = ComPortPair::FromEnvironment();
        if (!pair.HasPort() || !pair.HasPeerPort())
            GTEST_SKIP() << "needs a COM port pair: run through ctest or tools/comport/comport.sh run";
    }

    // A test may end while the unit still owes a reply (a late or slow one):
    // the unit is stopped first, so that the reply is on the line, and the
    // line is read until it falls quiet. Otherwise the rest of that reply
    // could reach the next test's port after its open cleared the line.
    void TearDown() override
    {
        if (unit)
            unit->Stop();
        if (port)
        {
            DrainLine();
            port->Close();
        }
    }

    void DrainLine()
    {
        port->SetReadTimeout(kQuietLine);
        uint8_t scrap[256];
        try
        {
            for (int i = 0; i < 1000 && port->Read(scrap, int32_t(sizeof scrap)) > 0; ++i)
                continue;
        }
        catch (const KX &)
        {
            // quiet (or closed)
        }
    }

    // Starts the simulated unit and opens the test's port (raw, short time-out).
    void Serve(const unitsim::Config &config)
    {
        unit.reset(new unitsim::Unit(config));
        ASSERT_TRUE(unit->Start(pair.peerPort));
        OpenPort();
    }

    void OpenPort()
    {
        port.reset(new KSerialPort(1024, 1024, 1));
        ASSERT_TRUE(port->Open(KString(Description().c_str())));
        port->SetReadEncoding(KStream::kEncoding8Bit);
        port->SetWriteEncoding(KStream::kEncoding8Bit);
        port->SetReadLineEnd(KStream::kLineEndRaw);
        port->SetWriteLineEnd(KStream::kLineEndRaw);
        port->SetReadTimeout(kShortTimeout);
    }

    std::wstring Description() const { return ComPortPair::Description(pair.port); }

    // The requests the unit received, in order.
    std::vector<unitsim::Record> Requests() const
    {
        std::vector<unitsim::Record> out;
        for (const unitsim::Record &record : unit->Transcript())
            if (record.fromHost && record.text.empty())
                out.push_back(record);
        return out;
    }

    ComPortPair pair;
    std::unique_ptr<unitsim::Unit> unit;
    std::unique_ptr<KSerialPort> port;
    RecordingUserInterface ui;
};
