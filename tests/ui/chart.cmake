# The chart pane, its window, the chart data pipeline and the chart dialogs.
list(APPEND TEST_SOURCES
    chart/ChartTest.cpp
    chart/QVZChartPaneTest.cpp
    chart/QVZChartPlotterTest.cpp
    chart/QVZChartTracesTest.cpp
    chart/QVZChartWindowTest.cpp
    chart/QVZLocalAlgorithmDialogTest.cpp
    chart/QVZSlopeDetectorTest.cpp
)
