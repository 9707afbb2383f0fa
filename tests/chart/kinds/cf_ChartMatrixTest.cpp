// Every chart type in both dimensions, from the factory to pixels.

#include "chart/backend/bf_Display.h"
#include "chart/kinds/cf_eng_Col2D.h"
#include "chart/kinds/cf_eng_Line3D.h"
#include "chart/kinds/cf_eng_Ribbon2D.h"
#include "chart/kinds/cf_eng_PointSer2D.h"
#include "chart/harness/MemoryDC.h"
#include "chart/harness/StandInWindow.h"
#include "chart/view/cf_ChartView.h"
#include "chart/view/cf_EngineFactory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <set>
#include <typeinfo>

namespace {

// Three groups of four values, some negative, in the model's first three
// colours: 12 (red), 10 (green) and 9 (blue).
void FillThreeGroups(cf_ChartView &view)
{
    const double values[3][4] = {{3, 5, -2, 4}, {2, -1, 4, 3}, {1, 2, 3, -4}};
    for (int g = 0; g < 3; ++g)
        for (double y : values[g])
            view.AddGroupValue(g + 1, y);
}

bool Shows(const MemoryDC &memory, uint32_t rgb)
{
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            if (memory.Pixel(x, y) == rgb)
                return true;
    return false;
}

} // namespace

TEST(cf_EngineFactory, EveryTypeInBothDimensionsHasItsOwnEngine)
{
    EXPECT_EQ(typeid(cf_eng_Col2D), typeid(*std::unique_ptr<cf_ChartEngine>(cf_MakeEngine(3, 1))));
    EXPECT_EQ(typeid(cf_eng_Ribbon2D), typeid(*std::unique_ptr<cf_ChartEngine>(cf_MakeEngine(7, 1))));
    EXPECT_EQ(typeid(cf_eng_Line3D), typeid(*std::unique_ptr<cf_ChartEngine>(cf_MakeEngine(4, 2))));
    EXPECT_EQ(typeid(*std::unique_ptr<cf_ChartEngine>(cf_MakeEngine(9, 1))),
              typeid(*std::unique_ptr<cf_ChartEngine>(cf_MakeEngine(9, 2))));
    std::set<std::string> classes;
    for (int type = 1; type <= 9; ++type)
        for (int dimension = 1; dimension <= 2; ++dimension) {
            std::unique_ptr<cf_ChartEngine> engine(cf_MakeEngine(type, dimension));
            if (type != 6 || dimension != 1)
                EXPECT_NE(typeid(cf_eng_PointSer2D), typeid(*engine)) << type << ", " << dimension;
            classes.insert(typeid(*engine).name());
        }
    EXPECT_EQ(17u, classes.size()); // the exploded pie serves both dimensions
    EXPECT_EQ(typeid(cf_eng_PointSer2D), typeid(*std::unique_ptr<cf_ChartEngine>(cf_MakeEngine(4, 3))));
}

class ChartMatrix : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(ChartMatrix, ThreeGroupsRenderInTheirFillColours)
{
    int type = GetParam().first, dimension = GetParam().second;
    cf_ChartView view(type, dimension, 1);
    FillThreeGroups(view);
    MemoryDC memory(320, 240);
    StandInWindow window(0, 0, 319, 239);
    memory.Begin();
    {
        bf_Display display(memory.Display(), &window);
        view.Prepare(&display);
        view.Draw(&display);
    }
    memory.End();
    EXPECT_TRUE(Shows(memory, 0xFF0000)) << "colour 12";
    EXPECT_TRUE(Shows(memory, 0x00FF00)) << "colour 10";
    EXPECT_TRUE(Shows(memory, 0x0000FF)) << "colour 9";
}

INSTANTIATE_TEST_SUITE_P(TypesAndDimensions, ChartMatrix,
                         ::testing::Values(std::make_pair(1, 1), std::make_pair(2, 1), std::make_pair(3, 1),
                                           std::make_pair(4, 1), std::make_pair(5, 1), std::make_pair(6, 1),
                                           std::make_pair(7, 1), std::make_pair(8, 1), std::make_pair(9, 1),
                                           std::make_pair(1, 2), std::make_pair(2, 2), std::make_pair(3, 2),
                                           std::make_pair(4, 2), std::make_pair(5, 2), std::make_pair(6, 2),
                                           std::make_pair(7, 2), std::make_pair(8, 2), std::make_pair(9, 2)),
                         [](const ::testing::TestParamInfo<std::pair<int, int>> &info) {
                             return "Type" + std::to_string(info.param.first) + "Dimension" +
                                    std::to_string(info.param.second);
                         });
