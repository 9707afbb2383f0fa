# The chart pane, its window, the chart data pipeline and the chart dialogs.
list(APPEND UI_SOURCES
    chart/QVZChartPlotter.cpp
    chart/QVZChartTraces.cpp
    chart/QVZLocalAlgorithmDialog.cpp
    chart/QVZSlopeDetector.cpp
)
list(APPEND UI_LIBS chart)
