list(APPEND TEST_SOURCES
    ../foundation/support/TestStreams.cpp
    timing/VRaceTimeTest.cpp
    results/QVResultsTest.cpp
    results/QVResultsViewTest.cpp
    event/QVEventFileTest.cpp
    event/QVEventTest.cpp
    charts/VZoomTest.cpp
    hardware/VHardwareTest.cpp
)
