# Axes and titles, engines, the view and factory, the chart control.
list(APPEND TEST_SOURCES
    axes/cf_AxesTest.cpp
    engine/cf_EngineTest.cpp
    view/cf_ChartViewTest.cpp
    view/ZafChartControlTest.cpp
)

# Solids, surfaces, the other chart engines and every chart type drawn.
list(APPEND TEST_SOURCES
    engines/cf_ChartMatrixTest.cpp
)
