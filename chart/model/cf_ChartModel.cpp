#include "chart/model/cf_ChartModel.h"

#include "chart/model/cf_EngineLink.h"

namespace {

const unsigned char kDefaultColours[cf_ChartModel::kColourCount] = {
    12, 10, 9, 14, 11, 13, 4, 2, 1, 3, 5, 6, 8, 7, 15, 0};
const wchar_t kNumberFormat[] = L"%g";

} // namespace

cf_ChartModel::cf_ChartModel(cf_ChartView *owner, int mode)
    : view(owner), engine(nullptr), valueMode(mode), styleSequenceA{0, 0, 1},
      styleSequenceB{0, 1, 1}, legendLineWidth(1), groupMarkFlag(0), groupMarkFlagB(0),
      xFixedMax(0), xFixedMaxSet(0), xFixedMin(0), xFixedMinSet(0), zeroBase(0), zeroRatio(1.0),
      yPadBelow(0), yFloor(0), yPadAbove(0), yCeil(0), yFixedMax(0), yFixedMaxSet(0),
      yFixedMin(0), yFixedMinSet(0), groupCount(0), lastGroup(0), firstGroup(0), currentGroup(0),
      changed(0), groups(16), groupsGroup(L"Groups"), domainGroup(L"Domain"),
      rangeGroup(L"Range"), titleItems{}, axisTitleItems{}, textItems{}, legend(16),
      legendCount(0)
{
    for (int i = 0; i < kColourCount; ++i)
        colourSequence[i] = bf_Color(kDefaultColours[i]);
    SelectGroup(1);
}

cf_ChartModel::~cf_ChartModel()
{
    DeleteGroups();
    ClearTitles();
    ClearAxisTitles();
    DeleteItems(textItems, kItemKinds);
    ClearLegend();
}

// ---- Data groups ---------------------------------------------------------

cf_DataGroup *cf_ChartModel::SelectGroup(int n)
{
    if (n < 1)
        n = 1;
    while (groupCount < n) {
        ++groupCount;
        if (spareGroups.empty()) {
            groups.At(groupCount) = new cf_DataGroup();
        } else {
            groups.At(groupCount) = spareGroups.back().release();
            spareGroups.pop_back();
        }
    }
    currentGroup = n;
    if (n > lastGroup)
        lastGroup = n;
    if (firstGroup == 0)
        firstGroup = n;
    cf_DataGroup *group = Group(n);
    if (groupReady.size() <= std::size_t(n))
        groupReady.resize(std::size_t(n) + 1, false);
    if (!groupReady[std::size_t(n)]) {
        groupReady[std::size_t(n)] = true;
        InitialiseGroup(n, group);
    }
    group->MarkChanged();
    return group;
}

void cf_ChartModel::InitialiseGroup(int n, cf_DataGroup *group)
{
    cf_DispAttribs &attribs = group->DispAttribs();
    attribs.SetLineColor(bf_Color(0));
    attribs.SetFillColor(ColourFor(n));
    attribs.SetMarkPointsA(MarkFlagFor(2));
    attribs.SetMarkPointsB(MarkFlagFor(3));
}

cf_DataGroup *cf_ChartModel::CurrentGroup() const
{
    return Group(currentGroup);
}

cf_DataGroup *cf_ChartModel::Group(int n) const
{
    return cf_SlotAt<cf_DataGroup>(groups, n, groupCount);
}

void cf_ChartModel::DeleteGroups()
{
    // The groups of a curve of thousands of values are kept, cleared, so
    // that the chart that follows does not allocate them again.
    for (int n = groupCount; n >= 1; --n) {
        auto *group = static_cast<cf_DataGroup *>(groups.At(n));
        group->Renew();
        spareGroups.emplace_back(group);
        groups.At(n) = nullptr;
    }
    groupCount = lastGroup = firstGroup = currentGroup = 0;
    groupReady.clear();
}

// ---- Values --------------------------------------------------------------

void cf_ChartModel::AddValue(double y, const wchar_t *labelX, const wchar_t *labelY)
{
    cf_DataGroup *group = SelectGroup(currentGroup);
    int before = group->Count();
    double x = valueMode == 2 ? before : before + 1;
    group->AddValue(x, y, currentGroup);
    int domainCount = domainGroup.Count();
    if (labelX) {
        AddAxisEntry(domainGroup, x, 0, currentGroup, labelX);
    } else if (numberNewValues && (valueMode == 2 ? domainCount <= x : domainCount < x)) {
        domainGroup.AddValue(x, 0, currentGroup)->SetLabel(x, kNumberFormat);
    }
    if (labelY)
        AddAxisEntry(rangeGroup, x, y, currentGroup, labelY);
    changed = 1;
}

void cf_ChartModel::AddValueXY(double x, double y, const wchar_t *labelX, const wchar_t *labelY)
{
    AddValueXYZ(x, y, currentGroup, labelX, labelY);
}

void cf_ChartModel::AddValueXYZ(double x, double y, double z, const wchar_t *labelX,
                                const wchar_t *labelY)
{
    valueMode = 3;
    SelectGroup(currentGroup)->AddValue(x, y, z);
    if (labelX)
        AddAxisEntry(domainGroup, x, 0, currentGroup, labelX);
    if (labelY)
        AddAxisEntry(rangeGroup, 0, y, currentGroup, labelY);
    changed = 1;
}

void cf_ChartModel::AddAxisEntry(cf_DataGroup &axis, double x, double y, double z,
                                 const wchar_t *label)
{
    cf_XYZ *entry = axis.AddValue(x, y, z);
    if (label)
        entry->SetLabel(label);
}

void cf_ChartModel::SetValueMode(int mode, bool notify)
{
    valueMode = mode;
    RebuildDomain();
    if (notify && engine) {
        engine->BuildFromModel(this);
        engine->Relayout();
        engine->UpdateGeometry();
        engine->Project();
        engine->Refresh();
    }
}

void cf_ChartModel::RebuildDomain()
{
    int entries = domainGroup.Count();
    domainGroup.Clear();
    domainGroup.SetName(L"Domain");
    if (valueMode == 3) {
        cf_DataGroup *first = Group(1);
        for (int n = 1; first && n <= first->Count(); ++n) {
            double x = first->Value(n)->X();
            domainGroup.AddValue(x, 0, 1)->SetLabel(x, kNumberFormat);
        }
        return;
    }
    int start = valueMode == 2 ? 0 : 1;
    for (int i = 0; i < entries; ++i) {
        double x = start + i;
        domainGroup.AddValue(x, 0, currentGroup)->SetLabel(x, kNumberFormat);
    }
}

void cf_ChartModel::AddDomainLabel(double value, const wchar_t *label)
{
    AddAxisEntry(domainGroup, value, 0, currentGroup, label);
}

void cf_ChartModel::AddDomainLabel(double value, double labelNumber)
{
    domainGroup.AddValue(value, 0, currentGroup)->SetLabel(labelNumber, kNumberFormat);
}

void cf_ChartModel::AddRangeLabel(double value, const wchar_t *label)
{
    AddAxisEntry(rangeGroup, 0, value, currentGroup, label);
}

void cf_ChartModel::AddRangeLabel(double value, double labelNumber)
{
    rangeGroup.AddValue(0, value, currentGroup)->SetLabel(labelNumber, kNumberFormat);
}

void cf_ChartModel::AddGroupsLabel(double value, const wchar_t *label)
{
    AddAxisEntry(groupsGroup, groupsGroup.Count() + 1, 0, value, label);
}

void cf_ChartModel::AddGroupsLabel(double value, double labelNumber)
{
    groupsGroup.AddValue(groupsGroup.Count() + 1, 0, value)->SetLabel(labelNumber, kNumberFormat);
}

// ---- Colours and styles --------------------------------------------------

bf_Color cf_ChartModel::ColourFor(int n) const
{
    if (n < 1)
        return bf_Color(0);
    return colourSequence[(n - 1) % kColourCount];
}

void cf_ChartModel::SetColour(int n, bf_Color colour)
{
    if (n >= 1)
        colourSequence[(n - 1) % kColourCount] = colour;
}

void cf_ChartModel::SetColourSequence(const bf_Color (&colours)[kColourCount])
{
    for (int i = 0; i < kColourCount; ++i)
        colourSequence[i] = colours[i];
}

namespace {

// Style n (1, 2, ... round the sequence) of a style sequence; 0 before 1.
int StyleAt(const int (&sequence)[cf_ChartModel::kStyleCount], int n)
{
    return n < 1 ? 0 : sequence[(n - 1) % cf_ChartModel::kStyleCount];
}

void SetStyleAt(int (&sequence)[cf_ChartModel::kStyleCount], int n, int style)
{
    if (n >= 1)
        sequence[(n - 1) % cf_ChartModel::kStyleCount] = style;
}

void SetSequence(int (&sequence)[cf_ChartModel::kStyleCount], int a, int b, int c)
{
    sequence[0] = a;
    sequence[1] = b;
    sequence[2] = c;
}

} // namespace

int cf_ChartModel::StyleA(int n) const
{
    return StyleAt(styleSequenceA, n);
}

void cf_ChartModel::SetStyleA(int n, int style)
{
    SetStyleAt(styleSequenceA, n, style);
}

void cf_ChartModel::SetStyleSequenceA(int a, int b, int c)
{
    SetSequence(styleSequenceA, a, b, c);
}

int cf_ChartModel::StyleB(int n) const
{
    return StyleAt(styleSequenceB, n);
}

void cf_ChartModel::SetStyleB(int n, int style)
{
    SetStyleAt(styleSequenceB, n, style);
}

void cf_ChartModel::SetStyleSequenceB(int a, int b, int c)
{
    SetSequence(styleSequenceB, a, b, c);
}

unsigned char cf_ChartModel::MarkFlagFor(int k) const
{
    return (k == 2 && groupMarkFlag == 1) ? 1 : 0;
}

void cf_ChartModel::SetMarkFlags(unsigned char a, unsigned char b, bool apply)
{
    groupMarkFlag = a;
    groupMarkFlagB = b;
    if (!apply)
        return;
    for (int n = 1; n <= groupCount; ++n) {
        Group(n)->DispAttribs().SetMarkPointsA(a);
        Group(n)->DispAttribs().SetMarkPointsB(b);
    }
}

// ---- Engine link ---------------------------------------------------------

bool cf_ChartModel::SetEngine(cf_EngineLink *link)
{
    if (!link)
        return false;
    engine = link;
    return true;
}

void cf_ChartModel::Notify(bool rebuild, bool relayout, bool geometry, bool projection, bool refresh)
{
    if (!engine)
        return;
    bool rebuilding = changed || rebuild;
    if (rebuilding) {
        engine->BuildFromModel(this);
        changed = 0;
        engine->Relayout();
    } else if (relayout) {
        engine->Relayout();
    }
    if (rebuilding || geometry)
        engine->UpdateGeometry();
    if (rebuilding || projection)
        engine->Project();
    if (rebuilding || refresh)
        engine->Refresh();
}
