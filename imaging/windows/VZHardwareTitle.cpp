#include "imaging/windows/VZHardwareTitle.h"

#include <algorithm>

#include "domain/hardware/VHardwareView.h"
#include "imaging/windows/VZHardwarePane.h"

VZHardwareTitle::VZHardwareTitle(VZHardwarePane *pane, VHardwareView *hardwareView, int size)
    : KZSizer(0, size, 0, 0), pane(pane), hardwareView(hardwareView)
{
}

int VZHardwareTitle::SelectedRow() const
{
    return hardwareView ? hardwareView->Selection().y : -1;
}

void VZHardwareTitle::Fit(bool keep)
{
    if (hardwareView)
        hardwareView->FitColumns(SelectedRow(), ClientRect().Width(), keep);
}

ZafEventType VZHardwareTitle::Draw(const ZafEventStruct &event, ZafEventType code)
{
    Fit(false);
    return KZSizer::Draw(event, code);
}

bool VZHardwareTitle::SetCellSize(int pixels)
{
    const bool changed = KZSizer::SetCellSize(pixels);
    if (pixels >= 0)
        Fit(true);
    return changed;
}

int VZHardwareTitle::ColumnCount()
{
    return hardwareView ? hardwareView->LastColumn(SelectedRow()) : 0;
}

int VZHardwareTitle::DividerPosition(int divider)
{
    Fit(false);
    if (!hardwareView)
        return 0;
    const int clamped = std::max(0, std::min(divider, ColumnCount()));
    return hardwareView->ColumnPosition(SelectedRow(), clamped);
}

void VZHardwareTitle::MoveDivider(int divider, int position)
{
    Fit(false);
    if (!hardwareView || !hardwareView->SetColumnPosition(SelectedRow(), divider, position))
        return;
    KZSizer::Redisplay();
    if (pane)
        pane->RedrawClient(ZAF_EV_REDRAW);
}
