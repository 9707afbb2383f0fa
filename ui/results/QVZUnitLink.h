#pragma once
// QVZUnitLink: the block-sensor requests of the results area, one unit at a
// time: the port is opened for a unit, asked and closed again. The program
// runs them through QVZBlockSensorLink (a serial port and QVBlockSensors);
// any other link may stand in its place. Every request answers false (or 0)
// when it failed; what the user sees of a failure is the caller's concern.
// Every wait (the settling, each reply) lets the windows repaint and looks
// for Escape; a request the user stopped so fails as well, and the long
// operation under way then counts as aborted.
// GUI thread.

#include <cstdint>

class KString;
class QVResult;
class QVResults;
class QVResultsView;

class QVZUnitLink
{
public:
    virtual ~QVZUnitLink() = default;

    // Opens the port of a one-line port description for raw bytes, lets the
    // line settle and sets the short read time-out. False at once, without
    // the wait, when the port cannot be opened (the requests then fail), and
    // false with the port closed when the user stopped the operation during
    // the wait.
    virtual bool Open(const KString &description) = 0;
    virtual void Close() = 0;

    // The unit's device type (0x10001 block sensor, 0x20001 Control
    // Center); 0 when it did not answer.
    virtual int32_t DeviceType() = 0;
    // Status of the unit of kind: status 0 is ready; unit is the unit's
    // number and time the value the download request passes on.
    virtual bool Status(int32_t kind, int32_t &status, int32_t &unit, int32_t &time) = 0;
    // Number of stored trials of unit.
    virtual bool TrialCount(int32_t unit, int32_t &count) = 0;
    // Downloads trial (from 0) of the unit at destination into the link's
    // current trial: its header only, or header and samples. A failure
    // leaves the current trial empty. quiet keeps the status line as it is.
    virtual bool Download(int32_t destination, int32_t trial, int32_t time, bool headerOnly, bool quiet) = 0;
    // Copies the current trial into result: the times only, or everything.
    virtual bool Fill(QVResult &result, bool timesOnly) = 0;

    // Control Center sends.
    virtual bool SendText(const KString &text) = 0;
    virtual bool SendLaneData(const QVResults &results, const QVResultsView *view) = 0;
};
