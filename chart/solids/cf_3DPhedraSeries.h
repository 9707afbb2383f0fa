#pragma once
// cf_3DPhedraSeries: the solids of one data series of a three-dimensional
// bar, column, stack or exploded-pie chart. It makes each solid from chart
// values, owns them, hands the scene-object operations down to them, keeps
// the series' extents, and orders the solids at each Transform for
// painter's drawing (later ones cover earlier ones). Owned by its engine;
// GUI thread only.

#include "chart/solids/cf_3DPolyHedra.h"
#include "chart/solids/cf_OwnedSlots.h"
#include "chart/solids/cf_PartsCompound.h"
#include "chart/solids/cf_SolidCompound.h"

class cf_3DPhedraSeries : public cf_SolidCompound<cf_PartsCompound<cf_OwnedSlots<cf_3DPolyHedra>>> {
public:
    // Creates and owns its display attributes.
    cf_3DPhedraSeries();
    // Borrows the given attributes (null: none).
    explicit cf_3DPhedraSeries(cf_DispAttribs *borrowed);
    cf_3DPhedraSeries(const cf_3DPhedraSeries &) = delete;
    // Copies attributes, flags and extents; the members become plain
    // polyhedra with copies of the other series' members' faces.
    cf_3DPhedraSeries &operator=(const cf_3DPhedraSeries &other);
    ~cf_3DPhedraSeries() override;

    // Form A is form B: the series' pen and brush, then every member in order.
    void DrawFormA(bf_Display *display) override;

    // Takes the solid (null is ignored), scales and moves it with the
    // series and widens the extents; its attributes and flags stay.
    virtual void AddPolyhedron(cf_3DPolyHedra *solid);
    // A box solid between the bounds in the series' attributes (drawing
    // with the pen and brush of its faces), ordered by depth and culled.
    virtual void AddBar(double x0, double x1, double y0, double y1, double z0, double z1);
    virtual void AddColumn(double x0, double x1, double y0, double y1, double z0, double z1);
    virtual void AddStack(double x0, double x1, double y0, double y1, double z0, double z1);
    // A pie wedge (angles in radians) in the given attributes, ordered by
    // overlap and culled.
    virtual void AddRadial(const cf_3DPoint &a, const cf_3DPoint &b, double r, double a0, double a1,
                           double heightPercent, double explodePercent, unsigned char wedgeFlag,
                           cf_DispAttribs *attribs);
    // Deletes every member; the working extents become 0.
    virtual void Reset();

    // Member i (1..count), else null.
    cf_3DPolyHedra *Member(int i) const;
    cf_3DPolyHedra *FirstMember() const { return Member(1); }
    cf_3DPolyHedra *LastMember() const { return Member(parts.Count()); }
    int MemberCount() const { return parts.Count(); }
    // Sets the count only, within 0..the number stored; the members beyond it
    // stay owned (a later AddPolyhedron replaces the first of them).
    void SetMemberCount(int n) { parts.SetCount(n); }

protected:
    void SortMembersByDepth();
    void SortMembersByOverlap();
    void OrderPartsByDepth() override { SortMembersByDepth(); }
    void OrderPartsByOverlap() override { SortMembersByOverlap(); }

private:
    void AddBox(cf_3DPolyHedra *box);
};
