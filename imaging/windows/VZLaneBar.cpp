#include "imaging/windows/VZLaneBar.h"

#include <algorithm>

#include "domain/camera/VCamera.h"
#include "domain/hardware/VHardware.h"
#include "foundation/strings/KString.h"
#include "framework/core/display/ZafDisplay.h"
#include "imaging/image/VImage.h"

namespace {

constexpr int kDockLeft = 1;

} // namespace

VZLaneBar::VZLaneBar(VImage *image, VHardware *hardware, int cameraNumber)
    : KZSizer(kDockLeft, 2 * ZafDisplay::SharedOrDefault().cellHeight, 0, 0), image(image), hardware(hardware),
      cameraNumber(image ? -1 : cameraNumber)
{
}

int VZLaneBar::DraggedDivider()
{
    return image ? image->Camera().FirstValue() : dragged;
}

void VZLaneBar::SetDraggedDivider(int divider)
{
    if (image)
        image->Camera().SetFirstValue(divider);
    else
        dragged = divider;
}

int VZLaneBar::ColumnCount()
{
    if (image)
        return image->Camera().LaneCount();
    return hardware ? hardware->CameraLaneCount() : 0;
}

bool VZLaneBar::SetRange(int position, int length)
{
    const bool offsetChanged = SetOffset(position);
    const bool lengthChanged = SetCellSize(std::max(0, length));
    return offsetChanged || lengthChanged;
}

int VZLaneBar::Length()
{
    if (CellSize() > 0)
        return CellSize();
    const KRect client = ClientRect();
    return std::max(0, IsHorizontal() ? client.Width() : client.Height());
}

int32_t VZLaneBar::StoredBoundary(int lane) const
{
    if (image)
        return image->Camera().LaneBoundary(lane);
    return hardware ? hardware->CameraLaneBoundary(lane) : 0;
}

int VZLaneBar::DividerPosition(int divider)
{
    const int count = ColumnCount();
    if (count <= 0)
        return -1;
    const int length = Length();
    if (divider < 0)
        return 0;
    if (divider > count)
        return length;
    const int position = int(double(StoredBoundary(divider)) * 0.0001 * length);
    return std::max(0, std::min(position, length));
}

void VZLaneBar::MoveDivider(int divider, int position)
{
    const int length = Length();
    if (length <= 0)
        return;
    const int clamped = std::max(0, std::min(position, length));
    const int32_t value = int32_t(double(clamped) / length * VCamera::kBoundaryScale);
    if (image)
        image->Camera().SetLaneBoundary(divider, value);
    else if (hardware)
        hardware->SetCameraLaneBoundary(divider, value);
    KZSizer::MoveDivider(divider, position);
}

bool VZLaneBar::Reversed() const
{
    if (image)
        return image->Camera().LanesReversed();
    return hardware && hardware->CameraLanesReversed();
}

int VZLaneBar::LaneNumber(int cell)
{
    return Reversed() ? ColumnCount() - cell : cell + 1;
}

void VZLaneBar::CellText(int cell, KString &text, uint32_t &flags)
{
    text.AppendInt(LaneNumber(cell));
    flags |= 0x2;
}

int VZLaneBar::LaneAt(int position)
{
    const int count = ColumnCount();
    for (int cell = 0; cell < count; ++cell)
        if (position >= DividerPosition(cell) && position < DividerPosition(cell + 1))
            return LaneNumber(cell);
    return -1;
}
