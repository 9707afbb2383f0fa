# Axes and titles, engines, the view and factory, the chart control.
list(APPEND TEST_SOURCES
    axes/cf_AxesTest.cpp
    scene/cf_PointBlockTest.cpp
    engine/cf_EngineTest.cpp
    view/cf_ChartViewTest.cpp
    view/cf_ChartContentTest.cpp
    view/ZafChartControlTest.cpp
)

# Redraw speed of a line chart against bare GDI poly-lines; a program to run
# by hand, not a test.
add_executable(chart_bench bench/ChartBench.cpp harness/ChartBenchRun.cpp
    ../support/DibSurface.cpp)
target_include_directories(chart_bench PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
target_compile_options(chart_bench PRIVATE ${QT_WARNINGS})
target_link_libraries(chart_bench PRIVATE chart)

# Solids, surfaces, the other chart engines and every chart type drawn.
list(APPEND TEST_SOURCES
    kinds/cf_ChartMatrixTest.cpp
)
list(APPEND TEST_SOURCES
    solids/cf_SolidsTest.cpp
)
list(APPEND TEST_SOURCES
    kinds/cf_FlatEnginesTest.cpp
    kinds/cf_DepthEnginesTest.cpp
)
list(APPEND TEST_SOURCES
    kinds/cf_PieEnginesTest.cpp
)
