// Layout: column alignment, the notebook builder and Prepare.
#include "shell/toolkit/dialogs/KZDialog.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "framework/controls/ZafNotebook.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

ZafDisplay &Display()
{
    return ZafDisplay::SharedOrDefault();
}

ZafRegionStruct CellRegion(const ZafWindowObject *object)
{
    ZafRegionStruct region = object->Region();
    region.ConvertCoordinates(kCoordCells);
    return region;
}

ZafWindowObject *NextSibling(ZafWindowObject *object)
{
    return static_cast<ZafWindowObject *>(object->Next());
}

// The extent of a window's children in cells: smallest left edge, largest
// right edge + 1, largest bottom edge + 1 (all 0 without children).
struct Extent
{
    int left = 0;
    int right = 0;
    int bottom = 0;
};

Extent ChildExtent(const ZafWindow *window)
{
    Extent extent;
    int left = INT_MAX;
    for (ZafWindowObject *child = window->FirstChild(); child; child = NextSibling(child)) {
        const ZafRegionStruct region = CellRegion(child);
        left = std::min<int>(left, region.left);
        extent.right = std::max<int>(extent.right, region.right + 1);
        extent.bottom = std::max<int>(extent.bottom, region.bottom + 1);
    }
    extent.left = left == INT_MAX ? 0 : left;
    return extent;
}

} // namespace

void KZDialog::AlignColumn(int n, int firstChild)
{
    ZafWindow *window = container ? container : this;
    std::vector<std::vector<ZafWindowObject *>> rows;
    int lastTop = INT_MIN;
    int index = 0;
    for (ZafWindowObject *child = window->FirstChild(); child; child = NextSibling(child), ++index) {
        if (index < firstChild)
            continue;
        const int top = CellRegion(child).top;
        if (rows.empty() || top != lastTop)
            rows.emplace_back();
        rows.back().push_back(child);
        lastTop = top;
    }
    int widest = INT_MIN;
    for (const auto &line : rows)
        if (int(line.size()) > n)
            widest = std::max<int>(widest, CellRegion(line[n]).left);
    const int cellWidth = Display().cellWidth;
    for (const auto &line : rows) {
        if (int(line.size()) <= n)
            continue;
        const int shift = widest - CellRegion(line[n]).left;
        for (size_t i = size_t(n); shift && i < line.size(); ++i) {
            ZafRegionStruct region = line[i]->Region();
            int by = 0;
            if (region.coordinateType == kCoordCells)
                by = shift;
            else if (region.coordinateType == kCoordPixels)
                by = shift * cellWidth;
            region.left += by;
            region.right += by;
            line[i]->SetRegion(region);
        }
    }
}

void KZDialog::BeginNotebook(int minimumWidth, int minimumHeight)
{
    row = &notebookRow;
    column = &notebookColumn;
    container = nullptr;
    notebookMinimumWidth = minimumWidth;
    notebookMinimumHeight = minimumHeight + kPageAllowance;
}

ZafWindow *KZDialog::BeginPage(const wchar_t *tab)
{
    notebookRow = 1;
    notebookColumn = kLeftMargin;
    auto *page = new ZafWindow(0, 0, 0, 0);
    page->SetSelectionType(kSeveralSelected);
    page->Add(new ZafTitle(tab ? tab : L""));
    container = page;
    return page;
}

void KZDialog::EndPage()
{
    ZafWindow *page = container;
    if (!page || page == this)
        return;
    const Extent extent = ChildExtent(page);
    ZafRegionStruct region;
    region.Assign(0, 0, extent.right + extent.left, extent.bottom + kPageAllowance - 1, kCoordCells);
    page->SetRegion(region);
    pendingPages.Add(page);
    container = nullptr;
}

ZafNotebook *KZDialog::EndNotebook(int selected)
{
    if (container && container != this)
        EndPage();
    int width = notebookMinimumWidth, height = notebookMinimumHeight;
    for (ZafElement *e = pendingPages.First(); e; e = e->Next()) {
        const ZafRegionStruct region = CellRegion(static_cast<ZafWindowObject *>(e));
        width = std::max<int>(width, region.right + 1);
        height = std::max<int>(height, region.bottom + 1);
    }
    row = &dialogRow;
    column = &dialogColumn;
    auto *notebook = new ZafNotebook(dialogColumn, dialogRow, width, height);
    notebook->SetBorder(false);
    // The notebook keeps the place measured for it: filling the dialog's
    // client area would cover the standard buttons below it.
    notebook->SetRegionMode(0);
    const int pages = pendingPages.Count();
    while (ZafElement *e = pendingPages.First()) {
        pendingPages.Subtract(e);
        auto *page = static_cast<ZafWindow *>(e);
        ZafRegionStruct region;
        region.Assign(0, 0, width - 1, height - 1, kCoordCells);
        page->SetRegion(region);
        notebook->Add(page);
    }
    container = this;
    AddToContainer(notebook);
    if (pages > 0)
        notebook->SetCurrentPage(selected < 0 || selected >= pages ? pages - 1 : selected);
    dialogColumn = kLeftMargin;
    dialogRow += height;
    return notebook;
}

void KZDialog::Prepare()
{
    const ZafDisplay &display = Display();
    const Extent extent = ChildExtent(this);
    const int gap = (extent.bottom + 4) * display.cellHeight > display.lines ? 1 : 2;

    int widest = 10 * display.cellWidth, count = 0;
    for (int bit = 0; bit < 32; ++bit) {
        const uint32_t flag = uint32_t(1) << bit;
        if (!(buttons & flag))
            continue;
        ++count;
        widest = std::max(widest, TextWidth(ButtonLabel(flag).CStr()));
    }
    const int buttonWidth = (widest + display.cellWidth - 1) / display.cellWidth + 2;
    const int width = std::max(extent.right + extent.left + 1, (buttonWidth + 2) * count + 5);

    int left = (width - (buttonWidth + 2) * count) / 2 + 1;
    const int buttonRow = extent.bottom + gap - 1;
    for (int bit = 0; bit < 32; ++bit) {
        const uint32_t flag = uint32_t(1) << bit;
        if (!(buttons & flag))
            continue;
        auto *button = new KZButton(left, buttonRow, buttonWidth, 1, ButtonLabel(flag).CStr(), nullptr,
                                    KZButton::kPush, ButtonResult(flag));
        button->SetAllowDefault(true);
        Add(button);
        if (flag == defaultButton)
            SetDefaultButton(button, true);
        left += buttonWidth + 2;
    }

    ZafRegionStruct place;
    place.Assign(0, 0, width - 1, extent.bottom + 2 * gap - 1, kCoordCells);
    SetRegion(place);
    if (ZafWindowManager *manager = ZafWindowManager::Shared()) {
        manager->Center(this);
        // The space above the dialog is halved: it sits a little high.
        ZafRegionStruct centred = Region();
        const int up = centred.top / 2;
        centred.top -= up;
        centred.bottom -= up;
        SetRegion(centred);
    }
}
