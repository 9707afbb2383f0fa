#pragma once
// Constants of the training domain: message topics, the row kinds of the
// event walker, the version words of the stored records and the fixed sizes
// of a trial.

#include <cstdint>

#include "foundation/messages/KMessage.h"

// The phase bits of a message code are those of KMessage.h. Messages about a
// result or a cell carry a pointer in their 32-bit data word.
static_assert(sizeof(void *) <= sizeof(uint32_t), "message data words hold pointers");

// Topics.
constexpr uint32_t kMsgResultsChanged = 12;    // a leg's results changed (views re-read the list)
constexpr uint32_t kMsgEventChanged = 13;      // event fields (name, numbers, date) changed
constexpr uint32_t kMsgResultChanged = 14;     // one result's fields changed; data = the result
constexpr uint32_t kMsgResultList = 15;        // results added to or removed from a list
constexpr uint32_t kMsgLegList = 16;           // legs added to or removed from the event
constexpr uint32_t kMsgHardwareChanged = 20;   // the hub's items or rings changed
constexpr uint32_t kMsgSelect = 25;            // select a cell; data = the KPoint, (-1,-1) = none
constexpr uint32_t kMsgClearSelection = 26;    // clear the selection (the chart's overlay)
constexpr uint32_t kMsgShowData = 27;          // show the data behind the chart
constexpr uint32_t kMsgOptionsChanged = 30;    // chart or list options changed
constexpr uint32_t kMsgZoomChanged = 39;       // a zoom changed; sender = the zoom
constexpr uint32_t kMsgShowResult = 40;        // show one result in the result windows; data = the result
constexpr uint32_t kMsgSendEventName = 41;     // results windows: send the event name
constexpr uint32_t kMsgSendResults = 42;       // results windows: send the results

// Row kinds of QVEvent::RowIterator (also the tags of the event's records).
constexpr uint32_t kRowEvent = 0x20004;
constexpr uint32_t kRowResults = 0x20005;
constexpr uint32_t kRowLeg = 0x20009;

// Version words of the stored records (see docs/event-files.md).
constexpr uint32_t kRecordEvent = 0x20006;
constexpr uint32_t kRecordStart = 0x20002;
constexpr uint32_t kRecordLeg = 0x20003;
constexpr uint32_t kRecordResults = 0x20005;
constexpr uint32_t kRecordResultFilter = 0x20007;
constexpr uint32_t kRecordResultsView = 0x20008;
constexpr uint32_t kRecordResult = 0x2000A;
constexpr uint32_t kRecordChart = 0x2000B;
constexpr uint32_t kRecordChartView = 0x2000D;
constexpr uint32_t kRecordZoom = 0x20011;
constexpr uint32_t kRecordEventEnd = 0x2000E;  // closes an event record

// A trial's trace: two channels of 5001 samples at 1 kHz, the gun at sample 3000.
constexpr int kTraceSamples = 5001;
constexpr int kTraceGunSample = 3000;
constexpr int kTraceBytes = 2 * kTraceSamples * 2;   // two channels of 16-bit samples
constexpr int kBreakCount = 9;                        // photobeam break times of a trial
constexpr int kResultTextFields = 6;
