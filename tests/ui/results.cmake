# The results area: trial download behind a scripted unit link, the overlay,
# the results list, window and trial choice dialog.
list(APPEND TEST_SOURCES
    results/ScriptedUnitLink.cpp
    results/ResultsTest.cpp
    results/QVZTrialDownloadTest.cpp
    results/QVZResultsPaneTest.cpp
    results/QVZWaveformDialogTest.cpp
)
