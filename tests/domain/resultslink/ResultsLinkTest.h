#pragma once
// ResultsLinkTest: the fixture of the results link tests. Sockets are
// started and settings installed (results written to a scratch folder, a
// 3 s long timeout); the event is new, at event 1, round 1, heat 2, and
// holds one result: Claire Dubois, lane 2, identity 201. Afterwards the
// link is shut down and the settings removed.

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

#include <string>

class ResultsLinkTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Sets the link's port to a socket on loopback that listens (kind -2)
    // or connects (kind -1).
    void SetLinkPort(int kind, int port);

    ScratchFolder m_folder;
    KRegistry m_settings;
    QVEvent m_event;
    QVResult *m_dubois = nullptr;   // the event's one result
};

// Writes all of text to the peer.
void Send(KTCPSocket &peer, const std::string &text);
