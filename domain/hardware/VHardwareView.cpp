#include "domain/hardware/VHardwareView.h"

#include "domain/hardware/VHardware.h"
#include "domain/ui/QVWindowHooks.h"

int VHardwareView::ItemCount() const
{
    return m_hardware ? m_hardware->DeviceCount() : 0;
}

int VHardwareView::LastColumn(int) const
{
    return 0;
}

void VHardwareView::FitColumns(int, int32_t, bool) {}

int32_t VHardwareView::ColumnPosition(int, int) const
{
    return 0;
}

int32_t VHardwareView::ColumnWidth(int, int) const
{
    return 0;
}

bool VHardwareView::SetColumnPosition(int, int, int32_t)
{
    return false;
}

void VHardwareView::Handle(const KMessage &)
{
    if (m_window)
        m_window->HardwareChanged();
    if (m_toolBar)
        m_toolBar->HardwareChanged();
}

void VHardwareView::LanesChanged()
{
    if (m_alignWindow)
        m_alignWindow->LanesChanged();
}
