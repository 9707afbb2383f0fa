# Axes and titles, engines, the view and factory, the chart control.
list(APPEND TEST_SOURCES
    axes/cf_AxesTest.cpp
    engine/cf_EngineTest.cpp
    view/cf_ChartViewTest.cpp
    view/ZafChartControlTest.cpp
)
