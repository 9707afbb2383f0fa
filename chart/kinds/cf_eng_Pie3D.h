#pragma once
// cf_eng_Pie3D: the cylinder pie chart (type 5, dimension 2). The flat pie
// on the floor, a second ring of wedge end points lifted by the pie's
// thickness (list 3), and between them the visible parts of the rim,
// chosen by view depth; the top sectors are drawn last. GUI thread only.

#include "chart/kinds/cf_PieTopRim.h"
#include "chart/kinds/cf_eng_Pie2D.h"

class cf_eng_Pie3D : public cf_eng_Pie2D {
public:
    cf_eng_Pie3D();

    // The floor ring, then the top ring at the same angles.
    void BuildFromModel(cf_ChartModel *model) override;
    void UpdateGeometry() override;
    void Project() override;
    // Bottom sectors, rim bands, top sectors, then titles and notes.
    void DrawWallsAndBitmap(bf_Display *display) override;
    // The rim band and the top sector of the wedge from point a to point b.
    void DrawWedge(const cf_2DRect &topRect, int a, int b, bf_Display *display) override;
    // The pie's height as percent of the box height; relays out at once.
    void SetThickness(double percent);
    double Thickness() const { return top.Thickness(); }
    const cf_PieTopRim &TopRim() const { return top; }
    // Top ring point n (1-based) of list 3, or null.
    cf_3DPoint *TopPoint(int n) const;

protected:
    // The flat pie's step, the thickness and top rim, the top ring lifted.
    void RescaleWalls() override;

private:
    // The bottom and top end of a band: a ring point, or a silhouette.
    struct BandEnd {
        cf_2DPoint bottom, top;
    };
    BandEnd RingEnd(int n) const;
    BandEnd Silhouette(bool right) const;
    void DrawBand(const BandEnd &first, const BandEnd &second, bool last, cf_DispAttribs *attribs,
                  bf_Display *display);
    void DrawSideWithoutWedges(bf_Display *display, const cf_2DRect &topRect);

    cf_PieTopRim top;
};
