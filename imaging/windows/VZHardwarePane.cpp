#include "imaging/windows/VZHardwarePane.h"

#include "domain/hardware/VHardware.h"
#include "domain/hardware/VHardwareView.h"
#include "foundation/strings/KString.h"
#include "framework/controls/ZafScrollBar.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/windows/VZAlignWindow.h"
#include "imaging/windows/VZHardwareMDI.h"
#include "imaging/windows/VZHardwareTitle.h"
#include "imaging/windows/VZHardwareWindow.h"
#include "imaging/windows/VZRemoteWindow.h"
#include "shell/app/KZAppCodes.h"

VZHardwarePane::VZHardwarePane(VZHardwareWindow *window, VHardwareView *hardwareView)
    : KZEditableSelector(0, 0, 0, 0), VZViewedHardware(hardwareView), window(window)
{
    title = new VZHardwareTitle(this, hardwareView, UnitSize().y);
    Add(title);
    SetHeaderBar(title);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    SetExtent(KPoint(1, hardwareView ? hardwareView->ItemCount() : 0));
    if (hardwareView) {
        const KPoint scroll = hardwareView->ScrollPosition();
        const KPoint selected = hardwareView->Selection();
        KZEditableSelector::SetScrollPosition(scroll);
        KZEditableSelector::SetSelection(selected);
    }
}

ZafEventType VZHardwarePane::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafEventType code = MapEvent(mapped);
    if ((code >= kEvtHardwareFirst && code <= kEvtHardwareLast) || code == kEvtMenuOpening || code == kEvtIdle ||
        code == kEvtHardwareRefresh)
        return code;
    return KZEditableSelector::Event(event);
}

void VZHardwarePane::UpdateLayout()
{
    KZEditableSelector::UpdateLayout();
    if (title)
        title->SetCellSize(UnitSize().x);
}

void VZHardwarePane::Redisplay()
{
    SetExtent(KPoint(1, hardwareView ? hardwareView->ItemCount() : 0));
    KZEditableSelector::Redisplay();
}

bool VZHardwarePane::SetScrollPosition(KPoint position)
{
    const bool changed = KZEditableSelector::SetScrollPosition(position);
    if (hardwareView)
        hardwareView->SetScrollPosition(ScrollPosition());
    return changed;
}

void VZHardwarePane::DrawCell(KPoint unit, int column)
{
    if (hardwareView)
        hardwareView->FitColumns(unit.y, ClientSize().x, false);
    KZEditableSelector::DrawCell(unit, column);
}

bool VZHardwarePane::SetSelection(KPoint unit)
{
    const bool changed = KZEditableSelector::SetSelection(unit);
    if (hardwareView)
        hardwareView->SetSelection(Selection());
    VZHardwareMDI *mdi = window ? window->Mdi() : nullptr;
    if (mdi && mdi->AlignWindow())
        mdi->AlignWindow()->SetCameraNumber(Selection().y);
    if (mdi && mdi->RemoteWindow())
        mdi->RemoteWindow()->SetCameraNumber(Selection().y);
    return changed;
}

int VZHardwarePane::ColumnCount(KPoint unit)
{
    return hardwareView ? hardwareView->LastColumn(unit.y) : 0;
}

void VZHardwarePane::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    if (hardwareView) {
        rect.left += hardwareView->ColumnPosition(unit.y, column);
        rect.right = rect.left + hardwareView->ColumnWidth(unit.y, column) - 1;
    }
    KZEditableSelector::CellRect(unit, column, rect, part);
}

KZPaletteEntry VZHardwarePane::CellPalette(KPoint unit, int column, uint16_t type, uint16_t state)
{
    KZPaletteEntry entry = KZEditableSelector::CellPalette(unit, column, type, state);
    if (type != kHardwareMarkedPalette || !hardware || !hardware->IsDeviceMarked(unit.y))
        return entry;
    KZPaletteEntry marked;
    KZInitPalette(marked);
    marked.palette.font = entry.palette.font;
    marked.palette.colorForeground = ZafInt8(kHardwareMarkedColor);
    return marked;
}

void VZHardwarePane::CellText(KPoint, int, KString &, uint32_t &) {}

int VZHardwarePane::NextEditableColumn(KPoint, int)
{
    return -1;
}

int VZHardwarePane::PrevEditableColumn(KPoint, int)
{
    return -1;
}

bool VZHardwarePane::CanEdit(KPoint, int)
{
    return false;
}

void VZHardwarePane::SetView(VHardwareView *view)
{
    Follow(view);
    if (title)
        title->SetView(view);
    Redisplay();
}
