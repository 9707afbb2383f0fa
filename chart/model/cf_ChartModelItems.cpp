#include "chart/model/cf_ChartModel.h"

// Titles, text items, legend entries and clearing of the chart model.

namespace {

const wchar_t kUnassignedLegend[] = L"Un-assigned Legend!";

int KindIndex(int kind)
{
    return (kind >= 1 && kind <= cf_ChartModel::kItemKinds) ? kind - 1 : 1;
}

cf_DataGroup *NewTextItem()
{
    auto *item = new cf_DataGroup();
    item->DispAttribs().SetLineColor(bf_Color(0));
    item->DispAttribs().SetFillColor(bf_Color(0));
    return item;
}

void AnchorAxisTitle(int kind, cf_TextAttribs &t)
{
    switch (kind) {
    case 1:
    case 6:
        t.SetAnchorRight();
        t.SetAnchorBottom();
        break;
    case 3:
        t.SetAnchorLeft();
        t.SetAnchorTop();
        t.SetRotation(-90);
        break;
    case 4:
        t.SetAnchorRight();
        t.SetAnchorBottom();
        t.SetRotation(90);
        break;
    case 7:
        t.SetAnchorTop();
        break;
    default: // 2 and 5
        t.SetAnchorLeft();
        t.SetAnchorTop();
        break;
    }
}

void AnchorTextItem(int kind, cf_TextAttribs &t)
{
    switch (kind) {
    case 1:
        t.SetAnchorBottom();
        break;
    case 3:
        t.SetAnchorLeft();
        break;
    case 4:
        t.SetAnchorRight();
        break;
    case 5:
        t.SetAnchorLeft();
        t.SetAnchorTop();
        break;
    case 6:
        t.SetAnchorRight();
        t.SetAnchorBottom();
        break;
    default: // 2 and 7
        t.SetAnchorTop();
        break;
    }
}

// The text item of a kind (1..kItemKinds) among items, made and anchored by
// anchor on first use.
cf_DataGroup *TextItemOf(cf_DataGroup **items, int kind, void (*anchor)(int, cf_TextAttribs &))
{
    const int i = KindIndex(kind);
    if (!items[i]) {
        items[i] = NewTextItem();
        anchor(i + 1, items[i]->TextAttribs());
    }
    return items[i];
}

void FillItem(cf_DataGroup *item, const wchar_t *text, double x, double y, double z)
{
    item->Clear();
    for (int i = 0; i < 3; ++i)
        item->AddValue(x, y, z);
    item->SetName(text);
}

} // namespace

cf_DataGroup *cf_ChartModel::AxisTitleItem(int kind)
{
    return TextItemOf(axisTitleItems, kind, AnchorAxisTitle);
}

cf_DataGroup *cf_ChartModel::TextItem(int kind)
{
    return TextItemOf(textItems, kind, AnchorTextItem);
}

cf_DataGroup *cf_ChartModel::TitleItem(int kind)
{
    int i = kind == 2 ? 1 : 0;
    if (!titleItems[i])
        titleItems[i] = new cf_DataGroup();
    return titleItems[i];
}

bool cf_ChartModel::HasAxisTitleItem(int kind) const
{
    return axisTitleItems[KindIndex(kind)] != nullptr;
}

bool cf_ChartModel::HasTitleItem(int kind) const
{
    return titleItems[kind == 2 ? 1 : 0] != nullptr;
}

void cf_ChartModel::SetAxisTitle(const wchar_t *text, int kind, double x, double y, double z)
{
    FillItem(AxisTitleItem(kind), text, x, y, z);
    changed = 1;
}

void cf_ChartModel::SetTitle(const wchar_t *text, int kind, double x, double y, double z)
{
    FillItem(TitleItem(kind), text, x, y, z);
    changed = 1;
}

cf_DataGroup *cf_ChartModel::LegendEntry(int n)
{
    if (n < 1)
        n = 1;
    while (legendCount < n) {
        ++legendCount;
        legend.At(legendCount) = new cf_DataGroup(kUnassignedLegend);
    }
    if (legendReady.size() <= std::size_t(n))
        legendReady.resize(std::size_t(n) + 1, false);
    auto *entry = static_cast<cf_DataGroup *>(legend.At(n));
    if (!legendReady[std::size_t(n)]) {
        legendReady[std::size_t(n)] = true;
        cf_DispAttribs &a = entry->DispAttribs();
        a.SetLineColor(bf_Color(0));
        a.SetFillColor(ColourFor(n));
        a.SetLineStyle(styleSequenceB[(n - 1) % kStyleCount]);
        a.SetMarkPointsA(1);
        a.SetMarkPointsB(1);
        a.SetLineWidth(legendLineWidth);
    }
    return entry;
}

cf_DataGroup *cf_ChartModel::AddLegendEntry(const wchar_t *text, double x, double y, double z)
{
    auto *entry = new cf_DataGroup(text);
    ++legendCount;
    legend.At(legendCount) = entry;
    bf_Color colour = ColourFor(legendCount);
    entry->DispAttribs().SetFillColor(colour);
    entry->TextAttribs().SetTextColor(colour);
    for (int i = 0; i < 3; ++i)
        entry->AddValue(x, y, z);
    changed = 1;
    return entry;
}

void cf_ChartModel::DeleteItems(cf_DataGroup **items, int count)
{
    for (int i = 0; i < count; ++i) {
        delete items[i];
        items[i] = nullptr;
    }
}

void cf_ChartModel::ClearTitles()
{
    DeleteItems(titleItems, 2);
}

void cf_ChartModel::ClearAxisTitles()
{
    DeleteItems(axisTitleItems, kItemKinds);
}

void cf_ChartModel::ClearLegend()
{
    cf_DeleteSlots<cf_DataGroup>(legend, legendCount);
    legendCount = 0;
    legendReady.clear();
}

void cf_ChartModel::Reset()
{
    groupsGroup.Clear();
    groupsGroup.SetName(L"Groups");
    domainGroup.Clear();
    domainGroup.SetName(L"Domain");
    rangeGroup.Clear();
    rangeGroup.SetName(L"Range");
    DeleteGroups();
    SelectGroup(1);
    changed = 1;
}
