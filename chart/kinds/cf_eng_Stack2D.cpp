#include "chart/kinds/cf_eng_Stack2D.h"

#include "chart/model/cf_ChartModel.h"
#include "chart/scene/cf_3DPolygon.h"

void cf_eng_Stack2D::AddBlock(cf_DataGroup &group, double centre, double half, double from, double to)
{
    auto *block = new cf_3DPolygon(&group.DispAttribs());
    block->AddPoint(cf_3DPoint(centre - half, from, 0));
    block->AddPoint(cf_3DPoint(centre - half, to, 0));
    block->AddPoint(cf_3DPoint(centre + half, to, 0));
    block->AddPoint(cf_3DPoint(centre + half, from, 0));
    AddDataObject(block);
}
