# The chart pane, its window, the chart data pipeline and the chart dialogs.
list(APPEND TEST_SOURCES
    chart/ChartTest.cpp
    chart/QVZChartEventWindowTest.cpp
    chart/QVZChartExportTest.cpp
    chart/QVZChartPrintTest.cpp
    chart/QVZChartPaneTest.cpp
    chart/QVZChartOverlayTest.cpp
    chart/QVZChartPlotterTest.cpp
    chart/QVZChartTracesTest.cpp
    chart/QVZChartWindowTest.cpp
    chart/QVZChartDataDialogTest.cpp
    chart/QVZLocalAlgorithmDialogTest.cpp
    chart/QVZSlopeDetectorTest.cpp
)

# The overlay chart's redraw against bare poly-lines (run by hand).
add_executable(overlay_bench bench/OverlayBench.cpp ${PROJECT_SOURCE_DIR}/tests/chart/harness/ChartBenchRun.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/DibSurface.cpp)
target_include_directories(overlay_bench PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
target_compile_options(overlay_bench PRIVATE ${QT_WARNINGS})
target_link_libraries(overlay_bench PRIVATE ui chart)

# The clicks that build the overlay against repaints of the same chart, at
# the program's chart size (run by hand; the chart fixture drives it).
add_executable(overlay_click_bench bench/OverlayClickBench.cpp chart/ChartTest.cpp
    ../shell/support/ShellScratch.cpp ../shell/support/ShellAppTest.cpp ../shell/support/ToolkitTest.cpp)
target_include_directories(overlay_click_bench PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests
    ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(overlay_click_bench PRIVATE ${QT_WARNINGS})
target_link_libraries(overlay_click_bench PRIVATE ui shell GTest::gmock GTest::gtest)
