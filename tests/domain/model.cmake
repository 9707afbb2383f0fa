list(APPEND TEST_SOURCES
    timing/VRaceTimeTest.cpp
    results/QVResultsTest.cpp
    results/QVResultsViewTest.cpp
)
