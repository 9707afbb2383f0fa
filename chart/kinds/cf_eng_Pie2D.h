#pragma once
// cf_eng_Pie2D: the flat pie chart (type 5, dimension 1), seen straight
// from above. Each data group is one wedge whose share of the circle is
// the group's share of the total of all groups (each group weighing the
// sum of |y| of its values). The build puts one point per group on the
// floor's rim at the end angle of its wedge; drawing turns them into
// sectors of the floor ellipse. GUI thread only.

#include "chart/kinds/cf_eng_Polar.h"

#include <vector>

class cf_eng_Pie2D : public cf_eng_Polar {
public:
    // Module named by the pie engines' consistency checks.
    static constexpr const char *kModule = "CE2_PIE";

    cf_eng_Pie2D();

    // The wedge end points on the floor's rim (list 2).
    void BuildFromModel(cf_ChartModel *model) override;
    void DrawWalls(bf_Display *display) override { DrawWallsAndBitmap(display); }
    // The floor, then the sectors, then the titles and notes.
    void DrawWallsAndBitmap(bf_Display *display) override;
    // Draws the two radii / the outer arc of every wedge in colour 0.
    void SetWedgeOutline(unsigned char radii, unsigned char arc);
    // The sector from ring point a to ring point b (1-based) in b's colours.
    virtual void DrawWedge(const cf_2DRect &rect, int a, int b, bf_Display *display);

    // The end angles (radians) of the groups' wedges, in group order: all 0
    // when the total is 0.001 or less.
    static std::vector<double> EndAngles(const cf_ChartModel &model);
    // Ring point n (1-based) of list 2, or null.
    cf_3DPoint *RingPoint(int n) const;
    int RingCount() const { return int(lists[1].size()); }
    // The rectangle of the floor ellipse in device pixels.
    cf_2DRect FloorRect() const;

protected:
    // The polar base's step, then the ring put back onto the floor.
    void RescaleWalls() override;
    // The floor and the flat sectors (everything but list 4).
    void DrawFlatPie(bf_Display *display);
    void DrawManagers(bf_Display *display);
    // The wedge radius: the kernel's x maximum - 0.1.
    double Radius() const;
    // New points on the wedge radius at the given height, one at each
    // group's end angle in that group's attributes; the caller takes them.
    std::vector<cf_3DPoint *> RimPoints(cf_ChartModel &model, double height) const;

    unsigned char radiiLines = 0;
    unsigned char arcOutline = 0;
};
