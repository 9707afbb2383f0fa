#pragma once
// Stand-ins for the hardware list, alignment and remote window tests: a hub
// that records the remote commands and alignment starts it receives and
// answers camera settings as the test sets them; a view with rows whose
// column lists keep their edges; a tick source the test moves by hand.

#include <cstdint>
#include <utility>
#include <vector>

#include "domain/camera/VCamera.h"
#include "domain/hardware/VHardwareView.h"
#include "imaging/support/HardwareTestSupport.h"

class ControlHub : public RecordingHub
{
public:
    bool GetCameraSettings(int, VCamera &out) const override
    {
        if (!hasCamera)
            return false;
        out.CopyFrom(camera, VCamera::kCopyParameters);
        return true;
    }
    bool StartAlignment(int, int32_t value) override
    {
        alignValues.push_back(value);
        return startAnswer;
    }
    bool BeginAlignment() override { return true; }
    void StopAlignment() override { ++alignStops; }
    bool SendRemoteCommand(int, wchar_t command, wchar_t speed) override
    {
        commands.emplace_back(command, speed);
        return true;
    }
    bool IsDeviceMarked(int device) const override { return device == markedDevice; }
    int CameraLaneCount() const override { return lanes; }
    bool CameraLanesReversed() const override { return reversed; }
    int32_t CameraLaneBoundary(int lane) const override
    {
        return lane >= 0 && lane < int(boundaries.size()) ? boundaries[size_t(lane)] : 0;
    }
    void SetCameraLaneBoundary(int lane, int32_t value) override
    {
        if (lane >= 0 && lane < int(boundaries.size()))
            boundaries[size_t(lane)] = value;
    }

    VCamera camera;
    bool hasCamera = true;
    bool startAnswer = true;
    int alignStops = 0;
    int markedDevice = -1;
    int lanes = 0;
    bool reversed = false;
    std::vector<int32_t> boundaries;
    std::vector<int32_t> alignValues;
    std::vector<std::pair<wchar_t, wchar_t>> commands;
};

// Rows with column lists: each row's columns are edges 0 .. width, the last
// column the row's column count; a move is refused past a neighbour.
class RowsView : public VHardwareView
{
public:
    RowsView(VHardware *hardware, std::vector<std::vector<int32_t>> rows)
        : VHardwareView(hardware), rows(std::move(rows))
    {
    }
    int ItemCount() const override { return int(rows.size()); }
    int LastColumn(int row) const override { return Valid(row) ? int(rows[size_t(row)].size()) - 1 : 0; }
    void FitColumns(int row, int32_t width, bool keep) override { fits.push_back({ row, width, keep }); }
    int32_t ColumnPosition(int row, int column) const override;
    int32_t ColumnWidth(int row, int column) const override;
    bool SetColumnPosition(int row, int column, int32_t x) override;

    struct Fit
    {
        int row;
        int32_t width;
        bool keep;
    };
    std::vector<std::vector<int32_t>> rows;
    std::vector<Fit> fits;

private:
    bool Valid(int row) const { return row >= 0 && row < int(rows.size()); }
};

// KTickCount answers the value the test sets while one of these lives.
class HandTicks
{
public:
    HandTicks();
    ~HandTicks();
    void Set(int32_t value);
    void Advance(int32_t milliseconds);
};
