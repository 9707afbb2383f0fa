# The results area: results list and window, trial download, trial choice dialog.
list(APPEND UI_SOURCES
    results/QVZBlockSensorLink.cpp
    results/QVZPrintColumns.cpp
    results/QVZResultsPane.cpp
    results/QVZResultsPaneEdit.cpp
    results/QVZResultsPaneEvents.cpp
    results/QVZResultsPanePrint.cpp
    results/QVZResultsPanePrintPage.cpp
    results/QVZResultsPaneLink.cpp
    results/QVZResultsPrompts.cpp
    results/QVZTrialDownload.cpp
    results/QVZTrialImport.cpp
    results/QVZResultsTitle.cpp
    results/QVZResultsWindow.cpp
    results/QVZWaveformDialog.cpp
)
