#pragma once
// cf_eng_XPie2D3D: the exploded pie chart (type 9, in either dimension).
// From three groups up, each group becomes a wedge solid pushed out from
// the centre, all in one series of solids (list 3) ordered for painter's
// drawing. It runs the drawing pipeline itself and draws only the solids
// and the titles and notes: no walls, floor or grid. GUI thread only.

#include "chart/kinds/cf_PieTopRim.h"
#include "chart/kinds/cf_eng_Pie2D.h"

class cf_eng_XPie2D3D : public cf_eng_Pie2D {
public:
    // Wedge proportions: full height, pushed out by 10 % of the radius.
    static constexpr double kHeightPercent = 100.0;
    static constexpr double kExplodePercent = 10.0;

    cf_eng_XPie2D3D();

    // The floor ring, then from three groups up the wedge solids.
    void BuildFromModel(cf_ChartModel *model) override;
    void UpdateGeometry() override;
    void Project() override;
    void DrawWalls(bf_Display *display) override { DrawWallsAndBitmap(display); }
    // Brings the pipeline up to date, then draws lists 3 and 4.
    void DrawWallsAndBitmap(bf_Display *display) override;
    // No grid is drawn, so the title manager draws every axis title.
    bool DrawsGridSeries() const override { return false; }
    // The pie's height as percent of the box height; relays out at once.
    void SetThickness(double percent);
    double Thickness() const { return top.Thickness(); }
    const cf_3DPoint &TopCentre() const { return topCentre; }

protected:
    // The flat pie's step, the thickness, the top centre and top rim.
    void RescaleWalls() override;

private:
    cf_PieTopRim top;
    cf_3DPoint topCentre;
};
