# The chart pane, its window, the chart data pipeline and the chart dialogs.
list(APPEND UI_SOURCES
    chart/QVZChartPane.cpp
    chart/QVZChartPaneEvents.cpp
    chart/QVZChartPanePlot.cpp
    chart/QVZChartPaneExport.cpp
    chart/QVZChartPanePrint.cpp
    chart/QVZChartPlotter.cpp
    chart/QVZChartTraces.cpp
    chart/QVZChartTraceCache.cpp
    chart/QVZChartWindow.cpp
    chart/QVZChartWindowEvents.cpp
    chart/QVZIdPane.cpp
    chart/QVZChartDataDialog.cpp
    chart/QVZChartDataDisplaySelector.cpp
    chart/QVZLocalAlgorithmDialog.cpp
    chart/QVZSlopeDetector.cpp
)
list(APPEND UI_LIBS chart)
