# The results area: results list and window, trial download, trial choice dialog.
list(APPEND UI_SOURCES
    results/QVZBlockSensorLink.cpp
    results/QVZOverlayList.cpp
    results/QVZResultsPrompts.cpp
    results/QVZTrialDownload.cpp
    results/QVZTrialImport.cpp
)
