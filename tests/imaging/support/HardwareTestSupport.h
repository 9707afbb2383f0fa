#pragma once
// Stand-ins for the hardware window tests: a hub whose capture state the test
// sets and which records the capture, stop and hand-start calls; a main
// window that makes or opens a scripted event; an event document that
// records the selections its legs send.

#include <vector>

#include "domain/event/QVEvent.h"
#include "domain/hardware/VHardware.h"
#include "foundation/messages/KMessage.h"
#include "foundation/values/KPoint.h"
#include "imaging/hardware/VZMainWindowHook.h"

class RecordingHub : public VHardware
{
public:
    struct HandStart
    {
        bool withOffset;
        VRaceTime offset;
    };

    bool IsCaptureRunning() const override { return captureRunning; }
    bool IsCapturing() const override { return captureRunning; }
    bool UsesKeyboardButton() const override { return keyboardButton; }
    bool StartCapture(QVEvent *event, int leg) override
    {
        started.push_back(event);
        startedLegs.push_back(leg);
        return true;
    }
    void StopCapture() override { ++stops; }
    bool ManualStart(const VRaceTime *offset) override
    {
        handStarts.push_back({ offset != nullptr, offset ? *offset : VRaceTime() });
        return true;
    }
    int PortCount() const override { return ports; }

    bool captureRunning = false;
    bool keyboardButton = false;
    int ports = 0;
    int stops = 0;
    std::vector<QVEvent *> started;
    std::vector<int> startedLegs;
    std::vector<HandStart> handStarts;
};

// Records the cells of the selections (topic 25) it receives.
class SelectionRecordingEvent : public QVEvent
{
public:
    void Handle(const KMessage &message) override;
    std::vector<KPoint> selections;
};

class StandInMainWindow : public VZMainWindowHook
{
public:
    QVEvent *NewEventDocument() override
    {
        ++newCalls;
        return event;
    }
    QVEvent *OpenEventDocument(const wchar_t *fileName) override
    {
        openNames.push_back(fileName);
        return event;
    }

    QVEvent *event = nullptr;   // what both answer
    int newCalls = 0;
    std::vector<const wchar_t *> openNames;
};
