# The results area: trial download behind a scripted unit link and on the
# program's COM pair against the simulated block sensor, the results list,
# window and trial choice dialog.
list(APPEND TEST_SOURCES
    results/ScriptedUnitLink.cpp
    results/ResultsTest.cpp
    results/QVZTrialDownloadTest.cpp
    results/QVZResultsPaneTest.cpp
    results/QVZResultsPrintTest.cpp
    ../shell/support/TestPrinterDevice.cpp
    ../support/DibSurface.cpp
    results/QVZWaveformDialogTest.cpp
    results/QVZBlockSensorLinkTest.cpp
    results/QVZResultsInEventWindowTest.cpp
)
