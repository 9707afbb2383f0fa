list(APPEND TEST_SOURCES
    timing/VRaceTimeTest.cpp
)
