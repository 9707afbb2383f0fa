#include "chart/view/cf_EngineFactory.h"

#include "chart/kinds/cf_eng_Line2D.h"
#include "chart/kinds/cf_eng_PointSer2D.h"
#include "chart/kinds/cf_eng_Area2D.h"
#include "chart/kinds/cf_eng_Area3D.h"
#include "chart/kinds/cf_eng_Bar2D.h"
#include "chart/kinds/cf_eng_Bar3D.h"
#include "chart/kinds/cf_eng_Col2D.h"
#include "chart/kinds/cf_eng_Col3D.h"
#include "chart/kinds/cf_eng_Line3D.h"
#include "chart/kinds/cf_eng_Pie2D.h"
#include "chart/kinds/cf_eng_Pie3D.h"
#include "chart/kinds/cf_eng_PointSer3D.h"
#include "chart/kinds/cf_eng_Ribbon2D.h"
#include "chart/kinds/cf_eng_Ribbon3D.h"
#include "chart/kinds/cf_eng_Stack2D.h"
#include "chart/kinds/cf_eng_Stack3D.h"
#include "chart/kinds/cf_eng_XPie2D3D.h"
#include "chart/view/cf_ChartView.h"

namespace {

template <class Engine> cf_ChartEngine *Make() { return new Engine; }

struct EngineEntry {
    const char *className;
    cf_ChartEngine *(*make)();
};

// By dimension (1, 2) and chart type (1..9).
const EngineEntry kEngines[2][9] = {
    {{"cf_eng_Area2D", &Make<cf_eng_Area2D>},
     {"cf_eng_Bar2D", &Make<cf_eng_Bar2D>},
     {"cf_eng_Col2D", &Make<cf_eng_Col2D>},
     {"cf_eng_Line2D", &Make<cf_eng_Line2D>},
     {"cf_eng_Pie2D", &Make<cf_eng_Pie2D>},
     {"cf_eng_PointSer2D", &Make<cf_eng_PointSer2D>},
     {"cf_eng_Ribbon2D", &Make<cf_eng_Ribbon2D>},
     {"cf_eng_Stack2D", &Make<cf_eng_Stack2D>},
     {"cf_eng_XPie2D3D", &Make<cf_eng_XPie2D3D>}},
    {{"cf_eng_Area3D", &Make<cf_eng_Area3D>},
     {"cf_eng_Bar3D", &Make<cf_eng_Bar3D>},
     {"cf_eng_Col3D", &Make<cf_eng_Col3D>},
     {"cf_eng_Line3D", &Make<cf_eng_Line3D>},
     {"cf_eng_Pie3D", &Make<cf_eng_Pie3D>},
     {"cf_eng_PointSer3D", &Make<cf_eng_PointSer3D>},
     {"cf_eng_Ribbon3D", &Make<cf_eng_Ribbon3D>},
     {"cf_eng_Stack3D", &Make<cf_eng_Stack3D>},
     {"cf_eng_XPie2D3D", &Make<cf_eng_XPie2D3D>}},
};

const EngineEntry kFallback = {"cf_eng_PointSer2D", &Make<cf_eng_PointSer2D>};

const EngineEntry &Entry(int chartType, int dimension)
{
    if (chartType < 1 || chartType > 9 || dimension < 1 || dimension > 2)
        return kFallback;
    return kEngines[dimension - 1][chartType - 1];
}

} // namespace

const char *cf_EngineClassName(int chartType, int dimension)
{
    return Entry(chartType, dimension).className;
}

cf_ChartEngine *cf_MakeEngine(int chartType, int dimension)
{
    const EngineEntry &entry = Entry(chartType, dimension);
    return entry.make ? entry.make() : kFallback.make();
}

bool cf_EngineFactory(cf_ChartView *view, int chartType, int dimension, int replace)
{
    // The view deletes an engine it owns when it takes the new one, with
    // or without replace, so that no engine is ever lost.
    (void)replace;
    if (view)
        view->AdoptEngine(cf_MakeEngine(chartType, dimension));
    return true;
}
