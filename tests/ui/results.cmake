# The results area: trial download behind a scripted unit link and on a COM
# pair against the simulated block sensor, the results list, window and
# trial choice dialog.
list(APPEND TEST_SOURCES
    ../support/ComPortPair.cpp
    results/ScriptedUnitLink.cpp
    results/ResultsTest.cpp
    results/QVZTrialDownloadTest.cpp
    results/QVZResultsPaneTest.cpp
    results/QVZWaveformDialogTest.cpp
    results/QVZBlockSensorLinkTest.cpp
)
include(${PROJECT_SOURCE_DIR}/tools/comport/ComPort.cmake)
cmake_language(DEFER CALL target_link_libraries ui_tests PRIVATE unitsim)
cmake_language(DEFER CALL qt_use_comports ui_tests 47 48)
